// The delay dialog returns what was typed, as number and text.
#include "ui/dialog_fixture.h"
#include "ui/keys/delay_time_dialog.h"

namespace pelmora {
namespace {

class DelayTimeDialogTest : public test::DialogTest {};

TEST_F(DelayTimeDialogTest, ReturnsTheValueAndTextAsTyped) {
    CDelayTimeDialog dialog(nullptr, messages);
    dialog.show();
    ASSERT_NE(dialog.delayField(), nullptr);
    EXPECT_EQ(dialog.delayValue, 0);
    EXPECT_TRUE(dialog.delayText.isEmpty());
    QTest::keyClicks(dialog.delayField(), "2a0000"); // digits only
    EXPECT_EQ(dialog.delayText, "20000");
    EXPECT_EQ(dialog.delayValue, 20000); // above 10000: the editor decides
    dialog.delayField()->clear();
    EXPECT_EQ(dialog.delayValue, 0);
    EXPECT_TRUE(dialog.delayText.isEmpty());
    QTest::keyClicks(dialog.delayField(), "50");
    QTest::keyClick(dialog.delayField(), Qt::Key_Enter);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.delayValue, 50);
}

TEST_F(DelayTimeDialogTest, WithoutItsPictureItSaysSo) {
    removeImage(skin_image::kDelayTimeBackground);
    CDelayTimeDialog dialog(nullptr, messages);
    dialog.show();
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].caption, "DelayTime Dialog Load background image failed!!!");
    EXPECT_EQ(dialog.delayField(), nullptr);
}

} // namespace
} // namespace pelmora
