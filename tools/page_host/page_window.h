#pragma once
// A frameless window that shows the basic page through a PageFrame, for the
// tools (skin-preview, draw-bench) and the tests of the page parts: paints
// its canvas, forwards mouse and keys, and moves when dragged by its empty
// surface. The program's window is CTarvixDlg (src/app); this host is not
// part of the program.

#include "settings/preferences.h"
#include "settings/settings_block.h"
#include "ui/pages/dpi_rate_part.h"
#include "ui/pages/key_settings_part.h"
#include "ui/pages/lighting_part.h"
#include "ui/pages/page_frame.h"
#include "ui/skin/message_box_sink.h"
#include "ui/skin/window_drag.h"

#include <QWidget>

namespace pelmora {

class PageWindow : public QWidget {
    Q_OBJECT
public:
    explicit PageWindow(SettingsBlock& settings, QWidget* parent = nullptr);

    PageFrame& frame() { return frame_; }
    // Sizes the window to the basic page's background (or the layout's
    // size), creates the canvas and draws the basic page.
    void start();
    int dragCount() const { return drags_; }
    // The sensor type the DPI columns are drawn for (a mouse's activeSensorType).
    void setSensorType(std::uint8_t type) { sensorType_ = type; }
    LightingPart& lightingPart() { return lightingPart_; }
    // The labels the key boxes show: the defaults of the language at start.
    ButtonLabels& labels() { return labels_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    PageFrame frame_;
    std::uint8_t sensorType_ = 0;
    DpiRatePart dpiRatePart_;
    LightingPart lightingPart_;
    ButtonLabels labels_;
    MessageBoxSink messages_{this};
    // No data folder here: the macro key dialog offers no macros.
    SkinnedKeyDialogs keyDialogs_{messages_, std::filesystem::path()};
    KeySettingsPart keySettingsPart_;
    WindowDrag drag_;
    int drags_ = 0;
};

} // namespace pelmora
