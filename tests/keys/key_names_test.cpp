#include "keys/key_tables.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace pelmora {
namespace {

TEST(KeyNames, TableHasEveryGroupWithConsecutiveCodes) {
    const auto table = keyNameTable();
    ASSERT_EQ(table.size(), 107u);
    EXPECT_EQ(keyCodeFromName("A"), 0x04);
    EXPECT_EQ(keyCodeFromName("Z"), 0x1D);
    EXPECT_EQ(keyCodeFromName("1"), 0x1E);
    EXPECT_EQ(keyCodeFromName("0"), 0x27);
    EXPECT_EQ(keyCodeFromName("Space"), 0x2C);
    EXPECT_EQ(keyCodeFromName("\\"), 0x31);
    EXPECT_EQ(keyCodeFromName("Eurpo(Note 2)"), 0x32);
    EXPECT_EQ(keyCodeFromName("'"), 0x34);
    EXPECT_EQ(keyCodeFromName("\x60"), 0x35); // the grave accent key, named by the backquote
    EXPECT_EQ(keyCodeFromName(","), 0x36);
    EXPECT_EQ(keyCodeFromName("Caps Lock"), 0x39);
    EXPECT_EQ(keyCodeFromName("F12"), 0x45);
    EXPECT_EQ(keyCodeFromName("Prnt Scrn"), 0x46);
    EXPECT_EQ(keyCodeFromName("Up"), 0x52);
    EXPECT_EQ(keyCodeFromName("Num Enter"), 0x58);
    EXPECT_EQ(keyCodeFromName("Num 1"), 0x59);
    EXPECT_EQ(keyCodeFromName("Num 0"), 0x62);
    EXPECT_EQ(keyCodeFromName("Num Del"), 0x63);
    EXPECT_EQ(keyCodeFromName("Ctrl"), 0xE0);
    EXPECT_EQ(keyCodeFromName("Left Windows"), 0xE3);
    EXPECT_EQ(keyCodeFromName("Right Windows"), 0xE7);
    EXPECT_EQ(keyCodeFromName("L-Button"), 0xF0);
    EXPECT_EQ(keyCodeFromName("M-Button"), 0xF2);

    // Every row maps back to itself: no duplicate or shadowed name.
    std::set<std::string_view> names;
    for (const auto& entry : table) {
        EXPECT_TRUE(names.insert(entry.name).second) << entry.name;
        EXPECT_EQ(keyCodeFromName(entry.name), entry.code) << entry.name;
        EXPECT_EQ(keyNameFromCode(entry.code), entry.name);
    }
}

TEST(KeyNames, LookupIsExactAndUnknownGivesZero) {
    EXPECT_EQ(keyCodeFromName("a"), 0);
    EXPECT_EQ(keyCodeFromName("Ctrl "), 0);
    EXPECT_EQ(keyCodeFromName(""), 0);
    EXPECT_EQ(keyCodeFromName("Left Win"), 0); // a modifier name only
    EXPECT_EQ(keyCodeFromName("Eurpo"), 0);
    EXPECT_EQ(keyCodeFromName("B4-Button"), 0); // only a fire-key text
    EXPECT_EQ(keyCodeFromName(std::string_view("A\0", 2)), 0);
    EXPECT_EQ(keyNameFromCode(0), "");
    EXPECT_EQ(keyNameFromCode(0x64), "");
    EXPECT_EQ(keyNameFromCode(0xF7), "");
}

TEST(KeyNames, ModifierBits) {
    EXPECT_EQ(modifierBitFromName("Left Ctrl"), 0x01);
    EXPECT_EQ(modifierBitFromName("Left Shift"), 0x02);
    EXPECT_EQ(modifierBitFromName("Left Alt"), 0x04);
    EXPECT_EQ(modifierBitFromName("Left Win"), 0x08);
    EXPECT_EQ(modifierBitFromName("Right Ctrl"), 0x10);
    EXPECT_EQ(modifierBitFromName("Right Shift"), 0x20);
    EXPECT_EQ(modifierBitFromName("Right Alt"), 0x40);
    EXPECT_EQ(modifierBitFromName("Right Win"), 0x80);
    EXPECT_EQ(modifierBitFromName("Ctrl"), 0);
    EXPECT_EQ(modifierBitFromName("Left Windows"), 0);
    EXPECT_EQ(modifierBitFromName("left ctrl"), 0);
    EXPECT_EQ(modifierBitFromName(""), 0);
    EXPECT_EQ(modifierNameFromBit(0x80), "Right Win");
    EXPECT_EQ(modifierNameFromBit(0), "");
    EXPECT_EQ(modifierNameFromBit(0x03), "");
}

} // namespace
} // namespace pelmora
