#pragma once
// The program's only top-level window: a frameless tool window that lives
// behind the notification-area icon. It owns the device link's use, the
// settings record, the tray icon, the texts and the drawing of the pages.
//
// On the map (docs/ARCHITECTURE.md): src/app, the top layer; an Apply starts
// here and comes back here on the GUI thread.

#include "app/apply_session.h"
#include "app/device_watch.h"
#include "app/skin_choice.h"
#include "app/tray_port.h"
#include "app/window_placement.h"
#include "device/link/device_link.h"
#include "profiles/profile_document.h"
#include "settings/data_folder.h"
#include "settings/interface_texts.h"
#include "settings/message_sink.h"
#include "settings/window_session.h"
#include "ui/pages/dpi_rate_part.h"
#include "ui/pages/key_settings_part.h"
#include "ui/pages/lighting_part.h"
#include "ui/pages/macro_editor_part.h"
#include "ui/pages/page_frame.h"
#include "ui/pages/page_layout.h"
#include "ui/pages/pointer_settings_part.h"
#include "ui/pages/profile_chooser_part.h"
#include "ui/skin/window_drag.h"

#include <QIcon>
#include <QPoint>
#include <QPointer>
#include <QWidget>

#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>

namespace pelmora {

class CTarvixDlg : public QWidget {
    Q_OBJECT
public:
    struct Services {
        TrayPort& tray;
        DeviceLink& link;
        MessageSink& messages;
        DataFolder dataFolder;
        // Ends the program with a status once the teardown is done.
        std::function<void(int status)> quit;
    };

    // The size of the client area when the skin's background cannot be read.
    static constexpr QSize kDefaultClientSize{layout::kWindowWidth, layout::kWindowHeight};

    explicit CTarvixDlg(Services services, QWidget* parent = nullptr);
    ~CTarvixDlg() override;

    // The initialisation, in its fixed order. The program holds the
    // single-instance lock before it makes the window.
    void initialise();
    // Shows the window at start when asked to, or when there is no
    // notification area to start in (unless started with the session, where
    // starting the program again shows it).
    void startUp(bool show, bool autostart = false);

    // The frame's areas (OK, Apply, Cancel, minimise, close, the web link).
    void onFrameAction(FrameControl control);
    // The program was started again: the window comes up, with or without
    // the mouse.
    void activate();
    void onExit();

    // OK and Apply send the settings on a worker thread. While it runs the
    // window stays responsive, but OK, Apply, Cancel, the skins button and
    // every page control that would change the settings record are refused
    // (the page frame's dispatcher asks this), and closing the program waits
    // for the transfer. Page parts ask applyRunning() for anything else.
    bool applyRunning() const { return applySession_.running(); }
    // The read of the mouse is retried from a timer while another program
    // sends it settings; the window waits as for a transfer meanwhile.
    bool readWaiting() const { return applySession_.reading(); }
    // Handles events until a running transfer has finished and its result
    // was handled; false on time-out.
    bool waitForApply(int timeoutMs = 30000) { return applySession_.wait(timeoutMs); }

    // A configuration from elsewhere (a profile) becomes the window's and is
    // sent and saved as Apply does; `messages` tells its failures (the
    // message boxes when null). False when a transfer or read is running, or
    // when it was refused (the refusal was told).
    bool applyConfiguration(const Configuration& configuration, MessageSink* messages,
                            ApplySession::Finished finished);
    // A configuration from elsewhere becomes the window's without being sent
    // (the caller saves it); false while a transfer or read is running.
    bool takeConfiguration(const Configuration& configuration);
    // The sensor the mouse reports (it labels the DPI levels).
    std::uint8_t sensorType() const { return services_.link.deviceImage().activeSensorType; }
    // The window's configuration now: its record and labels (edits that were
    // not applied yet among them), str.ini and record.ini as saved.
    Configuration configuration() const;

    // Pages: drawing a page that is already shown does nothing.
    void drawBasicPage() { frame_.drawBasicPage(); }
    void drawAdvancedPage() { frame_.drawAdvancedPage(); }

