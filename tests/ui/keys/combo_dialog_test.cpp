// The combo key dialog: keys land in the focused field, the modifier list
// takes the fields out of play while it is open, and no key ends the dialog.
#include "key_events.h"
#include "ui/keys/combo_dialog.h"
#include "ui/skin/dialog_layout.h"
#include "ui/skin/qt_rect.h"
#include "ui/skin/skin_state.h"
#include "ui/test_skin.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>
#include <gtest/gtest.h>

namespace pelmora {
namespace {

using namespace test;

QPoint centre(const Rect& r) {
    return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

class ComboDialogTest : public ::testing::Test {
protected:
    ComboDialogTest() {
        skin.write("/combo-key.png", 400, 290, QColor(10, 10, 10));
        skin.write("/button-normal.png", 105, 21, QColor(50, 50, 50));
        dialog.show();
    }

    // Where the keyboard's events go now.
    QWidget* keyTarget() {
        return dialog.focusWidget() != nullptr ? dialog.focusWidget() : &dialog;
    }
    void clickHeader() {
        QTest::mouseClick(&dialog, Qt::LeftButton, {}, centre(dialog_layout::kUpperHeader));
    }
    void chooseRow(int row) {
        QListWidget* list = dialog.modifierList().list();
        ASSERT_NE(list, nullptr);
        const QPoint at = list->visualItemRect(list->item(row)).center();
        dialog.modifierList().hoverSelect(list->viewport()->mapTo(&dialog, at));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
    }

    TestSkin skin;
    RecordingMessageSink messages;
    CComboDialog dialog{nullptr, messages};
};

TEST_F(ComboDialogTest, OkUntouchedGivesEmptyResults) {
    EXPECT_TRUE(messages.messages.empty());
    QTest::mouseClick(&dialog, Qt::LeftButton, {}, centre(dialog_layout::kOkButton));
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.modifierName, "");
    EXPECT_EQ(dialog.firstKeyName, "");
    EXPECT_EQ(dialog.secondKeyName, "");
    EXPECT_EQ(dialog.modifierPosition, -1);
}

TEST_F(ComboDialogTest, KeysGoIntoTheFocusedFieldOnly) {
    // The first field has the focus when the dialog opens.
    ASSERT_EQ(dialog.focusWidget(), dialog.firstKeyField());
    tapKey(keyTarget(), kXRightCtrl, Qt::Key_Control);
    EXPECT_EQ(dialog.firstKeyName, "Right Ctrl");
    EXPECT_EQ(dialog.firstKeyField()->text(), "Right Ctrl");
    // A key with text does not type into the field: it shows the name only.
    tapKey(keyTarget(), kXA, Qt::Key_A, "a");
    EXPECT_EQ(dialog.firstKeyField()->text(), "A");
    // Nor does a paste (the middle button on X11).
    dialog.firstKeyField()->insert("pasted");
    EXPECT_EQ(dialog.firstKeyField()->text(), "A");

    QTest::mouseClick(dialog.secondKeyField(), Qt::LeftButton);
    ASSERT_EQ(dialog.focusWidget(), dialog.secondKeyField());
    tapKey(keyTarget(), kXKeypadEnter, Qt::Key_Enter);
    tapKey(keyTarget(), kXEsc, Qt::Key_Escape);
    tapKey(keyTarget(), kXTab, Qt::Key_Tab);
    EXPECT_TRUE(dialog.isVisible());                          // Enter and Escape are keys here
    EXPECT_EQ(dialog.focusWidget(), dialog.secondKeyField()); // Tab moved nothing
    EXPECT_EQ(dialog.secondKeyName, "Tab");
    EXPECT_EQ(dialog.firstKeyName, "A");

    // Keys sent to the dialog itself count for the focused field too (the
    // keyboard grab delivers them there).
    tapKey(&dialog, kXLeftWindows, Qt::Key_Meta);
    EXPECT_EQ(dialog.secondKeyName, "Left Windows");
    const QLineEdit* second = dialog.secondKeyField();
    EXPECT_GE(second->width(), second->fontMetrics().horizontalAdvance("Left Windows"));
    // The open modifier list covers the fields whole, however long their names.
    clickHeader();
    EXPECT_TRUE(toQRect(dialog_layout::kComboModifierList).contains(second->geometry()));
    clickHeader();
    EXPECT_GE(second->width(), second->fontMetrics().horizontalAdvance("Left Windows"));
    QTest::mouseClick(dialog.secondKeyField(), Qt::LeftButton);

    QTest::mouseClick(&dialog, Qt::LeftButton, {}, centre(dialog_layout::kOkButton));
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.firstKeyName, "A");
    EXPECT_EQ(dialog.secondKeyName, "Left Windows");
}

TEST_F(ComboDialogTest, NothingIsCapturedWhileNoFieldHasTheFocus) {
    dialog.setFocus();
    tapKey(&dialog, kXA, Qt::Key_A);
    EXPECT_EQ(dialog.firstKeyName, "");
    EXPECT_EQ(dialog.secondKeyName, "");
}

TEST_F(ComboDialogTest, ModifierListTakesTheFieldsOutOfPlayUntilAChoice) {
    const QStringList expected = {"Left Ctrl",  "Left Shift",  "Left Alt",  "Left Win",
                                  "Right Ctrl", "Right Shift", "Right Alt", "Right Win"};
    clickHeader();
    ASSERT_TRUE(dialog.modifierList().isOpen());
    QListWidget* list = dialog.modifierList().list();
    ASSERT_EQ(list->count(), 8);
    for (int i = 0; i < 8; ++i) {
        EXPECT_EQ(list->item(i)->text(), expected[i]);
    }
    EXPECT_EQ(list->geometry(), toQRect(dialog_layout::kComboModifierList));
    EXPECT_FALSE(dialog.firstKeyField()->isEnabled());
    EXPECT_FALSE(dialog.secondKeyField()->isEnabled());
    EXPECT_NE(dialog.focusWidget(), dialog.firstKeyField());
    tapKey(keyTarget(), kXA, Qt::Key_A);
    EXPECT_EQ(dialog.firstKeyName, "");

    chooseRow(6);
    EXPECT_FALSE(dialog.modifierList().isOpen());
    EXPECT_EQ(dialog.modifierName, "Right Alt");
    EXPECT_EQ(dialog.modifierPosition, 6);
    EXPECT_EQ(dialog.modifierDisplay()->text(), "Right Alt");
    EXPECT_TRUE(dialog.firstKeyField()->isEnabled());
    EXPECT_TRUE(dialog.secondKeyField()->isEnabled());

    // The focus stays with the dialog until the user clicks into a field.
    tapKey(keyTarget(), kXA, Qt::Key_A);
    EXPECT_EQ(dialog.firstKeyName, "");
    QTest::mouseClick(dialog.firstKeyField(), Qt::LeftButton);
    tapKey(keyTarget(), kXA, Qt::Key_A);
    EXPECT_EQ(dialog.firstKeyName, "A");
    QTest::mouseClick(&dialog, Qt::LeftButton, {}, centre(dialog_layout::kOkButton));
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.modifierName, "Right Alt");
}

