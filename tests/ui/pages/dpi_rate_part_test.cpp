// The report-rate steps and DPI columns of the basic page: what each click
// stores, what it redraws, and the columns of each sensor type.
#include "page_host/page_window.h"
#include "settings/factory_settings.h"
#include "ui/pages/page_layout.h"
#include "ui/skin/skin_images.h"
#include "ui/test_skin.h"

#include <gtest/gtest.h>

namespace pelmora {
namespace {

namespace L = layout;
namespace img = skin_image;

const QColor kBackground(30, 30, 30);
const QColor kLight(250, 0, 0);
const QColor kDark(0, 0, 250);
const QColor kTicked(0, 250, 0);
const QColor kEmptyTick(250, 250, 0);

QPoint centre(const Rect& r) {
    return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

class DpiRatePartTest : public ::testing::Test {
protected:
    DpiRatePartTest() : window(settings) {
        skin.write(img::kBasicBackground, L::kWindowWidth, L::kWindowHeight, kBackground);
        skin.write(img::kAdvancedBackground, L::kWindowWidth, L::kWindowHeight, kBackground);
        skin.write(img::kSliderDpiLight, 16, 16, kLight);
        skin.write(img::kSliderDpiDark, 16, 16, kDark);
        skin.write(img::kSliderRateLight, 70, 11, kLight);
        skin.write(img::kSliderRateDark, 70, 11, kDark);
        skin.write(img::kPaneTicked, 16, 16, kTicked);
        skin.write(img::kPane, 16, 16, kEmptyTick);
        skinImageCache().clear();
        skinState().setLanguage("");
        settings.dpiStageOn = {1, 1, 1, 1};
        settings.dpiLevel = {0, 2, 4, 6};
    }
    ~DpiRatePartTest() override { skinImageCache().clear(); }

    void start(std::uint8_t sensorType) {
        window.setSensorType(sensorType);
        window.start();
    }
    PageFrame& frame() { return window.frame(); }
    QColor at(const Rect& r) { return QColor(frame().canvas().image().pixel(centre(r))); }
    // How many cells of a column are lit, and whether the cells above the
    // lit ones are dark up to `levels` and background beyond.
    int litCells(int stage, int levels) {
        int lit = 0;
        for (int k = 1; k <= L::kDpiMaxLevels; ++k) {
            const QColor c = at(L::dpiLevelCell(stage, k));
            if (k > levels) {
                EXPECT_EQ(c, kBackground) << "stage " << stage << " cell " << k;
            } else if (c == kLight) {
                EXPECT_EQ(lit, k - 1) << "stage " << stage << " cell " << k;
                ++lit;
            } else {
                EXPECT_EQ(c, kDark) << "stage " << stage << " cell " << k;
            }
        }
        return lit;
    }
    int presents() { return frame().canvas().presentCount(); }

    test::TestSkin skin;
    SettingsBlock settings = factorySettings();
    PageWindow window;
};

TEST_F(DpiRatePartTest, ReportIntervalZeroLights1000AndClickingItStoresOneWithoutARedraw) {
    settings.reportInterval = 0;
    start(0);
    EXPECT_EQ(at(L::kReportRateSteps[3]), kLight);
    EXPECT_EQ(at(L::kReportRateSteps[0]), kDark);
    const int before = presents();
    EXPECT_EQ(frame().leftButtonDown(centre(L::kReportRateSteps[3])),
              PageFrame::Press::PageControl);
    EXPECT_EQ(settings.reportInterval, 1);
    EXPECT_EQ(presents(), before);

    frame().leftButtonDown(centre(L::kReportRateSteps[1]));
    EXPECT_EQ(settings.reportInterval, 4);
    EXPECT_EQ(presents(), before + 1);
    EXPECT_EQ(at(L::kReportRateSteps[1]), kLight);
    EXPECT_EQ(at(L::kReportRateSteps[3]), kDark);
    frame().leftButtonDown(centre(L::kReportRateSteps[0]));
    EXPECT_EQ(settings.reportInterval, 8);
    EXPECT_EQ(at(L::kReportRateSteps[0]), kLight);
    EXPECT_EQ(at(L::kReportRateSteps[1]), kDark);
}

TEST_F(DpiRatePartTest, SensorTypeOneHasEightCellsAndTheNinthDoesNothing) {
    start(1);
    EXPECT_EQ(litCells(0, 8), 1);
    EXPECT_EQ(litCells(3, 8), 7);
    const int before = presents();
    const SettingsBlock stored = settings;
    EXPECT_EQ(frame().leftButtonDown(centre(L::dpiLevelCell(0, 9))), PageFrame::Press::Nothing);
    EXPECT_EQ(settings, stored);
    EXPECT_EQ(presents(), before);

    frame().leftButtonDown(centre(L::dpiLevelCell(0, 8)));
    EXPECT_EQ(settings.dpiLevel[0], 7);
    EXPECT_EQ(litCells(0, 8), 8);
}

TEST_F(DpiRatePartTest, TypeZeroTakesTheTopCellsAndAnUnknownTypeShowsButIgnoresThem) {
    start(0);
    EXPECT_EQ(litCells(2, 12), 5);
    frame().leftButtonDown(centre(L::dpiLevelCell(2, 12)));
    EXPECT_EQ(settings.dpiLevel[2], 11);
    EXPECT_EQ(litCells(2, 12), 12);
    frame().leftButtonDown(centre(L::dpiLevelCell(2, 3)));
    EXPECT_EQ(litCells(2, 12), 3);

    window.setSensorType(9);
    frame().redrawCurrentPage();
    EXPECT_EQ(litCells(1, 12), 3);
    const int before = presents();
    EXPECT_EQ(frame().leftButtonDown(centre(L::dpiLevelCell(1, 10))),
              PageFrame::Press::PageControl);
    EXPECT_EQ(settings.dpiLevel[1], 2);
    EXPECT_EQ(presents(), before);
}

TEST_F(DpiRatePartTest, LevelStoredForALargerSensorIsDrawnClampedAndKeptUntilAClick) {
    settings.dpiLevel[1] = 11;
    start(1);
    EXPECT_EQ(litCells(1, 8), 8);
    EXPECT_EQ(settings.dpiLevel[1], 11);
    frame().leftButtonDown(centre(L::dpiLevelCell(1, 2)));
    EXPECT_EQ(settings.dpiLevel[1], 1);
    EXPECT_EQ(litCells(1, 8), 2);
}

TEST_F(DpiRatePartTest, TheLastEnabledStageKeepsItsTick) {
    start(0);
    for (int s = 0; s < 3; ++s) {
        frame().leftButtonDown(centre(L::dpiStageTick(s)));
        EXPECT_EQ(at(L::dpiStageTick(s)), kEmptyTick);
        EXPECT_EQ(litCells(s, 12), 0);
    }
    frame().leftButtonDown(centre(L::dpiStageTick(3)));
    EXPECT_EQ(settings.dpiStageOn, (std::array<std::uint8_t, 4>{0, 0, 0, 1}));
    EXPECT_EQ(at(L::dpiStageTick(3)), kTicked);
    EXPECT_EQ(litCells(3, 12), 7);

    frame().leftButtonDown(centre(L::dpiStageTick(1)));
    EXPECT_EQ(settings.dpiStageOn[1], 1);
    EXPECT_EQ(at(L::dpiStageTick(1)), kTicked);
    EXPECT_EQ(litCells(1, 12), 3);
}

TEST_F(DpiRatePartTest, ALevelClickOnADisabledStageLightsItUntilThePageIsDrawnAgain) {
    settings.dpiStageOn[2] = 0;
    start(0);
    EXPECT_EQ(litCells(2, 12), 0);
    frame().leftButtonDown(centre(L::dpiLevelCell(2, 6)));
    EXPECT_EQ(settings.dpiLevel[2], 5);
    EXPECT_EQ(settings.dpiStageOn[2], 0);
    EXPECT_EQ(litCells(2, 12), 6);
    EXPECT_EQ(at(L::dpiStageTick(2)), kEmptyTick);

    frame().redrawCurrentPage();
    EXPECT_EQ(litCells(2, 12), 0);
    // Enabling it shows the stored level.
    frame().leftButtonDown(centre(L::dpiStageTick(2)));
    EXPECT_EQ(litCells(2, 12), 6);
}

} // namespace
} // namespace pelmora
