// The main dialog shows its pages through the page frame.

#include "shell_fixture.h"

#include <QTest>
#include <fstream>

namespace pelmora::test {
namespace {

class PagesTest : public ShellTest {
protected:
    CTarvixDlg& shownWithSkin() {
        std::filesystem::copy(std::filesystem::path(PELMORA_BIN_DIR) / "Skins", root / "Skins",
                              std::filesystem::copy_options::recursive);
        std::ofstream(root / "str.ini") << "[Skins]\nLan=EN\nPath=Ember\nRColor=200\n"
                                           "GColor=210\nBColor=220\n";
        writeConfig(sampleBlock());
        CTarvixDlg& d = start();
        d.startUp(true);
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&d));
        return d;
    }
};

TEST_F(PagesTest, TheWindowShowsThePageFrameAndTabsSwitchIt) {
    CTarvixDlg& d = shownWithSkin();
    // The window itself, without its child windows (swatches, status texts).
    QImage basic(d.size(), QImage::Format_RGB32);
    d.render(&basic, {}, {}, QWidget::DrawWindowBackground);
    EXPECT_EQ(basic,
              d.pageFrame().canvas().image().copy(d.rect()).convertToFormat(QImage::Format_RGB32));
    QTest::mouseClick(&d, Qt::LeftButton, {}, QPoint(90, 78));
    EXPECT_EQ(d.pageFrame().page(), PageFrame::AdvancedPage);
    EXPECT_NE(d.grab().toImage().convertToFormat(QImage::Format_RGB32), basic);
}

TEST_F(PagesTest, RestingOnOkLightsIt) {
    CTarvixDlg& d = shownWithSkin();
    const QImage before = d.grab().toImage().copy(570, 625, 90, 17);
    QTest::mouseMove(&d, QPoint(600, 633));
    QTest::qWait(50);
    d.pageFrame().hover().hoverAt(QPoint(600, 633));
    EXPECT_NE(d.grab().toImage().copy(570, 625, 90, 17), before);
}

TEST_F(PagesTest, NothingStaysLitWhenThePointerLeavesOrTheWindowHides) {
    CTarvixDlg& d = shownWithSkin();
    HotArea& ok = d.pageFrame().frameArea(FrameControl::Ok);
    // OK without the column it shares with Apply (drawn after it).
    const QRect okOwn(562, 623, 666 - 562, 644 - 623);
    const QImage normal = d.pageFrame().canvas().image().copy(okOwn);
    d.pageFrame().hover().hoverAt({600, 630});
    ASSERT_TRUE(ok.hovered);
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(&d, &leave);
    EXPECT_FALSE(ok.hovered);
    EXPECT_EQ(d.pageFrame().canvas().image().copy(okOwn), normal);

    // OK is lit when it is pressed; the next showing shows it normal.
    d.pageFrame().hover().hoverAt({600, 630});
    QTest::mouseClick(&d, Qt::LeftButton, {}, QPoint(600, 630));
    ASSERT_TRUE(d.waitForApply());
    ASSERT_FALSE(d.isVisible());
    EXPECT_FALSE(ok.hovered);
    EXPECT_EQ(d.pageFrame().canvas().image().copy(okOwn), normal);
}

} // namespace
} // namespace pelmora::test
