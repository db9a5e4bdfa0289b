#pragma once
// Child controls that show one name on one line (a captured key name, a
// chosen list item) keep their rectangle while the name fits, and grow about
// the rectangle's centre when it does not, so no name is ever cut off.

#include "ui/skin/rect.h"

#include <QString>

class QWidget;

namespace pelmora {

// Places control in r, widened about r's centre when text needs more room,
// kept inside its window.
void fitControlToText(QWidget& control, const Rect& r, const QString& text);

} // namespace pelmora
