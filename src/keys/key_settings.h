#pragma once
// What the key settings do to the settings record and the button labels:
// choosing one of the sixteen functions for a button of a key mode, the
// results of the key dialogs, the DPI switch choices, the mode buttons and
// Default. Plain functions on the record and the labels; the page and the
// command line both use them.
//
// On the map (docs/ARCHITECTURE.md): src/keys, above src/settings; the rules
// the key page and `pelmora-cli set` share.

#include "keys/key_function.h"
#include "settings/interface_texts.h"
#include "settings/preferences.h"
#include "settings/settings_block.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <variant>

namespace pelmora {

// The edited state: the settings record and the labels shown in the boxes.
struct KeySettings {
    SettingsBlock& settings;
    ButtonLabels& labels;
    Language language = Language::English;
};

// One button (0..7) of one key mode.
// The buttons the key page shows (the mouse has kButtonCount).
inline constexpr std::size_t kShownButtons = 6;

struct KeyButton {
    KeyMode mode = KeyMode::A;
    std::size_t button = 0;
};

// The key mode the boxes show and edit.
KeyMode activeKeyMode(const SettingsBlock& settings);
void setActiveKeyMode(SettingsBlock& settings, KeyMode mode);

// The function index of a button; 0xFF for a button outside 0..7.
std::uint8_t keyFunctionOf(const SettingsBlock& settings, KeyButton key);

// The left-button guard: false when the button holds the only "Left Click"
// of its key mode (all eight buttons counted), so its list must not open and
// the user is told leftButtonWarning().
bool mayChangeButton(const SettingsBlock& settings, KeyButton key);
// The text of that refusal; its caption is kWarningCaption.
std::string_view leftButtonWarning(Language language);

// The list text of function index 0..15 in the language; empty beyond.
std::string_view keyFunctionText(std::uint8_t index, Language language);

// What choosing an entry of a button's function list does.
enum class ListChoice : std::uint8_t {
    Stored,      // the function and label are stored; the list closes
    Refused,     // a second "Shift" in the key mode: nothing changes; the list closes
    KeepOpen,    // "DPI Switch" (the side list decides) or no entry: nothing changes
    NeedsDialog, // 8..13: nothing is stored until the function's dialog ends with OK
};

// Choosing index for a button: the functions without parameters and "Shift"
// are stored here; see ListChoice for the rest.
ListChoice chooseKeyFunction(KeySettings state, KeyButton key, int index);

// Stores a function with its label into the button, keeping a "Shift" (which
// lives in both key modes) consistent: replacing a "Shift" sets the new
// function and label in both modes.
void storeKeyFunction(KeySettings state, KeyButton key, std::uint8_t index,
                      const std::string& label);

// A choice of the DPI switch list (0 "DPI +", 1 "DPI -", 2 "DPI Loop"):
// function 6 with that action and the entry's text as label. Anything else
// changes nothing and gives false.
bool chooseDpiSwitch(KeySettings state, KeyButton key, int position);

// The results of the key dialogs after OK, as the dialogs hand them back.
struct LaunchKeyResult {
    std::size_t position = 0;
    std::string text; // the chosen entry's text
};
struct MediaKeyResult {
    std::size_t position = 0;
    std::string text;
};
struct FireKeyResult {
    std::size_t position = 0;
    std::uint8_t speed = 32;
    std::uint8_t times = 1;
    std::string text; // the chosen key's text; empty when none was chosen
};
struct SingleKeyResult {
    std::string keyName;
};
struct ComboKeyResult {
    std::string modifierName;
    std::string key1Name;
    std::string key2Name;
};
struct MacroKeyResult {
    std::uint8_t macroIndex = 0; // 0-based slot
    std::uint8_t loopMode = 1;   // the dialog's choice 1..3
    std::string name;
};
using KeyDialogResult = std::variant<LaunchKeyResult, MediaKeyResult, FireKeyResult,
                                     SingleKeyResult, ComboKeyResult, MacroKeyResult>;

// The function index whose dialog gives this result (8..13).
std::uint8_t functionOfResult(const KeyDialogResult& result);
// The button label the result gives ("Multimedia-Next", "Combo Key-Left Ctrl+A", ...).
std::string labelOfResult(const KeyDialogResult& result, Language language);
// Stores a dialog's result into the key mode's parameters of the button, its
// function and its label.
void storeDialogResult(KeySettings state, KeyButton key, const KeyDialogResult& result);

// Default: the factory functions of all eight buttons in both key modes,
// "DPI Loop" on button 6, and the default labels. The parameters of the
// other functions keep their values.
void restoreDefaultKeys(KeySettings state);

} // namespace pelmora
