// The skins dialog: the list of skins, the colour box, and its results.
#include "ui/dialog_fixture.h"
#include "ui/skin/dialog_layout.h"
#include "ui/skin/skins_dialog.h"

#include <QDir>
#include <QFile>

#include <filesystem>

namespace pelmora {
namespace {

using test::centre;

class SkinsDialogTest : public test::DialogTest {
protected:
    SkinsDialogTest() {
        skin.write(skin_image::kSkinsBackground, 400, 290, QColor(30, 30, 30));
        // The test skin's root holds "Test"; add a second skin and a plain file.
        QDir(root()).mkpath("Ember");
        QFile file(root() + "/readme.txt");
        file.open(QIODevice::WriteOnly);
    }
    QString root() const { return QFileInfo(skin.folder()).path(); }
    std::vector<std::filesystem::path> roots() const { return {root().toStdString()}; }
    static void click(QDialog& d, const Rect& r) {
        QTest::mouseClick(&d, Qt::LeftButton, {}, centre(r));
    }
};

TEST_F(SkinsDialogTest, ListsExactlyTheSkinFoldersAndAChoiceNamesItsFolder) {
    skinState().setTextColour(QColor(10, 20, 30));
    CSkinsDialog dialog(roots(), messages);
    dialog.show();
    EXPECT_EQ(dialog.skinNameText()->text(), "Test");
    click(dialog, dialog_layout::kSkinHeader);
    ASSERT_TRUE(dialog.skinList().isOpen());
    QStringList names = dialog.skinList().items();
    names.sort();
    EXPECT_EQ(names, (QStringList{"Ember", "Test"}));
    const int ember = static_cast<int>(dialog.skinList().items().indexOf("Ember"));
    clickRow(dialog.skinList(), ember);
    EXPECT_FALSE(dialog.skinList().isOpen());
    EXPECT_EQ(dialog.skinNameText()->text(), "Ember");
    click(dialog, dialog_layout::kOkButton);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.skinName, "Ember");
    EXPECT_EQ(dialog.selectedIndex, ember);
    EXPECT_EQ(dialog.chosenSkinFolder, root() + "/Ember");
    EXPECT_EQ(QColor(dialog.red, dialog.green, dialog.blue), QColor(10, 20, 30));
}

TEST_F(SkinsDialogTest, ASkinAddedWhileOpenAppearsAtTheNextOpening) {
    CSkinsDialog dialog(roots(), messages);
    dialog.show();
    click(dialog, dialog_layout::kSkinHeader);
    EXPECT_EQ(dialog.skinList().items().size(), 2);
    click(dialog, dialog_layout::kSkinHeader);
    QDir(root()).mkpath("Night");
    click(dialog, dialog_layout::kSkinHeader);
    EXPECT_EQ(dialog.skinList().items().size(), 3);
}

TEST_F(SkinsDialogTest, TheColourChooserOpensAtTheColourSetsItAndItsCancelKeepsIt) {
    skinState().setTextColour(QColor(1, 2, 3));
    CSkinsDialog dialog(roots(), messages);
    std::optional<QColor> answer = QColor(255, 255, 255);
    QColor opened;
    dialog.setColourChooser([&](QWidget&, const QColor& initial) {
        opened = initial;
        return answer;
    });
    dialog.show();
    click(dialog, dialog_layout::kSkinColourBox);
    EXPECT_EQ(opened, QColor(1, 2, 3));
    EXPECT_EQ(QColor(dialog.red, dialog.green, dialog.blue), QColor(255, 255, 255));
    answer.reset();
    click(dialog, dialog_layout::kSkinColourBox);
    EXPECT_EQ(opened, QColor(255, 255, 255));
    EXPECT_EQ(QColor(dialog.red, dialog.green, dialog.blue), QColor(255, 255, 255));
    click(dialog, dialog_layout::kCancelButton);
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
}

TEST_F(SkinsDialogTest, WithoutItsPictureItSaysErrorAndItsButtonsStillWork) {
    removeImage(skin_image::kSkinsBackground);
    CSkinsDialog dialog(roots(), messages);
    dialog.show();
    ASSERT_EQ(messages.messages.size(), 1U);
    EXPECT_EQ(messages.messages[0].text.substr(0, 6), "error\n"); // then what is missing
    EXPECT_EQ(messages.messages[0].caption, "Skins Dialog Load background image failed!!!");
    click(dialog, dialog_layout::kOkButton);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.skinName, "Test");
}

} // namespace
} // namespace pelmora
