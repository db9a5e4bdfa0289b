// A button's function in words, given as the key page's list and dialogs give it.
#include "words/button_words.h"

#include "base/nearest_word.h"
#include "base/typed_text.h"
#include "keys/consumer_list_texts.h"
#include "keys/key_assignment.h"
#include "keys/key_function.h"
#include "keys/key_lists.h"
#include "keys/key_tables.h"
#include "macros/macro_store.h"

#include <algorithm>
#include <array>
#include <optional>
#include <variant>
#include <vector>

namespace pelmora {

namespace {

std::optional<std::string_view> keyName(std::string_view name) {
    const auto table = keyNameTable();
    const auto i = findIn(table, name, [](const KeyNameEntry& e) { return e.name; });
    return i ? std::optional(table[*i].name) : std::nullopt;
}

std::optional<std::string_view> modifierName(std::string_view name) {
    const auto table = modifierTable();
    const auto i = findIn(table, name, [](const ModifierEntry& e) { return e.name; });
    return i ? std::optional(table[*i].name) : std::nullopt;
}

// Splits "Left Ctrl+Num ++A" at its plus signs; the "+" of "Num +" stays.
std::vector<std::string> comboParts(std::string_view text) {
    std::vector<std::string> parts;
    std::string current;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '+') {
            current += text[i];
        } else if (current.empty() || current.back() == ' ') {
            current += '+'; // the key "Num +" (or a bare "+")
        } else {
            parts.push_back(current);
            current.clear();
        }
    }
    if (!current.empty()) {
        parts.push_back(current);
    }
    return parts;
}

// A multimedia or launch function by its English name or by its name in the
// interface language.
template <std::size_t N>
std::optional<std::size_t> consumerPosition(std::span<const ConsumerEntry> list,
                                            const std::array<std::string_view, N>& translated,
                                            std::string_view name) {
    if (const auto i = findIn(list, name, [](const ConsumerEntry& e) { return e.text; })) {
        return i;
    }
    return findIn(translated, name, [](std::string_view t) { return t; });
}

std::string functionError(std::string_view button, std::string_view value) {
    std::vector<std::string> names;
    for (std::uint8_t f = 0; f < kKeyFunctionCount; ++f) {
        if (f != functionIndex(KeyFunction::DpiSwitch)) {
            names.emplace_back(keyFunctionText(f, Language::English));
        }
    }
    for (const DpiSwitchEntry& e : dpiSwitchList()) {
        names.emplace_back(e.text);
    }
    std::string accepted;
    for (const std::string& name : names) {
        accepted += (accepted.empty() ? "" : ", ") + name;
    }
    const std::string_view head = value.substr(0, value.find(':'));
    return std::string(button) + ": unknown function \"" + std::string(value) + "\"" +
           didYouMean(head, names) + " (accepted: " + accepted +
           "; Windows, Multimedia, Fire Key, Single Key, Combo Key "
           "and Macro Key take \":\" and their parameters)";
}

std::string leftClickStays(std::string_view button) {
    return std::string(button) + ": " + std::string(leftButtonWarning(Language::English)) +
           " (the last Left Click of a key mode stays)";
}

