#pragma once
// Every text of the modal dialogs (titles, captions, prompts, hints, their
// OK and Cancel) and the caption under the mouse picture, in the four
// interface languages. The skins carry no text: these are drawn over their
// pictures.

#include "settings/interface_texts.h"

#include <cstdint>
#include <string_view>

namespace pelmora {

enum class DialogText : std::uint8_t {
    SingleKeyTitle,
    ComboKeyTitle,
    FireKeyTitle,
    MultimediaKeyTitle,
    LaunchKeyTitle,
    MacroKeyTitle,
    SkinsTitle,
    DelayTitle,
    KeyCaption,
    ModifierCaption,
    FirstKeyCaption,
    SecondKeyCaption,
    FunctionCaption,
    ApplicationCaption,
    ComboHint,
    HoldKeysHint, // the key dialogs' way out without a mouse
    MouseCaption,
    Ok,
    Cancel,
    SkinsColourCaption, // above the skins dialog's colour box
    SingleKeyPrompt,
    DelayPrompt,
    DelayRange,
    FireSpeed, // the fire key dialog's two fields and what they take
    FireTimes,
    FireIllustration,
    FireSpeedHelp,
    FireTimesHelp,
    MacroLoopCount, // the macro key dialog's three ways to repeat
    MacroLoopUntilKey,
    MacroLoopWhileHeld,
    MacroCaption,
    NoMacro,
    Count
};

std::string_view dialogText(DialogText id, Language language);

} // namespace pelmora
