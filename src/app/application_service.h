#pragma once
// The running copy on the session bus: it owns org.pelmora.Pelmora and
// answers org.freedesktop.Application, so that starting the program again
// (from the menu, a terminal, --show) brings its window up instead of
// starting a second copy.

#include "app/session_bus.h"

#include <QDBusAbstractAdaptor>
#include <QDBusConnection>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QVariantList>
#include <QVariantMap>

#include <functional>

namespace pelmora {

// The desktop's start-up token in the platform data of Activate: Wayland's
// xdg-activation token and X11's startup id.
QVariantMap activationPlatformData();
// Whether a token from a caller on the bus may go into the environment:
// printable ASCII without blanks or '=', at most 256 characters.
bool acceptableActivationToken(const QString& token);
// Puts the Wayland token of the platform data where the platform plugin
// takes it when the window asks to be activated next.
void adoptActivationToken(const QVariantMap& platformData);

class ApplicationService final : public QObject {
    Q_OBJECT
public:
    // `activate` brings the window up; it runs after the token was adopted.
    ApplicationService(QDBusConnection bus, std::function<void()> activate,
                       QObject* parent = nullptr);
    ~ApplicationService() override;

    // Takes the bus name and offers the interface; false (with a line on
    // stderr) when there is no bus or the name is taken.
    bool publish();
    void activate(const QVariantMap& platformData);

private:
    QDBusConnection bus_;
    std::function<void()> activate_;
    bool published_ = false;
};

// org.freedesktop.Application, as the desktop and a second copy call it.
class ApplicationAdaptor final : public QDBusAbstractAdaptor {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Application")
public:
    explicit ApplicationAdaptor(ApplicationService& service);

public slots:
    void Activate(const QVariantMap& platformData);
    // The program opens no files: opening brings the window up.
    void Open(const QStringList& uris, const QVariantMap& platformData);
    // It has no actions of its own: every action brings the window up.
    void ActivateAction(const QString& name, const QVariantList& parameter,
                        const QVariantMap& platformData);

private:
    ApplicationService& service_;
};

// The second copy: asks the running one to show its window. Returns true
// when it answered; false (after a line on stderr) when it could not be
// reached: no session bus, or the running copy is not on it.
bool activateRunningCopy(QDBusConnection bus);

} // namespace pelmora