// The dialog result a "FUNCTION:PARAMETERS" value stands for, or a message.
std::variant<KeyDialogResult, std::string> dialogResult(const SettingsEdit& edit,
                                                        std::string_view name, KeyFunction function,
                                                        std::string_view params) {
    const std::string who(name);
    switch (function) {
    case KeyFunction::Launch: {
        const auto i = consumerPosition(launchList(), launchListTexts(edit.language), params);
        if (!i) {
            return who + ": unknown launch function \"" + std::string(params) + "\" (accepted: " +
                   joined(launchList(), [](const ConsumerEntry& e) { return e.text; }) +
                   ", or a name of the interface language's list)";
        }
        return LaunchKeyResult{*i, std::string(launchText(*i, edit.language))};
    }
    case KeyFunction::Multimedia: {
        const auto i = consumerPosition(mediaList(), mediaListTexts(edit.language), params);
        if (!i) {
            return who + ": unknown multimedia function \"" + std::string(params) +
                   "\" (accepted: " +
                   joined(mediaList(), [](const ConsumerEntry& e) { return e.text; }) +
                   ", or a name of the interface language's list)";
        }
        return MediaKeyResult{*i, std::string(mediaText(*i, edit.language))};
    }
    case KeyFunction::FireKey: {
        // KEY[:SPEED[:TIMES]]; the dialog's own defaults are speed 32, once.
        std::vector<std::string_view> parts;
        std::size_t start = 0;
        for (std::size_t colon; (colon = params.find(':', start)) != std::string_view::npos;
             start = colon + 1) {
            parts.push_back(params.substr(start, colon - start));
        }
        parts.push_back(params.substr(start));
        const auto i =
            findIn(fireKeyList(), parts[0], [](const FireKeyEntry& e) { return e.text; });
        if (!i || parts.size() > 3) {
            return who + ": fire key \"" + std::string(params) +
                   "\" is not KEY[:SPEED[:TIMES]] with KEY one of " +
                   joined(fireKeyList(), [](const FireKeyEntry& e) { return e.text; });
        }
        FireKeyResult result{*i, 32, 1, std::string(fireKeyText(*i))};
        if (parts.size() > 1) {
            const auto speed = wholeNumber(parts[1]);
            if (!speed || *speed < 5 || *speed > 255) {
                return who + ": fire key speed \"" + std::string(parts[1]) +
                       "\" is not a number from 5 to 255";
            }
            result.speed = static_cast<std::uint8_t>(*speed);
        }
        if (parts.size() > 2) {
            const auto times = wholeNumber(parts[2]);
            if (!times || *times < 0 || *times > 255) {
                return who + ": fire key times \"" + std::string(parts[2]) +
                       "\" is not a number from 0 to 255 (0: until released)";
            }
            result.times = static_cast<std::uint8_t>(*times);
        }
        return result;
    }
    case KeyFunction::SingleKey: {
        const auto key = keyName(params);
        if (!key) {
            return who + ": unknown key name \"" + std::string(params) +
                   "\" (accepted: the key names such as A, 1, F5, Enter, Num 1, Left, "
                   "Right Ctrl, Left Windows, L-Button)";
        }
        return SingleKeyResult{std::string(*key)};
    }
    case KeyFunction::ComboKey: {
        const auto parts = comboParts(params);
        ComboKeyResult result;
        std::size_t k = 0;
        if (!parts.empty()) {
            if (const auto modifier = modifierName(parts[0])) {
                result.modifierName = *modifier;
                k = 1;
            }
        }
        if (parts.empty() || parts.size() - k > 2 || parts.size() - k == 0) {
            return who + ": combo key \"" + std::string(params) +
                   "\" is not MODIFIER+KEY+KEY (modifier one of " +
                   joined(modifierTable(), [](const ModifierEntry& e) { return e.name; }) +
                   ", then one or two key names)";
        }
        for (std::size_t j = 0; k < parts.size(); ++k, ++j) {
            const auto key = keyName(parts[k]);
            if (!key) {
                return who + ": unknown key name \"" + parts[k] +
                       "\" in combo key (accepted: " + "a modifier (" +
                       joined(modifierTable(), [](const ModifierEntry& e) { return e.name; }) +
                       ") first, then key names such as A, F5, Num 1)";
            }
            (j == 0 ? result.key1Name : result.key2Name) = *key;
        }
        return result;
    }
    case KeyFunction::MacroKey: {
        // NAME-or-NUMBER[:LOOP]; LOOP 1..3 as the dialog's three choices.
        std::string_view target = params;
        std::uint8_t loop = 1;
        const auto colon = params.rfind(':');
        if (colon != std::string_view::npos) {
            const auto mode = wholeNumber(params.substr(colon + 1));
            if (!mode || *mode < 1 || *mode > 3) {
                return who + ": macro loop mode \"" + std::string(params.substr(colon + 1)) +
                       "\" is not 1, 2 or 3 (1: a number of times, 2: until a key is pressed, "
                       "3: while the button is held)";
            }
            loop = static_cast<std::uint8_t>(*mode);
            target = params.substr(0, colon);
        }
        const std::size_t slots = std::min(edit.macroNames.size(), kMaxMacroCount);
        std::optional<std::size_t> slot;
        if (const auto n = wholeNumber(target); n && *n >= 1 && *n <= static_cast<long>(slots)) {
            slot = static_cast<std::size_t>(*n - 1);
        }
        for (std::size_t s = 0; !slot && s < slots; ++s) {
            if (sameMacroName(edit.macroNames[s], trim(target))) {
                slot = s;
            }
        }
        if (!slot) {
            return who + ": no macro \"" + std::string(target) + "\" with a slot in the mouse " +
                   (slots == 0 ? std::string("(record.ini holds none)")
                               : "(accepted: 1.." + std::to_string(slots) +
                                     " or a name of the first twelve macros)");
        }
        return MacroKeyResult{static_cast<std::uint8_t>(*slot), loop, edit.macroNames[*slot]};
    }
    default:
        return who + ": internal error";
    }
}

} // namespace

