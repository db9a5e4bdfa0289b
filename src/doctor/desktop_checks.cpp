#include "doctor/desktop_checks.h"

#include "base/environment.h"
#include "desktop/kde_change_notice.h"
#include "desktop/pointer_backend.h"
#include "doctor/desktop_probe.h"

#include <array>
#include <cstdlib>
#include <string_view>
#include <utility>

namespace pelmora {

namespace {

constexpr std::array<std::pair<PointerSetting, std::string_view>, 5> kPointerSettingNames{{
    {PointerSetting::Precision, "pointer precision"},
    {PointerSetting::Speed, "pointer speed"},
    {PointerSetting::WheelLines, "wheel lines"},
    {PointerSetting::ScrollByScreen, "scroll one screen"},
    {PointerSetting::DoubleClick, "double-click time"},
}};

bool isGnome(const DesktopFacts& f) {
    return f.currentDesktop.find("GNOME") != std::string::npos;
}

DoctorCheck sessionCheck(const DesktopFacts& f) {
    const std::string desktop =
        f.currentDesktop.empty() ? std::string() : f.currentDesktop + " on ";
    if (f.sessionType == "wayland" || (f.sessionType.empty() && !f.waylandDisplay.empty())) {
        return {"session",
                Verdict::Ok,
                desktop + "Wayland (WAYLAND_DISPLAY=" + f.waylandDisplay + ")" +
                    (f.display.empty() ? "" : ", X11 programs through DISPLAY=" + f.display),
                {}};
    }
    if (!f.display.empty()) {
        return {"session", Verdict::Ok, desktop + "X11 (DISPLAY=" + f.display + ")", {}};
    }
    return {"session", Verdict::Warn, "no graphical session (neither WAYLAND_DISPLAY nor DISPLAY)",
            "run pelmora from a desktop session; pelmora-cli works anywhere"};
}

DoctorCheck trayCheck(const DesktopFacts& f) {
    if (f.watcher.value_or(false)) {
        return {"tray", Verdict::Ok, "StatusNotifierWatcher on the session bus", {}};
    }
    if (f.xembedTray.value_or(false)) {
        return {"tray", Verdict::Ok, "an XEmbed tray manager on " + f.display, {}};
    }
    std::string found = "no system tray: ";
    found += f.watcher ? "no StatusNotifierWatcher on the session bus"
                       : "no session bus (" + f.busError + ")";
    found += f.xembedTray        ? ", no XEmbed tray manager on " + f.display
             : f.display.empty() ? std::string()
                                 : ", " + f.xembedError;
    // GNOME has no task bar: a closed window comes back another way.
    found += isGnome(f) ? "; the window starts open, and once closed it comes back from the "
                          "application grid or by starting Pelmora again"
                        : "; the window starts open with a task-bar entry instead";
    return {"tray", Verdict::Warn, found,
            "on GNOME: sudo apt install gnome-shell-extension-appindicator, then enable it in "
            "Extensions"};
}

DoctorCheck notificationCheck(const DesktopFacts& f) {
    if (f.notifications.value_or(false)) {
        return {"notifications",
                Verdict::Ok,
                f.notificationServer.empty()
                    ? std::string("org.freedesktop.Notifications, started by the session bus on "
                                  "the first notification")
                    : "org.freedesktop.Notifications on the session bus: " + f.notificationServer,
                {}};
    }
    return {"notifications", Verdict::Warn,
            f.notifications ? std::string("no notification service on the session bus")
                            : "no session bus (" + f.busError + ")",
            "without a tray, events of the mouse are not shown; start the desktop's notification "
            "daemon (e.g. dunst, mako)"};
}

DoctorCheck pointerCheck(const DesktopFacts& f) {
    // The backend's note names itself ("pointer settings: GNOME").
    constexpr std::string_view kPrefix = "pointer settings: ";
    std::string found = f.pointerNote.starts_with(kPrefix) ? f.pointerNote.substr(kPrefix.size())
                                                           : f.pointerBackend;
    std::vector<std::string> locked;
    for (const PointerSettingState& s : f.pointerSettings) {
        if (s.present) {
            found += ", " + s.name + (s.writable ? " writable" : " locked");
            if (!s.writable) {
                locked.push_back(s.name);
            }
        }
    }
    if (!locked.empty()) {
        return {"pointer settings", Verdict::Warn, found,
                "the desktop locks them (a system policy): ask its administrator"};
    }
    return {"pointer settings", Verdict::Ok, found, {}};
}

} // namespace

DesktopFacts DesktopFacts::fromSession() {
    DesktopFacts f;
    f.sessionType = environmentValue("XDG_SESSION_TYPE");
    f.display = environmentValue("DISPLAY");
    f.waylandDisplay = environmentValue("WAYLAND_DISPLAY");
    f.currentDesktop = environmentValue("XDG_CURRENT_DESKTOP");
    const PointerEnvironment env = PointerEnvironment::fromProcess();
    f.watcher = busNameAvailable(env.busAddress, "org.kde.StatusNotifierWatcher", f.busError);
    if (f.watcher) {
        f.notifications =
            busNameAvailable(env.busAddress, "org.freedesktop.Notifications", f.busError);
        if (f.notifications.value_or(false)) {
            f.notificationServer = pelmora::notificationServer(env.busAddress);
        }
    }
    if (!f.display.empty()) {
        f.xembedTray = xembedTrayPresent(f.display, f.xembedError);
    }
    const auto pointer = makePointerSettings(env, f.pointerNote);
    f.pointerBackend = std::string(pointer->name());
    for (const auto& [setting, name] : kPointerSettingNames) {
        f.pointerSettings.push_back(
            {std::string(name), pointer->has(setting), pointer->writable(setting)});
    }
    return f;
}

DoctorChecks desktopChecks(const DesktopFacts& facts) {
    return {sessionCheck(facts), trayCheck(facts), notificationCheck(facts), pointerCheck(facts)};
}

} // namespace pelmora
