// The key settings run the skinned dialogs through one seam and get their
// results back after OK.
#include "ui/dialog_fixture.h"
#include "ui/keys/key_dialogs.h"
#include "ui/skin/dialog_layout.h"

#include <QApplication>
#include <QTimer>
#include <QWidget>

namespace pelmora {
namespace {

class KeyDialogsTest : public test::DialogTest {
protected:
    // Presses the point in the modal dialog once it is up.
    static void pressInDialogSoon(QPoint p) {
        QTimer::singleShot(0, [p] {
            QWidget* dialog = QApplication::activeModalWidget();
            ASSERT_NE(dialog, nullptr);
            QTest::mouseClick(dialog, Qt::LeftButton, {}, p);
        });
    }
    QWidget owner;
    SkinnedKeyDialogs dialogs{messages, "/nonexistent/record.ini"};
};

TEST_F(KeyDialogsTest, OkGivesTheDialogsResultCancelNothing) {
    pressInDialogSoon(test::centre(dialog_layout::kOkButton));
    const auto media = dialogs.run(functionIndex(KeyFunction::Multimedia), owner);
    ASSERT_TRUE(media.has_value());
    ASSERT_TRUE(std::holds_alternative<MediaKeyResult>(*media));
    EXPECT_EQ(std::get<MediaKeyResult>(*media).position, 0u);
    EXPECT_EQ(std::get<MediaKeyResult>(*media).text, "Next");

    pressInDialogSoon(test::centre(dialog_layout::kOkButton));
    const auto fire = dialogs.run(functionIndex(KeyFunction::FireKey), owner);
    ASSERT_TRUE(fire.has_value());
    EXPECT_EQ(std::get<FireKeyResult>(*fire).speed, 32);
    EXPECT_EQ(std::get<FireKeyResult>(*fire).times, 1);

    pressInDialogSoon(test::centre(dialog_layout::kCancelButton));
    EXPECT_FALSE(dialogs.run(functionIndex(KeyFunction::Launch), owner).has_value());
    EXPECT_FALSE(dialogs.run(functionIndex(KeyFunction::KeyOff), owner).has_value());
}

} // namespace
} // namespace pelmora
