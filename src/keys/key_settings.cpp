// Key settings: functions, labels and key modes of the mouse's buttons.
#include "keys/key_settings.h"

#include "keys/key_assignment.h"
#include "keys/key_lists.h"
#include "keys/key_tables.h"

#include <algorithm>
#include <array>

namespace pelmora {

namespace {

constexpr std::uint8_t kLeftClick = functionIndex(KeyFunction::LeftClick);
constexpr std::uint8_t kShift = functionIndex(KeyFunction::Shift);
constexpr std::uint8_t kDpiSwitch = functionIndex(KeyFunction::DpiSwitch);

// The factory functions of buttons 1..8: the five clicks, "DPI Loop" on
// button 6, nothing on the two buttons the page does not show.
constexpr ButtonBytes kDefaultFunctions = {0, 1, 2, 3, 4, 6, 15, 15};
constexpr std::size_t kDefaultDpiLoopButton = 5;
constexpr std::uint8_t kDpiLoopAction = 3;

KeyMode otherMode(KeyMode mode) {
    return mode == KeyMode::A ? KeyMode::B : KeyMode::A;
}

bool valid(KeyButton key) {
    return key.button < kButtonCount;
}

std::string listTextPrefix(KeyFunction function, Language language) {
    std::string label(keyFunctionText(functionIndex(function), language));
    label += '-';
    return label;
}

// Dialog results: which function each gives, and how it is stored.
struct ResultFunction {
    KeyFunction operator()(const LaunchKeyResult&) const { return KeyFunction::Launch; }
    KeyFunction operator()(const MediaKeyResult&) const { return KeyFunction::Multimedia; }
    KeyFunction operator()(const FireKeyResult&) const { return KeyFunction::FireKey; }
    KeyFunction operator()(const SingleKeyResult&) const { return KeyFunction::SingleKey; }
    KeyFunction operator()(const ComboKeyResult&) const { return KeyFunction::ComboKey; }
    KeyFunction operator()(const MacroKeyResult&) const { return KeyFunction::MacroKey; }
};

struct ResultLabel {
    Language language;
    std::string operator()(const LaunchKeyResult& r) const { return r.text; }
    std::string operator()(const MediaKeyResult& r) const {
        return listTextPrefix(KeyFunction::Multimedia, language) + r.text;
    }
    std::string operator()(const FireKeyResult& r) const {
        return listTextPrefix(KeyFunction::FireKey, language) + r.text;
    }
    std::string operator()(const SingleKeyResult& r) const {
        return listTextPrefix(KeyFunction::SingleKey, language) + r.keyName;
    }
    std::string operator()(const ComboKeyResult& r) const {
        return listTextPrefix(KeyFunction::ComboKey, language) +
               combinationText(r.modifierName, r.key1Name, r.key2Name);
    }
    std::string operator()(const MacroKeyResult& r) const {
        return listTextPrefix(KeyFunction::MacroKey, language) + r.name;
    }
};

struct ResultStore {
    KeyBlock& block;
    std::size_t b;
    void operator()(const LaunchKeyResult& r) const { storeLaunchChoice(block, b, r.position); }
    void operator()(const MediaKeyResult& r) const { storeMediaChoice(block, b, r.position); }
    void operator()(const FireKeyResult& r) const {
        storeFireKey(block, b, r.position, r.speed, r.times);
    }
    void operator()(const SingleKeyResult& r) const { storeSingleKey(block, b, r.keyName); }
    void operator()(const ComboKeyResult& r) const {
        storeCombination(block, b, r.modifierName, r.key1Name, r.key2Name);
    }
    void operator()(const MacroKeyResult& r) const {
        storeMacro(block, b, r.macroIndex, r.loopMode);
    }
};

} // namespace

KeyMode activeKeyMode(const SettingsBlock& settings) {
    return settings.keyMode == 1 ? KeyMode::B : KeyMode::A;
}

void setActiveKeyMode(SettingsBlock& settings, KeyMode mode) {
    settings.keyMode = mode == KeyMode::B ? 1 : 0;
}

std::uint8_t keyFunctionOf(const SettingsBlock& settings, KeyButton key) {
    return valid(key) ? settings.keyBlock(key.mode).keyFunction[key.button] : std::uint8_t{0xFF};
}

bool mayChangeButton(const SettingsBlock& settings, KeyButton key) {
    if (!valid(key)) {
        return false;
    }
    const ButtonBytes& functions = settings.keyBlock(key.mode).keyFunction;
    if (functions[key.button] != kLeftClick) {
        return true;
    }
    // Another button of the mode must keep the left click.
    for (std::size_t b = 0; b < kButtonCount; ++b) {
        if (b != key.button && functions[b] == kLeftClick) {
            return true;
        }
    }
    return false;
}

std::string_view leftButtonWarning(Language language) {
    return text(TextId::LeftKeyMustBeSelected, language);
}

std::string_view keyFunctionText(std::uint8_t index, Language language) {
    if (index >= kKeyFunctionListTexts.size()) {
        return {};
    }
    return text(kKeyFunctionListTexts[index], language);
}

void storeKeyFunction(KeySettings state, KeyButton key, std::uint8_t index,
                      const std::string& label) {
    if (!valid(key)) {
        return;
    }
    const std::size_t b = key.button;
    ButtonBytes& functions = state.settings.keyBlock(key.mode).keyFunction;
    if (functions[b] == kShift) {
        // A "Shift" lives in both key modes; whatever replaces it does too,
        // so neither mode is left with a way out and no way back.
        state.settings.keyBlock(otherMode(key.mode)).keyFunction[b] = index;
        state.labels.forMode(otherMode(key.mode))[b] = label;
    }
    functions[b] = index;
    state.labels.forMode(key.mode)[b] = label;
}

ListChoice chooseKeyFunction(KeySettings state, KeyButton key, int index) {
    if (!valid(key) || index < 0 || index >= static_cast<int>(kKeyFunctionCount) ||
        index == kDpiSwitch) {
        return ListChoice::KeepOpen;
    }
    const auto function = static_cast<KeyFunction>(index);
    const std::string label(keyFunctionText(static_cast<std::uint8_t>(index), state.language));
    switch (function) {
    case KeyFunction::Shift: {
        const ButtonBytes& functions = state.settings.keyBlock(key.mode).keyFunction;
        if (std::find(functions.begin(), functions.end(), kShift) != functions.end()) {
            return ListChoice::Refused;
        }
        for (KeyMode mode : {KeyMode::A, KeyMode::B}) {
            state.settings.keyBlock(mode).keyFunction[key.button] = kShift;
            state.labels.forMode(mode)[key.button] = label;
        }
        return ListChoice::Stored;
    }
    case KeyFunction::Launch:
    case KeyFunction::Multimedia:
    case KeyFunction::FireKey:
    case KeyFunction::SingleKey:
    case KeyFunction::ComboKey:
    case KeyFunction::MacroKey:
        return ListChoice::NeedsDialog;
    default:
        storeKeyFunction(state, key, static_cast<std::uint8_t>(index), label);
        return ListChoice::Stored;
    }
}

bool chooseDpiSwitch(KeySettings state, KeyButton key, int position) {
    if (!valid(key) || position < 0 || position >= static_cast<int>(kDpiSwitchCount)) {
        return false;
    }
    const auto p = static_cast<std::size_t>(position);
    const std::uint8_t action = dpiSwitchAction(p);
    // The action goes with the function: into the other mode as well when a
    // "Shift" there is replaced along with this one.
    if (state.settings.keyBlock(key.mode).keyFunction[key.button] == kShift) {
        state.settings.dpiSwitchParam(otherMode(key.mode))[key.button] = action;
    }
    state.settings.dpiSwitchParam(key.mode)[key.button] = action;
    storeKeyFunction(state, key, kDpiSwitch, std::string(dpiSwitchText(p)));
    return true;
}

std::uint8_t functionOfResult(const KeyDialogResult& result) {
    return functionIndex(std::visit(ResultFunction{}, result));
}

std::string labelOfResult(const KeyDialogResult& result, Language language) {
    return std::visit(ResultLabel{language}, result);
}

void storeDialogResult(KeySettings state, KeyButton key, const KeyDialogResult& result) {
    if (!valid(key)) {
        return;
    }
    std::visit(ResultStore{state.settings.keyBlock(key.mode), key.button}, result);
    if (state.settings.keyBlock(key.mode).keyFunction[key.button] == kShift) {
        // The function replaces a "Shift" in both modes: its parameters go
        // with it, or the other mode would send what its label does not say.
        std::visit(ResultStore{state.settings.keyBlock(otherMode(key.mode)), key.button}, result);
    }
    storeKeyFunction(state, key, functionOfResult(result), labelOfResult(result, state.language));
}

void restoreDefaultKeys(KeySettings state) {
    for (KeyMode mode : {KeyMode::A, KeyMode::B}) {
        state.settings.keyBlock(mode).keyFunction = kDefaultFunctions;
        state.settings.dpiSwitchParam(mode)[kDefaultDpiLoopButton] = kDpiLoopAction;
    }
    state.labels = firstRunLabels(state.language);
}

} // namespace pelmora
