#pragma once
// The modal dialogs the page parts open, one set per window, held by its
// page frame: the key dialogs of the key page, the colour dialog of the DPI
// stages, the delay dialog of the macro editor. The program's own unless the
// window (or a test) puts others in.

#include "ui/keys/key_dialogs.h"
#include "ui/skin/colour_chooser.h"

#include <QString>

#include <functional>
#include <optional>

class QWidget;

namespace pelmora {

// What the delay dialog gives: the value and the text typed.
struct DelayResult {
    int value = 0;
    QString text;
};
using DelayEditor = std::function<std::optional<DelayResult>(QWidget& parent)>;

// The skinned delay dialog.
DelayEditor skinnedDelayEditor();

struct PageDialogs {
    // The dialogs of the key functions 8..13; none: those functions open none.
    KeyDialogs* keys = nullptr;
    ColourChooser chooseColour = desktopColourChooser();
    DelayEditor editDelay = skinnedDelayEditor();
};

} // namespace pelmora
