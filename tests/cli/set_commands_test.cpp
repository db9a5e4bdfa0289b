#include "desktop/pointer_levels.h"
#include "keys/consumer_list_texts.h"
#include "keys/key_settings.h"
#include "settings/dpi_rate_settings.h"
#include "settings/factory_settings.h"
#include "settings/lighting_settings.h"
#include "settings/preferences.h"
#include "settings/settings_file.h"
#include "support/cli_run.h"
#include "support/scratch_folder.h"
#include "support/text_file.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

namespace pelmora::cli {
namespace {

using pelmora::testing::lines;
using pelmora::testing::readTextFile;
using pelmora::testing::runCli;
using pelmora::testing::ScratchFolder;
using pelmora::testing::writeTextFile;

class SetCommandsTest : public ::testing::Test {
protected:
    void SetUp() override {
        // --apply ends with the desktop's pointer settings: never the tester's.
        ::setenv("PELMORA_POINTER_BACKEND", "none", 1);
        std::string error;
        ASSERT_TRUE(
            writeSettingsFileAtomically(folder / "config.bin", factorySettings(), 1, error));
        labels = firstRunLabels(Language::English);
        ASSERT_TRUE(writeLabels(folder / "str.ini", "", labels));
        writeTextFile(folder / "record.ini", "[Warm Up]\nMacroLoopTimes=1\nItemCount=0\n"
                                             "[Reload]\nMacroLoopTimes=2\nItemCount=0\n");
    }
    pelmora::testing::CliOutcome cli(std::vector<std::string> args) {
        args.insert(args.begin(), {"--data-dir", folder.path().string()});
        return runCli(args);
    }
    SettingsBlock saved() {
        SettingsBlock s{};
        std::uint8_t flag = 0;
        NullSink sink;
        EXPECT_EQ(loadSettingsFile(folder / "config.bin", s, flag, sink), LoadResult::Loaded);
        return s;
    }
    struct NullSink final : MessageSink {
        void showMessage(std::string_view, std::string_view) override {}
    };

