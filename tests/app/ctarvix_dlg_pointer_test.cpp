// The main dialog and the desktop's pointer settings: OK and Apply write
// them after the mouse, only with the mouse, and never a level the desktop
// did not give.

#include "desktop/fake_pointer_settings.h"
#include "shell_fixture.h"

#include <QTest>

namespace pelmora::test {
namespace {

class PointerShellTest : public ShellTest {
protected:
    CTarvixDlg& shown(const SettingsBlock& block) {
        writeConfig(block);
        CTarvixDlg& d = makeDialog();
        auto fake = std::make_unique<FakePointerSettings>(allPointerSettings());
        desktop = fake.get();
        d.pointerPart().setDesktop(std::move(fake));
        d.initialise();
        d.startUp(true);
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&d));
        return d;
    }
    // A click, and the end of the transfer it may have started.
    void click(int x, int y) {
        QTest::mouseClick(dlg.get(), Qt::LeftButton, {}, QPoint(x, y));
        EXPECT_TRUE(dlg->waitForApply());
    }

    FakePointerSettings* desktop = nullptr;
};

TEST_F(PointerShellTest, ApplyBeforeTheAdvancedPageLeavesLevelZeroAlone) {
    shown(sampleBlock()); // every pointer level 0: never read
    click(700, 630);      // Apply
    EXPECT_EQ(mouse->state().reportInterval, sampleBlock().reportInterval);
    EXPECT_TRUE(desktop->writes.empty());
    EXPECT_EQ(desktop->reads, 0);
}

TEST_F(PointerShellTest, TheAdvancedPageReadsAndApplyWritesAfterTheMouse) {
    CTarvixDlg& d = shown(sampleBlock());
    desktop->values.speed = 0.0;
    desktop->values.doubleClickMs = 500;
    click(90, 78); // advanced page tab
    EXPECT_EQ(desktop->reads, 1);
    click(232, 205); // pointer speed tick 8
    EXPECT_EQ(d.session().settings.pointerSpeedLevel, 8);
    EXPECT_TRUE(desktop->writes.empty());
    click(700, 630); // Apply
    ASSERT_EQ(desktop->writes.size(), 1u);
    EXPECT_EQ(desktop->writes[0].speed, 0.4);
    EXPECT_EQ(desktop->writes[0].doubleClickMs, 550);
    EXPECT_EQ(d.session().backup.block.pointerSpeedLevel, 8);

    // Without the mouse OK and Apply do nothing, the desktop included.
    mouse->unplug();
    QTRY_VERIFY(!link->present());
    d.onFrameAction(FrameControl::Apply);
    EXPECT_EQ(desktop->writes.size(), 1u);
}

} // namespace
} // namespace pelmora::test
