#pragma once
// One part of a page (the key settings, the DPI stages and report rate, the
// lighting, the pointer settings, the macro editor). The page frame draws the
// page's background and frame, then hands each part of the page being shown
// its turn: entering the page, drawing, hover areas, presses, leaving.

#include "ui/skin/hot_area.h"
#include "ui/skin/skin_control.h"

#include <QPoint>

#include <vector>

class QPainter;

namespace pelmora {

class PagePart {
public:
    PagePart() = default;
    PagePart(const PagePart&) = delete;
    PagePart& operator=(const PagePart&) = delete;
    virtual ~PagePart() = default;

    // The page is being shown: create the child windows and lists that live
    // while it shows (register them with the frame's addPageChild/addPageList).
    virtual void enter() {}
    // Draw the part's captions and controls onto the page, after the frame's
    // own drawing (background, frame controls, title).
    virtual void draw(QPainter* painter) { static_cast<void>(painter); }
    // The hot areas the hover tracker lights while the page shows.
    virtual void collectHotAreas(std::vector<HotArea*>& areas) { static_cast<void>(areas); }
    // A press no frame control and no earlier part took, after the page's
    // open lists that it misses are closed. True when a control took it.
    virtual bool press(const QPoint& p) {
        static_cast<void>(p);
        return false;
    }
    // The part's controls in reading order, for the keyboard and for
    // screen readers (skin_control.h).
    virtual void describe(std::vector<SkinControl>& controls) { static_cast<void>(controls); }
    // The page is left, after its child windows and lists are gone; also
    // called for a page that was not shown, so it must be harmless then.
    virtual void leave() {}
};

} // namespace pelmora
