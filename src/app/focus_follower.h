#pragma once
// Profiles that follow the focused application in the running program: the
// focus comes from the session's own source (X11, a wlroots compositor) or
// is pushed over the bus (the KWin script, the GNOME Shell extension, any
// other desktop's script); once it has settled, the profile it calls for is
// activated as the tray activates one. A switch waits while the window holds
// edits that no profile has (told once), and queues behind a transfer.

#include "app/profile_switch.h"
#include "desktop/focus/focus_mechanism.h"
#include "profiles/focus_switching.h"

#include <QObject>
#include <QSocketNotifier>
#include <QString>
#include <QStringList>
#include <QTimer>

#include <functional>
#include <memory>
#include <vector>

namespace pelmora {

class FocusFollower final : public QObject {
    Q_OBJECT
public:
    // `tellHeld` shows the one message for a switch held back by edits.
    FocusFollower(ProfileSwitch& profiles, std::function<void(const QString& profile)> tellHeld,
                  QObject* parent = nullptr);
    ~FocusFollower() override;

    // Opens what `session` offers; the mechanisms that push start pushing.
    void start(const FocusSession& session);
    FocusMechanism mechanism() const { return mechanism_; }
    // A focus change, from the source or the bus.
    void focused(const FocusedApplication& application);
    // The applications that had the focus since the start, the latest first
    // (Pelmora's own windows left out).
    const std::vector<FocusedApplication>& seen() const { return seen_; }
    // How many focus changes arrived since the start.
    uint reports() const { return reports_; }
    // The GNOME Shell extension that fits the running shell.
    std::string_view gnomeExtensionUuid() const;

signals:
    // Each focus change of another application than Pelmora.
    void applicationFocused(const QStringList& ids);

private:
    void readSource();
    void askShellVersion();
    void settle();

    ProfileSwitch& profiles_;
    std::function<void(const QString&)> tellHeld_;
    FocusMechanism mechanism_ = FocusMechanism::None;
    std::unique_ptr<FocusSource> source_;
    QSocketNotifier* notifier_ = nullptr; // owned as a child
    FocusDebounce debounce_;
    QTimer timer_;
    std::vector<FocusedApplication> seen_;
    uint reports_ = 0;
    int shellMajor_ = 0;    // GNOME Shell's major version; 0: not known
    bool heldTold_ = false; // the held switch was told for these edits
};

} // namespace pelmora
