#include "ui/skin/hot_area.h"

#include "ui/skin/qt_rect.h"
#include "ui/skin/skin_images.h"
#include "ui/skin/skin_state.h"
#include "ui/skin/skin_text.h"

namespace pelmora {

void drawHotArea(QPainter* painter, const HotArea& area, bool over, const QFont& font,
                 std::string_view backdrop) {
    const std::string_view image = over ? area.overImage : area.normalImage;
    // A missing image leaves the previous picture: the backdrop is only
    // restored under an image that is there to cover it.
    if (!backdrop.empty() && skinImageCache().find(skinState().imagePath(image)) != nullptr) {
        restoreSkinImagePart(painter, backdrop, area.rect);
    }
    drawSkinImage(painter, image, area.rect.left, area.rect.top);
    drawTextLine(painter, area.rect, area.caption, TextAlign::Centre, font,
                 skinState().textColour());
    if (area.paintExtra) {
        area.paintExtra(painter, area);
    }
}

HoverTracker::HoverTracker(SkinCanvas& canvas) : canvas_(canvas) {
    rest_.setSingleShot(true);
    rest_.setInterval(kRestMilliseconds);
    connect(&rest_, &QTimer::timeout, this, [this] { hoverAt(last_); });
}

void HoverTracker::setAreas(std::vector<HotArea*> areas) {
    rest_.stop();
    areas_ = std::move(areas);
}

void HoverTracker::mouseMoved(const QPoint& p) {
    last_ = p;
    for (const HotArea* area : areas_) {
        if (area->contains(p)) {
            rest_.start();
            return;
        }
    }
    restoreAll();
}

void HoverTracker::restoreAll() {
    rest_.stop();
    bool any = false;
    for (const HotArea* area : areas_) {
        any = any || area->hovered;
    }
    if (!any) {
        return;
    }
    CMemDC dc(canvas_);
    for (HotArea* area : areas_) {
        if (area->hovered) {
            drawHotArea(dc.painter(), *area, false, font_, backdrop_);
            dc.markDrawn(toQRect(area->rect));
            area->hovered = false;
        }
    }
}

void HoverTracker::hoverAt(const QPoint& p) {
    HotArea* target = nullptr;
    for (HotArea* area : areas_) {
        if (area->contains(p)) {
            target = area;
            break;
        }
    }
    if (target == nullptr || target->hovered) {
        return;
    }
    CMemDC dc(canvas_);
    // Whatever else is still lit goes back to normal in the same repaint, so
    // two buttons never look hovered at once.
    for (HotArea* area : areas_) {
        if (area != target && area->hovered) {
            drawHotArea(dc.painter(), *area, false, font_, backdrop_);
            dc.markDrawn(toQRect(area->rect));
            area->hovered = false;
        }
    }
    drawHotArea(dc.painter(), *target, true, font_, backdrop_);
    dc.markDrawn(toQRect(target->rect));
    target->hovered = true;
}

void HoverTracker::clearFlags() {
    rest_.stop();
    for (HotArea* area : areas_) {
        area->hovered = false;
    }
}

} // namespace pelmora
