#pragma once
// Hot areas: rectangles of the client area that a window tests itself, drawn
// with a normal image and, while the mouse rests on them, an "over" image.
// The hover tracker swaps the images: the mouse resting 10 ms inside an area
// lights it; moving to a point outside every area, leaving the window or
// hiding it restores what is lit.

#include "ui/skin/mem_dc.h"
#include "ui/skin/rect.h"

#include <QFont>
#include <QPoint>
#include <QString>
#include <QTimer>

#include <functional>
#include <string_view>
#include <vector>

namespace pelmora {

struct HotArea {
    Rect rect;
    std::string_view normalImage;
    std::string_view overImage;
    // Drawn centred on one line in the user-interface text colour.
    QString caption;
    // Extra drawing after the image (a drop-down box's number and label).
    std::function<void(QPainter*, const HotArea&)> paintExtra;
    bool hovered = false;

    bool contains(const QPoint& p) const { return rect.contains(p.x(), p.y()); }
};

// Draws the area's normal or over image with its caption and extras. A
// missing image leaves the previous picture under the caption. With a
// backdrop (the window's background image) the area is first restored from
// it, so images with soft edges and antialiased captions never pile up.
void drawHotArea(QPainter* painter, const HotArea& area, bool over, const QFont& font,
                 std::string_view backdrop = {});

class HoverTracker : public QObject {
    Q_OBJECT
public:
    static constexpr int kRestMilliseconds = 10;

    explicit HoverTracker(SkinCanvas& canvas);

    // The areas that react to the mouse (the current page's, or a dialog's).
    void setAreas(std::vector<HotArea*> areas);
    const std::vector<HotArea*>& areas() const { return areas_; }
    void setFont(const QFont& font) { font_ = font; }
    // The background image the areas are restored from before each drawing.
    void setBackdrop(std::string_view imageName) { backdrop_ = imageName; }

    // Mouse motion: inside an area, wait for the mouse to rest; elsewhere,
    // restore every lit area in one repaint.
    void mouseMoved(const QPoint& p);
    // The pointer left the window, or the window is being hidden: every lit
    // area goes back to normal in one repaint, and a pending rest is dropped.
    void restoreAll();
    // The mouse rested at p: light the area under it and restore any other
    // lit area in the same repaint.
    void hoverAt(const QPoint& p);
    // Forget every hovered flag without drawing (the picture is redrawn whole).
    void clearFlags();

private:
    SkinCanvas& canvas_;
    std::vector<HotArea*> areas_;
    QFont font_;
    std::string_view backdrop_;
    QTimer rest_;
    QPoint last_;
};

} // namespace pelmora
