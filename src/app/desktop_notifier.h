#pragma once
// Notifications through the desktop's notification service (freedesktop
// org.freedesktop.Notifications on the session bus): every notification of
// the program, sent as "Pelmora" with its icon and its menu entry.

#include "app/session_bus.h"
#include <QDBusConnection>
#include <QObject>
#include <QString>

#include <array>
#include <deque>
#include <functional>

namespace pelmora {

class DesktopNotifier final : public QObject {
    Q_OBJECT
public:
    // Each kind replaces the previous notification of its own kind. A switch
    // (a profile, a DPI stage) is transient and of low urgency: it is gone
    // from the screen and the history once read.
    enum class Kind { Event, Switch, Count };

    explicit DesktopNotifier(QDBusConnection bus = session_bus::connection(),
                             QObject* parent = nullptr);

    // Whether a notification service runs on the bus, or the bus starts one
    // on the first call (mako, dunst and most daemons outside GNOME and
    // Plasma are started that way).
    bool available() const;
    // Queues one notification, which replaces the previous one of its kind;
    // false when there is no service to send it to. The call never
    // blocks: notifications go out one at a time, in order, each once the
    // service answered the one before. `failed` runs when the service did
    // not take it after all.
    bool notify(const QString& title, const QString& text, int milliseconds,
                std::function<void()> failed = {}, Kind kind = Kind::Event);
    // Nothing is waiting for the service's answer.
    bool idle() const { return !inFlight_ && queue_.empty(); }

private:
    struct Pending {
        QString title, text;
        int milliseconds;
        std::function<void()> failed;
        Kind kind;
    };
    void sendNext();

    QDBusConnection bus_;
    std::deque<Pending> queue_;
    bool inFlight_ = false;
    std::array<unsigned, static_cast<std::size_t>(Kind::Count)> lastIds_{};
};

} // namespace pelmora
