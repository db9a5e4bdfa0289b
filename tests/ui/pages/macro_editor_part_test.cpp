// The macro editor on the advanced page: its controls, the buttons, the
// mouse event list, the delay dialog and recording from the window's keys.
#include "macros/macro_store.h"
#include "ui/pages/macro_editor_part.h"
#include "ui/pages/page_layout.h"
#include "ui/skin/skin_state.h"

#include "support/scratch_folder.h"

#include <QKeyEvent>
#include <QTest>
#include <QWidget>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace pelmora {
namespace {

namespace L = layout;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

QPoint centre(const Rect& r) {
    return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

QStringList rows(const QListWidget* list) {
    QStringList r;
    for (int i = 0; list != nullptr && i < list->count(); ++i) {
        r << list->item(i)->text();
    }
    return r;
}

class MacroEditorPartTest : public ::testing::Test {
protected:
    MacroEditorPartTest() {
        skinState().setSkin(QString(PELMORA_BIN_DIR) + "/Skins", "Default");
        skinState().setLanguage("");
        window.resize(L::kWindowWidth, L::kWindowHeight);
        window.setWindowTitle("Pelmora");
        frame.addPart(PageFrame::AdvancedPage, part);
        frame.initialise();
    }
    ~MacroEditorPartTest() override { skinState().setSkin(QString(), QString()); }

    void showPage() {
        frame.drawAdvancedPage();
        window.show();
    }
    void click(const Rect& r) { frame.leftButtonDown(centre(r)); }
    std::vector<std::string> texts() const {
        std::vector<std::string> t;
        for (const auto& m : messages.messages) {
            t.push_back(m.text + " | " + m.caption);
        }
        return t;
    }

    testing::ScratchFolder folder;
    std::filesystem::path file = folder.path() / "record.ini";
    SettingsBlock settings{};
    RecordingMessageSink messages;
    QWidget window;
    PageFrame frame{window, settings};
    MacroEditorPart part{frame, settings, messages, file};
};

TEST_F(MacroEditorPartTest, ThePageListsTheMacrosAndTheFirstOnesEvents) {
    MacroStore store(file);
    std::string error;
    ASSERT_TRUE(store.save("first", "2", {"A   Dn", "50 ms", "A   Up"}, error));
    ASSERT_TRUE(store.save("second", "1", {"B   Dn"}, error));
    settings.macroData[0][1] = 2;
    showPage();
    EXPECT_EQ(rows(part.nameList()), QStringList({"first", "second"}));
    EXPECT_EQ(part.nameList()->currentRow(), 0);
    EXPECT_EQ(rows(part.eventList()), QStringList({"A   Dn", "50 ms", "A   Up"}));
    EXPECT_EQ(part.nameField()->text(), "first");
    EXPECT_EQ(part.loopField()->text(), "2");
    EXPECT_EQ(part.nameList()->geometry(), QRect(462, 220, 129, 292));

    // Choosing the second macro shows its events.
    QTest::mouseClick(part.nameList()->viewport(), Qt::LeftButton, {},
                      part.nameList()->visualItemRect(part.nameList()->item(1)).center());
    EXPECT_EQ(rows(part.eventList()), QStringList({"B   Dn"}));
    EXPECT_EQ(part.nameField()->text(), "second");

    // Leaving the page destroys the controls.
    frame.drawBasicPage();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(part.nameList(), nullptr);
}

TEST_F(MacroEditorPartTest, NewInsertConfirmAndDelete) {
    showPage();
    QTest::keyClicks(part.nameField(), "clicks");
    click(L::kNewMacroButton);
    EXPECT_EQ(rows(part.nameList()), QStringList({"clicks"}));

    click(L::kMouseEventBox);
    ASSERT_TRUE(part.mouseEvents().isOpen());
    QListWidget* list = part.mouseEvents().list();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(list->item(0)).center());
    EXPECT_EQ(part.mouseEventHeader()->text(), "L-Button Click");
    EXPECT_EQ(rows(part.eventList()),
              QStringList({"L-Button   Dn", "50 ms", "L-Button   Up", "50 ms"}));

    // The double-click on a delay runs the delay dialog.
    frame.dialogs().editDelay = [](QWidget&) {
        return std::optional<DelayResult>({20000, "20000"});
    };
    const QPoint delay = part.eventList()->visualItemRect(part.eventList()->item(1)).center();
    QTest::mouseClick(part.eventList()->viewport(), Qt::LeftButton, {}, delay);
    QTest::mouseDClick(part.eventList()->viewport(), Qt::LeftButton, {}, delay);
    EXPECT_EQ(part.eventList()->item(1)->text(), "10 ms");

    click(L::kConfirmMacroButton);
    EXPECT_THAT(MacroStore(file).load("clicks").items,
                ElementsAre("L-Button   Dn", "10 ms", "L-Button   Up", "50 ms"));
    EXPECT_EQ(settings.macroData[0][2], 0x01);
    EXPECT_EQ(settings.macroData[0][3], 0xF0);

    click(L::kDeleteMacroButton);
    EXPECT_EQ(part.nameList()->count(), 0);
    EXPECT_THAT(MacroStore(file).names(), IsEmpty());
    EXPECT_THAT(messages.messages, IsEmpty());
}

TEST_F(MacroEditorPartTest, RecordingTakesTheWindowsKeysAndNoKeyActsOnThePage) {
    int hides = 0;
    frame.hooks().hide = [&] { ++hides; };
    showPage();
    QTest::keyClicks(part.nameField(), "keys");
    click(L::kNewMacroButton);
    click(L::kStartRecordButton);
    ASSERT_TRUE(part.recording());
    EXPECT_EQ(window.windowTitle(), "Press Ctrl+Break key to stop recording");
    // The Enter that closed the "Start Recording" box comes up here.
    QTest::keyRelease(&window, Qt::Key_Return);
    QTest::keyClick(part.nameField(), Qt::Key_A);
    QTest::keyPress(&window, Qt::Key_Escape);
    QKeyEvent repeat(QEvent::KeyPress, Qt::Key_Escape, {}, QString(), true);
    QApplication::sendEvent(&window, &repeat);
    QTest::keyRelease(&window, Qt::Key_Escape);
    EXPECT_EQ(hides, 0);
    EXPECT_EQ(part.nameField()->text(), "keys");
    EXPECT_EQ(rows(part.eventList()).size(), 7);
    EXPECT_EQ(part.eventList()->currentRow(), 6);
    EXPECT_TRUE(rows(part.eventList()).at(0).endsWith("   Dn"));
    EXPECT_TRUE(rows(part.eventList()).at(6).endsWith("   Up"));

    click(L::kStopRecordButton);
    EXPECT_FALSE(part.recording());
    EXPECT_EQ(window.windowTitle(), "Pelmora");
    EXPECT_THAT(texts(), ElementsAre("Start Recording | Pelmora", "Stop Recording | Pelmora"));
    QTest::keyClick(&window, Qt::Key_B);
    EXPECT_EQ(rows(part.eventList()).size(), 7);

    // Leaving the page stops a recording without a message.
    click(L::kStartRecordButton);
    ASSERT_TRUE(part.recording());
    frame.drawBasicPage();
    EXPECT_FALSE(part.recording());
    EXPECT_EQ(window.windowTitle(), "Pelmora");
    EXPECT_EQ(messages.messages.size(), 3u);
}

TEST_F(MacroEditorPartTest, StartWithoutMacrosIsRefused) {
    showPage();
    click(L::kStartRecordButton);
    EXPECT_FALSE(part.recording());
    EXPECT_THAT(texts(), ElementsAre("Macro name is blank | Warning"));
    EXPECT_EQ(window.windowTitle(), "Pelmora");
}

} // namespace
} // namespace pelmora
