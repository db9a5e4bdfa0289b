// The macro key dialog: the macros with a slot, the loop mode, and OK with
// and without macros.
#include "macros/macro_store.h"
#include "support/scratch_folder.h"
#include "ui/dialog_fixture.h"
#include "ui/macros/macro_dialog.h"
#include "ui/skin/dialog_layout.h"

namespace pelmora {
namespace {

using test::centre;

class MacroDialogTest : public test::DialogTest {
protected:
    void writeMacros(int count) {
        std::string ini;
        for (int i = 1; i <= count; ++i) {
            ini += "[Macro" + std::to_string(i) + "]\nMacroLoopTimes=1\nItemCount=0\n";
        }
        folder.write("record.ini", ini);
    }
    void clickOk(QDialog& dialog) {
        QTest::mouseClick(&dialog, Qt::LeftButton, {}, centre(dialog_layout::kOkButton));
    }

    testing::ScratchFolder folder;
    MacroStore store{folder / "record.ini"};
};

TEST_F(MacroDialogTest, ListsTheMacrosThatHaveASlotAndGivesTheChoice) {
    writeMacros(13);
    CMacroDialog dialog(store, nullptr, messages);
    dialog.show();
    QTest::mouseClick(&dialog, Qt::LeftButton, {}, centre(dialog_layout::kChoiceHeader));
    DropDownList& list = dialog.macroList();
    ASSERT_TRUE(list.isOpen());
    ASSERT_EQ(list.list()->count(), 12);
    EXPECT_EQ(list.list()->item(11)->text(), "Macro12");
    clickRow(list, 2);
    EXPECT_EQ(dialog.selectedMacroIndex, 2);
    EXPECT_EQ(dialog.selectedMacroName, "Macro3");
    EXPECT_EQ(dialog.macroDisplay()->text(), "Macro3");
    clickOk(dialog);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.loopMode, 1);
}

TEST_F(MacroDialogTest, TickBoxesPickTheLoopModeAndStayInThePicture) {
    writeMacros(1);
    CMacroDialog dialog(store, nullptr, messages);
    dialog.show();
    const QImage& picture = dialog.canvas().image();
    const auto tickAt = [&](const Rect& r) { return picture.pixel(r.left + 8, r.top + 8); };
    EXPECT_EQ(tickAt(dialog_layout::kMacroLoopTick1), qRgb(0, 200, 0));
    QTest::mouseClick(&dialog, Qt::LeftButton, {}, centre(dialog_layout::kMacroLoopTick3));
    EXPECT_EQ(dialog.loopMode, 3);
    EXPECT_EQ(tickAt(dialog_layout::kMacroLoopTick1), qRgb(90, 90, 90));
    EXPECT_EQ(tickAt(dialog_layout::kMacroLoopTick3), qRgb(0, 200, 0));
    // Hovering the buttons repaints parts of the picture; the ticks stay.
    dialog.hover().hoverAt(centre(dialog_layout::kOkButton));
    dialog.hover().mouseMoved({5, 60});
    EXPECT_EQ(tickAt(dialog_layout::kMacroLoopTick3), qRgb(0, 200, 0));
    // The text beside a box picks its mode as well.
    QTest::mouseClick(&dialog, Qt::LeftButton, {}, {300, 136});
    EXPECT_EQ(dialog.loopMode, 2);
    clickOk(dialog);
    EXPECT_EQ(dialog.loopMode, 2);
    EXPECT_EQ(dialog.selectedMacroIndex, 0);
    EXPECT_EQ(dialog.selectedMacroName, "Macro1"); // OK without a choice: the first
}

TEST_F(MacroDialogTest, WithoutAnyMacroOkExplainsAndTheDialogStaysOpen) {
    skinState().setLanguage("TUR");
    CMacroDialog dialog(store, nullptr, messages); // no record.ini at all
    dialog.show();
    clickOk(dialog);
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_NE(dialog.result(), QDialog::Accepted);
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].text, macroDialogTexts("TUR").noMacro.toStdString());
    EXPECT_EQ(messages.messages[0].caption, "Pelmora");
    // Cancel still ends it.
    QTest::mouseClick(&dialog, Qt::LeftButton, {}, centre(dialog_layout::kCancelButton));
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
}

TEST_F(MacroDialogTest, WithoutItsPictureItSaysSo) {
    removeImage(skin_image::kMacroKeyBackground);
    writeMacros(2);
    CMacroDialog dialog(store, nullptr, messages);
    dialog.show();
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].caption, "Macro Key Dialog Load background image failed!!!");
    clickOk(dialog);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.loopMode, 1);
}

} // namespace
} // namespace pelmora
