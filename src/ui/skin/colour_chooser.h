#pragma once
// The colour dialog as the skinned windows open it: over `parent`, starting
// at `initial`; the chosen colour, or nothing when the user cancels. One
// type for every window that asks for a colour (the lighting part, the skins
// dialog), so that a test gives them its own chooser the same way.

#include <QColor>

#include <functional>
#include <optional>

class QWidget;

namespace pelmora {

using ColourChooser = std::function<std::optional<QColor>(QWidget& parent, const QColor& initial)>;

// The desktop's colour dialog (QColorDialog).
ColourChooser desktopColourChooser();

} // namespace pelmora
