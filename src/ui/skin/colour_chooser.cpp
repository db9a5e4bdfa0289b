#include "ui/skin/colour_chooser.h"

#include <QColorDialog>

namespace pelmora {

ColourChooser desktopColourChooser() {
    return [](QWidget& parent, const QColor& initial) -> std::optional<QColor> {
        const QColor colour = QColorDialog::getColor(initial, &parent);
        return colour.isValid() ? std::optional<QColor>(colour) : std::nullopt;
    };
}

} // namespace pelmora
