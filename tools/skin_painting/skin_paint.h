#pragma once
// What make-skins paints with: a skin's colours, the scale being painted,
// the drawing primitives, and the painters of the small images and of the
// page and dialog backgrounds (one file each, beside this one).

#include "ui/skin/rect.h"

#include <QBrush>
#include <QColor>
#include <QFont>
#include <QImage>
#include <QPointF>
#include <QRect>

#include <array>
#include <string_view>

class QPainter;

namespace pelmora::skins {

struct Palette {
    std::string_view skin;
    QColor base;      // window surface
    QColor bar;       // title and bottom bars
    QColor panel;     // group panels
    QColor well;      // fields, tracks, empty cells
    QColor edge;      // 1-pixel edges
    QColor edgeLight; // edges under the mouse
    QColor accent;    // the skin's one accent colour
    QColor text;      // captions painted into pictures
    QColor textDim;
    QColor danger; // close button under the mouse, record dot
};

constexpr int kPalettes = 2;
const std::array<Palette, kPalettes>& palettes();

// The scale being painted: 1, then 2 for the "@2x" images of screens with
// twice the pixels. Every painter works in the same (unscaled) coordinates.
extern int gScale;
// An image of w x h at the scale, not filled / transparent.
QImage blank(int w, int h);
QImage canvas(int w, int h);

// Primitives (skin_paint.cpp).
QRect q(const Rect& r);
Rect grown(const Rect& r, int by);
QColor mix(const QColor& a, const QColor& b, double t);
QFont captionFont(int px, bool bold = false);
void outline(QPainter& p, const Rect& r, const QColor& c);
void fill(QPainter& p, const Rect& r, const QColor& c);
void hline(QPainter& p, int x1, int x2, int y, const QColor& c);
void roundedBox(QPainter& p, const QRectF& r, double radius, const QBrush& brush,
                const QColor& edge);
void text(QPainter& p, const Rect& r, const QString& s, int flags, const QFont& f, const QColor& c);
void panel(QPainter& p, const Palette& c, const Rect& r);
void chevronDown(QPainter& p, QPointF centre, double half, const QColor& colour);
void well(QPainter& p, const Palette& c, const Rect& r);
void dropHeader(QPainter& p, const Palette& c, const Rect& r);
void emptyTickBox(QPainter& p, const Palette& c, int x, int y);

// Small images (small_images.cpp).
enum class Glyph { Close, Minimise, Skins };
QImage button(const Palette& c, bool over);
QImage dropdownBox(const Palette& c, bool over);
QImage glyphButton(const Palette& c, Glyph glyph, bool over);
QImage pageTab(const Palette& c, bool advanced, bool over);
QImage tickBox(const Palette& c, bool ticked);
QImage cell(const Palette& c, int w, int h, int gap, bool light);

// The main window's backgrounds (page_backgrounds.cpp).
QImage basicBackground(const Palette& c);
QImage advancedBackground(const Palette& c);

// The dialogs' backgrounds (dialog_backgrounds.cpp).
// One centred field (single key, delay); a header over two fields (combo
// key, fire key).
QImage singleKeyBackground(const Palette& c);
QImage comboKeyBackground(const Palette& c);
QImage choiceBackground(const Palette& c, int height);
QImage macroKeyBackground(const Palette& c);
QImage skinsBackground(const Palette& c);

} // namespace pelmora::skins
