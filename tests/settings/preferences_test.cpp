#include "settings/preferences.h"

#include "base/ini_file.h"
#include "support/scratch_folder.h"
#include "support/text_file.h"

#include <gtest/gtest.h>

namespace pelmora {
namespace {

using testing::readTextFile;
using testing::ScratchFolder;
using testing::writeTextFile;

TEST(Preferences, MissingFileGivesEmptyValuesAndTheInitialTextColour) {
    ScratchFolder dir;
    EXPECT_EQ(readLanguageCode(dir / "str.ini"), "");
    const auto prefs = readPreferences(dir / "str.ini", "");
    EXPECT_EQ(prefs.skinPath, "");
    EXPECT_EQ(prefs.labels, ButtonLabels{});
    EXPECT_EQ(prefs.textColour(), kInitialTextColour);

    // One component named: the others are 0, as written.
    Preferences partial;
    partial.greenText = "128";
    EXPECT_EQ(partial.textColour(), (TextColour{0, 128, 0}));
}

TEST(Preferences, ColourTextsConvertLikeAtoiAndStayInRange) {
    EXPECT_EQ(colourComponentFromText("230"), 230);
    EXPECT_EQ(colourComponentFromText(" 12abc"), 12);
    EXPECT_EQ(colourComponentFromText("abc"), 0);
    EXPECT_EQ(colourComponentFromText(""), 0);
    EXPECT_EQ(colourComponentFromText("300"), 255);
    EXPECT_EQ(colourComponentFromText("-1"), 0);
}

TEST(Preferences, LabelsLiveInTheSectionOfTheLanguage) {
    ScratchFolder dir;
    const auto file = dir / "str.ini";
    ButtonLabels english = firstRunLabels(Language::English);
    english.modeB[7] = "Macro Key-Reload";
    ButtonLabels chinese = firstRunLabels(Language::SimplifiedChinese);
    std::string error;
    ASSERT_TRUE(writeLabels(file, "EN", english, &error)) << error;
    ASSERT_TRUE(writeLabels(file, "CHS", chinese, &error)) << error;

    EXPECT_EQ(readPreferences(file, "EN").labels, english);
    EXPECT_EQ(readPreferences(file, "CHS").labels, chinese);
    EXPECT_EQ(readPreferences(file, "chs").labels, english); // not an exact code: English
    EXPECT_EQ(readIniValue(file, "Setting-EN", "Item83"), "Macro Key-Reload");
    EXPECT_EQ(readIniValue(file, "Setting-CHS", "Item1"), "左键");

    // Keys in the order Item1..Item8, Item13..Item83.
    const auto ini = IniFile::parse(readTextFile(file));
    const std::vector<std::string> expected{
        "Item1",  "Item2",  "Item3",  "Item4",  "Item5",  "Item6",  "Item7",  "Item8",
        "Item13", "Item23", "Item33", "Item43", "Item53", "Item63", "Item73", "Item83"};
    EXPECT_EQ(ini.keyNames("Setting-EN"), expected);
}

TEST(Preferences, SkinPreferencesRoundTripAndKeepOtherKeys) {
    ScratchFolder dir;
    const auto file = writeTextFile(dir / "str.ini", "[Skins]\r\nLan=TUR\r\nPath=Default\r\n");
    ASSERT_TRUE(writeSkinPreferences(file, {230, 0, 17}, "Dark"));
    EXPECT_EQ(readLanguageCode(file), "TUR");
    const auto prefs = readPreferences(file, "TUR");
    EXPECT_EQ(prefs.skinPath, "Dark");
    EXPECT_EQ(prefs.redText, "230");
    EXPECT_EQ(prefs.textColour(), (TextColour{230, 0, 17}));
    EXPECT_EQ(readTextFile(file),
              "[Skins]\r\nLan=TUR\r\nPath=Dark\r\nRColor=230\r\nGColor=0\r\nBColor=17\r\n");
}

TEST(Preferences, FirstRunLabels) {
    const auto labels = firstRunLabels(Language::Turkish);
    EXPECT_EQ(labels.modeA, labels.modeB);
    EXPECT_EQ(labels.modeA[0], "Sol tık");
    EXPECT_EQ(labels.modeA[5], "DPI Loop");
    EXPECT_EQ(labels.modeA[6], "Key Off");
    EXPECT_EQ(labels.modeA[7], "Key Off");
}

TEST(Preferences, AFileThatCannotBeReadIsLeftAlone) {
    ScratchFolder dir;
    const auto file = dir / "str.ini";
    std::filesystem::create_directory(file);
    std::string error;
    EXPECT_FALSE(writeLabels(file, "EN", firstRunLabels(Language::English), &error));
    EXPECT_FALSE(error.empty());
    EXPECT_FALSE(writeSkinPreferences(file, {}, "Default"));
    EXPECT_TRUE(std::filesystem::is_directory(file));
}

} // namespace
} // namespace pelmora