TEST_F(ComboDialogTest, HeaderTwiceOrAPressElsewhereClosesWithoutAChoice) {
    clickHeader();
    clickHeader();
    EXPECT_FALSE(dialog.modifierList().isOpen());
    EXPECT_TRUE(dialog.firstKeyField()->isEnabled());
    clickHeader();
    QTest::mouseClick(&dialog, Qt::LeftButton, {}, {300, 150});
    EXPECT_FALSE(dialog.modifierList().isOpen());
    EXPECT_TRUE(dialog.secondKeyField()->isEnabled());
    EXPECT_EQ(dialog.modifierName, "");
    EXPECT_EQ(dialog.modifierDisplay()->text(), "");
    // A press on OK while the list is open closes it and ends the dialog.
    clickHeader();
    QTest::mouseClick(&dialog, Qt::LeftButton, {}, centre(dialog_layout::kOkButton));
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_FALSE(dialog.modifierList().isOpen());
}

TEST_F(ComboDialogTest, EachRunStartsEmpty) {
    clickHeader();
    chooseRow(0);
    QTest::mouseClick(dialog.firstKeyField(), Qt::LeftButton);
    tapKey(keyTarget(), kXA, Qt::Key_A);
    dialog.reject();
    dialog.show();
    EXPECT_EQ(dialog.modifierName, "");
    EXPECT_EQ(dialog.modifierPosition, -1);
    EXPECT_EQ(dialog.firstKeyName, "");
    EXPECT_EQ(dialog.firstKeyField()->text(), "");
    EXPECT_EQ(dialog.modifierDisplay()->text(), "");
    EXPECT_EQ(dialog.focusWidget(), dialog.firstKeyField());
}

TEST(ComboDialogFallback, WithoutItsPictureItSaysSoAndStillCloses) {
    TestSkin empty;
    RecordingMessageSink messages;
    CComboDialog dialog(nullptr, messages);
    dialog.show();
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].text.substr(0, 6), "error\n"); // then what is missing
    EXPECT_EQ(messages.messages[0].caption, "Combo Dialog Load background image failed!!!");
    tapKey(&dialog, kXEsc, Qt::Key_Escape);
    EXPECT_TRUE(dialog.isVisible());
    // Its header still opens the list, and a choice is still taken.
    QTest::mouseClick(&dialog, Qt::LeftButton, {}, centre(dialog_layout::kUpperHeader));
    QListWidget* list = dialog.modifierList().list();
    ASSERT_NE(list, nullptr);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(list->item(7)).center());
    EXPECT_EQ(dialog.modifierName, "Right Win");
    QTest::mouseClick(&dialog, Qt::LeftButton, {}, centre(dialog_layout::kCancelButton));
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
}

} // namespace
} // namespace pelmora
