// The notification-area icon, balloons for the mouse's events, and hot-plug.

#include "shell_fixture.h"

#include "settings/shell_messages.h"

#include <QTest>
#include <gmock/gmock.h>

#include <fstream>

namespace pelmora::test {
namespace {

// Clears the mark the read of the basic settings leaves on the mouse (bit
// 0x40 of option2), so that a test can see whether the window read it again.
void clearReadMark(sim::SimulatedMouse& mouse) {
    sim::SimMouseState state = mouse.state();
    state.option2 = 0;
    mouse.setState(state);
}

bool readMarked(const sim::SimulatedMouse& mouse) {
    return (mouse.state().option2 & 0x40) != 0;
}

TEST_F(ShellTest, FirstClickOnTheIconOpensTheBasicPage) {
    writeConfig(sampleBlock());
    mouse->unplug();
    CTarvixDlg& d = start();
    d.startUp(false);
    mouse->plug(); // the mouse came without a page drawn
    QTRY_VERIFY(link->present());

    tray.click();
    EXPECT_TRUE(d.isVisible());
    EXPECT_EQ(d.pageFrame().page(), PageFrame::BasicPage);
    EXPECT_TRUE(d.initialReadDone());
    clearReadMark(*mouse);
    tray.click(); // a second click reads nothing again
    EXPECT_FALSE(readMarked(*mouse));
}

TEST_F(ShellTest, PageDrawnWithoutTheMouseLeavesTheFirstReadToIt) {
    // Drawn while the window is hidden and the mouse away, the basic page
    // reads nothing; the mouse's arrival then still starts the listener, and
    // the next opening makes the first read.
    writeConfig(sampleBlock());
    mouse->unplug();
    CTarvixDlg& d = start();
    d.startUp(false);
    d.drawBasicPage();
    EXPECT_EQ(d.pageFrame().page(), PageFrame::BasicPage);
    EXPECT_FALSE(d.initialReadDone());

    mouse->plug();
    QTRY_VERIFY(link->present());
    EXPECT_TRUE(link->listenerStarted());

    clearReadMark(*mouse);
    tray.click();
    EXPECT_TRUE(d.initialReadDone());
    EXPECT_TRUE(readMarked(*mouse));
    EXPECT_EQ(d.pageFrame().page(), PageFrame::BasicPage);
}

TEST_F(ShellTest, ClickWithoutTheMouseOnlyWarns) {
    writeConfig(sampleBlock());
    mouse->unplug();
    CTarvixDlg& d = start();
    QCoreApplication::processEvents();
    tray.balloons.clear();
    tray.click();
    EXPECT_FALSE(d.isVisible());
    ASSERT_EQ(tray.balloons.size(), 1u);
    EXPECT_EQ(tray.balloons[0].text,
              QStringLiteral("The system did not detect the gaming mouse!\n") +
                  QString::fromUtf8(shellMessage(ShellMessage::PlugInAdvice, Language::English)));
}

TEST_F(ShellTest, NotDetectedSaysWhyWhenTheMouseIsThereButUnusable) {
    writeConfig(sampleBlock());
    std::ofstream(root / "str.ini") << "[Skins]\nLan=TUR\n";
    backend->denyOpen = true;
    start();
    QCoreApplication::processEvents();
    tray.balloons.clear();
    tray.click();
    ASSERT_EQ(tray.balloons.size(), 1u);
    EXPECT_EQ(
        tray.balloons[0].text,
        QString::fromUtf8("Fare algılanamadı, lütfen önce farenizi takın!\n") +
            QString::fromUtf8(mouseProblemText(MouseProblem::NoPermission, Language::Turkish)) +
            '\n' + QString::fromUtf8(shellMessage(ShellMessage::PlugInAdvice, Language::Turkish)));
}

TEST_F(ShellTest, ExitFromTheMenuEndsWithZeroEvenWithAPageOpen) {
    writeConfig(sampleBlock());
    CTarvixDlg& d = start();
    d.startUp(true);
    tray.chooseExit();
    EXPECT_EQ(quitStatus, 0);
    EXPECT_FALSE(d.isVisible());
    EXPECT_FALSE(tray.installed);
    // The listener is gone: the mouse's events reach nobody.
    EXPECT_FALSE(link->listenerStarted());
}

struct EventRow {
    int type;
    int value;
    const char* text; // nullptr: no balloon
};

class BalloonTest : public ShellTest, public ::testing::WithParamInterface<EventRow> {};

TEST_P(BalloonTest, ListenerEventShowsItsBalloon) {
    SettingsBlock block = sampleBlock(); // levels 1, 3, 5, 7: "800", "1600", "2400", "3200"
    writeConfig(block);
    start();
    tray.balloons.clear();
    const EventRow row = GetParam();
    // The mouse reports it; a key matrix switch after it marks the end.
    mouse->raiseEvent(row.type, row.value);
    mouse->raiseEvent(8, 2);
    QTRY_VERIFY(!tray.balloons.empty() &&
                tray.balloons.back().text == QStringLiteral("Switch to key matrix 2"));
    if (row.text == nullptr) {
        EXPECT_EQ(tray.balloons.size(), 1u);
        return;
    }
    ASSERT_EQ(tray.balloons.size(), 2u);
    EXPECT_EQ(tray.balloons[0].text, QString::fromUtf8(row.text));
    EXPECT_EQ(tray.balloons[0].title, QStringLiteral("Info"));
    EXPECT_EQ(tray.balloons[0].icon, BalloonIcon::Information);
    EXPECT_EQ(tray.balloons[0].milliseconds, 5000);
}

INSTANTIATE_TEST_SUITE_P(EventRows, BalloonTest,
                         ::testing::Values(EventRow{5, 1, "Switch report rate into 1000HZ"},
                                           EventRow{5, 2, "Switch report rate into 500HZ"},
                                           EventRow{5, 4, "Switch report rate into 250HZ"},
                                           EventRow{5, 8, "Switch report rate into 125HZ"},
                                           EventRow{5, 3, nullptr},
                                           EventRow{7, 1, "Switch DPI into the first stage 800"},
                                           EventRow{7, 2, "Switch DPI into the second stage 1600"},
                                           EventRow{7, 3, "Switch DPI into the third stage 2400"},
                                           EventRow{7, 4, "Switch DPI into the fourth stage 3200"},
                                           EventRow{7, 5, nullptr}, EventRow{7, 0, nullptr},
                                           EventRow{8, 1, "Switch to key matrix 1"},
                                           EventRow{8, 3, nullptr},
                                           EventRow{9, 12, "Switch to macro key12"},
                                           EventRow{9, 0, nullptr}, EventRow{6, 1, nullptr}));

TEST_F(ShellTest, BalloonsAndTheMenuSpeakTheActiveLanguage) {
    writeConfig(sampleBlock());
    std::ofstream(root / "str.ini") << "[Skins]\nLan=TUR\n";
    start();
    EXPECT_EQ(tray.exitText, QString::fromUtf8("Çıkış"));
    tray.balloons.clear();
    mouse->raiseEvent(8, 1);
    QTRY_COMPARE(tray.balloons.size(), 1u);
    EXPECT_EQ(tray.balloons[0].text, QString::fromUtf8("1. Tuş matrisine geç"));
}

TEST_F(ShellTest, ListenerEventsArriveInOrder) {
    writeConfig(sampleBlock());
    start();
    tray.balloons.clear();
    mouse->raiseEvent(5, 1);
    mouse->raiseEvent(8, 2);
    mouse->raiseEvent(9, 3);
    QTRY_COMPARE(tray.balloons.size(), 3u);
    EXPECT_EQ(tray.balloons[0].text, QStringLiteral("Switch report rate into 1000HZ"));
    EXPECT_EQ(tray.balloons[1].text, QStringLiteral("Switch to key matrix 2"));
    EXPECT_EQ(tray.balloons[2].text, QStringLiteral("Switch to macro key3"));
}

TEST_F(ShellTest, ArrivalReadsTheMouseAndWakesTheListener) {
    writeConfig(sampleBlock());
    mouse->unplug();
    start();
    QCoreApplication::processEvents();
    EXPECT_FALSE(link->listenerStarted());
    mouse->plug();
    QTRY_VERIFY(link->present());
    EXPECT_TRUE(link->listenerStarted());
    EXPECT_TRUE(readMarked(*mouse));
}

TEST_F(ShellTest, RemovalWarnsHidesAndMarksTheMouseAbsent) {
    writeConfig(sampleBlock());
    CTarvixDlg& d = start();
    d.startUp(true);
    tray.balloons.clear();
    mouse->unplug();
    QTRY_VERIFY(!link->present());
    EXPECT_FALSE(d.isVisible());
    ASSERT_EQ(tray.balloons.size(), 1u);
    EXPECT_EQ(tray.balloons[0].title, QStringLiteral("Warning"));
    EXPECT_TRUE(tray.balloons[0].text.startsWith(
        QStringLiteral("The system did not detect the gaming mouse!")));

    // Plugged back in, it is read again.
    clearReadMark(*mouse);
    mouse->plug();
    QTRY_VERIFY(link->present());
    EXPECT_TRUE(readMarked(*mouse));
}

} // namespace
} // namespace pelmora::test