    ScratchFolder folder;
    ButtonLabels labels;
};

// Each form of set against the page's own functions on the same start.
TEST_F(SetCommandsTest, EachWordStoresWhatThePageStores) {
    using Edit = std::function<void(KeySettings)>;
    const KeyButton a3{KeyMode::A, 2};
    const KeyButton b6{KeyMode::B, 5};
    const std::vector<std::pair<std::vector<std::string>, Edit>> cases = {
        {{"a3=triple click"}, [&](KeySettings k) { chooseKeyFunction(k, a3, 5); }},
        {{"a3=Key Off"}, [&](KeySettings k) { chooseKeyFunction(k, a3, 15); }},
        {{"a3=RGB On/Off"}, [&](KeySettings k) { chooseKeyFunction(k, a3, 7); }},
        {{"b6=dpi -"}, [&](KeySettings k) { chooseDpiSwitch(k, b6, 1); }},
        {{"a3=shift"}, [&](KeySettings k) { chooseKeyFunction(k, a3, 14); }},
        {{"a3=Shift", "b3=Forward"},
         [&](KeySettings k) {
             chooseKeyFunction(k, a3, 14);
             chooseKeyFunction(k, {KeyMode::B, 2}, 3);
         }},
        {{"a3=Single Key:num 1"},
         [&](KeySettings k) { storeDialogResult(k, a3, SingleKeyResult{"Num 1"}); }},
        {{"b6=combo key:Right Alt+Tab+Num +"},
         [&](KeySettings k) {
             storeDialogResult(k, b6, ComboKeyResult{"Right Alt", "Tab", "Num +"});
         }},
        {{"b6=Combo Key:a"},
         [&](KeySettings k) {
             storeDialogResult(k, b6, ComboKeyResult{"", "A", ""});
         }},
        {{"a3=Fire Key:R-Button:5:0"},
         [&](KeySettings k) {
             storeDialogResult(k, a3, FireKeyResult{55, 5, 0, "R-Button"});
         }},
        {{"a3=Fire Key:b"},
         [&](KeySettings k) {
             storeDialogResult(k, a3, FireKeyResult{1, 32, 1, "B"});
         }},
        {{"a3=Multimedia:Play/Pause"},
         [&](KeySettings k) {
             storeDialogResult(k, a3, MediaKeyResult{3, "Play/Pause"});
         }},
        {{"a3=windows:browser-home"},
         [&](KeySettings k) {
             storeDialogResult(k, a3, LaunchKeyResult{5, "Browser-Home"});
         }},
        {{"a3=Macro Key:reload:3"},
         [&](KeySettings k) {
             storeDialogResult(k, a3, MacroKeyResult{1, 3, "Reload"});
         }},
        {{"b6=Macro Key:1"},
         [&](KeySettings k) {
             storeDialogResult(k, b6, MacroKeyResult{0, 1, "Warm Up"});
         }},
        {{"key-mode=B"}, [&](KeySettings k) { setActiveKeyMode(k.settings, KeyMode::B); }},
        {{"report-rate=250"}, [&](KeySettings k) { setReportRateStep(k.settings, 1); }},
        {{"dpi2=off", "dpi4=11"},
         [&](KeySettings k) {
             setDpiStageOn(k.settings, 1, false);
             setDpiLevel(k.settings, 3, 11, 0);
         }},
        {{"dpi3-colour=#A0b1C2"},
         [&](KeySettings k) {
             k.settings.dpiColour[2] = {0xA0, 0xB1, 0xC2};
         }},
        {{"light-mode=Respiration", "light-parameter=6s"},
         [&](KeySettings k) {
             chooseLightMode(k.settings, 1);
             chooseLightParameter(k.settings, 2);
         }},
        {{"light-mode=neon", "light-parameter=15S", "light-effect=RGB Flash"},
         [&](KeySettings k) {
             chooseLightMode(k.settings, 2);
             chooseLightParameter(k.settings, 29);
             chooseLightEffect(k.settings, 0);
         }},
        {{"pointer-speed=8", "Scroll-Lines=11", "double-click=1 (900 ms)"},
         [&](KeySettings k) {
             pickPointerTick(k.settings, PointerRow::Speed, 8);
             pickPointerTick(k.settings, PointerRow::WheelLines, 11);
             pickPointerTick(k.settings, PointerRow::DoubleClick, 1);
         }},
        {{"pointer-precision=on", "scroll-one-screen=ON", "scroll-lines=1"},
         [&](KeySettings k) {
             togglePointerBox(k.settings, PointerBox::Precision);
             togglePointerBox(k.settings, PointerBox::ScrollByScreen);
             pickPointerTick(k.settings, PointerRow::WheelLines, 1); // the box stays ticked
         }},
        {{"pointer-precision=on", "pointer-precision=off"}, [](KeySettings) {}},
        {{"a3=Key Off", "b6=Key Off", "default"},
         [&](KeySettings k) {
             chooseKeyFunction(k, a3, 15);
             restoreDefaultKeys(k);
         }},
    };
    for (const auto& [words, edit] : cases) {
        SetUp();
        SettingsBlock expected = factorySettings();
        ButtonLabels expectedLabels = labels;
        edit(KeySettings{expected, expectedLabels, Language::English});
        std::vector<std::string> args = {"set"};
        args.insert(args.end(), words.begin(), words.end());
        const auto r = cli(args);
        ASSERT_EQ(r.status, 0) << words[0] << ": " << r.err;
        EXPECT_TRUE(saved() == expected) << words[0];
        EXPECT_EQ(readPreferences(folder / "str.ini", "").labels, expectedLabels) << words[0];
    }
}

TEST_F(SetCommandsTest, BadWordsAreRefusedWithOneLineAndNothingWritten) {
    const std::string config = readTextFile(folder / "config.bin");
    const std::string strIni = readTextFile(folder / "str.ini");
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"a1=Key Off", "Left key must be selected"}, // the last left click
        {"a7=Left Click", "unknown setting"},        // a button the page has not
        {"a3=Fly", "accepted: Left Click"},          // unknown function
        // An unknown word is named first, with the nearest one, on any button.
        {"a1=Rigth Click", "unknown function \"Rigth Click\" (did you mean \"Right Click\"?)"},
        {"a3=Singel Key:A", "(did you mean \"Single Key\"?)"},
        {"dpi-1=3", "unknown setting \"dpi-1\" (did you mean \"dpi1\"?)"},
        {"a3=Single Key", "needs \":\""},           // missing parameter
        {"a3=Single Key:Foo", "unknown key name"},  // not in the key names
        {"a3=Left Click:A", "takes no parameters"}, // parameter where none goes
        {"a3=Combo Key:Left Ctrl+A+B+C", "MODIFIER+KEY+KEY"},
        {"a3=Fire Key:A:4", "5 to 255"},        // speed too small
        {"a3=Fire Key:A:32:256", "0 to 255"},   // times too large
        {"a3=Multimedia:Louder", "Vol+"},       // accepted list named
        {"a3=Macro Key:13", "accepted: 1..2"},  // only two macros
        {"a3=Macro Key:Reload:4", "1, 2 or 3"}, // loop mode
        {"report-rate=300", "125, 250, 500 or 1000"},
        {"key-mode=C", "A or B"},
        {"dpi5=1", "unknown setting"},
        {"dpi1=13", "level 1..12"},
        {"dpi1-colour=red", "#rrggbb"},
        {"light-mode=Rainbow", "Standard, Respiration, Neon"},
        {"light-parameter=5S", "light-mode first"}, // no mode chosen yet
        {"light-effect=RGB Flash", "Neon mode only"},
        {"reset", "NAME=VALUE or default"},
        {"pointer-speed=0", "level 1..11"},
        {"scroll-lines=12", "level 1..11"},
        {"double-click=fast", "1: 900 ms .. 11: 200 ms"},
        {"double-click=", "level 1..11"},
        {"pointer-precision=yes", "on or off"},
        {"scroll-one-screen=1", "on or off"},
        {"pointer-speeds=3", "pointer-speed, scroll-lines, double-click"},
    };
    for (const auto& [word, expected] : cases) {
        const auto r = cli({"set", word});
        EXPECT_EQ(r.status, 2) << word;
        EXPECT_EQ(lines(r.err).size(), 1u) << word << ": " << r.err;
        EXPECT_NE(r.err.find(expected), std::string::npos) << word << ": " << r.err;
        EXPECT_EQ(readTextFile(folder / "config.bin"), config) << word;
        EXPECT_EQ(readTextFile(folder / "str.ini"), strIni) << word;
    }
}

