// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The sign of the time display as the window shows it: the "+" or "-" must be
// seen above the frame of the display, not only held in its label.
#include "MainWindowFixture.h"
#include "support/Controls.h"

#include "core/PlaybackClock.h"
#include "core/PlayerCore.h"

#include <QLabel>
#include <QTest>

namespace {

// Pixels of the sign's bright green text where the sign's label sits; the
// window's background and the time frame are dark there.
int brightPixels(const QImage& image)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += QColor(image.pixel(x, y)).lightness() > 150;
    return count;
}

class TimeSignTest : public MainWindowTest {
protected:
    QImage signArea()
    {
        return main->grab(control<QLabel>(*main, "lblpls")->geometry()).toImage();
    }
};

TEST_F(TimeSignTest, BothSignsShowAboveTheTimeFrame)
{
    main->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(main.get()));
    ASSERT_EQ(control<QLabel>(*main, "lblpls")->text(), QStringLiteral("+"));
    const QImage plus = signArea();
    EXPECT_GT(brightPixels(plus), 3);

    main->core().clock().lblTime_Click();
    ASSERT_EQ(control<QLabel>(*main, "lblpls")->text(), QStringLiteral("-"));
    const QImage minus = signArea();
    EXPECT_GT(brightPixels(minus), 1);
    // The person can tell the two modes apart.
    EXPECT_NE(plus, minus);
    EXPECT_LT(brightPixels(minus), brightPixels(plus));
}

} // namespace
