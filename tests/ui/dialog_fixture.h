#pragma once
// Set-up shared by the dialog tests: a test skin holding every image a
// dialog draws, the active language, and clicks by layout rectangle.

#include "settings/message_sink.h"
#include "ui/skin/drop_down_list.h"
#include "ui/skin/rect.h"
#include "ui/skin/skin_image_names.h"
#include "ui/skin/skin_state.h"
#include "ui/test_skin.h"

#include <QFile>
#include <QListWidget>
#include <QTest>
#include <gtest/gtest.h>

#include <string>

namespace pelmora::test {

inline QPoint centre(const Rect& r) {
    return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

class DialogTest : public ::testing::Test {
protected:
    DialogTest() {
        for (std::string_view background :
             {skin_image::kFireKeyBackground, skin_image::kDelayTimeBackground,
              skin_image::kMediaKeyBackground, skin_image::kMacroKeyBackground}) {
            skin.write(background, 400, 290, QColor(30, 30, 30));
        }
        skin.write(skin_image::kWindowsKeyBackground, 400, 310, QColor(30, 30, 30));
        skin.write(skin_image::kButtonNormal, 105, 21, QColor(60, 60, 60));
        skin.write(skin_image::kButtonOver, 105, 21, QColor(0, 160, 200));
        skin.write(skin_image::kPane, 16, 16, QColor(90, 90, 90));
        skin.write(skin_image::kPaneTicked, 16, 16, QColor(0, 200, 0));
        skinState().setLanguage("EN");
    }
    ~DialogTest() override { skinState().setLanguage(""); }

    void removeImage(std::string_view name) { QFile::remove(skin.path(name)); }

    // Clicks a row of an open list as the user does: hover, then click.
    static void clickRow(DropDownList& list, int row) {
        QListWidget* widget = list.list();
        ASSERT_NE(widget, nullptr);
        widget->scrollToItem(widget->item(row));
        const QPoint at = widget->visualItemRect(widget->item(row)).center();
        QTest::mouseMove(widget->viewport(), at);
        QTest::mouseClick(widget->viewport(), Qt::LeftButton, {}, at);
    }

    TestSkin skin;
    RecordingMessageSink messages;
};

} // namespace pelmora::test
