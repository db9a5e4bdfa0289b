#pragma once
// Titles and captions of the key dialogs and the skins dialog, and the
// caption under the mouse picture, in the four interface languages. The
// skins carry no text: these are drawn over their pictures.

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
    Count
};

std::string_view dialogText(DialogText id, Language language);

} // namespace pelmora