TEST_F(SetCommandsTest, SeveralWordsAreAllOrNothing) {
    const std::string config = readTextFile(folder / "config.bin");
    // Valid alone, each; together the last stage would go off, or a second Shift.
    for (const std::vector<std::string>& words :
         {std::vector<std::string>{"set", "report-rate=125", "a2=Key Off", "dpi9=on"},
          std::vector<std::string>{"set", "dpi1=off", "dpi2=off", "dpi3=off", "dpi4=off"},
          std::vector<std::string>{"set", "a2=Shift", "a3=Shift"},
          std::vector<std::string>{"set", "pointer-speed=3", "scroll-one-screen=on",
                                   "double-click=12"},
          std::vector<std::string>{"set", "a2=Left Click", "a1=Key Off", "a2=Key Off"}}) {
        const auto r = cli(words);
        EXPECT_EQ(r.status, 2) << words.back();
        EXPECT_NE(r.err.find("nothing was changed"), std::string::npos) << r.err;
        EXPECT_EQ(readTextFile(folder / "config.bin"), config) << words.back();
    }
    // A left click moved to another button first frees the first one.
    EXPECT_EQ(cli({"set", "a2=Left Click", "a1=Key Off"}).status, 0);
    EXPECT_EQ(saved().keyBlockA.keyFunction[0], 15);
}

// As on the lighting page, a stage that is off keeps its colour, whatever
// the order of the words; its unchanged colour, as get prints it, is taken.
TEST_F(SetCommandsTest, AStageThatIsOffKeepsItsColour) {
    const std::string config = readTextFile(folder / "config.bin");
    for (const std::vector<std::string>& words :
         {std::vector<std::string>{"set", "dpi2=off", "dpi2-colour=#123456"},
          std::vector<std::string>{"set", "dpi2-colour=#123456", "dpi2=off"}}) {
        const auto r = cli(words);
        EXPECT_EQ(r.status, 2) << words[1];
        EXPECT_NE(r.err.find("dpi2-colour: the colour of a DPI stage that is off"),
                  std::string::npos)
            << r.err;
        EXPECT_EQ(readTextFile(folder / "config.bin"), config) << words[1];
    }
    ASSERT_EQ(cli({"set", "dpi2=off"}).status, 0);
    const std::string colour = cli({"get", "dpi2-colour"}).out;
    EXPECT_EQ(cli({"set", colour.substr(0, colour.size() - 1), "dpi3=off"}).status, 0);
    EXPECT_EQ(cli({"set", "dpi2-colour=#123456", "dpi2=on"}).status, 0);
    EXPECT_EQ(cli({"get", "dpi2-colour"}).out, "dpi2-colour=#123456\n");
}

