// The drop-down list: open, close, hover selection and the choice.
#include "ui/skin/drop_down_list.h"
#include "ui/skin/qt_rect.h"

#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QWheelEvent>
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

QStringList numbers(int count) {
    QStringList many;
    for (int i = 0; i < count; ++i) {
        many << QString::number(i);
    }
    return many;
}

void turnWheel(QWidget* target, int delta) {
    const QPointF at(5, 5);
    QWheelEvent wheel(at, target->mapToGlobal(at), QPoint(), QPoint(0, delta), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(target, &wheel);
}

TEST_F(DropDownTest, RowsAreSixteenPixelsFromOnePixelBelowTheTopInTheWindowFont) {
    QFont font("DejaVu Sans");
    font.setPixelSize(14);
    window.setFont(font);
    drop.open();
    QListWidget* list = drop.list();
    EXPECT_FALSE(list->isWindow());
    EXPECT_EQ(list->parentWidget(), &window);
    for (int row = 0; row < list->count(); ++row) {
        const QRect r = list->visualItemRect(list->item(row));
        const QPoint topLeft = list->viewport()->mapTo(&window, r.topLeft());
        EXPECT_EQ(r.height(), DropDownList::kRowHeight) << row;
        EXPECT_EQ(topLeft.y(), drop.listRect().top + 1 + 16 * row) << row;
    }
    EXPECT_EQ(list->font().pixelSize(), 14);
    EXPECT_FALSE(list->verticalScrollBar()->isVisible());
    EXPECT_FALSE(list->horizontalScrollBar()->isVisible());
}

TEST_F(DropDownTest, ALongListScrollsThreeRowsPerNotchWithoutAScrollBar) {
    drop.setItems(numbers(61)); // like the fire keys: far more than the 100 pixels show
    drop.open();
    QListWidget* list = drop.list();
    EXPECT_FALSE(list->verticalScrollBar()->isVisible());
    // Hovering the partly shown last row selects it where it is.
    EXPECT_TRUE(drop.hoverSelect({50, drop.listRect().bottom - 2}));
    EXPECT_EQ(list->currentRow(), 6);
    EXPECT_EQ(drop.topRow(), 0);
    drop.scrollByWheel(-120); // one notification downwards
    EXPECT_EQ(drop.topRow(), 3);
    drop.scrollByWheel(0); // no delta counts as downwards
    EXPECT_EQ(drop.topRow(), 6);
    drop.scrollByWheel(120);
    EXPECT_EQ(drop.topRow(), 3);
    // The wheel over the list itself, in the same steps.
    turnWheel(list->viewport(), -120);
    EXPECT_EQ(drop.topRow(), 6);
    // A fine-grained wheel: parts of a notch add up to one step.
    for (int i = 0; i < 7; ++i) {
        turnWheel(list->viewport(), 15);
    }
    EXPECT_EQ(drop.topRow(), 6);
    turnWheel(list->viewport(), 15);
    EXPECT_EQ(drop.topRow(), 3);
    // The end of the list stops the scrolling; the last row is reachable.
    for (int i = 0; i < 40; ++i) {
        drop.scrollByWheel(-120);
    }
    EXPECT_TRUE(list->viewport()->rect().intersects(list->visualItemRect(list->item(60))));
}

TEST_F(DropDownTest, APressOnAnotherControlOfTheWindowClosesTheList) {
    QSignalSpy changes(&drop, &DropDownList::openChanged);
    QLineEdit field(&window);
    field.setGeometry(150, 150, 80, 20);
    field.show();
    drop.open();
    QTest::mouseClick(&field, Qt::LeftButton, {}, {5, 5});
    EXPECT_FALSE(drop.isOpen());
    ASSERT_EQ(changes.count(), 2);
    EXPECT_TRUE(changes.at(0).at(0).toBool());
    EXPECT_FALSE(changes.at(1).at(0).toBool());
    // A press in another window leaves it alone.
    QWidget other;
    other.resize(50, 50);
    other.show();
    drop.open();
    QTest::mouseClick(&other, Qt::LeftButton, {}, {5, 5});
    EXPECT_TRUE(drop.isOpen());
}

} // namespace
} // namespace pelmora
