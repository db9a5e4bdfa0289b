#pragma once
// The one short message after a switch the user did not make in the window:
// a profile activated from the tray or the bus, a DPI stage the mouse
// switched to. On Plasma it is the shell's on-screen display
// (org.kde.osdService showText); elsewhere a notification that replaces the
// previous one of its kind, transient and of low urgency, so that switching
// through the stages never piles them up.

#include "app/desktop_notifier.h"
#include "app/session_bus.h"

#include <QDBusConnection>
#include <QObject>
#include <QString>

#include <functional>

namespace pelmora {

class SwitchFeedback final : public QObject {
    Q_OBJECT
public:
    // `wanted` is asked at each message (the [Profiles] Feedback preference);
    // `fallback` shows the text where the desktop has neither service.
    SwitchFeedback(QDBusConnection bus, std::function<bool()> wanted,
                   std::function<void(const QString&)> fallback, QObject* parent = nullptr);

    void show(const QString& text);

private:
    void notify(const QString& text);

    QDBusConnection bus_;
    DesktopNotifier notifier_;
    std::function<bool()> wanted_;
    std::function<void(const QString&)> fallback_;
};

} // namespace pelmora
