// Step and level sliders light exactly the cells up to their value.
#include "ui/skin/mem_dc.h"
#include "ui/skin/sliders.h"
#include "ui/test_skin.h"

#include <QWidget>
#include <gtest/gtest.h>

namespace pelmora {
namespace {

const QRgb kLight = qRgb(250, 250, 250);
const QRgb kDark = qRgb(20, 20, 20);

class SliderTest : public ::testing::Test {
protected:
    SliderTest() : canvas(window) {
        window.resize(700, 600);
        canvas.create(QSize(700, 600));
        canvas.image().fill(Qt::black);
        skin.write("/slider-light.png", 23, 11, QColor(kLight));
        skin.write("/slider-dark.png", 23, 11, QColor(kDark));
        skin.write("/slider-DPI-light.png", 16, 16, QColor(kLight));
        skin.write("/slider-DPI-dark.png", 16, 16, QColor(kDark));
    }
    QRgb at(const Rect& r) const { return canvas.image().pixel(r.left + 2, r.top + 2); }
    test::TestSkin skin;
    QWidget window;
    SkinCanvas canvas;
};

TEST_F(SliderTest, ClickOnCellOneLightsOneAndDarkensTen) {
    const StepSlider row({52, 200, 76, 211});
    EXPECT_EQ(row.hit({53, 201}), 1);
    EXPECT_EQ(row.hit({52 + 24 * 10 + 23, 210}), 11);
    EXPECT_EQ(row.hit({52 + 24 * 11, 205}), 0);
    EXPECT_EQ(row.hit({60, 211}), 0); // bottom edge is outside
    {
        CMemDC dc(canvas);
        row.draw(dc.painter(), 11);
        row.draw(dc.painter(), row.hit({53, 201}));
    }
    EXPECT_EQ(at(row.cell(1)), kLight);
    for (int k = 2; k <= 11; ++k) {
        EXPECT_EQ(at(row.cell(k)), kDark) << k;
    }
    EXPECT_EQ(canvas.image().pixel(52 + 24 * 11 + 2, 202), qRgb(0, 0, 0));
}

TEST_F(SliderTest, LevelColumnGrowsUpwardsAndStaysInsideItsLevels) {
    const LevelSlider column({554, 500, 570, 516});
    EXPECT_EQ(column.cell(2), (Rect{554, 482, 570, 498}));
    EXPECT_EQ(column.hit({560, 505}, 8), 1);
    EXPECT_EQ(column.hit({560, 500 - 18 * 8 + 3}, 8), 0); // level 9 of an 8-level sensor
    EXPECT_EQ(column.hit({560, 500 - 18 * 8 + 3}, 12), 9);
    {
        CMemDC dc(canvas);
        column.draw(dc.painter(), 3, 8);
    }
    for (int v = 1; v <= 3; ++v) {
        EXPECT_EQ(at(column.cell(v)), kLight) << v;
    }
    for (int v = 4; v <= 8; ++v) {
        EXPECT_EQ(at(column.cell(v)), kDark) << v;
    }
    {
        CMemDC dc(canvas);
        column.draw(dc.painter(), 12, 8); // a level left from a larger table
    }
    EXPECT_EQ(at(column.cell(8)), kLight);
    EXPECT_EQ(at(column.cell(9)), qRgb(0, 0, 0));
}

} // namespace
} // namespace pelmora
