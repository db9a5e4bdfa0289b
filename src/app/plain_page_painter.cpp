#include "app/plain_page_painter.h"

#include "app/frame_areas.h"

namespace pelmora {

namespace {

QRect toQRect(const ClientRect& r) {
    return QRect(r.left, r.top, r.width(), r.height());
}

void drawButton(QPainter& painter, FrameAction action, const QString& text) {
    const QRect r = toQRect(frameRect(action));
    painter.fillRect(r, QColor(60, 60, 60));
    painter.drawRect(r.adjusted(0, 0, -1, -1));
    if (!text.isEmpty()) {
        painter.drawText(r, Qt::AlignCenter, text);
    }
}

} // namespace

void paintPlainPage(QPainter& painter, const PageView& view) {
    painter.fillRect(QRect(QPoint(0, 0), view.size), QColor(24, 24, 28));
    if (view.texts == nullptr) {
        return;
    }
    const ShellTexts& t = *view.texts;
    painter.setPen(view.textColour);
    painter.setFont(view.textFont);
    drawButton(painter, FrameAction::Skins, QStringLiteral("S"));
    drawButton(painter, FrameAction::Minimise, QStringLiteral("_"));
    drawButton(painter, FrameAction::Close, QStringLiteral("x"));
    drawButton(painter, FrameAction::BasicTab, QStringLiteral("<"));
    drawButton(painter, FrameAction::AdvancedTab, QStringLiteral(">"));
    drawButton(painter, FrameAction::Ok, t.ok);
    drawButton(painter, FrameAction::Apply, t.apply);
    drawButton(painter, FrameAction::Cancel, t.cancel);
    painter.drawText(toQRect(frameRect(FrameAction::WebLink)), Qt::AlignCenter, t.webAddress);
    if (view.pageState != 0) {
        painter.setPen(Qt::white);
        painter.setFont(view.titleFont);
        painter.drawText(toQRect(kPageTitleRect), Qt::AlignLeft | Qt::AlignVCenter,
                         view.pageState == 1 ? t.basicSettings : t.advancedSettings);
    }
}

} // namespace pelmora
