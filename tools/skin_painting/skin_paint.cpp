#include "skin_painting/skin_paint.h"

#include "ui/pages/page_layout.h"
#include "ui/skin/dialog_layout.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <array>

namespace pelmora::skins {

namespace L = layout;
namespace D = dialog_layout;

const std::array<Palette, kPalettes>& palettes() {
    static const std::array<Palette, kPalettes> table = {{
        {"Default", QColor(0x12, 0x15, 0x1a), QColor(0x0c, 0x0e, 0x12), QColor(0x19, 0x1d, 0x24),
         QColor(0x0e, 0x11, 0x15), QColor(0x2b, 0x31, 0x3b), QColor(0x4a, 0x54, 0x62),
         QColor(0x1f, 0xc8, 0xf0), QColor(0xe4, 0xe8, 0xee), QColor(0x8a, 0x94, 0xa3),
         QColor(0xe5, 0x48, 0x4d)},
        {"Ember", QColor(0x15, 0x13, 0x12), QColor(0x0e, 0x0c, 0x0b), QColor(0x1e, 0x1a, 0x18),
         QColor(0x10, 0x0e, 0x0d), QColor(0x36, 0x2d, 0x29), QColor(0x5c, 0x4c, 0x44),
         QColor(0xff, 0x7a, 0x1c), QColor(0xee, 0xe6, 0xe0), QColor(0xa0, 0x92, 0x88),
         QColor(0xe5, 0x48, 0x4d)},
    }};
    return table;
}

QRect q(const Rect& r) {
    return QRect(r.left, r.top, r.width(), r.height());
}
Rect grown(const Rect& r, int by) {
    return {r.left - by, r.top - by, r.right + by, r.bottom + by};
}

QColor mix(const QColor& a, const QColor& b, double t) {
    return QColor::fromRgbF(static_cast<float>(a.redF() * (1 - t) + b.redF() * t),
                            static_cast<float>(a.greenF() * (1 - t) + b.greenF() * t),
                            static_cast<float>(a.blueF() * (1 - t) + b.blueF() * t));
}

QFont captionFont(int px, bool bold) {
    QFont f("Liberation Sans");
    f.setPixelSize(px);
    f.setBold(bold);
    f.setHintingPreference(QFont::PreferFullHinting);
    return f;
}

// The scale being painted: 1, then 2 for the "@2x" images of screens with
// twice the pixels. Every painter works in the same (unscaled) coordinates.
int gScale = 1;

QImage blank(int w, int h) {
    QImage image(w * gScale, h * gScale, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(gScale);
    return image;
}

QImage canvas(int w, int h) {
    QImage image = blank(w, h);
    image.fill(Qt::transparent);
    return image;
}

// A crisp 1-pixel outline just inside r.
void outline(QPainter& p, const Rect& r, const QColor& c) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(QPen(c, 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(r.left, r.top, r.width() - 1, r.height() - 1);
    p.restore();
}

void fill(QPainter& p, const Rect& r, const QColor& c) {
    p.fillRect(q(r), c);
}

void hline(QPainter& p, int x1, int x2, int y, const QColor& c) {
    p.fillRect(QRect(x1, y, x2 - x1, 1), c);
}

// A rounded box with a 1-pixel edge, drawn antialiased on half pixels so the
// straight parts stay crisp.
void roundedBox(QPainter& p, const QRectF& r, double radius, const QBrush& brush,
                const QColor& edge) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(QPen(edge, 1));
    p.setBrush(brush);
    p.drawRoundedRect(r.adjusted(0.5, 0.5, -0.5, -0.5), radius, radius);
    p.restore();
}

void text(QPainter& p, const Rect& r, const QString& s, int flags, const QFont& f,
          const QColor& c) {
    p.save();
    p.setFont(f);
    p.setPen(c);
    p.drawText(q(r), flags | Qt::TextSingleLine, s);
    p.restore();
}

// A group panel: surface, 1-pixel edge and a short accent mark at its top.
void panel(QPainter& p, const Palette& c, const Rect& r) {
    fill(p, r, c.panel);
    outline(p, r, c.edge);
    p.fillRect(QRect(r.left + 1, r.top + 1, 3, 24), c.accent);
}

void chevronDown(QPainter& p, QPointF centre, double half, const QColor& colour) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(QPen(colour, 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    QPainterPath path;
    path.moveTo(centre.x() - half, centre.y() - half / 2);
    path.lineTo(centre.x(), centre.y() + half / 2);
    path.lineTo(centre.x() + half, centre.y() - half / 2);
    p.drawPath(path);
    p.restore();
}

// A field frame: a dark well with a 1-pixel edge one pixel outside r.
void well(QPainter& p, const Palette& c, const Rect& r) {
    fill(p, grown(r, 1), c.well);
    outline(p, grown(r, 2), c.edge);
}

// A drop-down header frame with its arrow at the right end.
void dropHeader(QPainter& p, const Palette& c, const Rect& r) {
    well(p, c, r);
    chevronDown(p, QPointF(r.right - 8, (r.top + r.bottom) / 2.0), 3.5, c.accent);
}

void emptyTickBox(QPainter& p, const Palette& c, int x, int y) {
    fill(p, {x, y, x + 16, y + 16}, c.well);
    outline(p, {x, y, x + 16, y + 16}, c.edgeLight);
}

} // namespace pelmora::skins
