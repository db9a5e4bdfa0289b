// The main dialog's initialisation: the mouse present or absent, failed
// steps, and a first run.

#include "shell_fixture.h"

#include "support/fifo_guard.h"

#include <QTest>
#include <gmock/gmock.h>

#include <fstream>

namespace pelmora::test {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

TEST_F(ShellTest, StartReadsTheMouseAndStartsTheListener) {
    writeConfig(sampleBlock());
    CTarvixDlg& d = start();

    EXPECT_THAT(log, ElementsAre("tray.install"));
    EXPECT_THAT(messages.messages, IsEmpty());
    EXPECT_TRUE(link->present());
    EXPECT_TRUE(link->listenerStarted());
    // The first read writes the basic settings back with bit 0x40 of option2.
    EXPECT_EQ(mouse->state().option2 & 0x40, 0x40);
    EXPECT_EQ(bytes(d.session().settings), bytes(sampleBlock()));
    EXPECT_EQ(bytes(d.session().backup.block), bytes(sampleBlock()));
    EXPECT_EQ(d.pageFrame().page(), PageFrame::BasicPage);
    EXPECT_TRUE(d.initialReadDone());
    EXPECT_EQ(tray.toolTip, QStringLiteral("Gaming Mouse Setting"));
    EXPECT_TRUE(tray.iconSet);
    EXPECT_EQ(tray.exitText, QStringLiteral("Exit"));
    EXPECT_TRUE(d.windowFlags().testFlag(Qt::Tool));
    EXPECT_TRUE(d.windowFlags().testFlag(Qt::FramelessWindowHint));
    EXPECT_EQ(d.size(), CTarvixDlg::kDefaultClientSize);

    // Starts as an icon only.
    d.startUp(false);
    EXPECT_FALSE(d.isVisible());
}

TEST_F(ShellTest, WithoutTheMouseWarnsAndLeavesTheListenerParked) {
    writeConfig(sampleBlock());
    mouse->unplug();
    CTarvixDlg& d = start();
    EXPECT_TRUE(tray.balloons.empty());
    QCoreApplication::processEvents();

    // The warning comes after the start, with the texts loaded.
    EXPECT_THAT(log, ElementsAre("tray.install", "tray.balloon"));
    EXPECT_FALSE(link->listenerStarted());
    ASSERT_EQ(tray.balloons.size(), 1u);
    EXPECT_EQ(tray.balloons[0].title, QStringLiteral("Warning"));
    EXPECT_TRUE(tray.balloons[0].text.startsWith("The system did not detect the gaming mouse!\n"));
    EXPECT_EQ(tray.balloons[0].icon, BalloonIcon::Warning);
    EXPECT_FALSE(link->present());
    EXPECT_EQ(d.pageFrame().page(), PageFrame::NoPage);
    EXPECT_FALSE(d.initialReadDone());
    // The settings are loaded all the same.
    EXPECT_EQ(bytes(d.session().settings), bytes(sampleBlock()));
}

TEST_F(ShellTest, AFailedHotplugMonitorStillLoadsTheSettings) {
    // Without the hot-plug monitor the program goes on: the settings must be
    // loaded, or OK would write zeros to the mouse and file.
    writeConfig(sampleBlock());
    backend->noMonitor = true;
    CTarvixDlg& d = start();

    ASSERT_EQ(messages.messages.size(), 1u);
    // The program's text, with what cannot be noticed now.
    EXPECT_EQ(messages.messages[0].text.rfind("RegisterDeviceNotification failed!!!\nPlugging", 0),
              0u);
    EXPECT_EQ(messages.messages[0].caption, "Pelmora");
    EXPECT_EQ(bytes(d.session().settings), bytes(sampleBlock()));
    EXPECT_EQ(d.pageFrame().page(), PageFrame::BasicPage);

    d.onFrameAction(FrameControl::Apply);
    ASSERT_TRUE(d.waitForApply());
    EXPECT_EQ(mouse->state().reportInterval, sampleBlock().reportInterval);
}

TEST_F(ShellTest, MissingConfigFileIsReportedAndSettingsStayZero) {
    CTarvixDlg& d = start();
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].text,
              "Config file is not exist.\n" +
                  configMissingHelp(root / "config.bin", Language::English));
    EXPECT_EQ(bytes(d.session().settings), bytes(SettingsBlock{}));
}

TEST_F(ShellTest, WithoutATrayTheWindowStartsShown) {
    writeConfig(sampleBlock());
    tray.available = false;
    start().startUp(false);
    EXPECT_TRUE(dlg->isVisible());
}

TEST_F(ShellTest, ShowOptionStartsShown) {
    writeConfig(sampleBlock());
    start().startUp(true);
    EXPECT_TRUE(dlg->isVisible());
}

TEST_F(ShellTest, AWindowShownWithoutTheMouseShowsItsPage) {
    // --show, or no tray: the page is drawn at once; the first read waits
    // for the mouse and is made when it arrives while the window is open.
    for (const bool trayAvailable : {true, false}) {
        SCOPED_TRACE(trayAvailable ? "--show" : "no tray");
        TearDown();
        SetUp();
        log.clear();
        quitStatus.reset();
        writeConfig(sampleBlock(), 0);
        mouse->unplug();
        tray.available = trayAvailable;
        CTarvixDlg& d = start();
        d.startUp(trayAvailable);
        ASSERT_TRUE(d.isVisible());
        EXPECT_EQ(d.pageFrame().page(), PageFrame::BasicPage);
        EXPECT_FALSE(d.initialReadDone());
        // Its close control is there and works.
        QTest::mouseClick(&d, Qt::LeftButton, {}, QPoint(855, 10));
        EXPECT_EQ(quitStatus, 0);
    }

    TearDown();
    SetUp();
    writeConfig(sampleBlock(), 0);
    mouse->unplug();
    CTarvixDlg& d = start();
    d.startUp(true);
    mouse->plug();
    QTRY_VERIFY(d.initialReadDone());
    EXPECT_TRUE(link->listenerStarted());
    EXPECT_EQ(mouse->state().option2 & 0x40, 0x40);
    EXPECT_EQ(d.session().preferences.labels.modeA[0], "Left Click"); // the first run's labels
}

TEST_F(ShellTest, APipeInPlaceOfTheBackgroundDoesNotHangTheStart) {
    writeConfig(sampleBlock());
    std::filesystem::create_directories(root / "Skins" / "Default");
    std::ofstream(root / "str.ini") << "[Skins]\nPath=Default\n";
    FifoGuard pipe(root / "Skins" / "Default" / "BasicSet2.png");
    ASSERT_TRUE(pipe.created());
    CTarvixDlg& d = start();
    d.startUp(true);
    EXPECT_EQ(d.size(), CTarvixDlg::kDefaultClientSize);
    EXPECT_EQ(d.pageFrame().page(), PageFrame::BasicPage);
    EXPECT_FALSE(pipe.released()) << "the start waited for the pipe's writer";
}

TEST_F(ShellTest, FirstRunWritesDefaultLabelsOnce) {
    writeConfig(sampleBlock(), 0);
    CTarvixDlg& d = start();
    EXPECT_EQ(d.session().firstRunFlag, 0);
    EXPECT_EQ(d.session().preferences.labels.modeA[0], "Left Click");
    EXPECT_EQ(d.session().preferences.labels.modeB[5], "DPI Loop");
    // and saved to str.ini
    EXPECT_EQ(readPreferences(root / "str.ini", "").labels, d.session().preferences.labels);
}

} // namespace
} // namespace pelmora::test
