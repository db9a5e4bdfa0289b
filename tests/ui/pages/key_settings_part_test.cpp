// The key settings part on a page window: the boxes and their labels, the
// mode buttons, the key lists (one at a time, the left-button guard), the
// DPI switch list beside "DPI Switch", the dialogs and Default.
#include "ui/pages/key_settings_part.h"

#include "settings/factory_settings.h"
#include "ui/pages/page_layout.h"
#include "ui/skin/qt_rect.h"
#include "ui/skin/skin_state.h"

#include <QListWidget>
#include <QTest>

#include <gtest/gtest.h>
#include <vector>

namespace pelmora {
namespace {

QPoint centre(const Rect& r) {
    return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

class FakeDialogs final : public KeyDialogs {
public:
    std::optional<KeyDialogResult> run(std::uint8_t function, QWidget&) override {
        runs.push_back(function);
        return answer;
    }
    std::vector<int> runs;
    std::optional<KeyDialogResult> answer;
};

// A window with a page frame and nothing but the part on the basic page.
class Host : public QWidget {
public:
    explicit Host(SettingsBlock& settings) : frame(*this, settings) {
        setFixedSize(layout::kWindowWidth, layout::kWindowHeight);
    }
    PageFrame frame;
};

class KeySettingsPartTest : public ::testing::Test {
protected:
    KeySettingsPartTest() : window(settings) {
        skinState().setSkin(QString(PELMORA_BIN_DIR) + "/Skins", "Default");
        skinState().setLanguage("");
        frame().dialogs().keys = &dialogs;
        frame().addPart(PageFrame::BasicPage, part);
        frame().initialise();
        frame().drawBasicPage();
        window.show();
    }
    ~KeySettingsPartTest() override { skinState().setSkin(QString(), QString()); }

    PageFrame& frame() { return window.frame; }
    QImage region(const Rect& r) { return frame().canvas().image().copy(toQRect(r)); }
    PageFrame::Press pressBox(int n) { return frame().leftButtonDown(centre(layout::keyBox(n))); }
    // The row of an open list in page pixels.
    QPoint rowPoint(DropDownList& list, int row) {
        QListWidget* w = list.list();
        return w->viewport()->mapTo(&window, w->visualItemRect(w->item(row)).center());
    }
    void clickRow(DropDownList& list, int row) {
        QListWidget* w = list.list();
        ASSERT_NE(w, nullptr);
        const QPoint at = w->visualItemRect(w->item(row)).center();
        list.hoverSelect(w->viewport()->mapTo(&window, at));
        QTest::mouseClick(w->viewport(), Qt::LeftButton, {}, at);
    }
    int openLists() {
        int open = 0;
        for (int n = 1; n <= 6; ++n) {
            open += part.keyList(n).isOpen() ? 1 : 0;
        }
        return open;
    }

    SettingsBlock settings = factorySettings();
    ButtonLabels labels = firstRunLabels(Language::English);
    RecordingMessageSink messages;
    FakeDialogs dialogs;
    Host window;
    KeySettingsPart part{window.frame, settings, labels, messages};
};

TEST_F(KeySettingsPartTest, TheLeftButtonGuardKeepsTheLastLeftClick) {
    EXPECT_EQ(pressBox(1), PageFrame::Press::PageControl);
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].text, "Left key must be selected!");
    EXPECT_EQ(messages.messages[0].caption, "Warning");
    EXPECT_EQ(openLists(), 0);

