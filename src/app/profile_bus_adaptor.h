#pragma once
// org.pelmora.Pelmora1 on the running copy's object: the named profiles and
// the settings in words for scripts, launchers and desktop shortcuts, and the
// mouse's DPI stage and presence. ActivateProfile and SetSettings with apply
// answer only when the transfer and the saves have ended, with success or an
// error org.pelmora.Pelmora1.Error.*; the window never waits for a caller.
// The interface's description: share/dbus-1/interfaces/org.pelmora.Pelmora1.xml.

#include "app/device_watch.h"
#include "app/focus_follower.h"
#include "app/profile_switch.h"

#include <QDBusAbstractAdaptor>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>

namespace pelmora {

class ProfileBusAdaptor final : public QDBusAbstractAdaptor {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.pelmora.Pelmora1")
    Q_PROPERTY(QString ActiveProfile READ activeProfile)
    Q_PROPERTY(bool Modified READ modified)
    Q_PROPERTY(bool MouseConnected READ mouseConnected)
    Q_PROPERTY(uint DpiStage READ dpiStage)
    Q_PROPERTY(QString FocusMechanism READ focusMechanism)
    Q_PROPERTY(uint FocusReports READ focusReports)
public:
    // On `object`, the one the program offers at its path; calls before
    // attach() are answered with NoMouse.
    ProfileBusAdaptor(QObject& object, QDBusConnection bus);

    // `connected` tells whether the mouse is there.
    void attach(ProfileSwitch& profiles, CTarvixDlg& window, std::function<bool()> connected);

    QString activeProfile() const;
    bool modified() const;
    bool mouseConnected() const;
    uint dpiStage() const { return dpiStage_; }
    // Where focus changes come from and how many came.
    void attachFocus(FocusFollower& follower);
    QString focusMechanism() const;
    uint focusReports() const { return focus_ ? focus_->reports() : 0; }
    // Emits PropertiesChanged for the properties whose value changed.
    void publishChanges();

public slots:
    QStringList ListProfiles(const QDBusMessage& message);
    void ActivateProfile(const QString& name, const QDBusMessage& message);
    void SaveProfile(const QString& name, const QDBusMessage& message);
    QString GetSetting(const QString& word, const QDBusMessage& message);
    void SetSettings(const QStringList& words, bool apply, const QDBusMessage& message);
    // A desktop's script tells which application gained the focus. It only
    // selects among the user's own profiles.
    void WindowFocused(const QString& appId, const QString& title, uint pid,
                       const QDBusMessage& message);
    // The same with the process id as int32: KWin's callDBus sends numbers so.
    void WindowFocused(const QString& appId, const QString& title, int pid,
                       const QDBusMessage& message);

signals:
    void ProfileActivated(const QString& name);
    void DpiStageChanged(uint stage, uint dpi);
    void MouseConnectionChanged(bool connected);
    void ApplicationFocused(const QStringList& ids);

private:
    // Whether attach() was done; false after the error reply was sent.
    bool started(const QDBusMessage& message);
    // A name the caller gave, checked before it is used; false after the
    // error reply was sent.
    bool acceptName(const QString& name, const QDBusMessage& message);
    void replyError(const QDBusMessage& message, const QString& error, const std::string& text);
    // Words the caller gave, checked before they are used.
    bool acceptWords(const QStringList& words, const QDBusMessage& message);
    void onStageSwitched(uint stage, uint dpi);

    QDBusConnection bus_;
    ProfileSwitch* profiles_ = nullptr;
    CTarvixDlg* window_ = nullptr;
    FocusFollower* focus_ = nullptr;
    uint dpiStage_ = 0; // the last stage the mouse reported; 0: none yet
    std::function<bool()> connected_;
    // The values last published, for PropertiesChanged.
    QString activeSeen_;
    bool modifiedSeen_ = false;
    bool connectedSeen_ = false;
    uint stageSeen_ = 0;
};

} // namespace pelmora
