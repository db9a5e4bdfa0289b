#pragma once
// The mouse as the window watches it: finding it at start, its own reports
// (DPI stage, report rate, key matrix, macro key) and its comings and goings.
// Reports and a missing mouse become notifications in the window's language;
// a hot-plug change waits while the settings are being sent.

#include "app/tray_port.h"
#include "device/link/device_link.h"
#include "settings/interface_texts.h"
#include "settings/message_sink.h"
#include "settings/window_session.h"

#include <QObject>
#include <QSocketNotifier>
#include <QString>

#include <functional>
#include <memory>

namespace pelmora {

class DeviceWatch : public QObject {
    Q_OBJECT
public:
    // What the watch asks of the window.
    struct Window {
        // True while the settings are being sent.
        std::function<bool()> busy;
        // The mouse went away: the window hides.
        std::function<void()> hide;
        // A hot-plug change was handled (the mouse may have come).
        std::function<void()> changed;
        // The read after the mouse came back found another program holding
        // it: the window reads again.
        std::function<void()> readMissed;
    };

    // The window's session is read at each notification.
    DeviceWatch(DeviceLink& link, TrayPort& tray, MessageSink& messages,
                const WindowSession& session, Window window);

    // Discovery, then the listener (parked until the mouse is there) and the
    // hot-plug monitor. A failure is reported and the program goes on
    // without what failed.
    void start();
    // Stops the listener and the hot-plug monitor (teardown).
    void stop();
    // The notification of a device event, if it has one.
    void notify(int type, int value);
    // The transfer has ended: a hot-plug change that waited is handled now.
    void transferEnded();
    // Where the DPI stage switches go instead of a balloon: the short
    // message of a switch.
    void setSwitchFeedback(std::function<void(const QString&)> show) {
        switchFeedback_ = std::move(show);
    }

signals:
    // The mouse switched its DPI stage (1 to 4) by itself.
    void stageSwitched(unsigned stage, unsigned dpi);
    // The mouse came (true) or went (false).
    void connectionChanged(bool present);

private:
    void onHotplugReadable();

    DeviceLink& link_;
    TrayPort& tray_;
    MessageSink& messages_;
    const WindowSession& session_;
    Window window_;
    std::unique_ptr<QSocketNotifier> hotplugNotifier_;
    bool hotplugWaiting_ = false;
    bool stopped_ = false;
    bool present_ = false;
    std::function<void(const QString&)> switchFeedback_;
};

} // namespace pelmora