std::string setButtonWord(SettingsEdit& edit, std::string_view name, KeyButton key,
                          std::string_view value) {
    KeySettings state{edit.settings, edit.labels, edit.language};
    // The left click or Shift the button holds already: nothing to change.
    for (KeyFunction held : {KeyFunction::LeftClick, KeyFunction::Shift}) {
        if (loose(value) == loose(keyFunctionText(functionIndex(held), Language::English)) &&
            keyFunctionOf(edit.settings, key) == functionIndex(held)) {
            return {};
        }
    }
    const auto colon = value.find(':');
    const std::string_view head = value.substr(0, colon);
    const std::string_view params =
        colon == std::string_view::npos ? std::string_view{} : value.substr(colon + 1);
    if (colon == std::string_view::npos) {
        const auto dpi =
            findIn(dpiSwitchList(), head, [](const DpiSwitchEntry& e) { return e.text; });
        if (dpi) {
            if (!mayChangeButton(edit.settings, key)) {
                return leftClickStays(name);
            }
            chooseDpiSwitch(state, key, static_cast<int>(*dpi));
            return {};
        }
    }
    std::optional<std::uint8_t> index;
    for (std::uint8_t f = 0; f < kKeyFunctionCount; ++f) {
        if (loose(keyFunctionText(f, Language::English)) == loose(head)) {
            index = f;
        }
    }
    // An unknown word is told as such before any rule of the key page.
    if (!index || *index == functionIndex(KeyFunction::DpiSwitch)) {
        return functionError(name, value);
    }
    if (!mayChangeButton(edit.settings, key)) {
        return leftClickStays(name);
    }
    switch (chooseKeyFunction(state, key, *index)) {
    case ListChoice::Stored:
        if (colon != std::string_view::npos) {
            return std::string(name) + ": " +
                   std::string(keyFunctionText(*index, Language::English)) + " takes no parameters";
        }
        return {};
    case ListChoice::Refused:
        return std::string(name) + ": Shift is already on another button of key mode " +
               (key.mode == KeyMode::A ? "A" : "B") + " (one button only)";
    case ListChoice::KeepOpen:
        return functionError(name, value);
    case ListChoice::NeedsDialog:
        break;
    }
    if (colon == std::string_view::npos) {
        return std::string(name) + ": " + std::string(keyFunctionText(*index, Language::English)) +
               " needs \":\" and its parameters";
    }
    auto result = dialogResult(edit, name, static_cast<KeyFunction>(*index), params);
    if (auto* message = std::get_if<std::string>(&result)) {
        return *message;
    }
    storeDialogResult(state, key, std::get<KeyDialogResult>(result));
    return {};
}

} // namespace pelmora
