#pragma once
// The tray's Profiles sub-menu kept as the files are: every profile (the
// active one checked, "NAME *" while the configuration differs from it) and
// the tick for the message after a switch. The command line changes the
// files too, so the data folder and its profiles are watched. Choosing a
// profile activates it; a failure is told in a notification.

#include "app/profile_switch.h"
#include "app/tray_port.h"
#include "settings/interface_texts.h"

#include <QFileSystemWatcher>
#include <QObject>
#include <QTimer>

#include <functional>

namespace pelmora {

class TrayProfiles final : public QObject {
    Q_OBJECT
public:
    TrayProfiles(TrayPort& tray, ProfileSwitch& profiles, std::function<Language()> language,
                 QObject* parent = nullptr);

    // Builds the menu again now.
    void refresh();

private:
    void choose(const QString& name);
    void watch();

    TrayPort& tray_;
    ProfileSwitch& profiles_;
    std::function<Language()> language_;
    QFileSystemWatcher watcher_;
    QTimer settle_; // a save writes a file and renames it: one refresh for both
};

} // namespace pelmora
