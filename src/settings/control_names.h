#pragma once
// Names of the window's controls that show no text of their own (pictures,
// numbered boxes, fields captioned on the skin's picture), for screen readers,
// in the four interface languages. "%1" stands for a number.

#include "settings/interface_texts.h"

#include <cstdint>
#include <string_view>

namespace pelmora {

enum class ControlName : std::uint8_t {
    Close,
    Minimise,
    Skins,
    Button,         // "Button %1": a key box of the basic page
    DpiStage,       // "DPI stage %1": a stage's tick box and level column
    DpiStageColour, // "DPI stage %1 colour"
    Skin,           // the skin list of the skins dialog
    Function,       // the list of a launch or multimedia key dialog
    Key,            // the key list of the fire key dialog
    ModifierKey,    // the modifier list of the combo key dialog
    FirstKey,       // the two key fields of the combo key dialog
    SecondKey,
    Macro,      // the macro list of the macro key dialog
    DelayTime,  // the field of the delay dialog
    WindowName, // the main window
    // What screen readers say of a value or an event.
    ReportRateValue, // "%1 reports per second"
    DpiValue,        // "%1 DPI"
    DpiStageOff,     // "DPI stage %1: off", a stage's level column while it is off
    ColourValue,     // "%1: %2": a colour button's name and its colour
    KeyTaken,        // the field of the single key dialog
    SettingsSent,    // announced when OK or Apply has sent and saved everything
    MacroSaved,      // announced when Confirm has saved the macro
};

std::string_view controlName(ControlName name, Language language);

} // namespace pelmora