TEST_F(SetCommandsTest, GetPrintsWhatSetTakesBack) {
    ASSERT_EQ(cli({"set", "a3=Combo Key:Left Win+Num ++F5", "a4=Fire Key:M-Button:200:0",
                   "a6=Macro Key:Reload:2", "b2=Windows:Mail", "b3=Multimedia:Mute",
                   "b4=Single Key:`", "b5=Shift", "b6=DPI +", "dpi2=off", "dpi3=9",
                   "light-mode=Standard", "light-parameter=45%", "report-rate=500"})
                  .status,
              0);
    const SettingsBlock before = saved();
    const auto got = cli({"get"});
    ASSERT_EQ(got.status, 0) << got.err;
    EXPECT_NE(got.out.find("a3=Combo Key:Left Win+Num ++F5\n"), std::string::npos) << got.out;
    EXPECT_NE(got.out.find("a6=Macro Key:2:2\n"), std::string::npos);
    EXPECT_NE(got.out.find("dpi3=9 (2500 DPI)\n"), std::string::npos);
    EXPECT_NE(got.out.find("dpi2=off (level 4)\n"), std::string::npos);
    EXPECT_NE(got.out.find("light-parameter=45%\n"), std::string::npos);

    // Factory settings back, then every printed word: the same record again.
    std::string error;
    ASSERT_TRUE(writeSettingsFileAtomically(folder / "config.bin", factorySettings(), 1, error));
    const auto factoryWords = cli({"get"}).out;
    std::vector<std::string> unchanged = {"set"};
    for (const auto& line : lines(factoryWords)) {
        unchanged.push_back(line); // "light-mode=Off" and "none" as get prints them
    }
    ASSERT_EQ(cli(unchanged).status, 0) << cli(unchanged).err;
    EXPECT_TRUE(saved() == factorySettings());
    std::vector<std::string> words = {"set"};
    for (const auto& line : lines(got.out)) {
        words.push_back(line);
    }
    const auto again = cli(words);
    ASSERT_EQ(again.status, 0) << again.err;
    EXPECT_TRUE(saved() == before);

    const auto one = cli({"get", "--sensor", "3", "dpi3"});
    EXPECT_EQ(one.out, "dpi3=9\n"); // an eight-level sensor has no value for level 9
    EXPECT_EQ(cli({"get", "nothing"}).status, 2);
    const auto json = cli({"get", "--json", "report-rate"});
    EXPECT_EQ(json.out, "{\n  \"report-rate\": \"500\"\n}\n");
}

TEST_F(SetCommandsTest, GetPrintsThePointerLevelsAndTheirOddStatesAreTakenBackUnchanged) {
    ASSERT_EQ(cli({"set", "pointer-speed=2", "double-click=11", "pointer-precision=on"}).status, 0);
    const auto got = cli({"get"});
    EXPECT_NE(got.out.find("pointer-speed=2\nscroll-lines=3\ndouble-click=11 (200 ms)\n"
                           "pointer-precision=on\nscroll-one-screen=off\n"),
              std::string::npos)
        << got.out;
    const auto json = cli({"get", "--json", "double-click"});
    EXPECT_EQ(json.out, "{\n  \"double-click\": \"11 (200 ms)\"\n}\n");

    // A desktop never read (0), a desktop value past the ticks, a box byte
    // that is neither 0 nor 1: shown as they are, and taken back unchanged.
    SettingsBlock odd = factorySettings();
    odd.pointerSpeedLevel = 0;
    odd.doubleClickLevel = 14;
    odd.scrollByScreen = 2;
    std::string error;
    ASSERT_TRUE(writeSettingsFileAtomically(folder / "config.bin", odd, 1, error));
    const auto shown = cli({"get"});
    EXPECT_NE(shown.out.find("pointer-speed=none\n"), std::string::npos) << shown.out;
    EXPECT_NE(shown.out.find("double-click=14 (beyond the ticks)\n"), std::string::npos);
    EXPECT_NE(shown.out.find("scroll-one-screen=off\n"), std::string::npos);
    std::vector<std::string> words = {"set"};
    for (const auto& line : lines(shown.out)) {
        words.push_back(line);
    }
    ASSERT_EQ(cli(words).status, 0) << cli(words).err;
    EXPECT_TRUE(saved() == odd);
    // Chosen explicitly, the box is written as the page's click would.
    ASSERT_EQ(cli({"set", "scroll-one-screen=on"}).status, 0);
    EXPECT_EQ(saved().scrollByScreen, 1);
}

