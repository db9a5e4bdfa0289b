// The page frame: navigation, the order of the left-button dispatcher,
// leaving a page, redrawing, hover on the frame and the key pre-filter.
#include "page_host/page_window.h"
#include "settings/factory_settings.h"
#include "ui/pages/page_layout.h"
#include "ui/skin/qt_rect.h"
#include "ui/skin/skin_state.h"

#include <QLabel>
#include <QListWidget>
#include <QPointer>
#include <QTest>

#include <algorithm>
#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace pelmora {
namespace {

QPoint centre(const Rect& r) {
    return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

void flushDeletes() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// A part that records what the frame asks of it.
struct RecordingPart : PagePart {
    void enter() override { calls.push_back("enter"); }
    void draw(QPainter* p) override { calls.push_back(p != nullptr ? "draw" : "draw-null"); }
    void collectHotAreas(std::vector<HotArea*>& areas) override { areas.push_back(&area); }
    bool press(const QPoint& p) override {
        calls.push_back("press");
        presses.push_back(p);
        if (onPress) {
            onPress();
        }
        return takes;
    }
    void leave() override { calls.push_back("leave"); }
    std::vector<std::string> calls;
    std::vector<QPoint> presses;
    std::function<void()> onPress;
    HotArea area{{400, 400, 420, 420}, {}, {}, {}, {}};
    bool takes = true;
};

// The window's basic page holds the real parts; its advanced page only `page`.
class PageFrameTest : public ::testing::Test {
protected:
    PageFrameTest() : window(settings) {
        skinState().setSkin(QString(PELMORA_BIN_DIR) + "/Skins", "Default");
        skinState().setLanguage("");
        frame().hooks().frameAction = [this](FrameControl c) { actions.push_back(c); };
        frame().addPart(PageFrame::AdvancedPage, page);
        window.start();
    }
    ~PageFrameTest() override { skinState().setSkin(QString(), QString()); }
    PageFrame& frame() { return window.frame(); }
    QImage region(const Rect& r) { return window.frame().canvas().image().copy(toQRect(r)); }

    SettingsBlock settings = factorySettings();
    RecordingPart page;
    PageWindow window;
    std::vector<FrameControl> actions;
};

TEST_F(PageFrameTest, StartsOnTheBasicPageSizedToItsBackground) {
    EXPECT_EQ(frame().page(), PageFrame::BasicPage);
    EXPECT_EQ(window.size(), QSize(layout::kWindowWidth, layout::kWindowHeight));
}

TEST_F(PageFrameTest, TabOfThePageShownChangesNothing) {
    const QImage before = frame().canvas().image();
    const int presents = frame().canvas().presentCount();
    EXPECT_EQ(frame().leftButtonDown(centre(layout::kBasicTab)), PageFrame::Press::Frame);
    EXPECT_EQ(frame().page(), PageFrame::BasicPage);
    EXPECT_EQ(frame().canvas().presentCount(), presents);
    EXPECT_EQ(frame().canvas().image(), before);
    EXPECT_TRUE(actions.empty());
}

TEST_F(PageFrameTest, TabsSwitchBetweenThePages) {
    const QImage basic = frame().canvas().image();
    frame().leftButtonDown(centre(layout::kAdvancedTab));
    EXPECT_EQ(frame().page(), PageFrame::AdvancedPage);
    EXPECT_NE(frame().canvas().image(), basic);
    frame().leftButtonDown(centre(layout::kBasicTab));
    EXPECT_EQ(frame().page(), PageFrame::BasicPage);
    EXPECT_EQ(frame().canvas().image(), basic);
}

TEST_F(PageFrameTest, FrameAreasAreTestedFirstAndInOrder) {
    frame().drawAdvancedPage();
    // OK and Apply share the column x = 666: OK is tested first.
    frame().leftButtonDown({666, 630});
    frame().leftButtonDown(centre(layout::kCancelButton));
    frame().leftButtonDown(centre(layout::kCloseButton));
    frame().leftButtonDown(centre(layout::kWebLink));
    ASSERT_EQ(actions.size(), 4u);
    EXPECT_EQ(actions[0], FrameControl::Ok);
    EXPECT_EQ(actions[1], FrameControl::Cancel);
    EXPECT_EQ(actions[2], FrameControl::Close);
    EXPECT_EQ(actions[3], FrameControl::WebLink);
    EXPECT_TRUE(page.presses.empty());
    EXPECT_EQ(frame().lastPress(), centre(layout::kWebLink));
}

TEST_F(PageFrameTest, PagePressesGoToThePageAndMissesStartADrag) {
    frame().drawAdvancedPage();
    EXPECT_EQ(frame().leftButtonDown({300, 300}), PageFrame::Press::PageControl);
    EXPECT_EQ(page.presses, (std::vector<QPoint>{{300, 300}}));
    page.takes = false;
    window.show();
    QTest::mouseClick(&window, Qt::LeftButton, {}, {5, 120});
    EXPECT_EQ(window.dragCount(), 0); // a click never moves the window
    QTest::mousePress(&window, Qt::LeftButton, {}, {5, 120});
    QTest::mouseMove(&window, {5, 160});
    QTest::mouseRelease(&window, Qt::LeftButton, {}, {5, 160});
    EXPECT_EQ(window.dragCount(), 1);
    QTest::mouseClick(&window, Qt::LeftButton, {}, centre(layout::kOkButton));
    EXPECT_EQ(window.dragCount(), 1);
}

TEST_F(PageFrameTest, AnOpenListClosesBeforeTheClickedControlActs) {
    frame().drawAdvancedPage();
    DropDownList list(window, layout::keyBox(1), layout::keyList(1));
    list.setItems({"Left Click", "Right Click"});
    frame().addPageList(PageFrame::AdvancedPage, list);
    bool openWhenActing = true;
    page.onPress = [&] { openWhenActing = list.isOpen(); };
    list.open();
    frame().leftButtonDown(centre(layout::kModeBButton));
    EXPECT_FALSE(openWhenActing);
    EXPECT_FALSE(list.isOpen());

    // A press on the list's own box leaves it to the box's control.
    list.open();
    frame().leftButtonDown(centre(layout::keyBox(1)));
    EXPECT_TRUE(openWhenActing);
}

TEST_F(PageFrameTest, LeavingAPageDestroysItsChildWindows) {
    QPointer<QLabel> status = new QLabel("Standard", &window);
    DropDownList list(window, layout::keyBox(1), layout::keyList(1));
    frame().addPageChild(PageFrame::BasicPage, *status);
    frame().addPageList(PageFrame::BasicPage, list);
    list.open();

    frame().drawAdvancedPage();
    flushDeletes();
    EXPECT_TRUE(status.isNull());
    EXPECT_FALSE(list.isOpen());
    EXPECT_TRUE(window.findChildren<QListWidget*>().isEmpty());
}

TEST_F(PageFrameTest, PartsOfTheShownPageDrawHoverAndTakePressesInOrder) {
    RecordingPart first;
    RecordingPart second;
    frame().addPart(PageFrame::AdvancedPage, first);
    frame().addPart(PageFrame::AdvancedPage, second);
    frame().drawAdvancedPage();
    EXPECT_EQ(first.calls, (std::vector<std::string>{"enter", "draw"}));
    const auto& areas = frame().hover().areas();
    EXPECT_NE(std::find(areas.begin(), areas.end(), &second.area), areas.end());

    // The first part that takes the press ends the dispatch.
    page.takes = false;
    first.calls.clear();
    second.calls.clear();
    EXPECT_EQ(frame().leftButtonDown({410, 410}), PageFrame::Press::PageControl);
    EXPECT_EQ(page.presses.size(), 1U);
    EXPECT_EQ(first.calls, (std::vector<std::string>{"press"}));
    EXPECT_TRUE(second.calls.empty());
    first.takes = false;
    second.takes = false;
    EXPECT_EQ(frame().leftButtonDown({410, 410}), PageFrame::Press::Nothing);

    first.calls.clear();
    frame().drawBasicPage();
    EXPECT_EQ(first.calls, (std::vector<std::string>{"leave"}));
    const auto& basicAreas = frame().hover().areas();
    EXPECT_EQ(std::find(basicAreas.begin(), basicAreas.end(), &first.area), basicAreas.end());
}

TEST_F(PageFrameTest, RedrawingTheCurrentPageRebuildsIt) {
    frame().drawAdvancedPage();
    QPointer<QLabel> macroName = new QLabel(&window);
    frame().addPageChild(PageFrame::AdvancedPage, *macroName);
    page.calls.clear();
    const int presents = frame().canvas().presentCount();

    frame().redrawCurrentPage();
    flushDeletes();
    EXPECT_EQ(frame().page(), PageFrame::AdvancedPage);
    EXPECT_TRUE(macroName.isNull());
    EXPECT_EQ(std::count(page.calls.begin(), page.calls.end(), "enter"), 1);
    EXPECT_EQ(frame().canvas().presentCount(), presents + 1);
}

TEST_F(PageFrameTest, HoverMovesFromOkToApplyInOneRepaintAndLeavingRestores) {
    // OK and Apply share one column; each owns it while drawn last.
    const Rect okOwn{layout::kOkButton.left, layout::kOkButton.top, layout::kApplyButton.left,
                     layout::kOkButton.bottom};
    const QImage okNormal = region(okOwn);
    const Rect applyOwn{layout::kApplyButton.left + 1, layout::kApplyButton.top,
                        layout::kCancelButton.left, layout::kApplyButton.bottom};
    const QImage applyNormal = region(applyOwn);
    frame().hover().hoverAt(centre(layout::kOkButton));
    EXPECT_NE(region(okOwn), okNormal);
    const int presents = frame().canvas().presentCount();
    frame().hover().hoverAt(centre(layout::kApplyButton));
    EXPECT_EQ(frame().canvas().presentCount(), presents + 1);
    EXPECT_EQ(region(okOwn), okNormal);
    EXPECT_NE(region(applyOwn), applyNormal);
    frame().mouseMoved({440, 130});
    EXPECT_EQ(region(applyOwn), applyNormal);
}

TEST_F(PageFrameTest, EnterAndEscapeOnlyHide) {
    window.show();
    QTest::keyClick(&window, Qt::Key_Escape);
    EXPECT_FALSE(window.isVisible());
    window.show();
    QTest::keyClick(&window, Qt::Key_Return);
    EXPECT_FALSE(window.isVisible());
    EXPECT_FALSE(frame().preFilterKey(Qt::Key_A));
    // While the macro recorder runs on the advanced page every key is swallowed.
    frame().hooks().recording = [] { return true; };
    frame().drawAdvancedPage();
    EXPECT_TRUE(frame().preFilterKey(Qt::Key_A));
}

TEST_F(PageFrameTest, EveryBasicDrawingAsksTheShellFirst) {
    SettingsBlock other = factorySettings();
    PageWindow second(other);
    int calls = 0;
    second.frame().hooks().beforeBasicDrawing = [&] { ++calls; };
    second.start();
    second.frame().drawAdvancedPage();
    EXPECT_EQ(calls, 1);
    second.frame().drawBasicPage();
    second.frame().drawBasicPage(); // already shown: not drawn
    second.frame().redrawCurrentPage();
    EXPECT_EQ(calls, 3);
}

// Text pixels of an area: those that change with the text colour.
QRect textPixels(PageFrame& frame, const Rect& area) {
    skinState().setTextColour(QColor(255, 0, 0));
    frame.redrawCurrentPage();
    const QImage red = frame.canvas().image().copy(toQRect(area));
    skinState().setTextColour(QColor(0, 0, 255));
    frame.redrawCurrentPage();
    const QImage blue = frame.canvas().image().copy(toQRect(area));
    skinState().setTextColour(QColor(220, 224, 230));
    QRect found;
    for (int y = 0; y < red.height(); ++y) {
        for (int x = 0; x < red.width(); ++x) {
            if (red.pixel(x, y) != blue.pixel(x, y)) {
                found |= QRect(area.left + x, area.top + y, 1, 1);
            }
        }
    }
    return found;
}

TEST_F(PageFrameTest, DpiValuesColorAndSelectEndAt544) {
    for (const Rect& r : {layout::kColorLabel, layout::kSelectLabel, layout::dpiLevelLabel(1, 8),
                          layout::dpiLevelLabel(12, 12)}) {
        const QRect text = textPixels(frame(), {480, r.top, layout::kDpiColumnLeft[0], r.bottom});
        ASSERT_FALSE(text.isNull()) << r.top;
        EXPECT_GT(text.right(), r.right - 6) << r.top;
        EXPECT_LT(text.right(), r.right) << r.top;
        // Whole, not cut short: four digits fit in the Chinese fonts too.
        EXPECT_GE(text.left(), r.left) << r.top;
    }
}

TEST(PageFrameMissingSkinTest, APageWithoutItsImagesIsStillDrawn) {
    skinState().setSkin("/nonexistent", "Nothing");
    SettingsBlock settings = factorySettings();
    PageWindow window(settings);
    window.start();
    EXPECT_EQ(window.frame().page(), PageFrame::BasicPage);
    const QImage& canvas = window.frame().canvas().image();
    ASSERT_FALSE(canvas.isNull());
    // The texts are there even without pictures.
    bool anyText = false;
    const QImage title = canvas.copy(toQRect(layout::kPageTitle));
    for (int x = 0; x < title.width() && !anyText; ++x) {
        for (int y = 0; y < title.height() && !anyText; ++y) {
            anyText = title.pixel(x, y) != title.pixel(0, 0);
        }
    }
    EXPECT_TRUE(anyText);
    skinState().setSkin(QString(), QString());
}

} // namespace
} // namespace pelmora
