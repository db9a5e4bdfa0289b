#include "macros/macro_encoder.h"

#include "keys/key_tables.h"
#include "macros/macro_store.h"
#include "support/scratch_folder.h"
#include "support/text_file.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace pelmora {
namespace {

using ::testing::Each;
using ::testing::ElementsAre;
using testing::readTextFile;
using testing::ScratchFolder;
using testing::writeTextFile;

std::vector<std::uint8_t> head(const MacroSlot& slot, std::size_t n) {
    return {slot.begin(), slot.begin() + static_cast<std::ptrdiff_t>(n)};
}

bool zeroFrom(const MacroSlot& slot, std::size_t from) {
    return std::all_of(slot.begin() + static_cast<std::ptrdiff_t>(from), slot.end(),
                       [](std::uint8_t b) { return b == 0; });
}

TEST(MacroEncoder, PressAndReleaseOfA) {
    const auto slot = encodeMacroSlot(3, {"A   Dn", "50 ms", "A   Up"});
    const std::uint8_t a = keyCodeFromName("A");
    ASSERT_EQ(a, 0x04);
    EXPECT_THAT(head(slot, 6), ElementsAre(0x00, 0x03, 0x05, a, 0x80, a));
    EXPECT_TRUE(zeroFrom(slot, 6));
}

TEST(MacroEncoder, ShortAndLongDelays) {
    const std::uint8_t left = keyCodeFromName("L-Button");
    const auto slot =
        encodeMacroSlot(0x1234, {"L-Button   Dn", "1270 ms", "L-Button   Up", "1280 ms",
                                 "L-Button   Dn", "0 ms", "L-Button   Up"});
    EXPECT_THAT(head(slot, 14), ElementsAre(0x12, 0x34,                // loop, high byte first
                                            0x7F, left,                // 1270 ms: 127 units
                                            0x80 | 80, left, 12, 0x03, // 1280 ms: 80, 12, marker
                                            0x00, left,                // press, no delay
                                            0x80, left,                // last: no delay after it
                                            0x00, 0x00));
}

TEST(MacroEncoder, OddItemsEncodeSafely) {
    // Unknown key names give code 0, items without a mark give nothing, an
    // event followed by an event has no delay, a negative delay counts as none.
    const auto slot = encodeMacroSlot(
        1, {"No Such Key   Dn", "comment", "A   Dn", "B   Dn", "-500 ms", "B   Up"});
    EXPECT_THAT(head(slot, 10),
                ElementsAre(0x00, 0x01, 0x00, 0x00, 0x00, keyCodeFromName("A"), 0x00,
                            keyCodeFromName("B"), 0x80, keyCodeFromName("B")));
}

TEST(MacroEncoder, EmptyMacroGivesAZeroSlot) {
    EXPECT_THAT(encodeMacroSlot(5, {}), Each(0));
}

TEST(MacroEncoder, NeverWritesBeyondItsSlot) {
    // 64 recorded key events need 128 bytes of records; 126 are there.
    std::vector<std::string> items;
    for (int i = 0; i < 64; ++i) {
        if (i > 0) {
            items.push_back("50 ms");
        }
        items.push_back(i % 2 == 0 ? "A   Dn" : "A   Up");
    }
    std::vector<std::size_t> dropped;
    auto slot = encodeMacroSlot(1, items, &dropped);
    EXPECT_THAT(dropped, ElementsAre(126u)); // the 64th event
    EXPECT_EQ(slot[126], 0x05);              // the 63rd event, a press, is the last record
    EXPECT_EQ(slot[127], keyCodeFromName("A"));

    // A long delay that no longer fits stops the macro there, even where a
    // short record after it would still fit.
    items.assign({});
    for (int i = 0; i < 62; ++i) {
        items.push_back("A   Dn");
        items.push_back("50 ms");
    }
    items.push_back("B   Dn");
    items.push_back("5000 ms");
    items.push_back("B   Up");
    dropped.clear();
    slot = encodeMacroSlot(1, items, &dropped);
    EXPECT_THAT(dropped, ElementsAre(124u, 126u));
    EXPECT_EQ(slot[126], 0);
    EXPECT_EQ(slot[127], 0);
}

class MacroFileEncoding : public ::testing::Test {
protected:
    ScratchFolder dir;
    MacroStore store{dir / "record.ini"};
    std::string error;

