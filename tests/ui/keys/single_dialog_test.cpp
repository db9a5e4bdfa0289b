// The single key dialog: every key event names the physical key, the last one
// is the result, and no short key press ends the dialog; a held Enter or
// Escape does.
#include "key_events.h"
#include "ui/keys/key_event_name.h"
#include "ui/keys/single_dialog.h"
#include "ui/skin/dialog_layout.h"
#include "ui/skin/qt_rect.h"
#include "ui/skin/skin_state.h"
#include "ui/test_skin.h"

#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>

#include <cstdlib>

namespace pelmora {
namespace {

using namespace test;

QPoint centre(const Rect& r) {
    return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

class SingleDialogTest : public ::testing::Test {
protected:
    SingleDialogTest() {
        skin.write("/single-key.png", 400, 290, QColor(10, 10, 10));
        skin.write("/button-normal.png", 105, 21, QColor(50, 50, 50));
        skinState().setLanguage("EN");
    }
    ~SingleDialogTest() override { skinState().setLanguage(""); }

    TestSkin skin;
    RecordingMessageSink messages;
};

TEST_F(SingleDialogTest, OkUntouchedGivesAnEmptyName) {
    CSingleDialog dialog(nullptr, messages);
    dialog.show();
    EXPECT_TRUE(messages.messages.empty());
    EXPECT_EQ(dialog.size(), QSize(400, 290));
    QTest::mouseClick(&dialog, Qt::LeftButton, {}, centre(dialog_layout::kOkButton));
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.capturedKeyName, "");
}

TEST_F(SingleDialogTest, EveryEventReplacesTheNameAndTheLastOneCounts) {
    CSingleDialog dialog(nullptr, messages);
    dialog.show();
    sendKey(&dialog, QEvent::KeyPress, kXLeftShift, Qt::Key_Shift);
    EXPECT_EQ(dialog.capturedKeyName, "Shift");
    EXPECT_EQ(dialog.keyNameDisplay()->text(), "Shift");
    sendKey(&dialog, QEvent::KeyPress, kXA, Qt::Key_A, "A");
    sendKey(&dialog, QEvent::KeyRelease, kXLeftShift, Qt::Key_Shift);
    EXPECT_EQ(dialog.capturedKeyName, "Shift"); // the release came last
    sendKey(&dialog, QEvent::KeyRelease, kXA, Qt::Key_A, "A");
    EXPECT_EQ(dialog.capturedKeyName, "A");
    EXPECT_EQ(dialog.keyNameDisplay()->text(), "A");
    // The keypad's 1 with Num Lock off acts as End but is still "Num 1";
    // the right-hand keys have their own names.
    tapKey(&dialog, kXKeypad1, Qt::Key_End);
    EXPECT_EQ(dialog.capturedKeyName, "Num 1");
    tapKey(&dialog, kXRightCtrl, Qt::Key_Control);
    EXPECT_EQ(dialog.capturedKeyName, "Right Ctrl");
    tapKey(&dialog, kXGrave, Qt::Key_QuoteLeft, "`");
    EXPECT_EQ(dialog.capturedKeyName, "`");
    QTest::mouseClick(&dialog, Qt::LeftButton, {}, centre(dialog_layout::kOkButton));
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.capturedKeyName, "`");
}

TEST_F(SingleDialogTest, EnterEscapeF1TabAndWindowsKeysAreCapturedNotObeyed) {
    CSingleDialog dialog(nullptr, messages);
    dialog.show();
    const struct {
        quint32 xKeycode;
        int qtKey;
        const char* name;
    } keys[] = {{kXEnter, Qt::Key_Return, "Enter"},
                {kXEsc, Qt::Key_Escape, "Esc"},
                {kXF1, Qt::Key_F1, "F1"},
                {kXTab, Qt::Key_Tab, "Tab"},
                {kXLeftWindows, Qt::Key_Meta, "Left Windows"},
                {kXKeypadEnter, Qt::Key_Enter, "Num Enter"}};
    for (const auto& key : keys) {
        tapKey(&dialog, key.xKeycode, key.qtKey);
        EXPECT_TRUE(dialog.isVisible()) << key.name;
        EXPECT_EQ(dialog.capturedKeyName, key.name);
    }
    // Events sent to the dialog's child controls are captured the same way.
    tapKey(dialog.keyNameDisplay(), kXRightAlt, Qt::Key_AltGr);
    EXPECT_EQ(dialog.capturedKeyName, "Right Alt");
    EXPECT_EQ(dialog.result(), 0);
}

TEST_F(SingleDialogTest, HeldEnterIsOkAndHeldEscapeCancelAndNeitherIsCapturedNorPassedOn) {
    const struct {
        quint32 xKeycode;
        int qtKey;
        int result;
    } holds[] = {{kXEnter, Qt::Key_Return, QDialog::Accepted},
                 {kXKeypadEnter, Qt::Key_Enter, QDialog::Accepted},
                 {kXEsc, Qt::Key_Escape, QDialog::Rejected}};
    for (const auto& hold : holds) {
        QLineEdit under; // the window the dialog was opened from
        int returns = 0;
        QObject::connect(&under, &QLineEdit::returnPressed, [&returns] { ++returns; });
        CSingleDialog dialog(nullptr, messages);
        dialog.show();
        tapKey(&dialog, kXA, Qt::Key_A);
        sendKey(&dialog, QEvent::KeyPress, hold.xKeycode, hold.qtKey);
        QKeyEvent repeat(QEvent::KeyPress, hold.qtKey, Qt::NoModifier, hold.xKeycode, 0, 0, {},
                         true);
        QApplication::sendEvent(&dialog, &repeat);
        QTest::qWait(KeyCaptureDialog::kHoldToEndMs / 2);
        EXPECT_TRUE(dialog.isVisible()) << hold.xKeycode;
        QTest::qWait(KeyCaptureDialog::kHoldToEndMs);
        EXPECT_EQ(dialog.result(), hold.result) << hold.xKeycode;
        EXPECT_EQ(dialog.capturedKeyName, "A") << hold.xKeycode;
        // Still held: its repeats and its release go nowhere, the next press does.
        QApplication::sendEvent(&under, &repeat);
        sendKey(&under, QEvent::KeyRelease, hold.xKeycode, hold.qtKey);
        QCoreApplication::processEvents();
        QTest::keyClick(&under, Qt::Key_Return);
        EXPECT_EQ(returns, 1) << hold.xKeycode;
    }
}

TEST_F(SingleDialogTest, KeysOutsideTheTableShowTheDesktopsName) {
    CSingleDialog dialog(nullptr, messages);
    dialog.show();
    tapKey(&dialog, 0, Qt::Key_VolumeUp); // no scan code
    EXPECT_EQ(dialog.capturedKeyName, "Volume Up");
    tapKey(&dialog, 135, Qt::Key_Menu);
    EXPECT_EQ(dialog.capturedKeyName, "Application");
}

TEST_F(SingleDialogTest, LongNamesAreShownWholeAboutTheFieldsCentre) {
    CSingleDialog dialog(nullptr, messages);
    dialog.show();
    const QRect field = toQRect(dialog_layout::kCenteredField);
    tapKey(&dialog, 134, Qt::Key_Meta);
    ASSERT_EQ(dialog.capturedKeyName, "Right Windows");
    const QLabel* display = dialog.keyNameDisplay();
    EXPECT_GE(display->width(), display->fontMetrics().horizontalAdvance("Right Windows"));
    EXPECT_LE(std::abs(display->geometry().center().x() - field.center().x()), 1);
    tapKey(&dialog, kXA, Qt::Key_A);
    EXPECT_EQ(display->geometry(), field); // a short name keeps the field's rectangle
}

TEST_F(SingleDialogTest, EachRunStartsEmpty) {
    CSingleDialog dialog(nullptr, messages);
    dialog.show();
    tapKey(&dialog, kXA, Qt::Key_A);
    dialog.reject();
    dialog.show();
    EXPECT_EQ(dialog.capturedKeyName, "");
    EXPECT_EQ(dialog.keyNameDisplay()->text(), "");
}

TEST_F(SingleDialogTest, PromptIsDrawnIntoItsLine) {
    // In white.
    CSingleDialog dialog(nullptr, messages);
    dialog.show();
    const QImage& c = dialog.canvas().image();
    int white = 0;
    for (int x = dialog_layout::kSingleKeyPrompt.left; x < dialog_layout::kSingleKeyPrompt.right;
         ++x) {
        for (int y = dialog_layout::kSingleKeyPrompt.top;
             y < dialog_layout::kSingleKeyPrompt.bottom; ++y) {
            white += c.pixel(x, y) == qRgb(255, 255, 255) ? 1 : 0;
        }
    }
    EXPECT_GT(white, 20);
}

TEST_F(SingleDialogTest, WithoutItsPictureItSaysSoCapturesNothingAndStillCloses) {
    TestSkin empty; // a skin folder without images
    CSingleDialog dialog(nullptr, messages);
    dialog.show();
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].text.substr(0, 6), "error\n"); // then what is missing
    EXPECT_EQ(messages.messages[0].caption, "Single Key Dialog Load background image failed!!!");
    EXPECT_EQ(dialog.keyNameDisplay(), nullptr);
    tapKey(&dialog, kXEnter, Qt::Key_Return);
    tapKey(&dialog, kXA, Qt::Key_A);
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(dialog.capturedKeyName, "");
    QTest::mouseClick(&dialog, Qt::LeftButton, {}, centre(dialog_layout::kCloseButton));
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_FALSE(dialog.isVisible());
}

} // namespace
} // namespace pelmora
