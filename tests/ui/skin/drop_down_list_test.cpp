// The drop-down list: open, close, hover selection and the choice.
#include "ui/skin/drop_down_list.h"
#include "ui/skin/qt_rect.h"

#include <QApplication>
#include <QListWidget>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>

namespace pelmora {
namespace {

int liveLists(QWidget& w) {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return static_cast<int>(w.findChildren<QListWidget*>().size());
}

class DropDownTest : public ::testing::Test {
protected:
    DropDownTest() : drop(window, {10, 10, 110, 25}, {10, 26, 110, 126}) {
        window.resize(300, 200);
        drop.setItems({"Left Click", "Right Click", "Mid Click", "Forward"});
        window.show();
    }
    QWidget window;
    DropDownList drop;
};

TEST_F(DropDownTest, HeaderClickOpensAndClosesTheList) {
    EXPECT_FALSE(drop.isOpen());
    drop.toggle();
    ASSERT_TRUE(drop.isOpen());
    ASSERT_NE(drop.list(), nullptr);
    EXPECT_EQ(drop.list()->count(), 4);
    EXPECT_EQ(drop.list()->geometry(), toQRect(drop.listRect()));
    EXPECT_EQ(liveLists(window), 1);
    drop.toggle();
    EXPECT_FALSE(drop.isOpen());
    EXPECT_EQ(liveLists(window), 0);
}

TEST_F(DropDownTest, AClickElsewhereClosesButNotOnHeaderOrList) {
    drop.open();
    EXPECT_FALSE(drop.closeIfMissed({50, 15}));  // header
    EXPECT_FALSE(drop.closeIfMissed({50, 100})); // list
    EXPECT_TRUE(drop.isOpen());
    EXPECT_TRUE(drop.closeIfMissed({200, 150}));
    EXPECT_FALSE(drop.isOpen());
    EXPECT_FALSE(drop.closeIfMissed({200, 150})); // nothing left to close
}

TEST_F(DropDownTest, HoverSelectsWithoutChoosing) {
    QSignalSpy chosen(&drop, &DropDownList::chosen);
    drop.open();
    QListWidget* list = drop.list();
    const QRect second = list->visualItemRect(list->item(1));
    const QPoint inOwner = list->viewport()->mapTo(&window, second.center());
    EXPECT_TRUE(drop.hoverSelect(inOwner));
    EXPECT_EQ(list->currentRow(), 1);
    EXPECT_FALSE(drop.hoverSelect({250, 150}));
    EXPECT_EQ(chosen.count(), 0);
    EXPECT_TRUE(drop.isOpen());
}

TEST_F(DropDownTest, ClickOnAnItemIsTheChoiceAndDestroysTheList) {
    QSignalSpy chosen(&drop, &DropDownList::chosen);
    drop.open();
    QListWidget* list = drop.list();
    // The hover selection put the row under the cursor already; the click
    // still counts as the choice.
    const QPoint third = list->visualItemRect(list->item(2)).center();
    drop.hoverSelect(list->viewport()->mapTo(&window, third));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, third);
    ASSERT_EQ(chosen.count(), 1);
    EXPECT_EQ(chosen.at(0).at(0).toInt(), 2);
    EXPECT_EQ(chosen.at(0).at(1).toString(), "Mid Click");
    EXPECT_FALSE(drop.isOpen());
    EXPECT_EQ(liveLists(window), 0);
}

TEST_F(DropDownTest, WheelScrollsThreeLinesPerNotch) {
    QStringList many;
    for (int i = 0; i < 40; ++i) {
        many << QString::number(i);
    }
    drop.setItems(many);
    drop.open();
    auto* bar = drop.list()->verticalScrollBar();
    drop.list()->setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    drop.scrollByWheel(-120);
    EXPECT_EQ(bar->value(), 3);
    drop.scrollByWheel(120);
    EXPECT_EQ(bar->value(), 0);
}

} // namespace
} // namespace pelmora
