#include "ui/skin/skin_text.h"

#include "ui/skin/qt_rect.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <QPainter>

#include <algorithm>

namespace pelmora {

namespace {
int flagsFor(TextAlign align) {
    switch (align) {
    case TextAlign::Left:
        return Qt::AlignLeft | Qt::AlignVCenter;
    case TextAlign::Right:
        return Qt::AlignRight | Qt::AlignVCenter;
    case TextAlign::TopCentre:
        return Qt::AlignHCenter | Qt::AlignTop;
    case TextAlign::Centre:
        break;
    }
    return Qt::AlignCenter;
}
} // namespace

void drawTextLine(QPainter* painter, const Rect& r, const QString& text, TextAlign align,
                  const QFont& font, const QColor& colour) {
    if (painter == nullptr || text.isEmpty()) {
        return;
    }
    const QRect box = toQRect(r);
    painter->save();
    painter->setFont(font);
    painter->setPen(colour);
    if (align == TextAlign::Left || align == TextAlign::Right) {
        // A text longer than its box ends in an ellipsis inside it, and
        // nothing is drawn outside the box: a hover that restores the box
        // then restores everything the text touched.
        const QString shown =
            QFontMetrics(font).elidedText(text, Qt::ElideRight, std::max(0, box.width()));
        painter->setClipRect(box, Qt::IntersectClip);
        painter->drawText(box, flagsFor(align) | Qt::TextSingleLine, shown);
    } else {
        painter->drawText(box, flagsFor(align) | Qt::TextSingleLine | Qt::TextDontClip, text);
    }
    painter->restore();
}

QFont fittedFont(const QFont& font, const QString& text, int width) {
    QFont fitted = font;
    int pixels = QFontInfo(font).pixelSize();
    while (pixels > kSmallestFittedPixels && QFontMetrics(fitted).horizontalAdvance(text) > width) {
        --pixels;
        fitted.setPixelSize(pixels);
    }
    return fitted;
}

void drawFittedLine(QPainter* painter, const Rect& r, const QString& text, TextAlign align,
                    const QFont& font, const QColor& colour) {
    drawTextLine(painter, r, text, align, fittedFont(font, text, r.width()), colour);
}

void drawWrappedText(QPainter* painter, const Rect& r, const QString& text, const QFont& font,
                     const QColor& colour) {
    if (painter == nullptr || text.isEmpty()) {
        return;
    }
    const QRect box = toQRect(r);
    const QRect needed =
        QFontMetrics(font).boundingRect(box, Qt::AlignLeft | Qt::TextWordWrap, text);
    // A block taller than the rectangle grows evenly above and below it
    // rather than losing its last line.
    const int spare = box.height() - needed.height();
    const int top = box.top() + (spare >= 0 ? spare / 2 : -((-spare + 1) / 2));
    painter->save();
    painter->setFont(font);
    painter->setPen(colour);
    painter->drawText(QRect(box.left(), top, box.width(), needed.height()),
                      Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap | Qt::TextDontClip, text);
    painter->restore();
}

} // namespace pelmora
