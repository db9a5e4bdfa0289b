#include "profiles/focus_switching.h"

#include "support/scratch_folder.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace pelmora {
namespace {

using namespace std::chrono_literals;
using Clock = FocusDebounce::Clock;

constexpr std::uint32_t kOwnPid = 4242;

struct Focus {
    int atMs;
    std::vector<std::string> ids; // empty: Pelmora's own window
};

// Plays focus changes through the debounce as the program's timer does, and
// lists the decisions made: "Game@650" switched to Game at 650 ms, "!Game@650"
// held back for the window's edits.
std::vector<std::string> play(const std::vector<Focus>& focuses,
                              const std::vector<ProfileEntry>& profiles, bool edited) {
    FocusDebounce debounce;
    FocusContext context{profiles, "Desk", edited, kOwnPid};
    std::vector<std::string> made;
    const Clock::time_point start{};
    auto settleUntil = [&](Clock::time_point until) {
        while (const auto due = debounce.due()) {
            if (*due > until) {
                return;
            }
            if (const auto application = debounce.settled(*due)) {
                const FocusDecision decision = decideFocusSwitch(*application, context);
                const auto at = std::chrono::duration_cast<std::chrono::milliseconds>(*due - start);
                if (decision.verdict == FocusVerdict::Switch) {
                    context.active = decision.profile;
                    made.push_back(decision.profile + "@" + std::to_string(at.count()));
                } else if (decision.verdict == FocusVerdict::Edited) {
                    made.push_back("!" + decision.profile + "@" + std::to_string(at.count()));
                }
            }
        }
    };
    for (const Focus& focus : focuses) {
        const Clock::time_point now = start + std::chrono::milliseconds(focus.atMs);
        settleUntil(now);
        FocusedApplication application{focus.ids, "title", focus.ids.empty() ? kOwnPid : 7};
        debounce.focused(std::move(application), now);
    }
    settleUntil(Clock::time_point::max());
    return made;
}

TEST(FocusSwitchingTest, FocusSequencesAndTheSwitchesMade) {
    const std::vector<ProfileEntry> base{
        {"Desk", true, "", {"desk-app"}},
        {"Game", false, "", {"steam_app_570", "HL2_LINUX"}},
        {"Broken", false, "damaged", {"gedit"}},
        {"Editor", false, "", {"org.gnome.gedit", "gedit"}},
    };
    std::vector<ProfileEntry> withDefault = base;
    withDefault.push_back({"default", false, "", {}});
    const std::vector<std::string> game{"steam_app_570", "hl2_linux"};
    const std::vector<std::string> editor{"org.gnome.gedit"};
    const std::vector<std::string> byExe{"Gedit-Window", "gedit"}; // the second id names it
    const std::vector<std::string> terminal{"xterm"};
    const struct {
        const char* what;
        std::vector<Focus> focuses;
        bool withDefault;
        bool edited;
        std::vector<std::string> made;
    } rows[] = {
        {"a focus that stays switches after it settled", {{0, game}}, false, false, {"Game@300"}},
        {"ids match whatever their case", {{0, {"HL2_Linux"}}}, false, false, {"Game@300"}},
        {"a later id matches when the first does not", {{0, byExe}}, false, false, {"Editor@300"}},
        {"flapping faster than the wait: the last one wins, once",
         {{0, game}, {100, editor}, {200, game}, {250, editor}, {400, game}},
         false,
         false,
         {"Game@700"}},
        {"back to the same application: no second switch",
         {{0, game}, {400, editor}, {500, game}},
         false,
         false,
         {"Game@300"}},
        {"the application of the active profile: nothing", {{0, {"Desk-app"}}}, false, false, {}},
        {"no profile and no Default: nothing",
         {{0, game}, {400, terminal}},
         false,
         false,
         {"Game@300"}},
        {"Default takes every other application",
         {{0, game}, {400, terminal}},
         true,
         false,
         {"Game@300", "default@700"}},
        {"Pelmora's own window never switches, not even to Default",
         {{0, game}, {400, {}}},
         true,
         false,
         {"Game@300"}},
        {"a short visit to Pelmora's window keeps the game",
         {{0, game}, {100, {}}, {200, game}},
         false,
         false,
         {"Game@500"}},
        {"edits in the window hold the switch back", {{0, game}}, false, true, {"!Game@300"}},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(play(row.focuses, row.withDefault ? withDefault : base, row.edited), row.made)
            << row.what;
    }
}

// What other programs tell about a window is made safe before it is used.
TEST(FocusSwitchingTest, TheIdsOfAFocusedApplication) {
    testing::ScratchFolder proc;
    std::filesystem::create_directories(proc.path() / "77");
    std::filesystem::create_symlink("/opt/game/bin/hl2_linux (deleted)",
                                    proc.path() / "77" / "exe");
    const FocusedApplication application = focusedApplication(
        {"Steam_App_570", "", "steam_app_570", "bad\nid", std::string(300, 'x'), "hl2_linux.sh"},
        std::string(255, 'a') + "\xc3\xa9" + "rest", 77, proc.path());
    EXPECT_EQ(application.ids,
              (std::vector<std::string>{"Steam_App_570", "hl2_linux.sh", "hl2_linux"}));
    EXPECT_EQ(application.title, std::string(255, 'a'));
    EXPECT_EQ(focusedApplication({"x"}, "", 999999, proc.path()).ids,
              std::vector<std::string>{"x"});
}

} // namespace
} // namespace pelmora
