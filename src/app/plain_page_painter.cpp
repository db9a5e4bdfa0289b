#include "app/plain_page_painter.h"

#include "app/device_balloon.h"
#include "app/frame_areas.h"

namespace pelmora {

namespace {

QRect toQRect(const Rect& r) {
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
    const auto t = [&view](TextId id) { return uiText(id, view.language); };
    painter.setPen(view.textColour);
    painter.setFont(view.textFont);
    drawButton(painter, FrameAction::Skins, QStringLiteral("S"));
    drawButton(painter, FrameAction::Minimise, QStringLiteral("_"));
    drawButton(painter, FrameAction::Close, QStringLiteral("x"));
    drawButton(painter, FrameAction::BasicTab, QStringLiteral("<"));
    drawButton(painter, FrameAction::AdvancedTab, QStringLiteral(">"));
    drawButton(painter, FrameAction::Ok, t(TextId::Ok));
    drawButton(painter, FrameAction::Apply, t(TextId::Apply));
    drawButton(painter, FrameAction::Cancel, t(TextId::Cancel));
    painter.drawText(toQRect(frameRect(FrameAction::WebLink)), Qt::AlignCenter,
                     t(TextId::WebAddress));
    if (view.pageState != 0) {
        painter.setPen(Qt::white);
        painter.setFont(view.titleFont);
        painter.drawText(toQRect(layout::kPageTitle), Qt::AlignLeft | Qt::AlignVCenter,
                         t(view.pageState == 1 ? TextId::BasicSettings : TextId::AdvancedSettings));
    }
}

} // namespace pelmora
