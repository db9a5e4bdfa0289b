// Key function codes from the key function index and the button's parameters.
#include "keys/key_function.h"

#include "keys/key_tables.h"

#include <array>
#include <utility>

namespace pelmora {

namespace {

// Where one byte of a key function code comes from: a fixed value, a
// parameter array of the key block, or the DPI switch parameter; `add` is
// added on the way (the macro number is kept 0-based and sent 1-based).
struct ByteSource {
    std::uint8_t value = 0;
    ButtonBytes KeyBlock::*field = nullptr;
    bool dpiSwitch = false;
    std::uint8_t add = 0;
};

constexpr ByteSource fixed(std::uint8_t value) {
    return {.value = value};
}
constexpr ByteSource from(ButtonBytes KeyBlock::*field, std::uint8_t add = 0) {
    return {.field = field, .add = add};
}
constexpr ByteSource dpiSwitchParam() {
    return {.dpiSwitch = true};
}

struct Encoding {
    std::uint8_t type; // b0
    ByteSource b1, b2, b3;
};

// One row per key function index, in list order.
constexpr std::array<Encoding, kKeyFunctionCount> kEncodings{{
    /* 0 Left Click   */ {kMouseButtonEntry, fixed(0), fixed(kLeftButtonCode), fixed(0)},
    /* 1 Right Click  */ {kMouseButtonEntry, fixed(0), fixed(kRightButtonCode), fixed(0)},
    /* 2 Mid Click    */ {kMouseButtonEntry, fixed(0), fixed(kMiddleButtonCode), fixed(0)},
    /* 3 Forward      */ {kMouseButtonEntry, fixed(0), fixed(kForwardButtonCode), fixed(0)},
    /* 4 Backward     */ {kMouseButtonEntry, fixed(0), fixed(kBackwardButtonCode), fixed(0)},
    /* 5 Triple-click: fire the left button three times at speed 32 */
    {kFireKeyEntry, fixed(kLeftButtonCode), fixed(0x20), fixed(3)},
    /* 6 DPI Switch   */ {kDpiSwitchEntry, fixed(0), dpiSwitchParam(), fixed(0)},
    /* 7 RGB On/Off   */ {kModeSwitchEntry, fixed(0), fixed(3), fixed(0)},
    /* 8 Windows      */
    {kConsumerEntry, fixed(0), from(&KeyBlock::launchUsageLow), from(&KeyBlock::launchUsageHigh)},
    /* 9 Multimedia   */ {kConsumerEntry, fixed(0), from(&KeyBlock::mediaCode), fixed(0)},
    /* 10 Fire Key    */
    {kFireKeyEntry, from(&KeyBlock::fireKeyCode), from(&KeyBlock::fireKeyParam2),
     from(&KeyBlock::fireKeyParam3)},
    /* 11 Single Key  */ {kKeyboardEntry, fixed(0), from(&KeyBlock::singleKeyCode), fixed(0)},
    /* 12 Combo Key   */
    {kKeyboardEntry, from(&KeyBlock::comboModifier), from(&KeyBlock::comboKey1),
     from(&KeyBlock::comboKey2)},
    /* 13 Macro Key: the loop-mode byte is kept as sent */
    {kMacroEntry, from(&KeyBlock::macroLoopMode), from(&KeyBlock::macroNumber, 1), fixed(0)},
    /* 14 Shift       */ {kModeSwitchEntry, fixed(0), fixed(2), fixed(0)},
    /* 15 Key Off     */ {kKeyboardEntry, fixed(0), fixed(0), fixed(0)},
}};

std::uint8_t byteOf(const ByteSource& source, const KeyBlock& block, const ButtonBytes& dpiSwitch,
                    std::size_t button) {
    if (source.dpiSwitch) {
        return dpiSwitch[button];
    }
    if (source.field != nullptr) {
        return static_cast<std::uint8_t>((block.*source.field)[button] + source.add);
    }
    return source.value;
}

constexpr KeyFunctionCode kSlot14Code = keyCode(kMouseButtonEntry, 0, kFixedSlot14Code, 0);
constexpr KeyFunctionCode kSlot15Code = keyCode(kMouseButtonEntry, 0, kFixedSlot15Code, 0);

} // namespace

KeyFunctionCode encodeKeyFunction(std::uint8_t functionIndex, const KeyBlock& block,
                                  const ButtonBytes& dpiSwitchParam, std::size_t button) {
    if (functionIndex >= kEncodings.size() || button >= kButtonCount) {
        return 0;
    }
    const Encoding& row = kEncodings[functionIndex];
    return keyCode(row.type, byteOf(row.b1, block, dpiSwitchParam, button),
                   byteOf(row.b2, block, dpiSwitchParam, button),
                   byteOf(row.b3, block, dpiSwitchParam, button));
}

KeyMatrices buildKeyMatrices(const SettingsBlock& settings) {
    KeyMatrices matrices{};
    constexpr std::array<std::pair<std::size_t, KeyMode>, 2> kModeMatrices{
        {{0, KeyMode::A}, {2, KeyMode::B}}};
    for (const auto& [matrix, mode] : kModeMatrices) {
        const KeyBlock& block = settings.keyBlock(mode);
        const ButtonBytes& dpiSwitch = settings.dpiSwitchParam(mode);
        for (std::size_t b = 0; b < kButtonCount; ++b) {
            matrices[matrix][matrixSlotOfButton(b)] =
                encodeKeyFunction(block.keyFunction[b], block, dpiSwitch, b);
        }
        matrices[matrix][kFixedSlot14] = kSlot14Code;
        matrices[matrix][kFixedSlot15] = kSlot15Code;
    }
    return matrices;
}

} // namespace pelmora