    EXPECT_EQ(pressBox(2), PageFrame::Press::PageControl);
    EXPECT_TRUE(part.keyList(2).isOpen());
    EXPECT_EQ(part.keyList(2).list()->count(), 16);
    EXPECT_EQ(part.keyList(2).list()->item(15)->text(), "Key Off");
    EXPECT_EQ(messages.messages.size(), 1u);
}

TEST_F(KeySettingsPartTest, OneKeyListAtATimeAndItsBoxClosesIt) {
    pressBox(6);
    EXPECT_TRUE(part.keyList(6).isOpen());
    pressBox(5); // box 5 lies above list 6
    EXPECT_FALSE(part.keyList(6).isOpen());
    EXPECT_TRUE(part.keyList(5).isOpen());
    pressBox(5);
    EXPECT_EQ(openLists(), 0);
}

TEST_F(KeySettingsPartTest, ChoosingForwardStoresItAndRedrawsTheBox) {
    const QImage before = region(layout::keyBox(2));
    pressBox(2);
    clickRow(part.keyList(2), 3);
    EXPECT_EQ(settings.keyBlockA.keyFunction[1], 3);
    EXPECT_EQ(labels.modeA[1], "Forward");
    EXPECT_EQ(settings.keyBlockB.keyFunction[1], 1);
    EXPECT_EQ(openLists(), 0);
    EXPECT_NE(region(layout::keyBox(2)), before);
}

TEST_F(KeySettingsPartTest, ModeButtonsSwitchTheBoxesToTheOtherLabels) {
    labels.modeB[0] = "Macro Key-Reload";
    const QImage modeA = region(layout::keyBox(1));
    frame().leftButtonDown(centre(layout::kModeBButton));
    EXPECT_EQ(settings.keyMode, 1);
    EXPECT_NE(region(layout::keyBox(1)), modeA);
    frame().leftButtonDown(centre(layout::kModeAButton));
    EXPECT_EQ(settings.keyMode, 0);
    EXPECT_EQ(region(layout::keyBox(1)), modeA);
}

TEST_F(KeySettingsPartTest, ALongLabelStaysInsideItsBox) {
    const Rect box = layout::keyBox(3);
    const Rect beside{box.right, box.top, box.right + 80, box.bottom};
    const QImage empty = region(beside);
    labels.modeA[2] = "Combo Key-Right Ctrl+Num Enter+Right Windows Right Windows Right Windows";
    frame().redrawCurrentPage();
    EXPECT_EQ(region(beside), empty);
}

TEST_F(KeySettingsPartTest, NumbersStartAtTheBoxsLeftAndHoverDoesNotPileUpLabels) {
    const Rect box = layout::keyBox(1);
    const Rect numberArea{box.left, box.top, box.left + layout::kKeyBoxNumberWidth, box.bottom};
    skinState().setTextColour(QColor(255, 0, 0));
    frame().redrawCurrentPage();
    const QImage red = region(numberArea);
    skinState().setTextColour(QColor(220, 224, 230));
    frame().redrawCurrentPage();
    const QImage normal = region(numberArea);
    int firstColumn = -1;
    for (int x = 0; x < red.width() && firstColumn < 0; ++x) {
        for (int y = 0; y < red.height(); ++y) {
            if (red.pixel(x, y) != normal.pixel(x, y)) {
                firstColumn = x;
                break;
            }
        }
    }
    ASSERT_GE(firstColumn, 0);
    EXPECT_LT(firstColumn, 5);

    labels.modeA[1] = "Combo Key-Right Ctrl+Num Enter+Right Windows Right Windows";
    frame().redrawCurrentPage();
    const QImage page = frame().canvas().image();
    for (int i = 0; i < 3; ++i) {
        frame().hover().hoverAt(centre(layout::keyBox(2)));
        frame().mouseMoved({440, 130});
    }
    EXPECT_EQ(frame().canvas().image(), page);
}

TEST_F(KeySettingsPartTest, HoveringDpiSwitchShowsTheSideListAndDpiPlusGoesToModeB) {
    frame().leftButtonDown(centre(layout::kModeBButton));
    const KeyBlock modeA = settings.keyBlockA;
    pressBox(4);
    DropDownList& list = part.keyList(4);
    ASSERT_TRUE(list.isOpen());
    EXPECT_TRUE(list.hoverSelect(rowPoint(list, 6)));
    DropDownList& dpi = part.dpiSwitchList();
    ASSERT_TRUE(dpi.isOpen());
    const QRect row6 = list.list()->visualItemRect(list.list()->item(6));
    const int rowTop = list.list()->viewport()->mapTo(&window, row6.topLeft()).y();
    EXPECT_EQ(dpi.list()->geometry(), QRect(layout::keyList(4).right, rowTop, 60, 60));
    EXPECT_EQ(dpi.list()->count(), 3);

    // Any other row removes it again; back on "DPI Switch" it returns.
    list.hoverSelect(rowPoint(list, 5));
    EXPECT_FALSE(dpi.isOpen());
    list.hoverSelect(rowPoint(list, 6));
    ASSERT_TRUE(dpi.isOpen());

    clickRow(dpi, 0);
    EXPECT_EQ(settings.keyBlockB.keyFunction[3], 6);
    EXPECT_EQ(settings.dpiSwitchParamB[3], 1);
    EXPECT_EQ(labels.modeB[3], "DPI +");
    EXPECT_EQ(settings.keyBlockA, modeA);
    EXPECT_EQ(labels.modeA[3], "Forward");
    EXPECT_FALSE(dpi.isOpen());
    EXPECT_EQ(openLists(), 0);
}

TEST_F(KeySettingsPartTest, ClickingDpiSwitchKeepsBothListsOpen) {
    pressBox(3);
    clickRow(part.keyList(3), 6);
    EXPECT_TRUE(part.keyList(3).isOpen());
    EXPECT_TRUE(part.dpiSwitchList().isOpen());
    EXPECT_EQ(settings.keyBlockA.keyFunction[2], 2);
    // A press on the page surface removes both.
    frame().leftButtonDown({150, 400});
    EXPECT_FALSE(part.dpiSwitchList().isOpen());
    EXPECT_EQ(openLists(), 0);
}

TEST_F(KeySettingsPartTest, DialogResultIsStoredAndCancelChangesNothing) {
    const SettingsBlock before = settings;
    const ButtonLabels beforeLabels = labels;
    pressBox(2);
    clickRow(part.keyList(2), 11); // "Single Key", then Cancel
    EXPECT_EQ(dialogs.runs, std::vector<int>{11});
    EXPECT_EQ(settings, before);
    EXPECT_EQ(labels, beforeLabels);
    EXPECT_EQ(openLists(), 0);

    dialogs.answer = SingleKeyResult{"F5"};
    pressBox(2);
    clickRow(part.keyList(2), 11);
    EXPECT_EQ(settings.keyBlockA.keyFunction[1], 11);
    EXPECT_EQ(settings.keyBlockA.singleKeyCode[1], 0x3E);
    EXPECT_EQ(labels.modeA[1], "Single Key-F5");
}

TEST_F(KeySettingsPartTest, DefaultRestoresFunctionsAndLabels) {
    settings.keyBlockA.keyFunction[1] = 13;
    settings.keyBlockA.macroNumber[1] = 4;
    labels.modeA[1] = "Macro Key-Reload";
    frame().leftButtonDown(centre(layout::kKeyDefaultButton));
    EXPECT_EQ(settings.keyBlockA.keyFunction[1], 1);
    EXPECT_EQ(settings.keyBlockA.macroNumber[1], 4);
    EXPECT_EQ(labels.modeA[1], "Right Click");
}

TEST_F(KeySettingsPartTest, BoxesAreLitOnlyOnTheBasicPage) {
    frame().hover().hoverAt(centre(layout::keyBox(3)));
    EXPECT_TRUE(part.keyBox(3).hovered);
    frame().drawAdvancedPage();
    EXPECT_FALSE(part.keyBox(3).hovered);
    const int presents = frame().canvas().presentCount();
    frame().hover().hoverAt(centre(layout::keyBox(3)));
    EXPECT_EQ(frame().canvas().presentCount(), presents);
}

TEST_F(KeySettingsPartTest, LeavingThePageClosesTheLists) {
    pressBox(4);
    part.keyList(4).hoverSelect(rowPoint(part.keyList(4), 6));
    frame().drawAdvancedPage();
    EXPECT_EQ(openLists(), 0);
    EXPECT_FALSE(part.dpiSwitchList().isOpen());
}

} // namespace
} // namespace pelmora
