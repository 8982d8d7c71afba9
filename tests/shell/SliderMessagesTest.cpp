// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The sliders' refusals reach the person through the player's prompts, in French,
// and the refused value is not taken.
#include "support/TestMain.h"
#include "support/Controls.h"
#include "gui/frmMain.h"
#include "support/FakeEngine.h"
#include "support/ScriptedPrompts.h"

#include <sarv/Variateur.h>

#include <gtest/gtest.h>

TEST(SliderMessages, RefusedValuesArePromptedAndKeepTheOldValue)
{
    ScriptedPrompts prompts;
    TestMain window([] { return std::make_unique<FakeEngine>(); });
    struct Case {
        sarv::Variateur* slider;
        short value;
    };
    for (const Case& c : { Case { control<sarv::Variateur>(window, "scrlVol"), 11 }, Case { control<sarv::Variateur>(window, "scrlBal"), -1 },
                           Case { control<sarv::Variateur>(window, "scrlTime"), 32767 } }) {
        const short before = c.slider->Value();
        const qsizetype asked = prompts.messages.size();
        c.slider->setValue(c.value);
        EXPECT_EQ(c.slider->Value(), before);
        ASSERT_EQ(prompts.messages.size(), asked + 1);
        EXPECT_TRUE(prompts.messages.last().text.startsWith(QStringLiteral("Attention")));
    }
}
