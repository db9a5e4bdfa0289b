#pragma once
// The key settings of the basic page: six drop-down boxes with the buttons'
// labels in the active key mode, the Mode A / Mode B buttons and Default;
// each box opens the list of the sixteen functions, and hovering "DPI Switch"
// shows the DPI switch list beside it. What a choice does is in
// keys/key_settings.h; this part draws, forwards the clicks and runs the
// key dialogs.

#include "keys/key_settings.h"
#include "settings/message_sink.h"
#include "settings/preferences.h"
#include "settings/settings_block.h"
#include "ui/keys/key_dialogs.h"
#include "ui/pages/page_frame.h"
#include "ui/pages/page_part.h"
#include "ui/skin/drop_down_list.h"
#include "ui/skin/hot_area.h"

#include <QObject>

#include <array>
#include <filesystem>
#include <memory>

namespace pelmora {

class KeySettingsPart final : public QObject, public PagePart {
    Q_OBJECT
public:
    // The key dialogs are the frame's (PageFrame::dialogs()).
    KeySettingsPart(PageFrame& frame, SettingsBlock& settings, ButtonLabels& labels,
                    MessageSink& messages);

    void enter() override;
    void draw(QPainter* painter) override;
    void collectHotAreas(std::vector<HotArea*>& areas) override;
    bool press(const QPoint& p) override;
    void describe(std::vector<SkinControl>& controls) override;
    void leave() override;

    // The lists, for the tests: key list n (1..6) and the DPI switch list.
    DropDownList& keyList(int n) { return *keyLists_[static_cast<std::size_t>(n - 1)]; }
    DropDownList& dpiSwitchList() { return dpiList_; }
    HotArea& keyBox(int n) { return boxes_[static_cast<std::size_t>(n - 1)]; }

private:
    KeySettings state() const;
    KeyMode mode() const;
    void drawBoxLabel(QPainter* painter, const HotArea& box) const;
    void drawModeButtons(QPainter* painter) const;
    void redrawBoxes(bool withModeButtons);
    void pressBox(int n);
    void closeKeyLists();
    void keyChosen(int n, int index);
    void keyHovered(int n, int row);
    void dpiChosen(int position);
    void showDpiSwitchList(int n);

    PageFrame& frame_;
    SettingsBlock& settings_;
    ButtonLabels& labels_;
    MessageSink& messages_;

    std::array<HotArea, 6> boxes_;
    HotArea default_;
    std::array<std::unique_ptr<DropDownList>, 6> keyLists_;
    DropDownList dpiList_;
    int dpiListBox_ = 0; // the box (1..6) whose list shows the DPI switch list
};

} // namespace pelmora
