// Settings in words, through the key page's, DPI page's and lighting's own functions.
#include "cli/setting_words.h"

#include "keys/consumer_list_texts.h"
#include "keys/key_assignment.h"
#include "keys/key_function.h"
#include "keys/key_lists.h"
#include "keys/key_settings.h"
#include "keys/key_tables.h"
#include "macros/macro_store.h"
#include "settings/dpi_rate_settings.h"
#include "settings/dpi_tables.h"
#include "settings/lighting_settings.h"
#include "desktop/pointer_levels.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <charconv>
#include <cstdio>
#include <optional>
#include <variant>

namespace pelmora::cli {

namespace {

constexpr std::size_t kShownButtons = 6; // the buttons the key page shows

// The advanced page's rows of ticks and tick boxes by their names.
struct PointerRowWord {
    std::string_view name;
    PointerRow row;
};
constexpr std::array<PointerRowWord, 3> kPointerRowWords = {{
    {"pointer-speed", PointerRow::Speed},
    {"scroll-lines", PointerRow::WheelLines},
    {"double-click", PointerRow::DoubleClick},
}};
struct PointerBoxWord {
    std::string_view name;
    PointerBox box;
};
constexpr std::array<PointerBoxWord, 2> kPointerBoxWords = {{
    {"pointer-precision", PointerBox::Precision},
    {"scroll-one-screen", PointerBox::ScrollByScreen},
}};

constexpr std::string_view kSettingNamesText =
    "a1..a6, b1..b6, key-mode, report-rate, dpi1..dpi4, dpi1-colour..dpi4-colour, light-mode, "
    "light-parameter, light-effect, pointer-speed, scroll-lines, double-click, "
    "pointer-precision, scroll-one-screen";

std::string lower(std::string_view text) {
    std::string out(text);
    for (char& c : out) {
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    return out;
}

// Lower case without blanks and hyphens: "triple click" finds "Triple-click".
std::string loose(std::string_view text) {
    std::string out;
    for (char c : text) {
        if (c != ' ' && c != '-' && c != '_') {
            out += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        }
    }
    return out;
}

std::string_view trim(std::string_view text) {
    while (!text.empty() && text.front() == ' ') {
        text.remove_prefix(1);
    }
    while (!text.empty() && text.back() == ' ') {
        text.remove_suffix(1);
    }
    return text;
}

std::optional<long> number(std::string_view text) {
    text = trim(text);
    long value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size() || text.empty()) {
        return std::nullopt;
    }
    return value;
}

// A name of a list, matched case-insensitively; its position.
template <typename List, typename TextOf>
std::optional<std::size_t> findIn(const List& list, std::string_view name, TextOf textOf) {
    const std::string wanted = lower(trim(name));
    for (std::size_t i = 0; i < list.size(); ++i) {
        if (lower(textOf(list[i])) == wanted) {
            return i;
        }
    }
    return std::nullopt;
}

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

std::string joined(auto list, auto textOf) {
    std::string out;
    for (const auto& entry : list) {
        out += out.empty() ? "" : ", ";
        out += textOf(entry);
    }
    return out;
}

// "a3" or "b6": the button of a key mode.
std::optional<KeyButton> buttonOfName(std::string_view name) {
    if (name.size() != 2 || (name[0] != 'a' && name[0] != 'b') || name[1] < '1' ||
        name[1] > static_cast<char>('0' + kShownButtons)) {
        return std::nullopt;
    }
    return KeyButton{name[0] == 'a' ? KeyMode::A : KeyMode::B,
                     static_cast<std::size_t>(name[1] - '1')};
}

// "dpi2": the stage (0-based) of a name with that prefix.
std::optional<std::size_t> stageOfName(std::string_view name, std::string_view suffix) {
    if (name.size() != 4 + suffix.size() || !name.starts_with("dpi") || !name.ends_with(suffix) ||
        name[3] < '1' || name[3] > '4') {
        return std::nullopt;
    }
    return static_cast<std::size_t>(name[3] - '1');
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
    std::string accepted;
    for (std::uint8_t f = 0; f < kKeyFunctionCount; ++f) {
        if (f != functionIndex(KeyFunction::DpiSwitch)) {
            accepted += std::string(keyFunctionText(f, Language::English)) + ", ";
        }
    }
    accepted += "DPI +, DPI -, DPI Loop";
    return std::string(button) + ": unknown function \"" + std::string(value) +
           "\" (accepted: " + accepted +
           "; Windows, Multimedia, Fire Key, Single Key, Combo Key "
           "and Macro Key take \":\" and their parameters)";
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
            const auto speed = number(parts[1]);
            if (!speed || *speed < 5 || *speed > 255) {
                return who + ": fire key speed \"" + std::string(parts[1]) +
                       "\" is not a number from 5 to 255";
            }
            result.speed = static_cast<std::uint8_t>(*speed);
        }
        if (parts.size() > 2) {
            const auto times = number(parts[2]);
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
            const auto mode = number(params.substr(colon + 1));
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
        if (const auto n = number(target); n && *n >= 1 && *n <= static_cast<long>(slots)) {
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

std::string setButton(SettingsEdit& edit, std::string_view name, KeyButton key,
                      std::string_view value) {
    KeySettings state{edit.settings, edit.labels, edit.language};
    // The left click or Shift the button holds already: nothing to change.
    for (KeyFunction held : {KeyFunction::LeftClick, KeyFunction::Shift}) {
        if (loose(value) == loose(keyFunctionText(functionIndex(held), Language::English)) &&
            keyFunctionOf(edit.settings, key) == functionIndex(held)) {
            return {};
        }
    }
    if (!mayChangeButton(edit.settings, key)) {
        return std::string(name) + ": " + std::string(leftButtonWarning(Language::English)) +
               " (the last Left Click of a key mode stays)";
    }
    const auto colon = value.find(':');
    const std::string_view head = value.substr(0, colon);
    const std::string_view params =
        colon == std::string_view::npos ? std::string_view{} : value.substr(colon + 1);
    if (colon == std::string_view::npos) {
        const auto dpi =
            findIn(dpiSwitchList(), head, [](const DpiSwitchEntry& e) { return e.text; });
        if (dpi) {
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
    if (!index || *index == functionIndex(KeyFunction::DpiSwitch)) {
        return functionError(name, value);
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

// The value of a button as set takes it back.
std::string buttonValue(const SettingsEdit& edit, KeyButton key) {
    const SettingsBlock& s = edit.settings;
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

std::string lightName(std::optional<TextId> id) {
    return id ? std::string(text(*id, Language::English)) : std::string("none");
}

// What get prints for a state the lists cannot choose ("Off", "none", the
// "RGB Effect" of modes 1 and 2) is taken back as it stands, changing nothing.
bool showsAsIs(const SettingsEdit& edit, std::string_view name, std::string_view value) {
    for (const auto& [word, shown] : settingWords(edit)) {
        if (word == name) {
            return lower(shown) == lower(value);
        }
    }
    return false;
}

std::string setLightMode(SettingsEdit& edit, std::string_view value) {
    if (showsAsIs(edit, "light-mode", value)) {
        return {};
    }
    const auto i =
        findIn(kLightModeListTexts, value, [](TextId id) { return text(id, Language::English); });
    if (!i) {
        return "light-mode: unknown mode \"" + std::string(value) +
               "\" (accepted: Standard, Respiration, Neon)";
    }
    chooseLightMode(edit.settings, *i);
    return {};
}

std::string setLightParameter(SettingsEdit& edit, std::string_view value) {
    if (showsAsIs(edit, "light-parameter", value)) {
        return {};
    }
    const std::uint8_t mode = edit.settings.lightMode;
    if (mode < kLightModeStandard || mode > kLightModeNeon) {
        return "light-parameter: choose light-mode first (Standard, Respiration or Neon)";
    }
    const auto list = lightParameterList(mode);
    const auto i = findIn(list, value, [](std::string_view t) { return t; });
    if (!i) {
        return "light-parameter: \"" + std::string(value) + "\" is not offered in " +
               lightName(lightModeText(mode)) +
               " mode (accepted: " + joined(list, [](std::string_view t) { return t; }) + ")";
    }
    chooseLightParameter(edit.settings, *i);
    return {};
}

std::string setLightEffect(SettingsEdit& edit, std::string_view value) {
    if (showsAsIs(edit, "light-effect", value)) {
        return {};
    }
    if (effectBoxAction(edit.settings.lightMode) != EffectBoxAction::OpenList) {
        return "light-effect: the colour effect is chosen in Neon mode only "
               "(set light-mode=Neon first)";
    }
    const auto i =
        findIn(kLightEffectListTexts, value, [](TextId id) { return text(id, Language::English); });
    if (!i) {
        return "light-effect: unknown effect \"" + std::string(value) +
               "\" (accepted: RGB Flash, RGB Fixed On)";
    }
    chooseLightEffect(edit.settings, *i);
    return {};
}

std::string setDpiStage(SettingsEdit& edit, std::string_view name, std::size_t stage,
                        std::string_view value) {
    // "3 (1000 DPI)" as get prints it: the comment is left out.
    if (const auto paren = value.find('('); paren != std::string_view::npos) {
        value = value.substr(0, paren);
    }
    value = trim(value);
    const int levels = dpiShownLevelCount(edit.sensorType);
    const int clickable = edit.sensorType == 0 ? 12 : 8;
    if (lower(value) == "on" || lower(value) == "off") {
        if (!setDpiStageOn(edit.settings, stage, lower(value) == "on")) {
            return std::string(name) + ": the last stage that is on stays on";
        }
        return {};
    }
    const auto level = number(value);
    if (!level || *level < 1 || *level > levels ||
        !setDpiLevel(edit.settings, stage, static_cast<int>(*level), edit.sensorType)) {
        return std::string(name) + ": \"" + std::string(value) +
               "\" is not on, off or a level 1.." + std::to_string(clickable) + " of sensor type " +
               std::to_string(dpiLabelSensorType(edit.sensorType));
    }
    return {};
}

std::string setDpiColour(SettingsEdit& edit, std::string_view name, std::size_t stage,
                         std::string_view value) {
    value = trim(value);
    unsigned rgb = 0;
    const bool hex = value.size() == 7 && value[0] == '#' &&
                     std::all_of(value.begin() + 1, value.end(), [](char c) {
                         return std::isxdigit(static_cast<unsigned char>(c));
                     });
    if (!hex) {
        return std::string(name) + ": \"" + std::string(value) +
               "\" is not a colour #rrggbb (six hex digits)";
    }
    std::from_chars(value.data() + 1, value.data() + value.size(), rgb, 16);
    edit.settings.dpiColour[stage] = {static_cast<std::uint8_t>(rgb >> 16),
                                      static_cast<std::uint8_t>(rgb >> 8),
                                      static_cast<std::uint8_t>(rgb)};
    return {};
}

// A row's level as get prints it: the tick, the double-click time beside
// it; "none" when the desktop was never read, a level beyond the ticks as it
// stands (Apply leaves such a desktop value alone).
std::string pointerRowValue(const SettingsBlock& s, PointerRow row) {
    const int level = pointerRowLevel(s, row);
    if (level == 0) {
        return "none";
    }
    std::string value = std::to_string(level);
    if (!isPointerLevel(level)) {
        return value + " (beyond the ticks)";
    }
    if (row == PointerRow::DoubleClick) {
        value += " (" + std::to_string(doubleClickForLevel(level)) + " ms)";
    }
    return value;
}

std::string setPointerRow(SettingsEdit& edit, const PointerRowWord& word, std::string_view value) {
    if (showsAsIs(edit, word.name, value)) {
        return {};
    }
    // "6 (550 ms)" as get prints it: the comment is left out.
    std::string_view level = value.substr(0, value.find('('));
    const auto tick = number(level);
    if (!tick || !pickPointerTick(edit.settings, word.row, static_cast<int>(*tick))) {
        std::string accepted = "a level 1.." + std::to_string(kPointerSteps) + ", one per tick";
        if (word.row == PointerRow::DoubleClick) {
            accepted += " (1: " + std::to_string(doubleClickForLevel(1)) + " ms .. " +
                        std::to_string(kPointerSteps) + ": " +
                        std::to_string(doubleClickForLevel(kPointerSteps)) + " ms)";
        }
        return std::string(word.name) + ": \"" + std::string(value) + "\" is not " + accepted;
    }
    return {};
}

std::string setPointerBoxWord(SettingsEdit& edit, const PointerBoxWord& word,
                              std::string_view value) {
    if (showsAsIs(edit, word.name, value)) {
        return {};
    }
    const std::string v = lower(value);
    if (v != "on" && v != "off") {
        return std::string(word.name) + ": \"" + std::string(value) + "\" is not on or off";
    }
    setPointerBox(edit.settings, word.box, v == "on");
    return {};
}

} // namespace

std::string_view settingName(PointerRow row) {
    for (const auto& w : kPointerRowWords) {
        if (w.row == row) {
            return w.name;
        }
    }
    return {};
}

std::string_view settingName(PointerBox box) {
    for (const auto& w : kPointerBoxWords) {
        if (w.box == box) {
            return w.name;
        }
    }
    return {};
}

std::string_view settingNamesText() {
    return kSettingNamesText;
}

std::vector<std::string> settingNames() {
    std::vector<std::string> names;
    for (char mode : {'a', 'b'}) {
        for (std::size_t b = 1; b <= kShownButtons; ++b) {
            names.push_back(std::string(1, mode) + std::to_string(b));
        }
    }
    names.insert(names.end(), {"key-mode", "report-rate"});
    for (int s = 1; s <= 4; ++s) {
        names.push_back("dpi" + std::to_string(s));
    }
    for (int s = 1; s <= 4; ++s) {
        names.push_back("dpi" + std::to_string(s) + "-colour");
    }
    names.insert(names.end(), {"light-mode", "light-parameter", "light-effect"});
    for (const auto& w : kPointerRowWords) {
        names.emplace_back(w.name);
    }
    for (const auto& w : kPointerBoxWords) {
        names.emplace_back(w.name);
    }
    names.emplace_back("default");
    return names;
}

std::string applySettingWord(SettingsEdit& edit, std::string_view word) {
    const auto eq = word.find('=');
    const std::string name = lower(trim(word.substr(0, eq)));
    if (eq == std::string_view::npos) {
        if (name == "default") {
            restoreDefaultKeys({edit.settings, edit.labels, edit.language});
            return {};
        }
        return "\"" + std::string(word) +
               "\" is not NAME=VALUE or default (names: " + std::string(kSettingNamesText) + ")";
    }
    const std::string_view value = trim(word.substr(eq + 1));
    if (const auto key = buttonOfName(name)) {
        return setButton(edit, name, *key, value);
    }
    if (name == "key-mode") {
        const std::string v = loose(value);
        if (v != "a" && v != "b" && v != "modea" && v != "modeb") {
            return "key-mode: \"" + std::string(value) + "\" is not A or B";
        }
        setActiveKeyMode(edit.settings, v.back() == 'a' ? KeyMode::A : KeyMode::B);
        return {};
    }
    if (name == "report-rate") {
        const auto rate = number(value);
        const auto step = rate ? rateStepOf(static_cast<int>(*rate)) : std::nullopt;
        if (!step) {
            return "report-rate: \"" + std::string(value) +
                   "\" is not 125, 250, 500 or 1000 (reports per second)";
        }
        setReportRateStep(edit.settings, *step);
        return {};
    }
    if (const auto stage = stageOfName(name, "")) {
        return setDpiStage(edit, name, *stage, value);
    }
    if (const auto stage = stageOfName(name, "-colour")) {
        return setDpiColour(edit, name, *stage, value);
    }
    if (name == "light-mode") {
        return setLightMode(edit, value);
    }
    if (name == "light-parameter") {
        return setLightParameter(edit, value);
    }
    if (name == "light-effect") {
        return setLightEffect(edit, value);
    }
    for (const auto& w : kPointerRowWords) {
        if (name == w.name) {
            return setPointerRow(edit, w, value);
        }
    }
    for (const auto& w : kPointerBoxWords) {
        if (name == w.name) {
            return setPointerBoxWord(edit, w, value);
        }
    }
    return "unknown setting \"" + name + "\" (accepted: " + std::string(kSettingNamesText) +
           ", default)";
}

std::vector<std::pair<std::string, std::string>> settingWords(const SettingsEdit& edit) {
    const SettingsBlock& s = edit.settings;
    std::vector<std::pair<std::string, std::string>> words;
    for (KeyMode mode : {KeyMode::A, KeyMode::B}) {
        for (std::size_t b = 0; b < kShownButtons; ++b) {
            words.emplace_back(std::string(mode == KeyMode::A ? "a" : "b") + std::to_string(b + 1),
                               buttonValue(edit, {mode, b}));
        }
    }
    words.emplace_back("key-mode", activeKeyMode(s) == KeyMode::A ? "A" : "B");
    words.emplace_back("report-rate",
                       std::to_string(kRateStepReportsPerSecond[litRateStep(s.reportInterval)]));
    const std::uint8_t labelType = dpiLabelSensorType(edit.sensorType);
    for (std::size_t stage = 0; stage < kDpiStageCount; ++stage) {
        const std::uint8_t level = s.dpiLevel[stage];
        std::string value = s.dpiStageOn[stage] ? std::to_string(level + 1)
                                                : "off (level " + std::to_string(level + 1) + ")";
        const auto dpi = dpiValueText(labelType, level);
        if (s.dpiStageOn[stage] && !dpi.empty()) {
            value += " (" + std::string(dpi) + " DPI)";
        }
        words.emplace_back("dpi" + std::to_string(stage + 1), value);
    }
    for (std::size_t stage = 0; stage < kDpiStageCount; ++stage) {
        char colour[8];
        std::snprintf(colour, sizeof colour, "#%02x%02x%02x", s.dpiColour[stage][0],
                      s.dpiColour[stage][1], s.dpiColour[stage][2]);
        words.emplace_back("dpi" + std::to_string(stage + 1) + "-colour", colour);
    }
    const LightingStatus light = lightingStatus(s);
    words.emplace_back("light-mode", lightName(light.mode));
    words.emplace_back("light-parameter",
                       light.parameter.empty() ? "none" : std::string(light.parameter));
    words.emplace_back("light-effect", lightName(light.effect));
    for (const auto& w : kPointerRowWords) {
        words.emplace_back(w.name, pointerRowValue(s, w.row));
    }
    for (const auto& w : kPointerBoxWords) {
        words.emplace_back(w.name, pointerBoxTicked(s, w.box) ? "on" : "off");
    }
    return words;
}

} // namespace pelmora::cli
