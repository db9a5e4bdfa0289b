#pragma once
// The notification-area icon as the main dialog sees it. The desktop's tray
// (system_tray.h: the program's StatusNotifierItem, or Qt's XEmbed icon; its
// balloons through the desktop's notification service, Qt's balloon where
// there is none) is one side of this seam; tests drive and observe the other.

#include <QIcon>
#include <QString>

#include <functional>
#include <vector>

namespace pelmora {

enum class BalloonIcon { Information, Warning };

// The sub-menu above Exit: every profile (the active one checked) and the
// ticks (automatic switching, the short message after a switch).
struct TrayProfilesMenu {
    struct Tick {
        QString label;
        bool on = false;
        std::function<void(bool on)> set;
    };
    struct Profile {
        QString name;
        QString label; // "NAME *" while the configuration differs from it
        bool active = false;
    };
    QString title;
    std::vector<Profile> profiles;
    std::vector<Tick> ticks;
    std::function<void(const QString& name)> choose;
};

class TrayPort {
public:
    struct Handlers {
        std::function<void()> open;             // left click or double click
        std::function<void()> exit;             // the menu's last item
        std::function<void(bool)> availability; // a tray appeared (true) or went (false)
    };

    virtual ~TrayPort() = default;

    // Shows the icon with its tool tip and the menu (Exit alone until the
    // profiles are set).
    virtual void install(const QIcon& icon, const QString& toolTip, Handlers handlers) = 0;
    // Text of the menu's last item ("Exit" in the active language).
    virtual void setExitText(const QString& text) = 0;
    virtual void setProfilesMenu(TrayProfilesMenu menu) = 0;
    virtual void showBalloon(const QString& title, const QString& text, BalloonIcon icon,
                             int milliseconds) = 0;
    // Whether a notification area exists to hold the icon.
    virtual bool isTrayAvailable() const = 0;
    virtual void remove() = 0;
};

} // namespace pelmora
