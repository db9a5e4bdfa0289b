#pragma once
// Notifications through the desktop's notification service (freedesktop
// org.freedesktop.Notifications on the session bus): every notification of
// the program, sent as "Pelmora" with its icon and its menu entry.

#include "app/session_bus.h"
#include <QDBusConnection>
#include <QObject>
#include <QString>

#include <deque>
#include <functional>

namespace pelmora {

class DesktopNotifier final : public QObject {
    Q_OBJECT
public:
    explicit DesktopNotifier(QDBusConnection bus = session_bus::connection(),
                             QObject* parent = nullptr);

    // Whether a notification service runs on the bus, or the bus starts one
    // on the first call (mako, dunst and most daemons outside GNOME and
    // Plasma are started that way).
    bool available() const;
    // Queues one notification, which replaces the previous one of this
    // program; false when there is no service to send it to. The call never
    // blocks: notifications go out one at a time, in order, each once the
    // service answered the one before. `failed` runs when the service did
    // not take it after all.
    bool notify(const QString& title, const QString& text, int milliseconds,
                std::function<void()> failed = {});
    // Nothing is waiting for the service's answer.
    bool idle() const { return !inFlight_ && queue_.empty(); }

private:
    struct Pending {
        QString title, text;
        int milliseconds;
        std::function<void()> failed;
    };
    void sendNext();

    QDBusConnection bus_;
    std::deque<Pending> queue_;
    bool inFlight_ = false;
    unsigned lastId_ = 0;
};

} // namespace pelmora
