// Key dialog results into a key block, and the combination label.
#include "keys/key_assignment.h"

#include "keys/key_tables.h"

namespace pelmora {

void storeLaunchChoice(KeyBlock& block, std::size_t button, std::size_t position) {
    if (button >= kButtonCount) {
        return;
    }
    block.launchChoice[button] = static_cast<std::uint8_t>(position);
    block.launchUsageLow[button] = launchUsageLow(position);
    block.launchUsageHigh[button] = launchUsageHigh(position);
}

void storeMediaChoice(KeyBlock& block, std::size_t button, std::size_t position) {
    if (button >= kButtonCount) {
        return;
    }
    block.mediaChoice[button] = static_cast<std::uint8_t>(position);
    block.mediaCode[button] = mediaUsage(position);
}

void storeFireKey(KeyBlock& block, std::size_t button, std::size_t position, std::uint8_t speed,
                  std::uint8_t times) {
    if (button >= kButtonCount) {
        return;
    }
    block.fireKeyChoice[button] = static_cast<std::uint8_t>(position);
    block.fireKeyCode[button] = fireKeyCode(position);
    block.fireKeyParam2[button] = speed;
    block.fireKeyParam3[button] = times;
}

void storeSingleKey(KeyBlock& block, std::size_t button, std::string_view keyName) {
    if (button >= kButtonCount) {
        return;
    }
    block.singleKeyCode[button] = keyCodeFromName(keyName);
}

void storeCombination(KeyBlock& block, std::size_t button, std::string_view modifierName,
                      std::string_view key1Name, std::string_view key2Name) {
    if (button >= kButtonCount) {
        return;
    }
    block.comboModifier[button] = modifierBitFromName(modifierName);
    block.comboKey1[button] = keyCodeFromName(key1Name);
    block.comboKey2[button] = keyCodeFromName(key2Name);
}

void storeMacro(KeyBlock& block, std::size_t button, std::uint8_t macroIndex,
                std::uint8_t dialogLoopMode) {
    if (button >= kButtonCount) {
        return;
    }
    block.macroNumber[button] = macroIndex;
    // The dialog always reports 1..3; a 0 must not wrap round to 0xFF.
    block.macroLoopMode[button] =
        dialogLoopMode > 0 ? static_cast<std::uint8_t>(dialogLoopMode - 1) : std::uint8_t{0};
}

std::string combinationText(std::string_view modifierName, std::string_view key1Name,
                            std::string_view key2Name) {
    std::string text;
    auto add = [&text](std::string_view part) {
        if (!text.empty()) {
            text += '+';
        }
        text += part;
    };
    if (modifierBitFromName(modifierName) != 0) {
        add(modifierName);
    }
    if (keyCodeFromName(key1Name) != 0) {
        add(key1Name);
    }
    if (keyCodeFromName(key2Name) != 0) {
        add(key2Name);
    }
    return text;
}

} // namespace pelmora
