#pragma once
// Text on skins: transparent background, one line or word-wrapped.

#include "ui/skin/rect.h"

#include <QColor>
#include <QFont>
#include <QString>

class QPainter;

namespace pelmora {

enum class TextAlign { Centre, Left, Right, TopCentre };

// One line inside r, vertically centred except for TopCentre.
void drawTextLine(QPainter* painter, const Rect& r, const QString& text, TextAlign align,
                  const QFont& font, const QColor& colour);
// Word-wrapped, left-aligned, the block centred vertically in r.
void drawWrappedText(QPainter* painter, const Rect& r, const QString& text, const QFont& font,
                     const QColor& colour);

} // namespace pelmora
