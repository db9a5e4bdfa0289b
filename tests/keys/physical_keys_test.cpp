// Physical keys to key names, checked against the X key codes a PC keyboard
// sends (evdev code + 8), row by row, independently of the table's source.
#include "keys/key_tables.h"
#include "keys/physical_keys.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace pelmora {
namespace {

struct XKey {
    int xKeycode;
    std::string_view name;
};

std::string_view nameOfXKey(int xKeycode) {
    return keyNameFromEvdevCode(xKeycode - 8);
}

void expectNames(const std::vector<XKey>& keys) {
    for (const XKey& key : keys) {
        EXPECT_EQ(nameOfXKey(key.xKeycode), key.name) << "X key code " << key.xKeycode;
        EXPECT_EQ(keyCodeFromEvdevCode(key.xKeycode - 8), keyCodeFromName(key.name)) << key.name;
    }
}

TEST(PhysicalKeys, LettersAndDigitsByRow) {
    expectNames({{24, "Q"},
                 {25, "W"},
                 {26, "E"},
                 {27, "R"},
                 {28, "T"},
                 {29, "Y"},
                 {30, "U"},
                 {31, "I"},
                 {32, "O"},
                 {33, "P"}});
    expectNames({{38, "A"},
                 {39, "S"},
                 {40, "D"},
                 {41, "F"},
                 {42, "G"},
                 {43, "H"},
                 {44, "J"},
                 {45, "K"},
                 {46, "L"}});
    expectNames({{52, "Z"}, {53, "X"}, {54, "C"}, {55, "V"}, {56, "B"}, {57, "N"}, {58, "M"}});
    expectNames({{10, "1"},
                 {11, "2"},
                 {12, "3"},
                 {13, "4"},
                 {14, "5"},
                 {15, "6"},
                 {16, "7"},
                 {17, "8"},
                 {18, "9"},
                 {19, "0"}});
}

TEST(PhysicalKeys, PunctuationAndTheGraveKey) {
    expectNames({{20, "-"},
                 {21, "="},
                 {34, "["},
                 {35, "]"},
                 {51, "\\"},
                 {47, ";"},
                 {48, "'"},
                 {49, "`"},
                 {59, ","},
                 {60, "."},
                 {61, "/"}});
    EXPECT_EQ(keyCodeFromEvdevCode(49 - 8), 0x35);
}

TEST(PhysicalKeys, EditingKeysAndFunctionKeys) {
    expectNames({{9, "Esc"},
                 {22, "Backspace"},
                 {23, "Tab"},
                 {36, "Enter"},
                 {65, "Space"},
                 {66, "Caps Lock"}});
    expectNames({{67, "F1"},
                 {68, "F2"},
                 {69, "F3"},
                 {70, "F4"},
                 {71, "F5"},
                 {72, "F6"},
                 {73, "F7"},
                 {74, "F8"},
                 {75, "F9"},
                 {76, "F10"},
                 {95, "F11"},
                 {96, "F12"}});
    expectNames({{107, "Prnt Scrn"}, {78, "Scroll Lock"}, {127, "Pause"}});
}

TEST(PhysicalKeys, NavigationBlockIsNotTheKeypad) {
    expectNames({{118, "Insert"},
                 {110, "Home"},
                 {112, "Page Up"},
                 {119, "Delete"},
                 {115, "End"},
                 {117, "Page Down"},
                 {111, "Up"},
                 {113, "Left"},
                 {116, "Down"},
                 {114, "Right"}});
}

// The keypad names its keys by position: the same name with Num Lock on
// (digits) and off (End, Down, ...), since the key sends the same code.
TEST(PhysicalKeys, KeypadWhateverNumLock) {
    expectNames({{77, "Num Lock"},
                 {106, "Num /"},
                 {63, "Num *"},
                 {82, "Num -"},
                 {86, "Num +"},
                 {104, "Num Enter"},
                 {87, "Num 1"},
                 {88, "Num 2"},
                 {89, "Num 3"},
                 {83, "Num 4"},
                 {84, "Num 5"},
                 {85, "Num 6"},
                 {79, "Num 7"},
                 {80, "Num 8"},
                 {81, "Num 9"},
                 {90, "Num 0"},
                 {91, "Num Del"}});
}

TEST(PhysicalKeys, BothHandsOfEveryModifier) {
    expectNames({{37, "Ctrl"},
                 {50, "Shift"},
                 {64, "Alt"},
                 {133, "Left Windows"},
                 {105, "Right Ctrl"},
                 {62, "Right Shift"},
                 {108, "Right Alt"},
                 {134, "Right Windows"}});
}

TEST(PhysicalKeys, MenuKeyIsNamedButHasNoCode) {
    EXPECT_EQ(nameOfXKey(135), "Application");
    EXPECT_EQ(keyCodeFromEvdevCode(135 - 8), 0);
    EXPECT_EQ(keyCodeFromName(nameOfXKey(135)), 0);
}

TEST(PhysicalKeys, UnknownCodesHaveNoName) {
    for (int code : {-8, -1, 0, 84, 86, 113, 240, 0x2ff, 100000}) {
        EXPECT_EQ(keyNameFromEvdevCode(code), "") << code;
        EXPECT_EQ(keyCodeFromEvdevCode(code), 0) << code;
    }
}

// Every keyboard name of the key-name table is reachable from exactly one
// key; only "Eurpo(Note 2)" and the mouse buttons come from no key.
TEST(PhysicalKeys, EveryKeyboardNameHasExactlyOneKey) {
    std::map<std::string_view, int> keysPerName;
    for (const PhysicalKey& key : physicalKeyTable()) {
        ++keysPerName[keyNameFromEvdevCode(key.evdevCode)];
    }
    for (const KeyNameEntry& entry : keyNameTable()) {
        const bool fromNoKey = entry.code >= 0xF0 || entry.name == "Eurpo(Note 2)";
        EXPECT_EQ(keysPerName[entry.name], fromNoKey ? 0 : 1) << entry.name;
    }
    EXPECT_EQ(physicalKeyTable().size(), keyNameTable().size() - 4);
}

} // namespace
} // namespace pelmora
