#pragma once
// The advanced page's left half: the desktop's pointer settings. Three rows
// of eleven ticks (pointer speed, wheel lines, double-click speed), the
// "Enhance Pointer Precision" and "Scroll One Screen" tick boxes, and
// Default. The desktop is read the first time the page is drawn; ticks and
// boxes change only the settings record; OK and Apply write the levels to
// the desktop; Default writes the desktop's defaults at once. A setting this
// desktop does not have carries a one-line remark.

#include "desktop/pointer_settings.h"
#include "settings/message_sink.h"
#include "settings/settings_block.h"
#include "ui/pages/page_frame.h"
#include "ui/pages/page_part.h"
#include "ui/skin/hot_area.h"

#include <memory>

namespace pelmora {

class PointerSettingsPart final : public PagePart {
public:
    PointerSettingsPart(PageFrame& frame, SettingsBlock& settings, MessageSink& messages);
    ~PointerSettingsPart() override;

    // The desktop this part talks to. Without one set, the session's own is
    // chosen when it is first needed.
    void setDesktop(std::unique_ptr<PointerSettings> desktop);
    PointerSettings& desktop();
    // True once the desktop's values were read into the levels.
    bool desktopRead() const { return read_; }

    // OK and Apply, after the mouse has been written.
    void applyToDesktop();

    void enter() override;
    void draw(QPainter* painter) override;
    void collectHotAreas(std::vector<HotArea*>& areas) override;
    bool press(const QPoint& p) override;
    void describe(std::vector<SkinControl>& controls) override;

private:
    void drawRow(QPainter* painter, int row) const;
    void drawBox(QPainter* painter, const Rect& box, bool ticked) const;
    void drawRemarks(QPainter* painter);
    void pickTick(int row, int tick);
    void restoreDefaults();
    void redrawBox(const Rect& box, bool ticked);
    void redrawRow(int row);
    void log(const PointerReport& report) const;

    PageFrame& frame_;
    SettingsBlock& settings_;
    MessageSink& messages_;
    std::unique_ptr<PointerSettings> desktop_;
    bool read_ = false;
    HotArea default_;
};

} // namespace pelmora
