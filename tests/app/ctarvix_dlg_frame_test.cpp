// Clicks on the frame of the main window, keys, and closing by the window manager.

#include "shell_fixture.h"

#include "settings/shell_messages.h"
#include "settings/transfer_texts.h"

#include <QDesktopServices>
#include <QLabel>
#include <QTest>
#include <QUrl>

#include <algorithm>
#include <fstream>
#include <gmock/gmock.h>

#include <fstream>
#include <sys/stat.h>

namespace pelmora::test {
namespace {

using ::testing::Contains;
using ::testing::Not;

class UrlCatcher : public QObject {
    Q_OBJECT
public:
    QList<QUrl> urls;
public slots:
    void open(const QUrl& url) { urls.push_back(url); }
};

class FrameTest : public ShellTest {
protected:
    CTarvixDlg& shown() {
        writeConfig(sampleBlock());
        CTarvixDlg& d = start();
        d.startUp(true);
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&d));
        return d;
    }
    // A click, and the end of the transfer it may have started.
    void click(int x, int y) {
        QTest::mouseClick(dlg.get(), Qt::LeftButton, {}, QPoint(x, y));
        EXPECT_TRUE(dlg->waitForApply());
    }
};

TEST_F(FrameTest, ApplyWritesTheMouseEachTimeAndKeepsTheWindowOpen) {
    CTarvixDlg& d = shown();
    d.session().settings.reportInterval = 8;
    click(667, 630); // first pixel of Apply that OK does not cover
    EXPECT_EQ(mouse->state().reportInterval, 8);
    d.session().settings.reportInterval = 1;
    click(770, 643); // Apply and Cancel overlap here; Apply is tested first
    EXPECT_EQ(mouse->state().reportInterval, 1);
    EXPECT_EQ(d.session().backup.block.reportInterval, 1);
    EXPECT_TRUE(d.isVisible());
}

TEST_F(FrameTest, AFailedSaveOfTheLabelsIsToldInTheWindow) {
    CTarvixDlg& d = shown();
    std::filesystem::create_directory(root / "str.ini");
    d.session().settings.reportInterval = 8;
    click(700, 630);
    EXPECT_EQ(mouse->state().reportInterval, 8);
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].text.rfind((root / "str.ini").string() + " was not saved: ", 0),
              0u);
    EXPECT_EQ(d.session().backup.block, d.session().settings); // what did save stays saved
}

TEST_F(FrameTest, AMouseAnotherProgramKeepsGetsNothingAndTheEditsStay) {
    std::ofstream(root / "str.ini") << "[Skins]\nLan=CHT\n";
    CTarvixDlg& d = shown();
    keptByAnotherProgram(true);
    d.session().settings.reportInterval = 8;
    click(562, 623); // OK acts as Apply: the window stays
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].text,
              mouseBusyText(MouseBusy::NothingSent, Language::TraditionalChinese));
    EXPECT_EQ(d.session().settings.reportInterval, 8);
    EXPECT_EQ(d.session().backup.block.reportInterval, 2);
    EXPECT_NE(mouse->state().reportInterval, 8);
    EXPECT_TRUE(d.isVisible());
}

TEST_F(FrameTest, TheFirstReadWaitsForTheMouseFromATimerAndGivesUpAfterTheWait) {
    writeConfig(sampleBlock());
    keptByAnotherProgram(true);
    CTarvixDlg& d = start();
    EXPECT_TRUE(d.readWaiting());
    d.onFrameAction(FrameControl::Apply); // waits as for a transfer
    EXPECT_FALSE(d.applyRunning());
    QTRY_VERIFY(!d.readWaiting());
    EXPECT_FALSE(d.initialReadDone());
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].text, mouseBusyText(MouseBusy::NotRead, Language::English));
    // The next opening reads again, and the mouse freed meanwhile is read.
    tray.click();
    EXPECT_TRUE(d.readWaiting());
    keptByAnotherProgram(false);
    QTRY_VERIFY(d.initialReadDone());
    EXPECT_FALSE(d.readWaiting());
}

TEST_F(FrameTest, OkAppliesAndHides) {
    CTarvixDlg& d = shown();
    d.session().settings.reportInterval = 8;
    click(562, 623);
    EXPECT_EQ(mouse->state().reportInterval, 8);
    EXPECT_FALSE(d.isVisible());
}

