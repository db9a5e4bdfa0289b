#include "app/plain_page_painter.h"

#include "app/device_balloon.h"
#include "app/frame_areas.h"
#include "ui/skin/skin_image_names.h"
#include "ui/skin/skin_images.h"

namespace pelmora {

namespace {

QRect toQRect(const Rect& r) {
    return QRect(r.left, r.top, r.width(), r.height());
}

// The area's skin image, or a plain box where the skin has none.
void drawButton(QPainter& painter, FrameAction action, std::string_view image,
                const QString& text) {
    const Rect r = frameRect(action);
    if (!drawSkinImage(&painter, image, r.left, r.top)) {
        painter.fillRect(toQRect(r), QColor(60, 60, 60));
        painter.drawRect(toQRect(r).adjusted(0, 0, -1, -1));
    }
    if (!text.isEmpty()) {
        painter.drawText(toQRect(r), Qt::AlignCenter, text);
    }
}

} // namespace

void paintPlainPage(QPainter& painter, const PageView& view) {
    const bool advanced = view.pageState == 2;
    if (!drawSkinImage(&painter,
                       advanced ? skin_image::kAdvancedBackground : skin_image::kBasicBackground, 0,
                       0)) {
        painter.fillRect(QRect(QPoint(0, 0), view.size), QColor(24, 24, 28));
    }
    const auto t = [&view](TextId id) { return uiText(id, view.language); };
    painter.setPen(view.textColour);
    painter.setFont(view.textFont);
    drawButton(painter, FrameAction::Skins, skin_image::kSkinsNormal, {});
    drawButton(painter, FrameAction::Minimise, skin_image::kMinNormal, {});
    drawButton(painter, FrameAction::Close, skin_image::kCloseNormal, {});
    drawButton(painter, FrameAction::BasicTab, skin_image::kPrePageNormal, {});
    drawButton(painter, FrameAction::AdvancedTab, skin_image::kNextPageNormal, {});
    drawButton(painter, FrameAction::Ok, skin_image::kButtonNormal, t(TextId::Ok));
    drawButton(painter, FrameAction::Apply, skin_image::kButtonNormal, t(TextId::Apply));
    drawButton(painter, FrameAction::Cancel, skin_image::kButtonNormal, t(TextId::Cancel));
    painter.drawText(toQRect(frameRect(FrameAction::WebLink)), Qt::AlignCenter,
                     t(TextId::WebAddress));
    if (view.pageState != 0) {
        painter.setPen(Qt::white);
        painter.setFont(view.titleFont);
        painter.drawText(toQRect(layout::kPageTitle), Qt::AlignLeft | Qt::AlignVCenter,
                         t(advanced ? TextId::AdvancedSettings : TextId::BasicSettings));
    }
}

} // namespace pelmora
