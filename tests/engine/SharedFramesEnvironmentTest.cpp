// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Qt's window buffers leave shared memory while the QApplication is made, and
// only then: a user's own setting wins, and programs the player starts later
// get the environment the user gave it.
#include "engine/X11SharedFrames.h"

#include <QByteArray>

#include <gtest/gtest.h>

#include <optional>

namespace {

struct UserSetting {
    const char* name;
    std::optional<QByteArray> value; // nullopt: not set at all
    QByteArray whileMade;            // what Qt reads when it connects
};

class SharedFramesEnvironment : public ::testing::TestWithParam<UserSetting> {
protected:
    void TearDown() override { qunsetenv(kVariable); }
    static constexpr const char* kVariable = "QT_XCB_NO_MITSHM";
};

TEST_P(SharedFramesEnvironment, QtReadsOursOnlyWhileTheApplicationIsMade)
{
    const UserSetting& user = GetParam();
    if (user.value)
        qputenv(kVariable, *user.value);
    else
        qunsetenv(kVariable);

    X11SharedFrames::preferConnectionForWidgets();
    EXPECT_TRUE(qEnvironmentVariableIsSet(kVariable));
    EXPECT_EQ(qgetenv(kVariable), user.whileMade);

    X11SharedFrames::restoreEnvironment();
    EXPECT_EQ(qEnvironmentVariableIsSet(kVariable), user.value.has_value());
    EXPECT_EQ(qgetenv(kVariable), user.value.value_or(QByteArray()));
}

INSTANTIATE_TEST_SUITE_P(
    Users, SharedFramesEnvironment,
    ::testing::Values(UserSetting {"Unset", std::nullopt, "1"}, UserSetting {"Empty", QByteArray(""), ""},
                      UserSetting {"Zero", QByteArray("0"), "0"}, UserSetting {"One", QByteArray("1"), "1"}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