TEST_F(FrameTest, WithoutTheMouseOkAndApplySaySoAndKeepTheEdits) {
    // Started without the mouse (first run), edited, OK and Apply: refused in
    // the language, the window stays; the mouse's arrival keeps the edits.
    std::ofstream(root / "str.ini") << "[Skins]\nLan=CHT\n";
    writeConfig(sampleBlock(), 0);
    mouse->unplug();
    CTarvixDlg& d = start();
    d.startUp(true);
    auto statusShown = [&d](const QString& text) {
        const auto labels = d.findChildren<QLabel*>();
        return std::any_of(labels.begin(), labels.end(), [&](const QLabel* label) {
            return label->isVisible() && label->text() == text;
        });
    };
    const QString status =
        QString::fromUtf8(shellMessage(ShellMessage::NoMouseStatus, Language::TraditionalChinese));
    EXPECT_TRUE(statusShown(status));
    d.session().settings.reportInterval = 4;
    d.session().preferences.labels.modeA[1] = "Edited";
    messages.messages.clear();
    click(600, 630); // OK
    click(700, 630); // Apply
    ASSERT_EQ(messages.messages.size(), 2u);
    EXPECT_EQ(messages.messages[0].text,
              applyRefusalText(ApplyRefusal::NoMouse, Language::TraditionalChinese));
    EXPECT_TRUE(d.isVisible());

    mouse->plug();
    QTRY_VERIFY(d.initialReadDone());
    EXPECT_FALSE(statusShown(status));
    EXPECT_EQ(d.session().settings.reportInterval, 4);
    EXPECT_EQ(d.session().preferences.labels.modeA[1], "Edited");
    click(700, 630);
    EXPECT_EQ(mouse->state().reportInterval, 4);
}

TEST_F(FrameTest, OkAndApplyRefuseSettingsThatWereNeverLoaded) {
    // A missing, wrongly sized or unreadable config.bin leaves the block
    // empty: sending it would wipe the mouse, saving it the user's file.
    const std::vector<std::pair<std::string, std::function<void(const std::filesystem::path&)>>>
        damage = {
            {"missing", [](const std::filesystem::path&) {}},
            {"wrong size", [](const std::filesystem::path& f) { std::ofstream(f) << "short"; }},
            {"unreadable", [](const std::filesystem::path& f) { ::mkfifo(f.c_str(), 0600); }},
        };
    for (const auto& [name, makeFile] : damage) {
        SCOPED_TRACE(name);
        TearDown();
        SetUp();
        std::ofstream(root / "str.ini") << "[Skins]\nLan=TUR\n";
        makeFile(root / "config.bin");
        const auto before = std::filesystem::status(root / "config.bin").type();
        CTarvixDlg& d = start();
        d.startUp(true);
        messages.messages.clear();

        click(600, 630); // OK
        click(700, 630); // Apply
        ASSERT_EQ(messages.messages.size(), 2u);
        EXPECT_EQ(messages.messages[0].text,
                  shellMessage(ShellMessage::SettingsNotLoaded, Language::Turkish));
        EXPECT_EQ(messages.messages[0].caption, "Pelmora");
        EXPECT_EQ(std::filesystem::status(root / "config.bin").type(), before);
        if (name == "wrong size") {
            EXPECT_EQ(std::filesystem::file_size(root / "config.bin"), 5u);
        }
        // The window stays open and usable.
        EXPECT_TRUE(d.isVisible());
        click(90, 78);
        EXPECT_EQ(d.pageFrame().page(), PageFrame::AdvancedPage);
    }
}

TEST_F(FrameTest, CancelRestoresTheBackupAndTheNextOpeningRedraws) {
    CTarvixDlg& d = shown();
    d.session().settings.dpiLevel[2] = 0;
    d.session().settings.keyBlockB.keyFunction[5] = 9;
    click(874, 630);
    EXPECT_EQ(bytes(d.session().settings), bytes(sampleBlock()));
    EXPECT_TRUE(d.cancelPending());
    EXPECT_FALSE(d.isVisible());

    d.drawAdvancedPage();
    tray.click();
    EXPECT_FALSE(d.cancelPending());
    EXPECT_EQ(d.pageFrame().page(), PageFrame::AdvancedPage);
    EXPECT_TRUE(d.isVisible());
}

TEST_F(FrameTest, TabsSwitchPages) {
    CTarvixDlg& d = shown();
    click(70, 58);
    EXPECT_EQ(d.pageFrame().page(), PageFrame::AdvancedPage);
    click(59, 97);
    EXPECT_EQ(d.pageFrame().page(), PageFrame::BasicPage);
    click(60, 60); // between the tabs: no tab
    EXPECT_EQ(d.pageFrame().page(), PageFrame::BasicPage);
}

TEST_F(FrameTest, MinimiseHidesIntoTheTray) {
    CTarvixDlg& d = shown();
    click(830, 10);
    EXPECT_FALSE(d.isVisible());
    EXPECT_FALSE(quitStatus.has_value());
}

TEST_F(FrameTest, MinimiseWithoutATrayIconifies) {
    tray.available = false;
    CTarvixDlg& d = shown();
    click(830, 10);
    EXPECT_TRUE(d.isMinimized());
}

