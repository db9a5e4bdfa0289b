#pragma once
// Step sliders drawn from skin images: a horizontal row of cells (the 11-step
// speed rows) and a vertical column of level cells growing upwards from a
// bottom cell (the DPI stages). Value v lights cells 1..v.

#include "ui/skin/rect.h"

#include <QPoint>

#include <string_view>

class QPainter;

namespace pelmora {

class StepSlider {
public:
    static constexpr int kSteps = 11;
    static constexpr int kPitch = 24;

    explicit StepSlider(Rect firstCell, std::string_view lightImage = "/slider-light.png",
                        std::string_view darkImage = "/slider-dark.png")
        : first_(firstCell), light_(lightImage), dark_(darkImage) {}

    Rect cell(int k) const { return first_.translated(kPitch * (k - 1), 0); }
    // The cell 1..11 under p, or 0.
    int hit(const QPoint& p) const;
    // Lights cells 1..value and darkens the rest; a value outside 1..11
    // lights what fits in the row.
    void draw(QPainter* painter, int value) const;

private:
    Rect first_;
    std::string_view light_;
    std::string_view dark_;
};

class LevelSlider {
public:
    static constexpr int kPitch = 18;

    explicit LevelSlider(Rect bottomCell, std::string_view lightImage = "/slider-DPI-light.png",
                         std::string_view darkImage = "/slider-DPI-dark.png")
        : bottom_(bottomCell), light_(lightImage), dark_(darkImage) {}

    Rect cell(int v) const { return bottom_.translated(0, -kPitch * (v - 1)); }
    // The level 1..levelCount under p, or 0.
    int hit(const QPoint& p, int levelCount) const;
    // Lights levels 1..value and darkens the rest up to levelCount; never
    // draws above the highest level.
    void draw(QPainter* painter, int value, int levelCount) const;

private:
    Rect bottom_;
    std::string_view light_;
    std::string_view dark_;
};

} // namespace pelmora
