// The multimedia and launch key dialogs: the choice and its text.
#include "keys/key_tables.h"
#include "ui/dialog_fixture.h"
#include "ui/keys/media_dialog.h"
#include "ui/keys/windows_dialog.h"
#include "ui/skin/dialog_layout.h"

namespace pelmora {
namespace {

using test::centre;

class ChoiceKeyDialogTest : public test::DialogTest {
protected:
    void clickOk(QDialog& dialog) {
        QTest::mouseClick(&dialog, Qt::LeftButton, {}, centre(dialog_layout::kOkButton));
    }
    void openList(QDialog& dialog) {
        QTest::mouseClick(&dialog, Qt::LeftButton, {}, centre(dialog_layout::kChoiceHeader));
    }
};

TEST_F(ChoiceKeyDialogTest, OkUntouchedGivesTheFirstEntryWithItsText) {
    CMediaDialog media(nullptr, messages);
    media.show();
    EXPECT_EQ(media.choiceDisplay()->text(), "Next");
    clickOk(media);
    EXPECT_EQ(media.result(), QDialog::Accepted);
    EXPECT_EQ(media.choicePosition, 0);
    EXPECT_EQ(media.chosenText, "Next");
    EXPECT_EQ(mediaUsage(0), 0xB5);

    skinState().setLanguage("CHT");
    CWindowsDialog launch(nullptr, messages);
    launch.show();
    clickOk(launch);
    EXPECT_EQ(launch.choicePosition, 0);
    EXPECT_EQ(launch.chosenText, "媒體播放器");
}

TEST_F(ChoiceKeyDialogTest, ChoosingVolMinusAndMail) {
    CMediaDialog media(nullptr, messages);
    media.show();
    openList(media);
    ASSERT_TRUE(media.choiceList().isOpen());
    EXPECT_EQ(media.choiceList().list()->count(), 7);
    clickRow(media.choiceList(), 6);
    EXPECT_FALSE(media.choiceList().isOpen());
    EXPECT_EQ(media.choicePosition, 6);
    EXPECT_EQ(media.chosenText, "Vol-");
    EXPECT_EQ(media.choiceDisplay()->text(), "Vol-");
    EXPECT_EQ(mediaUsage(6), 0xEA);
    clickOk(media);
    EXPECT_EQ(media.result(), QDialog::Accepted);

    CWindowsDialog launch(nullptr, messages);
    launch.show();
    // The header holds the chosen text; a click on that text opens the list.
    QTest::mouseClick(launch.choiceDisplay(), Qt::LeftButton, {}, {5, 5});
    ASSERT_TRUE(launch.choiceList().isOpen());
    EXPECT_EQ(launch.choiceList().list()->count(), 11);
    clickRow(launch.choiceList(), 1);
    EXPECT_EQ(launch.choicePosition, 1);
    EXPECT_EQ(launch.chosenText, "Mail");
    EXPECT_EQ(launchUsageLow(1), 0x8A);
    EXPECT_EQ(launchUsageHigh(1), 1);
}

TEST_F(ChoiceKeyDialogTest, OkWithTheListOpenClosesItAndEndsWithTheChoiceShown) {
    CWindowsDialog launch(nullptr, messages);
    launch.show();
    openList(launch);
    clickRow(launch.choiceList(), 4);
    openList(launch);
    ASSERT_TRUE(launch.choiceList().isOpen());
    clickOk(launch);
    EXPECT_FALSE(launch.choiceList().isOpen());
    EXPECT_EQ(launch.result(), QDialog::Accepted);
    EXPECT_EQ(launch.choicePosition, 4);
    EXPECT_EQ(launch.chosenText, "Browser-Search");
}

TEST_F(ChoiceKeyDialogTest, EscapeCancelsAndTheWheelIsLeftToTheList) {
    CMediaDialog media(nullptr, messages);
    media.show();
    openList(media);
    QWheelEvent wheel(QPointF(300, 60), media.mapToGlobal(QPointF(300, 60)), QPoint(),
                      QPoint(0, -120), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(&media, &wheel);
    EXPECT_EQ(media.choiceList().topRow(), 0);
    QTest::keyClick(&media, Qt::Key_Escape);
    EXPECT_EQ(media.result(), QDialog::Rejected);
}

TEST_F(ChoiceKeyDialogTest, WithoutTheirPicturesTheySaySo) {
    removeImage(skin_image::kMediaKeyBackground);
    removeImage(skin_image::kWindowsKeyBackground);
    CMediaDialog media(nullptr, messages);
    media.show();
    CWindowsDialog launch(nullptr, messages);
    launch.show();
    ASSERT_EQ(messages.messages.size(), 2u);
    EXPECT_EQ(messages.messages[0].caption, "Media Dialog Load background image failed!!!");
    EXPECT_EQ(messages.messages[1].caption, "Windows Dialog Load background image failed!!!");
    clickOk(media);
    EXPECT_EQ(media.chosenText, "Next");
}

} // namespace
} // namespace pelmora
