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

QImage button(const Palette& c, bool over) {
    QImage image = canvas(105, 21);
    QPainter p(&image);
    QLinearGradient g(0, 0, 0, 21);
    g.setColorAt(0, over ? mix(c.panel, c.accent, 0.30) : mix(c.panel, c.edgeLight, 0.25));
    g.setColorAt(1, over ? mix(c.panel, c.accent, 0.18) : c.panel);
    roundedBox(p, QRectF(0, 0, 105, 21), 3, g, over ? c.accent : c.edgeLight);
    return image;
}

QImage dropdownBox(const Palette& c, bool over) {
    QImage image = canvas(211, 21);
    QPainter p(&image);
    roundedBox(p, QRectF(0, 0, 211, 21), 2, over ? mix(c.well, c.accent, 0.12) : c.well,
               over ? c.accent : c.edge);
    p.fillRect(QRect(L::kKeyBoxNumberWidth - 2, 4, 1, 13), over ? c.accent : c.edge);
    chevronDown(p, QPointF(200, 10.5), 4, over ? c.accent : c.textDim);
    return image;
}

// The three glyph buttons of the title bar, 18 x 18.

QImage glyphButton(const Palette& c, Glyph glyph, bool over) {
    QImage image = canvas(18, 18);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, true);
    if (over) {
        roundedBox(p, QRectF(0, 0, 18, 18), 3, glyph == Glyph::Close ? c.danger : c.accent,
                   glyph == Glyph::Close ? c.danger : c.accent);
    }
    const QColor ink = over ? c.bar : c.text;
    p.setPen(QPen(ink, 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    switch (glyph) {
    case Glyph::Close:
        p.drawLine(QPointF(5, 5), QPointF(13, 13));
        p.drawLine(QPointF(13, 5), QPointF(5, 13));
        break;
    case Glyph::Minimise:
        p.drawLine(QPointF(5, 12.5), QPointF(13, 12.5));
        break;
    case Glyph::Skins: // a palette: a drop of colour in a ring
        p.drawEllipse(QPointF(9, 9), 5, 5);
        p.setPen(Qt::NoPen);
        p.setBrush(over ? c.bar : c.accent);
        p.drawEllipse(QPointF(9, 9), 2.2, 2.2);
        break;
    }
    return image;
}

// Page tabs, 40 x 40: the basic page shows a mouse, the advanced page a set
// of sliders.
QImage pageTab(const Palette& c, bool advanced, bool over) {
    QImage image = canvas(40, 40);
    QPainter p(&image);
    roundedBox(p, QRectF(0, 0, 40, 40), 5, over ? mix(c.panel, c.accent, 0.22) : c.panel,
               over ? c.accent : c.edge);
    p.setRenderHint(QPainter::Antialiasing, true);
    const QColor ink = over ? c.text : c.textDim;
    p.setPen(QPen(ink, 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    if (!advanced) {
        p.drawRoundedRect(QRectF(13, 8, 14, 24), 7, 7);
        p.drawLine(QPointF(20, 8.5), QPointF(20, 16));
        p.setPen(QPen(c.accent, 2, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(20, 11), QPointF(20, 13));
    } else {
        for (int i = 0; i < 3; ++i) {
            const double y = 12 + 8 * i;
            p.setPen(QPen(ink, 1.6, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(QPointF(9, y), QPointF(31, y));
            p.setPen(Qt::NoPen);
            p.setBrush(c.accent);
            p.drawEllipse(QPointF(i == 1 ? 24 : (i == 0 ? 15 : 19), y), 3, 3);
            p.setBrush(Qt::NoBrush);
        }
    }
    return image;
}

QImage tickBox(const Palette& c, bool ticked) {
    QImage image = canvas(16, 16);
    QPainter p(&image);
    if (!ticked) {
        emptyTickBox(p, c, 0, 0);
        return image;
    }
    fill(p, {0, 0, 16, 16}, c.accent);
    outline(p, {0, 0, 16, 16}, c.accent);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(QPen(c.bar, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    QPainterPath tick;
    tick.moveTo(3.5, 8.5);
    tick.lineTo(6.5, 11.5);
    tick.lineTo(12.5, 4.5);
    p.drawPath(tick);
    return image;
}

// A slider cell of w x h with a gap of `gap` pixels at its right end.
QImage cell(const Palette& c, int w, int h, int gap, bool light) {
    QImage image = canvas(w, h);
    QPainter p(&image);
    const Rect body{0, 0, w - gap, h};
    if (light) {
        fill(p, body, c.accent);
        hline(p, 0, w - gap, 0, c.accent.lighter(135));
    } else {
        fill(p, body, c.well);
        outline(p, body, c.edge);
    }
    return image;
}

} // namespace pelmora::skins
