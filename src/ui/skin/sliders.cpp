#include "ui/skin/sliders.h"

#include "ui/skin/skin_images.h"

namespace pelmora {

int StepSlider::hit(const QPoint& p) const {
    for (int k = 1; k <= kSteps; ++k) {
        if (cell(k).contains(p.x(), p.y())) {
            return k;
        }
    }
    return 0;
}

void StepSlider::draw(QPainter* painter, int value) const {
    for (int k = 1; k <= kSteps; ++k) {
        const Rect c = cell(k);
        drawSkinImage(painter, k <= value ? light_ : dark_, c.left, c.top);
    }
}

int LevelSlider::hit(const QPoint& p, int levelCount) const {
    for (int v = 1; v <= levelCount; ++v) {
        if (cell(v).contains(p.x(), p.y())) {
            return v;
        }
    }
    return 0;
}

void LevelSlider::draw(QPainter* painter, int value, int levelCount) const {
    for (int v = 1; v <= levelCount; ++v) {
        const Rect c = cell(v);
        drawSkinImage(painter, v <= value ? light_ : dark_, c.left, c.top);
    }
}

} // namespace pelmora
