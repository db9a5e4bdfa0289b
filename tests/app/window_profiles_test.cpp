// The window's profile chooser over the simulated mouse: its rows as the
// profiles change, the question before unsaved edits are left, a damaged
// file refused with its reason, and a profile chosen reaching the mouse.

#include "app/profile_switch.h"
#include "app/window_profiles.h"
#include "shell_fixture.h"

#include <QTest>
#include <gtest/gtest.h>

#include <deque>
#include <fstream>

namespace pelmora::test {
namespace {

using WindowProfilesTest = ProfileShellTest;

TEST_F(WindowProfilesTest, RowsFollowTheProfilesAndAChoiceAsksBeforeEditsAreLeft) {
    CTarvixDlg& d = start();
    QCoreApplication::processEvents();
    ProfileSwitch profiles(d, DataFolder(root));
    WindowProfiles chooser(d, d.profileChooser(), profiles);
    std::deque<int> answers;
    std::deque<QString> names;
    QStringList asked, told, picked;
    std::vector<bool> ticks;
    chooser.setDialogs({[&](const QString& text, const QStringList&) {
                            asked << text;
                            const int answer = answers.front();
                            answers.pop_front();
                            return answer;
                        },
                        [&](const QString&, const QString&) {
                            const QString name = names.front();
                            names.pop_front();
                            return std::optional(name);
                        },
                        [&](const QString& text) { told << text; },
                        [&](const MatchChoice& choice) {
                            picked = choice.rows;
                            return std::optional(ticks);
                        }});
    const auto rows = [&] { return chooser.rows().join(QLatin1Char('|')); };

    EXPECT_EQ(chooser.shown(), "(none)");
    EXPECT_EQ(rows(), "Save|Save as…");
    names = {"Desk"};
    chooser.choose(0); // Save without an active profile asks for a name
    EXPECT_EQ(chooser.shown(), "Desk");

    d.session().settings.reportInterval = 8;
    EXPECT_EQ(chooser.shown(), "Desk *");
    EXPECT_EQ(rows(), "Desk *|Save|Save as…|Use for the focused application…|Rename…|Delete…");
    names = {"Game"};
    chooser.choose(2);
    const QString actions = "Save|Save as…|Use for the focused application…|Rename…|Delete…";
    EXPECT_EQ(rows(), "Desk|Game|" + actions);

    // The applications seen are offered with their titles; the ticked ones
    // become the active profile's match list, shown in its row.
    FocusFollower focus(profiles, [](const QString&) {});
    chooser.setFocus(focus);
    focus.focused({{"steam_app_570", "hl2_linux"}, "Dota 2", 0});
    focus.focused({{"org.pelmora.Pelmora"}, "Pelmora", 0}); // never offered
    ticks = {false, true};
    chooser.choose(4);
    EXPECT_EQ(picked.join('|'), "steam_app_570 — Dota 2|hl2_linux — Dota 2");
    EXPECT_EQ(rows(), "Desk|Game — hl2_linux|" + actions);
    ticks = {false, true};
    chooser.choose(4); // the matched id first, ticked; unticking takes it out
    EXPECT_EQ(picked.join('|'), "hl2_linux|steam_app_570 — Dota 2");
    EXPECT_EQ(rows(), "Desk|Game — steam_app_570|" + actions);

    std::ofstream(root / "profiles" / "Bad.json") << "{\"format\": ";
    EXPECT_EQ(rows(), "! Bad|Desk|Game — steam_app_570|" + actions);
    chooser.choose(0);
    ASSERT_EQ(told.size(), 1);
    EXPECT_TRUE(told[0].startsWith("The profile Bad was not activated:\n"))
        << told[0].toStdString();
    EXPECT_TRUE(told[0].contains("Bad.json")) << told[0].toStdString();

    d.session().settings.reportInterval = 2;
    answers = {2}; // Cancel: the edits and the profile stay
    chooser.choose(1);
    EXPECT_EQ(asked.back(), "The configuration differs from the profile Game. Save it first?");
    EXPECT_EQ(chooser.shown(), "Game *");
    answers = {1}; // Discard
    chooser.choose(1);
    ASSERT_TRUE(d.waitForApply());
    EXPECT_EQ(mouse->state().reportInterval, 4);
    EXPECT_EQ(chooser.shown(), "Desk");

    answers = {0};
    chooser.rows();
    chooser.choose(7); // Delete…: the configuration stays, no profile is active
    EXPECT_EQ(asked.back(), "Delete the profile Desk? The configuration stays as it is.");
    EXPECT_EQ(rows(), "! Bad|Game — steam_app_570|Save|Save as…");
    EXPECT_EQ(d.session().settings.reportInterval, 4);
    EXPECT_EQ(told.size(), 1);
}

} // namespace
} // namespace pelmora::test
