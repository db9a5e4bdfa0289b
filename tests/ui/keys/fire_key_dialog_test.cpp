// The fire key dialog after scripted use: key choice, speed and times.
#include "keys/key_tables.h"
#include "ui/dialog_fixture.h"
#include "ui/keys/fire_key_dialog.h"
#include "ui/skin/dialog_layout.h"

#include <QApplication>

namespace pelmora {
namespace {

using test::centre;

class FireKeyDialogTest : public test::DialogTest {
protected:
    void typeInto(QLineEdit* field, const QString& text) {
        field->setFocus();
        field->selectAll();
        QTest::keyClick(field, Qt::Key_Backspace);
        QTest::keyClicks(field, text);
    }
    void clickOk(CFireKeyDialog& dialog) {
        QTest::mouseClick(&dialog, Qt::LeftButton, {}, centre(dialog_layout::kOkButton));
    }
};

TEST_F(FireKeyDialogTest, OkUntouchedGivesTheFirstKeySpeed32AndOnce) {
    CFireKeyDialog dialog(nullptr, messages);
    dialog.show();
    // The key OK alone gives is shown, and named in the result.
    EXPECT_EQ(dialog.keyDisplay()->text(), "A");
    ASSERT_NE(dialog.speedField(), nullptr);
    EXPECT_EQ(dialog.speedField()->text(), "32");
    EXPECT_EQ(dialog.timesField()->text(), "1");
    clickOk(dialog);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.keyPosition, 0);
    EXPECT_EQ(dialog.speed, 32);
    EXPECT_EQ(dialog.times, 1);
    EXPECT_EQ(dialog.chosenKeyText, "A");
    EXPECT_TRUE(messages.messages.empty());
}

TEST_F(FireKeyDialogTest, SpeedIsCheckedWhenItsFieldLosesTheFocusAndOnOk) {
    CFireKeyDialog dialog(nullptr, messages);
    dialog.show();
    QApplication::setActiveWindow(&dialog);
    typeInto(dialog.speedField(), "4");
    EXPECT_EQ(dialog.speedField()->text(), "4"); // nothing happens while typing
    dialog.timesField()->setFocus();             // the focus moves on
    EXPECT_EQ(dialog.speedField()->text(), "5");
    EXPECT_EQ(dialog.speed, 5);
    typeInto(dialog.speedField(), "255");
    dialog.timesField()->setFocus();
    EXPECT_EQ(dialog.speed, 255);
    // The speed typed last counts, although its field still has the focus.
    typeInto(dialog.speedField(), "256");
    QTest::keyClick(dialog.speedField(), Qt::Key_Return); // Enter ends with OK
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.speed, 5);
    EXPECT_EQ(dialog.speedField()->text(), "5");
}

TEST_F(FireKeyDialogTest, TimesAreCheckedOnEveryChangeAndFieldsTakeDigitsOnly) {
    CFireKeyDialog dialog(nullptr, messages);
    dialog.show();
    typeInto(dialog.timesField(), "256");
    EXPECT_EQ(dialog.timesField()->text(), "1"); // at once
    EXPECT_EQ(dialog.times, 1);
    typeInto(dialog.timesField(), "0");
    EXPECT_EQ(dialog.times, 0); // repeat until released
    typeInto(dialog.timesField(), "");
    EXPECT_EQ(dialog.times, 0);
    typeInto(dialog.timesField(), "x1-2");
    EXPECT_EQ(dialog.timesField()->text(), "12");
    typeInto(dialog.speedField(), "9a");
    EXPECT_EQ(dialog.speedField()->text(), "9");
    QTest::keyClick(dialog.timesField(), Qt::Key_Escape);
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
}

TEST_F(FireKeyDialogTest, TheKeyListRestsTheFieldsScrollsByWheelAndGivesTheChoice) {
    CFireKeyDialog dialog(nullptr, messages);
    dialog.show();
    QApplication::setActiveWindow(&dialog);
    dialog.speedField()->setFocus();
    QTest::mouseClick(&dialog, Qt::LeftButton, {}, centre(dialog_layout::kUpperHeader));
    DropDownList& list = dialog.keyList();
    ASSERT_TRUE(list.isOpen());
    EXPECT_EQ(list.list()->count(), 61);
    EXPECT_FALSE(dialog.speedField()->isEnabled());
    EXPECT_FALSE(dialog.timesField()->isEnabled());
    EXPECT_FALSE(dialog.speedField()->hasFocus());
    // The wheel anywhere over the dialog scrolls the list three rows.
    QWheelEvent wheel(QPointF(300, 60), dialog.mapToGlobal(QPointF(300, 60)), QPoint(),
                      QPoint(0, -120), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(&dialog, &wheel);
    EXPECT_EQ(list.topRow(), 3);

    clickRow(list, 39); // "R-CTRL"
    EXPECT_FALSE(list.isOpen());
    EXPECT_EQ(dialog.keyPosition, 39);
    EXPECT_EQ(dialog.chosenKeyText, "R-CTRL");
    EXPECT_EQ(dialog.keyDisplay()->text(), "R-CTRL");
    EXPECT_EQ(fireKeyCode(static_cast<std::size_t>(dialog.keyPosition)), 0xE4);
    EXPECT_TRUE(dialog.speedField()->isEnabled());
    EXPECT_TRUE(dialog.timesField()->isEnabled());

    // A second header click closes the list again without a choice.
    QTest::mouseClick(&dialog, Qt::LeftButton, {}, centre(dialog_layout::kUpperHeader));
    QTest::mouseClick(&dialog, Qt::LeftButton, {}, centre(dialog_layout::kUpperHeader));
    EXPECT_FALSE(list.isOpen());
    EXPECT_EQ(dialog.keyPosition, 39);
    clickOk(dialog);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
}

TEST_F(FireKeyDialogTest, WithoutItsPictureItSaysSoAndStillEnds) {
    removeImage(skin_image::kFireKeyBackground);
    CFireKeyDialog dialog(nullptr, messages);
    dialog.show();
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].text.substr(0, 6), "error\n"); // then what is missing
    EXPECT_EQ(messages.messages[0].caption, "FireKey Dialog Load background image failed!!!");
    EXPECT_EQ(dialog.speedField(), nullptr);
    clickOk(dialog);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.speed, 32);
    EXPECT_EQ(dialog.times, 1);
}

} // namespace
} // namespace pelmora
