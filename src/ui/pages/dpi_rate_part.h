#pragma once
// The report rate and DPI stages on the basic page: four rate steps, and four
// DPI columns of level cells with a stage tick under each. Clicks store
// through the settings rules (settings/dpi_rate_settings.h) and redraw only
// what they change.

#include "settings/settings_block.h"
#include "ui/pages/page_frame.h"
#include "ui/pages/page_part.h"

#include <cstdint>
#include <functional>

namespace pelmora {

class DpiRatePart : public PagePart {
public:
    // `sensorType` gives the mouse's activeSensorType as last read; it picks
    // the level count and the level labels at each drawing and click.
    DpiRatePart(PageFrame& frame, SettingsBlock& settings,
                std::function<std::uint8_t()> sensorType);

    void draw(QPainter* painter) override;
    bool press(const QPoint& p) override;
    void describe(std::vector<SkinControl>& controls) override;

private:
    std::uint8_t sensorType() const { return sensorType_ ? sensorType_() : 0; }
    bool pressRateStep(const QPoint& p);
    bool pressStageTick(const QPoint& p);
    bool pressLevelCell(const QPoint& p);
    // Restores a column from the background and lights `lit` of its cells.
    void drawCells(QPainter* painter, int stage, int lit) const;
    void drawTick(QPainter* painter, int stage) const;

    PageFrame& frame_;
    SettingsBlock& settings_;
    std::function<std::uint8_t()> sensorType_;
};

} // namespace pelmora
