// The key settings in the main dialog: a choice reaches Apply and str.ini,
// and Cancel brings back the saved labels whichever page is showing.

#include "shell_fixture.h"
#include "ui/pages/page_layout.h"

#include <QListWidget>
#include <QTest>

#include <fstream>
#include <sstream>

namespace pelmora::test {
namespace {

class KeysTest : public ShellTest {
protected:
    CTarvixDlg& shown() {
        writeConfig(sampleBlock());
        CTarvixDlg& d = start();
        d.startUp(true);
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&d));
        return d;
    }
    // A click, and the end of the transfer it may have started.
    void click(const QPoint& p) {
        QTest::mouseClick(dlg.get(), Qt::LeftButton, {}, p);
        EXPECT_TRUE(dlg->waitForApply());
    }
    // Opens the list of box n and clicks its row.
    void choose(int n, int row) {
        const Rect box = layout::keyBox(n);
        click({(box.left + box.right) / 2, (box.top + box.bottom) / 2});
        QListWidget* list = nullptr;
        for (QListWidget* l : dlg->findChildren<QListWidget*>()) {
            if (l->isVisible() && l->count() == 16) {
                list = l;
            }
        }
        ASSERT_NE(list, nullptr) << "list " << n << " did not open";
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualItemRect(list->item(row)).center());
    }
    std::string strIni() {
        std::ifstream in(root / "str.ini");
        std::stringstream text;
        text << in.rdbuf();
        return text.str();
    }
};

TEST_F(KeysTest, AChoiceIsAppliedAndItsLabelSaved) {
    CTarvixDlg& d = shown();
    const auto matrices = mouse->state().keyMatrices;
    choose(2, 3); // "Forward"
    EXPECT_EQ(d.session().settings.keyBlockA.keyFunction[1], 3);
    click({700, 630}); // Apply
    EXPECT_NE(mouse->state().keyMatrices, matrices);
    EXPECT_EQ(d.session().backup.block.keyBlockA.keyFunction[1], 3);
    EXPECT_NE(strIni().find("Item2=Forward"), std::string::npos) << strIni();
}

TEST_F(KeysTest, CancelOnTheAdvancedPageStillBringsBackTheLabels) {
    CTarvixDlg& d = shown();
    choose(2, 3);
    click({700, 630}); // Apply: "Forward" saved
    choose(3, 15);     // "Key Off", not applied
    EXPECT_EQ(d.session().preferences.labels.modeA[2], "Key Off");
    click({90, 78});   // advanced page
    click({874, 630}); // Cancel
    tray.click();
    EXPECT_EQ(d.session().settings.keyBlockA.keyFunction[2], 0);
    EXPECT_EQ(d.session().preferences.labels.modeA[2], "");
    EXPECT_EQ(d.session().preferences.labels.modeA[1], "Forward");
}

} // namespace
} // namespace pelmora::test