    void save(const std::string& name, const std::string& loop,
              const std::vector<std::string>& items) {
        ASSERT_TRUE(store.save(name, loop, items, error)) << error;
    }
};

TEST_F(MacroFileEncoding, MissingFileLeavesTheSlotsAlone) {
    MacroSlots slots{};
    slots[0].fill(0xAA);
    MacroEncodeReport report;
    ASSERT_TRUE(encodeMacros(store.file(), slots, report, error));
    EXPECT_FALSE(report.fileFound);
    EXPECT_THAT(slots[0], Each(0xAA));
}

TEST_F(MacroFileEncoding, SlotsFollowSectionOrderAndRenumberAfterADelete) {
    save("one", "1", {"A   Dn"});
    save("two", "2", {"B   Dn"});
    save("three", "70000", {"A   Up"}); // out of range: loop count 1
    MacroSlots slots{};
    slots[5].fill(0xAA);
    MacroEncodeReport report;
    ASSERT_TRUE(encodeMacros(store.file(), slots, report, error));
    EXPECT_EQ(report.encodedMacros, 3u);
    EXPECT_THAT(head(slots[1], 4), ElementsAre(0, 2, 0x00, keyCodeFromName("B")));
    EXPECT_THAT(head(slots[2], 4), ElementsAre(0, 1, 0x80, keyCodeFromName("A")));
    EXPECT_THAT(slots[5], Each(0xAA));

    ASSERT_TRUE(store.remove("two", error));
    const MacroSlot formerThird = slots[2];
    ASSERT_TRUE(encodeMacros(store.file(), slots, report, error));
    EXPECT_EQ(slots[1], formerThird);
    EXPECT_EQ(slots[2], formerThird); // the last former slot keeps its old content
}

TEST_F(MacroFileEncoding, ItemCountZeroClearsTheSlot) {
    ASSERT_TRUE(store.setLoopCount("only loop", 9, error));
    MacroSlots slots{};
    slots[0].fill(0xAA);
    MacroEncodeReport report;
    ASSERT_TRUE(encodeMacros(store.file(), slots, report, error));
    EXPECT_THAT(slots[0], Each(0));
}

TEST_F(MacroFileEncoding, CountsAboveTheStoredItemsAndNegativeCounts) {
    writeTextFile(store.file(), "[gap]\nMacroLoopTimes=3\nItemCount=6\nItem5=A   Dn\n"
                                "[negative]\nMacroLoopTimes=258\nItemCount=-1\n"
                                "Item0=A   Dn\n");
    MacroSlots slots{};
    slots[1].fill(0xAA);
    MacroEncodeReport report;
    ASSERT_TRUE(encodeMacros(store.file(), slots, report, error));
    // The press in Item5 is encoded.
    EXPECT_THAT(head(slots[0], 4), ElementsAre(0, 3, 0x00, keyCodeFromName("A")));
    // No items, but the loop count is written; the rest is cleared.
    EXPECT_THAT(head(slots[1], 2), ElementsAre(1, 2));
    EXPECT_TRUE(zeroFrom(slots[1], 2));
}

TEST_F(MacroFileEncoding, EachSlotIsItsStoredMacroEncodedAlone) {
    // Odd section names (a NUL byte, stray bytes) and counts of every sign:
    // the slot of each macro is what encoding the macro the store loads gives.
    using namespace std::string_view_literals;
    writeTextFile(store.file(), "[\0"
                                "1]\nMacroLoopTimes=3\nItemCount=2\nItem0=A   Dn\n"
                                "[m\xFF\xFF\x03\0\xFF"
                                "D Cl\xFF]\nItemCount=-99999999\n"
                                "Item0=B   Dn\nItem1=10 ms\n"
                                "[zero]\nMacroLoopTimes=7\nItemCount=0\nItem0=A   Dn\n"sv);
    MacroSlots slots{};
    for (auto& slot : slots) {
        slot.fill(0xAA);
    }
    MacroEncodeReport report;
    ASSERT_TRUE(encodeMacros(store.file(), slots, report, error));
    const auto names = store.names();
    ASSERT_EQ(names.size(), 3u);
    ASSERT_EQ(report.encodedMacros, 3u);
    for (std::size_t i = 0; i < names.size(); ++i) {
        EXPECT_EQ(encodeStoredMacro(store.load(names[i])), slots[i]) << "slot " << i;
    }
    EXPECT_THAT(head(slots[0], 4), ElementsAre(0, 3, 0x00, keyCodeFromName("A")));
    EXPECT_THAT(head(slots[1], 2), ElementsAre(0, 1)); // negative: the loop count stays
    EXPECT_TRUE(zeroFrom(slots[1], 2));
    EXPECT_THAT(slots[2], Each(0));
    EXPECT_THAT(slots[3], Each(0xAA));
}

TEST_F(MacroFileEncoding, SectionsAfterTheTwelfthAreReportedNotEncoded) {
    for (int i = 1; i <= 14; ++i) {
        save("m" + std::to_string(i), "1", {"A   Dn"});
    }
    MacroSlots slots{};
    MacroEncodeReport report;
    ASSERT_TRUE(encodeMacros(store.file(), slots, report, error));
    EXPECT_EQ(report.encodedMacros, 12u);
    EXPECT_THAT(report.skippedMacros, ElementsAre("m13", "m14"));
    EXPECT_TRUE(report.droppedEvents.empty());
}

TEST_F(MacroFileEncoding, DroppedEventsAreReportedByMacro) {
    std::vector<std::string> items;
    for (int i = 0; i < 40; ++i) {
        items.push_back("A   Dn");
        items.push_back("2000 ms"); // 4 bytes each: 31 fit
    }
    save("first", "1", {"A   Dn"});
    save("long", "1", items);
    MacroSlots slots{};
    MacroEncodeReport report;
    ASSERT_TRUE(encodeMacros(store.file(), slots, report, error));
    ASSERT_EQ(report.droppedEvents.size(), 9u);
    EXPECT_EQ(report.droppedEvents[0].slot, 1u);
    EXPECT_EQ(report.droppedEvents[0].macroName, "long");
    EXPECT_EQ(report.droppedEvents[0].item, 62u);
    EXPECT_EQ(report.droppedEvents[0].itemText, "A   Dn");
}

TEST_F(MacroFileEncoding, UnreadableFileChangesNothing) {
    std::filesystem::create_directory(store.file());
    MacroSlots slots{};
    slots[0].fill(0xAA);
    MacroEncodeReport report;
    EXPECT_FALSE(encodeMacros(store.file(), slots, report, error));
    EXPECT_FALSE(error.empty());
    EXPECT_THAT(slots[0], Each(0xAA));
}

} // namespace
} // namespace pelmora
