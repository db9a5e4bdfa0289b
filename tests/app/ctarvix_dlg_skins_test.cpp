// The skins button: the chosen skin and colour become active, are saved in
// str.ini and redraw the page; a "Path" that is not a skin folder is not used.
#include "shell_fixture.h"
#include "support/text_file.h"
#include "ui/pages/page_layout.h"
#include "ui/skin/dialog_layout.h"
#include "ui/skin/skin_state.h"
#include "ui/skin/skins_dialog.h"

#include <QListWidget>
#include <QTest>
#include <QTimer>

#include <fstream>

namespace pelmora::test {
namespace {

QPoint middle(const Rect& r) {
    return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

class SkinsButtonTest : public ShellTest {
protected:
    void SetUp() override {
        ShellTest::SetUp();
        std::filesystem::copy(std::filesystem::path(PELMORA_BIN_DIR) / "Skins", root / "Skins",
                              std::filesystem::copy_options::recursive);
        writeConfig(sampleBlock());
    }
    void writeStrIni(const std::string& skins) {
        std::ofstream(root / "str.ini") << "[Skins]\nLan=EN\n" << skins;
    }
    CTarvixDlg& shown() {
        CTarvixDlg& d = start();
        d.startUp(true);
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&d));
        return d;
    }
    QImage page(CTarvixDlg& d) { return d.pageFrame().canvas().image().copy(d.rect()); }

    // Runs the skins dialog from the frame's button; `inside` works it.
    void pressSkins(CTarvixDlg& d, const std::function<void(CSkinsDialog&)>& inside) {
        bool ran = false;
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<CSkinsDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            ran = true;
            inside(*dialog);
        });
        QTest::mouseClick(&d, Qt::LeftButton, {}, middle(layout::kSkinsButton));
        EXPECT_TRUE(ran);
    }
    static void chooseSkin(CSkinsDialog& dialog, const QString& name) {
        QTest::mouseClick(&dialog, Qt::LeftButton, {}, middle(dialog_layout::kSkinHeader));
        QListWidget* list = dialog.skinList().list();
        ASSERT_NE(list, nullptr);
        const auto rows = list->findItems(name, Qt::MatchExactly);
        ASSERT_EQ(rows.size(), 1);
        const QPoint at = list->visualItemRect(rows[0]).center();
        QTest::mouseMove(list->viewport(), at);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
    }
    static void ok(CSkinsDialog& dialog) {
        QTest::mouseClick(&dialog, Qt::LeftButton, {}, middle(dialog_layout::kOkButton));
    }
};

TEST_F(SkinsButtonTest, ChoosingEmberRedrawsThePageSavesItAndARestartKeepsIt) {
    writeStrIni("Path=Default\nRColor=200\nGColor=210\nBColor=220\n");
    CTarvixDlg& d = shown();
    const QImage before = page(d);
    pressSkins(d, [](CSkinsDialog& dialog) {
        chooseSkin(dialog, "Ember");
        ok(dialog);
    });
    EXPECT_EQ(skinState().name(), "Ember");
    const QImage after = page(d);
    EXPECT_NE(after, before);
    const std::string ini = testing::readTextFile(root / "str.ini");
    EXPECT_NE(ini.find("Path=Ember"), std::string::npos) << ini;
    EXPECT_NE(ini.find("RColor=200"), std::string::npos) << ini;

    // A restart draws the same page from what was saved.
    dlg.reset();
    CTarvixDlg& again = shown();
    EXPECT_EQ(skinState().name(), "Ember");
    EXPECT_EQ(page(again), after);
}

TEST_F(SkinsButtonTest, OkWithoutPickingKeepsTheSkinAndTakesOnlyTheColour) {
    writeStrIni("Path=Ember\nRColor=1\nGColor=2\nBColor=3\n");
    CTarvixDlg& d = shown();
    pressSkins(d, [](CSkinsDialog& dialog) {
        dialog.setColourChooser(
            [](QWidget&, const QColor&) { return std::optional<QColor>(QColor(255, 255, 255)); });
        QTest::mouseClick(&dialog, Qt::LeftButton, {}, middle(dialog_layout::kSkinColourBox));
        ok(dialog);
    });
    EXPECT_EQ(skinState().name(), "Ember");
    EXPECT_EQ(skinState().textColour(), QColor(255, 255, 255));
    const std::string ini = testing::readTextFile(root / "str.ini");
    for (const char* key : {"RColor=255", "GColor=255", "BColor=255", "Path=Ember"}) {
        EXPECT_NE(ini.find(key), std::string::npos) << key << '\n' << ini;
    }
}

TEST_F(SkinsButtonTest, OnlyTheSkinsAreaOpensTheDialog) {
    CTarvixDlg& d = shown();
    int opened = 0;
    for (const int x : {701, 719}) { // the right edge is outside
        QTimer::singleShot(0, [&] {
            if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
                ++opened;
                dialog->reject();
            }
        });
        QTest::mouseClick(&d, Qt::LeftButton, {}, QPoint(x, 5));
        QCoreApplication::processEvents();
    }
    EXPECT_EQ(opened, 1);
}

TEST_F(SkinsButtonTest, CancelChangesNothing) {
    writeStrIni("Path=Ember\nRColor=1\nGColor=2\nBColor=3\n");
    const std::string saved = testing::readTextFile(root / "str.ini");
    CTarvixDlg& d = shown();
    const QImage before = page(d);
    pressSkins(d, [](CSkinsDialog& dialog) {
        chooseSkin(dialog, "Default");
        QTest::mouseClick(&dialog, Qt::LeftButton, {}, middle(dialog_layout::kCancelButton));
    });
    EXPECT_EQ(skinState().name(), "Ember");
    EXPECT_EQ(page(d), before);
    EXPECT_EQ(testing::readTextFile(root / "str.ini"), saved);
}

TEST_F(SkinsButtonTest, APathOutsideTheSkinsFolderFallsBackToDefaultWithoutRewritingTheFile) {
    std::filesystem::create_directories(root / "elsewhere");
    for (const char* path : {"../elsewhere", "/tmp", "Missing", ".."}) {
        writeStrIni(std::string("Path=") + path + "\nRColor=9\nGColor=9\nBColor=9\n");
        const std::string saved = testing::readTextFile(root / "str.ini");
        start();
        EXPECT_EQ(skinState().folder().toStdString(), (root / "Skins" / "Default").string())
            << path;
        EXPECT_EQ(testing::readTextFile(root / "str.ini"), saved) << path;
        dlg.reset();
    }
}

TEST_F(SkinsButtonTest, WithoutStrIniTheWindowUsesDefaultAndTheInitialColour) {
    start();
    EXPECT_EQ(skinState().folder().toStdString(), (root / "Skins" / "Default").string());
    EXPECT_EQ(skinState().textColour(),
              QColor(kInitialTextColour.red, kInitialTextColour.green, kInitialTextColour.blue));
    EXPECT_FALSE(std::filesystem::exists(root / "str.ini"));
}

} // namespace
} // namespace pelmora::test
