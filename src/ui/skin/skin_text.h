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
// One line that never spills out of r: a text wider than r is drawn in a
// smaller size of the font, as large as fits.
void drawFittedLine(QPainter* painter, const Rect& r, const QString& text, TextAlign align,
                    const QFont& font, const QColor& colour);
// The font, or a smaller size of it, in which text is at most width pixels
// wide (never below kSmallestFittedPixels).
inline constexpr int kSmallestFittedPixels = 8;
QFont fittedFont(const QFont& font, const QString& text, int width);
// Word-wrapped, left-aligned, the block centred vertically on r (a block
// taller than r reaches beyond it evenly at the top and bottom).
void drawWrappedText(QPainter* painter, const Rect& r, const QString& text, const QFont& font,
                     const QColor& colour);

} // namespace pelmora
