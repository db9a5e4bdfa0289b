#pragma once
// The settings block: everything the user edits, byte for byte the content of
// config.bin after its flag byte. The layout is a file format; every offset
// below is checked at compile time.
//
// On the map (docs/ARCHITECTURE.md): src/settings, just above src/base; the
// record every other layer reads and edits.

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

namespace pelmora {

inline constexpr std::size_t kButtonCount = 8;
inline constexpr std::size_t kMacroSlotCount = 12;
inline constexpr std::size_t kMacroSlotSize = 128;
inline constexpr std::size_t kDpiStageCount = 4;

using ButtonBytes = std::array<std::uint8_t, kButtonCount>;
using MacroSlot = std::array<std::uint8_t, kMacroSlotSize>;

enum class KeyMode : std::uint8_t { A = 0, B = 1 };

// One key mode's parameters: sixteen arrays of one byte per mouse button.
// In the file the mode-A names end in A and the mode-B names in B.
struct KeyBlock {
    ButtonBytes keyFunction;     // key function index 0..15
    ButtonBytes mediaChoice;     // list position of the multimedia dialog (kept, never read back)
    ButtonBytes mediaCode;       // consumer usage of function 9
    ButtonBytes launchChoice;    // list position of the launch dialog (kept, never read back)
    ButtonBytes launchUsageLow;  // function 8, low byte of the usage
    ButtonBytes launchUsageHigh; // function 8, high byte of the usage
    ButtonBytes fireKeyChoice;   // list position of the fire key (kept, never read back)
    ButtonBytes fireKeyCode;     // function 10: key or button code
    ButtonBytes fireKeyParam2;   // function 10: speed
    ButtonBytes fireKeyParam3;   // function 10: times
    ButtonBytes singleKeyCode;   // function 11
    ButtonBytes comboModifier;   // function 12: modifier bits
    ButtonBytes comboKey1;       // function 12: first key
    ButtonBytes comboKey2;       // function 12: second key
    ButtonBytes macroNumber;     // function 13: slot 0..11
    ButtonBytes macroLoopMode;   // function 13: loop-mode byte

    bool operator==(const KeyBlock&) const = default;
};

struct SettingsBlock {
    KeyBlock keyBlockA;
    std::array<std::uint8_t, 5> reserved080;
    std::uint8_t reportInterval; // 1, 2, 4 or 8 ms
    std::uint8_t reserved086;
    std::array<std::uint8_t, kDpiStageCount> dpiLevel;
    std::array<std::uint8_t, kDpiStageCount> dpiStageOn;
    std::array<std::array<std::uint8_t, 3>, kDpiStageCount> dpiColour;
    std::uint8_t lightMode;
    std::uint8_t lightLevel1;
    std::uint8_t lightLevel2;
    std::uint8_t lightLevel3;
    std::uint8_t lightColourMode1;
    std::uint8_t lightColourMode2;
    std::uint8_t lightColourMode3;
    std::uint8_t reserved0A2;
    std::array<MacroSlot, kMacroSlotCount> macroData;
    std::uint8_t pointerPrecision;
    std::uint8_t scrollByScreen;
    std::uint8_t pointerSpeedLevel;
    std::uint8_t scrollLines;
    std::uint8_t doubleClickLevel;
    std::uint8_t keyMode; // 0 = A, 1 = B
    KeyBlock keyBlockB;
    ButtonBytes dpiSwitchParamA;
    ButtonBytes dpiSwitchParamB;

    // The key block of one key mode; the only way callers pick a mode.
    KeyBlock& keyBlock(KeyMode mode) { return mode == KeyMode::A ? keyBlockA : keyBlockB; }
    const KeyBlock& keyBlock(KeyMode mode) const {
        return mode == KeyMode::A ? keyBlockA : keyBlockB;
    }
    ButtonBytes& dpiSwitchParam(KeyMode mode) {
        return mode == KeyMode::A ? dpiSwitchParamA : dpiSwitchParamB;
    }
    const ButtonBytes& dpiSwitchParam(KeyMode mode) const {
        return mode == KeyMode::A ? dpiSwitchParamA : dpiSwitchParamB;
    }

    // The block as the bytes of the file, and back.
    std::span<std::uint8_t, 1849> bytes() {
        return std::span<std::uint8_t, 1849>(reinterpret_cast<std::uint8_t*>(this), 1849);
    }
    std::span<const std::uint8_t, 1849> bytes() const {
        return std::span<const std::uint8_t, 1849>(reinterpret_cast<const std::uint8_t*>(this),
                                                   1849);
    }

