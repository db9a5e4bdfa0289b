// The skinned dialog base: sized to its picture, three working buttons with
// hover, and an undecorated fallback after "error" without its picture.
#include "ui/skin/dialog_layout.h"
#include "ui/skin/skinned_dialog.h"
#include "ui/test_skin.h"

#include <QTest>
#include <gtest/gtest.h>

namespace pelmora {
namespace {

class ProbeDialog : public CSkinnedDialog {
public:
    using CSkinnedDialog::CSkinnedDialog;
    int controls = 0;
    int clicks = 0;
    int listChecks = 0;

protected:
    void createControls() override { ++controls; }
    void closeListsIfMissed(const QPoint&) override { ++listChecks; }
    void clickAt(const QPoint&) override { ++clicks; }
};

QPoint centre(const Rect& r) {
    return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

class SkinnedDialogTest : public ::testing::Test {
protected:
    test::TestSkin skin;
    RecordingMessageSink messages;
};

TEST_F(SkinnedDialogTest, WithoutBackgroundItSaysErrorAndStillCloses) {
    ProbeDialog dialog("/single-key.png", "Single Key Dialog Load background image failed!!!",
                       messages);
    dialog.show();
    ASSERT_EQ(messages.messages.size(), 1u);
    // The program's text, then which image is missing from which folder.
    EXPECT_EQ(messages.messages[0].text.find("error\nThe image single-key.png is missing"), 0u);
    EXPECT_EQ(messages.messages[0].caption, "Single Key Dialog Load background image failed!!!");
    EXPECT_FALSE(dialog.backgroundLoaded());
    EXPECT_EQ(dialog.controls, 0); // initialisation ended early
    EXPECT_TRUE(dialog.okArea().caption.isEmpty());
    // Its buttons are reachable in the undecorated window.
    EXPECT_TRUE(dialog.rect().contains(centre(dialog_layout::kCancelButton)));
    QTest::mouseClick(&dialog, Qt::LeftButton, {}, centre(dialog_layout::kCloseButton));
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_FALSE(dialog.isVisible());
}

TEST_F(SkinnedDialogTest, BackgroundSizesTheWindowAndButtonsEndIt) {
    skin.write("/single-key.png", 410, 300, QColor(10, 10, 10));
    skin.write("/button-normal.png", 105, 21, QColor(50, 50, 50));
    skin.write("/button-over.png", 105, 21, QColor(0, 180, 220));
    ProbeDialog dialog("/single-key.png", "x", messages);
    dialog.show();
    EXPECT_TRUE(messages.messages.empty());
    EXPECT_EQ(dialog.size(), QSize(410, 300));
    EXPECT_EQ(dialog.controls, 1);
    EXPECT_EQ(dialog.okArea().caption, "OK");
    const QImage& c = dialog.canvas().image();
    EXPECT_EQ(c.pixel(dialog_layout::kOkButton.left + 1, dialog_layout::kOkButton.top + 1),
              qRgb(50, 50, 50));

    // Hover OK, then Cancel: Cancel lights and OK returns to normal.
    dialog.hover().hoverAt(centre(dialog_layout::kOkButton));
    EXPECT_EQ(c.pixel(dialog_layout::kOkButton.left + 1, dialog_layout::kOkButton.top + 1),
              qRgb(0, 180, 220));
    dialog.hover().hoverAt(centre(dialog_layout::kCancelButton));
    EXPECT_EQ(c.pixel(dialog_layout::kOkButton.left + 1, dialog_layout::kOkButton.top + 1),
              qRgb(50, 50, 50));
    EXPECT_EQ(c.pixel(dialog_layout::kCancelButton.right - 2, dialog_layout::kCancelButton.top + 1),
              qRgb(0, 180, 220));

    QTest::mouseClick(&dialog, Qt::LeftButton, {}, {20, 20});
    EXPECT_EQ(dialog.clicks, 1);
    EXPECT_EQ(dialog.listChecks, 1);
    QTest::mouseClick(&dialog, Qt::LeftButton, {}, centre(dialog_layout::kOkButton));
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
}

TEST_F(SkinnedDialogTest, ButtonTextsFollowTheLanguage) {
    EXPECT_EQ(dialogOkText("CHS"), "确定");
    EXPECT_EQ(dialogCancelText("TUR"), "İptal");
    EXPECT_EQ(dialogOkText("tur"), "OK");
}

TEST_F(SkinnedDialogTest, EnterIsOkAndEscapeIsCancel) {
    skin.write("/fire-key.png", 400, 290, QColor(10, 10, 10));
    ProbeDialog enter("/fire-key.png", "x", messages);
    enter.show();
    QTest::keyClick(&enter, Qt::Key_Enter);
    EXPECT_EQ(enter.result(), QDialog::Accepted);
    ProbeDialog escape("/fire-key.png", "x", messages);
    escape.show();
    QTest::keyClick(&escape, Qt::Key_Escape);
    EXPECT_EQ(escape.result(), QDialog::Rejected);
    EXPECT_FALSE(escape.isVisible());
}

TEST_F(SkinnedDialogTest, StaticTextsLetClicksThroughToTheDialog) {
    skin.write("/media-key.png", 400, 290, QColor(10, 10, 10));
    ProbeDialog dialog("/media-key.png", "x", messages);
    dialog.show();
    QLabel& text = dialog.addStaticText({43, 129, 135, 143}, Qt::AlignLeft);
    EXPECT_EQ(text.geometry(), QRect(43, 129, 92, 14));
    QTest::mouseClick(&text, Qt::LeftButton, {}, {10, 5});
    EXPECT_EQ(dialog.clicks, 1);
}

TEST_F(SkinnedDialogTest, ChildControlsAreWhiteOnDarkGrey) {
    ProbeDialog dialog("/none.png", "x", messages);
    QWidget child(&dialog);
    dialog.styleChild(child);
    EXPECT_TRUE(child.styleSheet().contains("#282828"));
    EXPECT_TRUE(child.styleSheet().contains("#ffffff"));
}

} // namespace
} // namespace pelmora
