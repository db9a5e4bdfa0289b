// Automatic switching in the running program over the simulated mouse: a
// settled focus activates its profile, edits in the window hold switches
// back with one message, and with the tray's tick off nothing switches.

#include "app/focus_follower.h"
#include "shell_fixture.h"

#include <QTest>
#include <gtest/gtest.h>

namespace pelmora::test {
namespace {

using FocusFollowerTest = ProfileShellTest;

TEST_F(FocusFollowerTest, ASettledFocusSwitchesUnlessEditedOrTurnedOff) {
    CTarvixDlg& d = start();
    ProfileSwitch profiles(d, DataFolder(root));
    ProfileStoreError error;
    profiles.save("Desk", error);
    d.session().settings.reportInterval = 8;
    profiles.save("Game", error);
    ProfileLibrary& library = profiles.library();
    library.editMatch("Desk", {"desk"}, true, error);
    library.editMatch("Game", {"game", "game2"}, true, error);
    QStringList held;
    FocusFollower follower(profiles, [&](const QString& profile) { held << profile; });
    const auto focus = [&](const char* id) { follower.focused({{id}, "title", 0}); };
    const auto activeIs = [&](const char* name, int interval) {
        return QTest::qWaitFor([&] {
            return library.activeName() == name && !profiles.running() &&
                   mouse->state().reportInterval == interval;
        });
    };

    focus("desk");
    ASSERT_TRUE(activeIs("Desk", 4));

    d.session().settings.reportInterval = 2; // an edit no profile holds
    focus("game");
    QTest::qWait(500);
    focus("game2");
    QTest::qWait(500);
    EXPECT_EQ(held, QStringList{"Game"}); // told once for these edits
    EXPECT_EQ(library.activeName(), "Desk");

    d.session().settings.reportInterval = 4; // the edit undone
    focus("game");
    EXPECT_TRUE(activeIs("Game", 8));

    std::string why;
    ASSERT_TRUE(library.setAutomaticSwitching(false, why));
    focus("desk");
    QTest::qWait(600);
    EXPECT_EQ(library.activeName(), "Game");
}

} // namespace
} // namespace pelmora::test