TEST_F(FrameTest, WithoutATrayNothingHidesTheWindowForGood) {
    // No notification area: the window lives in the task bar, and what would
    // hide it iconifies it. Coming back after Cancel redraws from the backup.
    tray.available = false;
    CTarvixDlg& d = shown();
    EXPECT_FALSE(d.windowFlags().testFlag(Qt::Tool));
    for (Qt::Key key : {Qt::Key_Escape, Qt::Key_Return}) {
        d.showNormal();
        QTest::keyClick(&d, key);
        EXPECT_TRUE(d.isMinimized()) << key;
        EXPECT_TRUE(d.isVisible()) << key;
    }
    d.showNormal();
    d.session().settings.dpiLevel[0] = 6;
    const int presents = d.pageFrame().canvas().presentCount();
    click(874, 630); // Cancel
    EXPECT_TRUE(d.isMinimized());
    EXPECT_TRUE(d.cancelPending());
    d.showNormal();
    EXPECT_FALSE(d.cancelPending());
    EXPECT_GT(d.pageFrame().canvas().presentCount(), presents);
    click(600, 630); // OK
    EXPECT_TRUE(d.isMinimized());
    // The mouse's removal leaves it as it is.
    d.showNormal();
    mouse->unplug();
    QTRY_VERIFY(!link->present());
    EXPECT_FALSE(d.isMinimized());
    EXPECT_TRUE(d.isVisible());
}

TEST_F(FrameTest, CloseAreaTearsDownAndEndsWithZero) {
    shown();
    click(867, 22);
    EXPECT_EQ(quitStatus, 0);
    EXPECT_FALSE(link->listenerStarted());
    EXPECT_FALSE(link->linkState().commandHandle);
    EXPECT_THAT(log, Contains("tray.remove"));
}

TEST_F(FrameTest, WebLinkOpensTheAddress) {
    UrlCatcher catcher;
    QDesktopServices::setUrlHandler("https", &catcher, "open");
    QDesktopServices::setUrlHandler("http", &catcher, "open");
    shown();
    click(300, 640);
    QDesktopServices::unsetUrlHandler("https");
    QDesktopServices::unsetUrlHandler("http");
    ASSERT_EQ(catcher.urls.size(), 1);
    EXPECT_TRUE(catcher.urls[0].isValid());
    EXPECT_FALSE(catcher.urls[0].host().isEmpty());
}

TEST_F(FrameTest, EnterAndEscapeOnlyHide) {
    for (Qt::Key key : {Qt::Key_Escape, Qt::Key_Return, Qt::Key_Enter}) {
        if (!dlg) {
            shown();
        }
        dlg->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(dlg.get()));
        QTest::keyClick(dlg.get(), key);
        EXPECT_FALSE(dlg->isVisible()) << key;
        EXPECT_FALSE(quitStatus.has_value());
    }
    QTest::keyClick(dlg.get(), Qt::Key_A); // other keys do nothing
    EXPECT_FALSE(quitStatus.has_value());
}

TEST_F(FrameTest, KeysGoThroughThePageFramesPreFilter) {
    // While the advanced page records a macro, every key is the recorder's:
    // Escape does not hide the window.
    CTarvixDlg& d = shown();
    bool recording = true;
    d.pageFrame().hooks().recording = [&] { return recording; };
    d.drawAdvancedPage();
    QTest::keyClick(&d, Qt::Key_Escape);
    EXPECT_TRUE(d.isVisible());
    recording = false;
    QTest::keyClick(&d, Qt::Key_Escape);
    EXPECT_FALSE(d.isVisible());
}

TEST_F(FrameTest, TheWindowComesBackWhereItWasHidden) {
    CTarvixDlg& d = shown();
    d.move(40, 50);
    QTest::keyClick(&d, Qt::Key_Escape);
    ASSERT_FALSE(d.isVisible());
    tray.click();
    ASSERT_TRUE(d.isVisible());
    EXPECT_EQ(d.pos(), QPoint(40, 50));
    // An explicit place: the window manager is not asked to place it anew.
    EXPECT_TRUE(d.testAttribute(Qt::WA_Moved));
}

TEST_F(FrameTest, WindowManagerCloseOnlyHides) {
    CTarvixDlg& d = shown();
    EXPECT_FALSE(d.close());
    EXPECT_FALSE(d.isVisible());
    EXPECT_FALSE(quitStatus.has_value());
    EXPECT_TRUE(tray.installed);
    EXPECT_TRUE(link->listenerStarted());
    EXPECT_TRUE(link->linkState().commandHandle);
}

} // namespace
} // namespace pelmora::test

#include "ctarvix_dlg_frame_test.moc"
