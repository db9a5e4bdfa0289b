// The advanced page's pointer settings on a fake desktop: the first read,
// ticks and boxes that change only the record, Default, OK/Apply, the
// remark under settings the desktop does not have, and drawing that stays
// inside the rows.
#include "desktop/fake_pointer_settings.h"
#include "page_host/page_window.h"
#include "settings/factory_settings.h"
#include "ui/pages/page_layout.h"
#include "ui/pages/pointer_settings_part.h"
#include "ui/skin/qt_rect.h"
#include "ui/skin/skin_state.h"

#include <gtest/gtest.h>

namespace pelmora {
namespace {

namespace L = layout;
using P = PointerSetting;
using test::FakePointerSettings;

QPoint centre(const Rect& r) {
    return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

class PointerPartTest : public ::testing::Test {
protected:
    PointerPartTest() : window(settings), part(window.frame(), settings, messages) {
        skinState().setSkin(QString(PELMORA_BIN_DIR) + "/Skins", "Default");
        skinState().setLanguage("");
        window.frame().addPart(PageFrame::AdvancedPage, part);
    }
    ~PointerPartTest() override { skinState().setSkin(QString(), QString()); }

    FakePointerSettings& useDesktop(std::set<PointerSetting> has) {
        auto fake = std::make_unique<FakePointerSettings>(std::move(has));
        desktop = fake.get();
        part.setDesktop(std::move(fake));
        return *desktop;
    }
    void showAdvanced() {
        window.start();
        window.frame().leftButtonDown(centre(L::kAdvancedTab));
    }
    QImage region(const Rect& r) { return window.frame().canvas().image().copy(toQRect(r)); }
    QImage tick(int row, int i) { return region(L::speedTick(row, i)); }
    bool press(const Rect& r) {
        return window.frame().leftButtonDown(centre(r)) == PageFrame::Press::PageControl;
    }

    SettingsBlock settings = factorySettings();
    RecordingMessageSink messages;
    PageWindow window;
    PointerSettingsPart part;
    FakePointerSettings* desktop = nullptr;
};

TEST_F(PointerPartTest, TheFirstDrawingReadsTheDesktopOnceAndShowsItsLevels) {
    FakePointerSettings& d = useDesktop(test::allPointerSettings());
    d.values.speed = 0.4;
    d.values.precision = true;
    d.values.wheelLines = 3;
    d.values.doubleClickMs = 500;
    showAdvanced();
    EXPECT_EQ(d.reads, 1);
    EXPECT_EQ(settings.pointerSpeedLevel, 8);
    EXPECT_EQ(settings.pointerPrecision, 1);
    EXPECT_EQ(tick(0, 1), tick(0, 8));
    EXPECT_NE(tick(0, 8), tick(0, 9));
    EXPECT_EQ(tick(0, 9), tick(0, 11));
    EXPECT_NE(region(L::kPrecisionBox), region(L::kScrollScreenBox));

    // Later drawings show the stored levels: edits are not read over.
    settings.pointerSpeedLevel = 2;
    window.frame().leftButtonDown(centre(L::kBasicTab));
    window.frame().leftButtonDown(centre(L::kAdvancedTab));
    EXPECT_EQ(d.reads, 1);
    EXPECT_EQ(settings.pointerSpeedLevel, 2);
    EXPECT_TRUE(messages.messages.empty());
}

TEST_F(PointerPartTest, TicksAndBoxesChangeTheRecordOnlyAndApplyWritesThem) {
    FakePointerSettings& d = useDesktop(test::allPointerSettings());
    showAdvanced();
    const QImage dark = tick(2, 11);
    ASSERT_TRUE(press(L::speedTick(0, 8)));
    ASSERT_TRUE(press(L::speedTick(1, 11)));
    ASSERT_TRUE(press(L::speedTick(2, 1)));
    ASSERT_TRUE(press(L::kPrecisionBox));
    ASSERT_TRUE(press(L::kScrollScreenBox));
    EXPECT_EQ(settings.pointerSpeedLevel, 8);
    EXPECT_EQ(settings.scrollLines, 11);
    EXPECT_EQ(settings.doubleClickLevel, 1);
    EXPECT_EQ(settings.pointerPrecision, 1);
    EXPECT_EQ(settings.scrollByScreen, 1);
    EXPECT_EQ(tick(2, 2), dark);
    EXPECT_NE(tick(1, 11), dark);
    EXPECT_TRUE(d.writes.empty());

    // A scroll tick leaves the box set; the box wins on Apply.
    ASSERT_TRUE(press(L::speedTick(1, 4)));
    EXPECT_EQ(settings.scrollByScreen, 1);
    part.applyToDesktop();
    ASSERT_EQ(d.writes.size(), 1u);
    EXPECT_EQ(d.writes[0].speed, 0.4);
    EXPECT_EQ(d.writes[0].precision, true);
    EXPECT_EQ(d.writes[0].scrollByScreen, true);
    EXPECT_FALSE(d.writes[0].wheelLines.has_value());
    EXPECT_EQ(d.writes[0].doubleClickMs, 900);

    // Unticking draws the empty box again.
    const QImage ticked = region(L::kPrecisionBox);
    ASSERT_TRUE(press(L::kPrecisionBox));
    EXPECT_EQ(settings.pointerPrecision, 0);
    EXPECT_NE(region(L::kPrecisionBox), ticked);
}

TEST_F(PointerPartTest, DefaultWritesTheDesktopAtOnceAndRedrawsTheRows) {
    FakePointerSettings& d = useDesktop(test::allPointerSettings());
    settings.pointerPrecision = 1;
    settings.scrollByScreen = 1;
    settings.pointerSpeedLevel = 11;
    showAdvanced();
    ASSERT_TRUE(press(L::kPointerDefaultButton));
    ASSERT_EQ(d.writes.size(), 1u);
    EXPECT_EQ(d.writes[0].doubleClickMs, 500);
    EXPECT_EQ(d.writes[0].speed, 0.0);
    EXPECT_EQ(settings.pointerSpeedLevel, 6);
    EXPECT_EQ(settings.scrollLines, 3);
    EXPECT_EQ(settings.doubleClickLevel, 6);
    EXPECT_EQ(settings.pointerPrecision, 0);
    EXPECT_EQ(settings.scrollByScreen, 0);
    EXPECT_NE(tick(0, 6), tick(0, 7));
    EXPECT_EQ(tick(0, 7), tick(0, 11));
    EXPECT_NE(tick(1, 3), tick(1, 4));
    EXPECT_EQ(region(L::kPrecisionBox), region(L::kScrollScreenBox));
    // The next Apply writes level 6 as 550 ms.
    part.applyToDesktop();
    EXPECT_EQ(d.writes.back().doubleClickMs, 550);
}

TEST_F(PointerPartTest, ASettingTheDesktopLacksGetsARemarkAndNoMessage) {
    // The same page on a desktop with every setting and on one without wheel lines.
    useDesktop(test::allPointerSettings());
    showAdvanced();
    const Rect remark{L::kScrollSpeedCaption.right, L::kScrollSpeedCaption.top, 418,
                      L::kScrollSpeedCaption.bottom};
    const QImage plain = region(remark);

    SettingsBlock other = factorySettings();
    PageWindow window2(other);
    RecordingMessageSink sink2;
    PointerSettingsPart part2(window2.frame(), other, sink2);
    auto gnome = std::make_unique<FakePointerSettings>(
        std::set<PointerSetting>{P::Precision, P::Speed, P::DoubleClick});
    FakePointerSettings& g = *gnome;
    part2.setDesktop(std::move(gnome));
    window2.frame().addPart(PageFrame::AdvancedPage, part2);
    window2.start();
    window2.frame().leftButtonDown(centre(L::kAdvancedTab));
    EXPECT_NE(window2.frame().canvas().image().copy(toQRect(remark)), plain);

    // The lines stay as stored, drawn, and never reach the desktop.
    window2.frame().leftButtonDown(centre(L::speedTick(1, 9)));
    EXPECT_EQ(other.scrollLines, 9);
    part2.applyToDesktop();
    ASSERT_EQ(g.writes.size(), 1u);
    EXPECT_FALSE(g.writes[0].wheelLines.has_value());
    EXPECT_TRUE(sink2.messages.empty());
}

TEST_F(PointerPartTest, LevelsBeyondTheRowAreDrawnInsideIt) {
    useDesktop({});
    settings.doubleClickLevel = 200;
    settings.scrollLines = 0;
    showAdvanced();
    const Rect last = L::speedTick(2, 11);
    const Rect past{last.right, last.top, last.right + 40, last.bottom};
    SettingsBlock plain = factorySettings();
    PageWindow other(plain);
    other.start();
    other.frame().leftButtonDown(centre(L::kAdvancedTab));
    EXPECT_EQ(region(past), other.frame().canvas().image().copy(toQRect(past)));
    EXPECT_NE(tick(2, 11), tick(1, 1)); // lit against dark
}

TEST_F(PointerPartTest, PressesOutsideTheControlsAreNotTaken) {
    useDesktop({});
    showAdvanced();
    EXPECT_FALSE(press({30, 240, 40, 250}));
    EXPECT_FALSE(press({L::speedTick(0, 11).right, 200, L::speedTick(0, 11).right + 4, 211}));
}

} // namespace
} // namespace pelmora