    bool operator==(const SettingsBlock&) const = default;
};

inline constexpr std::size_t kSettingsBlockSize = 1849;

// Snapshot for Cancel: taken after loading and after every Apply.
struct SettingsBackup {
    SettingsBlock block{};

    void snapshot(const SettingsBlock& current) { block = current; }
    void undo(SettingsBlock& current) const { current = block; }
};

// ---- the layout, proven ------------------------------------------------
static_assert(sizeof(KeyBlock) == 128);
static_assert(offsetof(KeyBlock, keyFunction) == 0x00);
static_assert(offsetof(KeyBlock, mediaChoice) == 0x08);
static_assert(offsetof(KeyBlock, mediaCode) == 0x10);
static_assert(offsetof(KeyBlock, launchChoice) == 0x18);
static_assert(offsetof(KeyBlock, launchUsageLow) == 0x20);
static_assert(offsetof(KeyBlock, launchUsageHigh) == 0x28);
static_assert(offsetof(KeyBlock, fireKeyChoice) == 0x30);
static_assert(offsetof(KeyBlock, fireKeyCode) == 0x38);
static_assert(offsetof(KeyBlock, fireKeyParam2) == 0x40);
static_assert(offsetof(KeyBlock, fireKeyParam3) == 0x48);
static_assert(offsetof(KeyBlock, singleKeyCode) == 0x50);
static_assert(offsetof(KeyBlock, comboModifier) == 0x58);
static_assert(offsetof(KeyBlock, comboKey1) == 0x60);
static_assert(offsetof(KeyBlock, comboKey2) == 0x68);
static_assert(offsetof(KeyBlock, macroNumber) == 0x70);
static_assert(offsetof(KeyBlock, macroLoopMode) == 0x78);

static_assert(sizeof(SettingsBlock) == kSettingsBlockSize);
static_assert(alignof(SettingsBlock) == 1);
static_assert(offsetof(SettingsBlock, keyBlockA) == 0x000);
static_assert(offsetof(SettingsBlock, reserved080) == 0x080);
static_assert(offsetof(SettingsBlock, reportInterval) == 0x085);
static_assert(offsetof(SettingsBlock, reserved086) == 0x086);
static_assert(offsetof(SettingsBlock, dpiLevel) == 0x087);
static_assert(offsetof(SettingsBlock, dpiStageOn) == 0x08B);
static_assert(offsetof(SettingsBlock, dpiColour) == 0x08F);
static_assert(offsetof(SettingsBlock, lightMode) == 0x09B);
static_assert(offsetof(SettingsBlock, lightLevel1) == 0x09C);
static_assert(offsetof(SettingsBlock, lightLevel2) == 0x09D);
static_assert(offsetof(SettingsBlock, lightLevel3) == 0x09E);
static_assert(offsetof(SettingsBlock, lightColourMode1) == 0x09F);
static_assert(offsetof(SettingsBlock, lightColourMode2) == 0x0A0);
static_assert(offsetof(SettingsBlock, lightColourMode3) == 0x0A1);
static_assert(offsetof(SettingsBlock, reserved0A2) == 0x0A2);
static_assert(offsetof(SettingsBlock, macroData) == 0x0A3);
static_assert(offsetof(SettingsBlock, pointerPrecision) == 0x6A3);
static_assert(offsetof(SettingsBlock, scrollByScreen) == 0x6A4);
static_assert(offsetof(SettingsBlock, pointerSpeedLevel) == 0x6A5);
static_assert(offsetof(SettingsBlock, scrollLines) == 0x6A6);
static_assert(offsetof(SettingsBlock, doubleClickLevel) == 0x6A7);
static_assert(offsetof(SettingsBlock, keyMode) == 0x6A8);
static_assert(offsetof(SettingsBlock, keyBlockB) == 0x6A9);
static_assert(offsetof(SettingsBlock, keyBlockB) + offsetof(KeyBlock, mediaChoice) == 0x6B1);
static_assert(offsetof(SettingsBlock, keyBlockB) + offsetof(KeyBlock, macroLoopMode) == 0x721);
static_assert(offsetof(SettingsBlock, dpiSwitchParamA) == 0x729);
static_assert(offsetof(SettingsBlock, dpiSwitchParamB) == 0x731);

} // namespace pelmora
