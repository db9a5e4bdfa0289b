// A button's function as text, read back from the settings record.
#include "keys/button_text.h"

#include "keys/key_assignment.h"
#include "keys/key_function.h"
#include "keys/key_lists.h"
#include "keys/key_tables.h"

namespace pelmora {

std::string buttonFunctionText(const SettingsBlock& s, KeyButton key) {
    const KeyBlock& block = s.keyBlock(key.mode);
    const std::size_t b = key.button;
    const std::uint8_t f = block.keyFunction[b];
    std::string head(keyFunctionText(f, Language::English));
    if (head.empty()) {
        return "unknown function " + std::to_string(f);
    }
    switch (static_cast<KeyFunction>(f)) {
    case KeyFunction::DpiSwitch: {
        const std::uint8_t action = s.dpiSwitchParam(key.mode)[b];
        const auto text = dpiSwitchText(static_cast<std::size_t>(action) - 1);
        return text.empty() ? head : std::string(text);
    }
    case KeyFunction::Launch: {
        const auto list = launchList();
        const std::uint16_t usage =
            static_cast<std::uint16_t>(block.launchUsageLow[b] | block.launchUsageHigh[b] << 8);
        for (const auto& e : list) {
            if (e.usage == usage) {
                return head + ":" + std::string(e.text);
            }
        }
        return head + ":" + std::string(list[0].text);
    }
    case KeyFunction::Multimedia: {
        for (const auto& e : mediaList()) {
            if ((e.usage & 0xFF) == block.mediaCode[b]) {
                return head + ":" + std::string(e.text);
            }
        }
        return head + ":" + std::string(mediaList()[0].text);
    }
    case KeyFunction::FireKey: {
        std::string key(fireKeyText(block.fireKeyChoice[b]));
        if (key.empty() || fireKeyCode(block.fireKeyChoice[b]) != block.fireKeyCode[b]) {
            for (const auto& e : fireKeyList()) {
                if (e.code == block.fireKeyCode[b]) {
                    key = e.text;
                    break;
                }
            }
        }
        return head + ":" + key + ":" + std::to_string(block.fireKeyParam2[b]) + ":" +
               std::to_string(block.fireKeyParam3[b]);
    }
    case KeyFunction::SingleKey:
        return head + ":" + std::string(keyNameFromCode(block.singleKeyCode[b]));
    case KeyFunction::ComboKey:
        return head + ":" +
               combinationText(modifierNameFromBit(block.comboModifier[b]),
                               keyNameFromCode(block.comboKey1[b]),
                               keyNameFromCode(block.comboKey2[b]));
    case KeyFunction::MacroKey:
        return head + ":" + std::to_string(block.macroNumber[b] + 1) + ":" +
               std::to_string(block.macroLoopMode[b] + 1);
    default:
        return head;
    }
}

} // namespace pelmora
