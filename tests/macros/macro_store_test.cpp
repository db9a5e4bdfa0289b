#include "macros/macro_item.h"
#include "macros/macro_store.h"

#include "support/scratch_folder.h"
#include "support/text_file.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace pelmora {
namespace {

using ::testing::ElementsAre;
using testing::readTextFile;
using testing::ScratchFolder;
using testing::writeTextFile;

const std::vector<std::string> kTypedA{"A   Dn", "50 ms", "A   Up"};

TEST(MacroItem, TextsAndTheirMeaning) {
    EXPECT_EQ(pressItem("L-Button"), "L-Button   Dn");
    EXPECT_EQ(releaseItem("Shift"), "Shift   Up");
    EXPECT_EQ(delayItem(50), "50 ms");

    const auto shift = parseItem("Shift   Dn");
    EXPECT_EQ(shift.kind, ItemKind::Press);
    EXPECT_EQ(shift.keyName, "Shift");
    const auto up = parseItem("Num Enter   Up");
    EXPECT_EQ(up.kind, ItemKind::Release);
    EXPECT_EQ(up.keyName, "Num Enter");
    EXPECT_EQ(parseItem("1500 ms").kind, ItemKind::Delay);
    EXPECT_EQ(delayFromItem("1500 ms"), 1500);
    EXPECT_EQ(delayFromItem("B   Dn"), 0);
    EXPECT_EQ(parseItem("A Dn").kind, ItemKind::Other); // one blank is not a mark
}

TEST(MacroStore, LoopTextNormalisesToOneOutsideItsRange) {
    EXPECT_EQ(loopCountFromText("3"), 3);
    EXPECT_EQ(loopCountFromText("65535"), 65535);
    for (const char* text : {"0", "70000", "abc", "", "-2", "99999999999999999999"}) {
        EXPECT_EQ(loopCountFromText(text), 1) << text;
    }
}

TEST(MacroStore, MissingFileHasNoMacrosAndIsNotCreatedByDelete) {
    ScratchFolder dir;
    MacroStore store(dir / "record.ini");
    EXPECT_FALSE(store.fileExists());
    EXPECT_TRUE(store.names().empty());
    EXPECT_TRUE(store.load("x").items.empty());
    std::string error;
    EXPECT_TRUE(store.remove("x", error));
    EXPECT_FALSE(store.fileExists());
}

TEST(MacroStore, SaveLoadAndSectionOrder) {
    ScratchFolder dir;
    MacroStore store(dir / "record.ini");
    std::string error;
    ASSERT_TRUE(store.save("first", "3", kTypedA, error)) << error;
    ASSERT_TRUE(store.save("second", "1", {"B   Dn"}, error)) << error;
    ASSERT_TRUE(store.save("third", "2", {"C   Up"}, error)) << error;
    // Saving again keeps the section where it is and drops the old items.
    ASSERT_TRUE(store.save("first", "7", {"L-Button   Dn"}, error)) << error;
    EXPECT_THAT(store.names(), ElementsAre("first", "second", "third"));
    const auto first = store.load("first");
    EXPECT_EQ(first.loopText, "7");
    EXPECT_THAT(first.items, ElementsAre("L-Button   Dn"));
    EXPECT_EQ(readTextFile(store.file()).find("Item1"), std::string::npos);

    // Deleting the second moves the third up to number 2.
    ASSERT_TRUE(store.remove("second", error));
    EXPECT_THAT(store.names(), ElementsAre("first", "third"));

    ASSERT_TRUE(store.setLoopCount("fourth", 65535, error));
    EXPECT_THAT(store.names(), ElementsAre("first", "third", "fourth"));
    EXPECT_EQ(store.load("fourth").loopText, "65535");
    EXPECT_TRUE(store.load("fourth").items.empty());
}

TEST(MacroStore, NamesDifferingInCaseAreOneMacro) {
    ScratchFolder dir;
    MacroStore store(dir / "record.ini");
    std::string error;
    ASSERT_TRUE(store.save("abc", "1", kTypedA, error));
    const auto names = store.names();
    EXPECT_TRUE(macroNameTaken(names, "ABC"));
    EXPECT_TRUE(macroNameTaken(names, "abc"));
    EXPECT_FALSE(macroNameTaken(names, "abcd"));
    EXPECT_TRUE(sameMacroName("ÉTÉ", "été"));
}

TEST(MacroStore, EveryNameIsListedHoweverLongTheList) {
    ScratchFolder dir;
    MacroStore store(dir / "record.ini");
    std::string error;
    std::vector<std::string> expected;
    for (int i = 0; i < 13; ++i) {
        // 13 names of 30 characters: far past the first 255 characters of the list.
        std::string name = "macro number " + std::to_string(i + 10) + std::string(15, 'x');
        ASSERT_TRUE(store.save(name, "1", kTypedA, error)) << error;
        expected.push_back(name);
    }
    EXPECT_EQ(store.names(), expected);
}

TEST(MacroStore, NamesThatCannotBeSectionNamesAreRefused) {
    ScratchFolder dir;
    MacroStore store(dir / "record.ini");
    std::string error;
    ASSERT_TRUE(store.save("kept", "1", kTypedA, error));
    const std::string before = readTextFile(store.file());
    for (const std::string& name :
         {std::string(), std::string(32, 'n'), std::string("a]b"), std::string("[a"),
          std::string("two\nlines"), std::string(" lead"), std::string("trail "),
          std::string("tab\t")}) {
        EXPECT_FALSE(macroNameProblem(name).empty()) << name;
        error.clear();
        EXPECT_FALSE(store.save(name, "1", kTypedA, error)) << name;
        EXPECT_FALSE(error.empty());
        EXPECT_FALSE(store.setLoopCount(name, 1, error)) << name;
    }
    EXPECT_EQ(readTextFile(store.file()), before);
    std::string cjk31;
    for (int i = 0; i < 31; ++i) {
        cjk31 += "键";
    }
    EXPECT_FALSE(macroNameProblem(cjk31 + "键").empty());
    // 31 characters, inner blanks, CJK and "[" inside are all fine.
    for (const std::string& name :
         {std::string(31, 'n'), std::string("my   macro"), cjk31, std::string("a[b")}) {
        EXPECT_EQ(macroNameProblem(name), "") << name;
        EXPECT_TRUE(store.save(name, "1", kTypedA, error)) << error;
        EXPECT_EQ(store.load(name).items, kTypedA);
    }
}

TEST(MacroStore, ItemsAreReadByTheirCountWithMissingOnesEmpty) {
    ScratchFolder dir;
    const auto file =
        writeTextFile(dir / "record.ini", "[none]\nItemCount=abc\nItem0=A   Dn\n"
                                          "[huge]\nMacroLoopTimes=2\nItemCount=999999999\n"
                                          "Item0=A   Dn\nItem1=50 ms\n"
                                          "[negative]\nItemCount=-4\nItem0=A   Dn\n"
                                          "[short]\nItemCount=2\nItem0=A   Dn\n"
                                          "[gap]\nitemcount=6\nITEM5=B   Dn\nItem05=C   Dn\n"
                                          "[far]\nItemCount=99999\nItem5000=D   Dn\n");
    MacroStore store(file);
    EXPECT_TRUE(store.load("none").items.empty());
    EXPECT_TRUE(store.load("negative").items.empty());
    EXPECT_EQ(store.load("negative").itemCount, -4);
    EXPECT_THAT(store.load("short").items, ElementsAre("A   Dn", ""));
    // Only Item5 is there: the five before it are empty, the press is kept.
    EXPECT_THAT(store.load("gap").items, ElementsAre("", "", "", "", "", "B   Dn"));
    // A damaged huge count stops at the limit, or at the last stored item
    // when that lies beyond it.
    const auto huge = store.load("huge").items;
    ASSERT_EQ(huge.size(), kItemCountLimit);
    EXPECT_EQ(huge[1], "50 ms");
    const auto far = store.load("far").items;
    ASSERT_EQ(far.size(), 5001u);
    EXPECT_EQ(far.back(), "D   Dn");
}

TEST(MacroStore, UnreadableFileIsReportedAndNotReplaced) {
    ScratchFolder dir;
    std::filesystem::create_directory(dir / "record.ini");
    MacroStore store(dir / "record.ini");
    std::string error;
    EXPECT_TRUE(store.names(&error).empty());
    EXPECT_FALSE(error.empty());
    EXPECT_FALSE(store.save("m", "1", kTypedA, error));
    EXPECT_FALSE(store.remove("m", error));
    EXPECT_TRUE(std::filesystem::is_directory(dir / "record.ini"));
}

} // namespace
} // namespace pelmora
