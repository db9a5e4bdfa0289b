#include "keys/label_check.h"

#include "keys/consumer_list_texts.h"
#include "keys/key_assignment.h"
#include "keys/key_function.h"
#include "keys/key_lists.h"
#include "keys/key_tables.h"

#include <algorithm>
#include <string>

namespace pelmora {

namespace {

std::string prefix(KeyFunction function, Language language) {
    return std::string(keyFunctionText(functionIndex(function), language)) + '-';
}

template <typename List>
std::size_t positionOf(List list, std::uint16_t usage, std::uint16_t mask) {
    const auto i = std::find_if(list.begin(), list.end(),
                                [&](const auto& e) { return (e.usage & mask) == usage; });
    return i == list.end() ? 0 : static_cast<std::size_t>(i - list.begin());
}

// The label the page writes for the button's function in the language.
std::string labelFor(const SettingsBlock& s, KeyButton key, Language language) {
    const KeyBlock& block = s.keyBlock(key.mode);
    const std::size_t b = key.button;
    const auto function = static_cast<KeyFunction>(block.keyFunction[b]);
    switch (function) {
    case KeyFunction::DpiSwitch:
        return std::string(
            dpiSwitchText(static_cast<std::size_t>(s.dpiSwitchParam(key.mode)[b]) - 1));
    case KeyFunction::Launch:
        return std::string(
            launchText(positionOf(launchList(),
                                  static_cast<std::uint16_t>(block.launchUsageLow[b] |
                                                             block.launchUsageHigh[b] << 8),
                                  0xFFFF),
                       language));
    case KeyFunction::Multimedia:
        return prefix(function, language) +
               std::string(mediaText(positionOf(mediaList(), block.mediaCode[b], 0xFF), language));
    case KeyFunction::FireKey:
        return prefix(function, language) + std::string(fireKeyText(block.fireKeyChoice[b]));
    case KeyFunction::SingleKey:
        return prefix(function, language) + std::string(keyNameFromCode(block.singleKeyCode[b]));
    case KeyFunction::ComboKey:
        return prefix(function, language) +
               combinationText(modifierNameFromBit(block.comboModifier[b]),
                               keyNameFromCode(block.comboKey1[b]),
                               keyNameFromCode(block.comboKey2[b]));
    case KeyFunction::MacroKey:
        // The macro's name lives in record.ini: its number stands in.
        return prefix(function, language) + std::to_string(block.macroNumber[b] + 1);
    default:
        return std::string(keyFunctionText(block.keyFunction[b], language));
    }
}

bool labelNamesFunction(const std::string& label, const SettingsBlock& s, KeyButton key,
                        Language language) {
    const auto function = static_cast<KeyFunction>(s.keyBlock(key.mode).keyFunction[key.button]);
    switch (function) {
    case KeyFunction::Launch: {
        const auto names = launchListTexts(language);
        return std::find(names.begin(), names.end(), label) != names.end();
    }
    case KeyFunction::Multimedia:
    case KeyFunction::FireKey:
    case KeyFunction::SingleKey:
    case KeyFunction::ComboKey:
    case KeyFunction::MacroKey:
        return label.starts_with(prefix(function, language));
    default:
        return label == labelFor(s, key, language);
    }
}

} // namespace

bool matchLabelsToFunctions(const SettingsBlock& settings, ButtonLabels& labels,
                            Language language) {
    bool replaced = false;
    for (KeyMode mode : {KeyMode::A, KeyMode::B}) {
        for (std::size_t b = 0; b < kShownButtons; ++b) {
            const KeyButton key{mode, b};
            const std::string& label = labels.forMode(mode)[b];
            // An empty label names nothing, and a function code the page's
            // list does not hold has no label to give.
            if (label.empty() ||
                keyFunctionText(settings.keyBlock(mode).keyFunction[b], language).empty() ||
                labelNamesFunction(label, settings, key, language)) {
                continue;
            }
            if (std::string fresh = labelFor(settings, key, language); !fresh.empty()) {
                labels.forMode(mode)[b] = std::move(fresh);
                replaced = true;
            }
        }
    }
    return replaced;
}

} // namespace pelmora