    // What the window works on: the settings, their backup, the preferences
    // and the language.
    WindowSession& session() { return session_; }
    bool cancelPending() const { return cancelPending_; }
    bool initialReadDone() const { return services_.link.linkState().initialReadDone != 0; }
    // The drawing of the pages onto the window's canvas, and their dispatch.
    PageFrame& pageFrame() { return frame_; }
    PointerSettingsPart& pointerPart() { return pointerPart_; }
    ProfileChooserPart& profileChooser() { return profileChooser_; }
    // The mouse's own reports and its comings and goings.
    DeviceWatch& deviceWatch() { return deviceWatch_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The icon was clicked: the window comes up, or a balloon says that the
    // mouse is not there.
    void onTrayOpen();
    void applySettings(bool hideAfter);
    // The transfer has ended: what was sent is what Cancel goes back to.
    // Nothing was sent (`delivered` false): the edits and the window stay.
    void finishApply(const SettingsBlock& sent, bool delivered, bool hideAfter);
    void hideWindow();
    void useTaskBar();
    void refreshForOpening();
    void openWebLink();
    void teardown();
    void firstRead();
    // The read of the mouse's basic settings, retried while another program
    // holds the mouse (the first one, or again after the mouse came back).
    void readMouse();
    void loadSkinSize();
    void createFonts();
    // The skins dialog; on OK the window takes the new skin's size and fonts.
    void chooseSkin();
    void connectPageFrame();
    // A hot-plug change was handled: a mouse that came while the window is
    // open is read now.
    void onDeviceChange();
    void onTrayAvailability(bool available);
    // The mouse went away: the window hides into the tray, if there is one.
    void onMouseRemoved();
    // The status area's line while no mouse is there.
    void showMouseStatus();
    // The labels of the language in use against the buttons' functions.
    void matchLabels();
    // Something was edited since config.bin was loaded or since the last Apply.
    bool editedSinceApply() const;

    Services services_;
    QIcon icon_;

    WindowSession session_;
    SkinChoice skinChoice_{services_.dataFolder, session_};

    DeviceWatch deviceWatch_{services_.link,
                             services_.tray,
                             services_.messages,
                             session_,
                             // A window that never opened (started with the
                             // session, without a tray) stays closed.
                             {[this] { return applyRunning(); },
                              [this] {
                                  if (isVisible()) {
                                      onMouseRemoved();
                                  }
                              },
                              [this] { onDeviceChange(); }, [this] { readMouse(); }}};
    bool exitAfterApply_ = false; // the program ends when the transfer has

    bool cancelPending_ = false;
    WindowPlacement placement_{*this};
    WindowDrag drag_;
    bool initialised_ = false;
    bool tornDown_ = false;

    // Last: it draws from the members above.
    PageFrame frame_{*this, session_.settings};
    // In the header of both pages, first in reading order.
    ProfileChooserPart profileChooser_{frame_};
    // The program's key dialogs; the macro key dialog offers the macros of record.ini.
    SkinnedKeyDialogs keyDialogs_{services_.messages, services_.dataFolder.macroFile()};
    KeySettingsPart keySettings_{frame_, session_.settings, session_.preferences.labels,
                                 services_.messages};
    DpiRatePart dpiRatePart_{frame_, session_.settings,
                             [this] { return services_.link.deviceImage().activeSensorType; }};
    LightingPart lightingPart_{frame_, session_.settings};
    PointerSettingsPart pointerPart_{frame_, session_.settings, services_.messages};
    MacroEditorPart macroEditor_{frame_, session_.settings, services_.messages,
                                 services_.dataFolder.macroFile()};
    // After the frame, whose status line it writes; gone first, its transfer
    // abandoned by the teardown before.
    ApplySession applySession_{*this, frame_.statusLine(), services_.link,
                               services_.dataFolder.settingsFile(), services_.messages};
};

// Tool tip of the notification-area icon, the same in every language.
inline const QString kTrayToolTip = QStringLiteral("Gaming Mouse Setting");

} // namespace pelmora