// The window labels a multimedia or launch button with the list text of its
// language; set writes the same label, whichever name it was given.
TEST_F(SetCommandsTest, ListFunctionsAreLabelledInTheLanguageOfStrIni) {
    for (const Language language :
         {Language::SimplifiedChinese, Language::TraditionalChinese, Language::Turkish}) {
        const std::string code(languageCode(language));
        writeTextFile(folder / "str.ini", "[Skins]\nLan=" + code + "\n");
        ButtonLabels start = firstRunLabels(language);
        ASSERT_TRUE(writeLabels(folder / "str.ini", code, start));
        const std::string mute(mediaText(4, language));
        const std::string mail(launchText(1, language));
        ASSERT_EQ(cli({"set", "a3=Multimedia:mute", "b4=Windows:" + mail}).status, 0) << code;
        ASSERT_EQ(cli({"set", "b5=Multimedia:" + mute}).status, 0) << code;

        SettingsBlock expected = factorySettings();
        ButtonLabels expectedLabels = start;
        KeySettings window{expected, expectedLabels, language};
        storeDialogResult(window, {KeyMode::A, 2}, MediaKeyResult{4, mute});
        storeDialogResult(window, {KeyMode::B, 3}, LaunchKeyResult{1, mail});
        storeDialogResult(window, {KeyMode::B, 4}, MediaKeyResult{4, mute});
        EXPECT_TRUE(saved() == expected) << code;
        EXPECT_EQ(readPreferences(folder / "str.ini", code).labels, expectedLabels) << code;
        EXPECT_EQ(cli({"get", "b5"}).out, "b5=Multimedia:Mute\n") << code;
    }
    EXPECT_EQ(mediaText(4, Language::SimplifiedChinese), "静音");
    EXPECT_EQ(launchText(2, Language::TraditionalChinese), "小算盤");
    EXPECT_EQ(mediaText(4, Language::English), "Mute");
    EXPECT_EQ(mediaText(7, Language::Turkish), "");
    // Another language's name is not taken.
    writeTextFile(folder / "str.ini", "[Skins]\nLan=CHS\n");
    const auto r = cli({"set", "a3=Multimedia:Sessiz"});
    EXPECT_EQ(r.status, 2) << r.err;
}

TEST_F(SetCommandsTest, WithoutSettingsNothingIsCreated) {
    std::filesystem::remove(folder / "config.bin");
    const auto r = cli({"set", "report-rate=500"});
    EXPECT_EQ(r.status, 1);
    EXPECT_FALSE(std::filesystem::exists(folder / "config.bin"));
    EXPECT_EQ(cli({"set"}).status, 2);
}

} // namespace
} // namespace pelmora::cli

namespace pelmora::cli {
namespace {

// --apply sends the new record as Apply does; a refused word sends nothing.
TEST_F(SetCommandsTest, ApplySendsTheResultOnlyWhenEveryWordWasTaken) {
    const auto state = folder / "mouse.json";
    const auto refused =
        cli({"--sim-state", state.string(), "set", "--apply", "report-rate=250", "dpi9=1"});
    EXPECT_EQ(refused.status, 2);
    EXPECT_FALSE(std::filesystem::exists(state));

    const auto r = cli({"--sim-state", state.string(), "set", "report-rate=250", "--apply"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NE(readTextFile(state).find("\"reportInterval\": 4"), std::string::npos)
        << readTextFile(state);
    EXPECT_EQ(saved().reportInterval, 4);
    EXPECT_NE(r.err.find("pointer-speed: This desktop does not take this setting"),
              std::string::npos)
        << r.err;
}

} // namespace
} // namespace pelmora::cli
