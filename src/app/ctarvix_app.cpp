#include "app/ctarvix_app.h"

#include "app/app_log.h"
#include "app/app_options.h"
#include "app/application_service.h"
#include "app/ctarvix_dlg.h"
#include "app/focus_follower.h"
#include "app/kwin_focus_script.h"
#include "app/profile_bus_adaptor.h"
#include "app/profile_switch.h"
#include "app/quit_signals.h"
#include "app/single_instance.h"
#include "app/start_up_requests.h"
#include "app/switch_feedback.h"
#include "app/system_tray.h"
#include "app/tray_profiles.h"
#include "app/wayland_shortcut_inhibitor.h"
#include "app/window_link.h"
#include "app/window_profiles.h"
#include "desktop/focus/focus_helpers.h"
#include "profiles/profile_texts.h"
#include "settings/app_identity.h"
#include "ui/skin/accessible_skin.h"
#include "ui/skin/message_box_sink.h"

#include <QApplication>
#include <QStringList>

#include <cstring>
#include <iostream>

namespace pelmora {

int CTarvixApp::run(int argc, char** argv) {
    // --help and --version need no display.
    AppOptions options;
    for (int i = 1; i < argc; ++i) {
        for (const char* flag : {"--help", "-h", "--version"}) {
            if (std::strcmp(argv[i], flag) == 0) {
                return parseAppOptions({flag}, options, std::cout, std::cerr).value_or(0);
            }
        }
    }

    // The class name must be set before the first window exists.
    QApplication::setApplicationName(QString::fromLatin1(identity::kWindowClass));
    QGuiApplication::setDesktopFileName(QString::fromLatin1(identity::kDesktopEntry));
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    // The title the desktop shows for the window (task bar, window lists);
    // the class above stays what the desktop knows the window by.
    QApplication::setApplicationDisplayName(QString::fromLatin1(identity::kDisplayName));
    // Screen readers list the program by that name too.
    installSkinAccessibility();
    installAppLog();

    std::vector<std::string> args;
    const QStringList qtArgs = QApplication::arguments(); // Qt's own options removed
    for (qsizetype i = 1; i < qtArgs.size(); ++i) {
        args.push_back(qtArgs[i].toStdString());
    }
    if (const auto status = parseAppOptions(args, options, std::cout, std::cerr)) {
        return *status;
    }

    // A second copy ends here, before it opens the mouse or touches the
    // simulated mouse's state file and control pipe: it asks the running
    // copy to show its window.
    SingleInstanceLock instance;
    if (takeInstanceLock(instance, SingleInstanceLock::defaultFolder()) ==
        SingleInstanceLock::Result::AlreadyRunning) {
        activateRunningCopy(session_bus::connection());
        return 0;
    }

    // Requests that come while the program starts (its first message boxes,
    // the first read) are kept for the end of start-up: a quit ends the
    // program there, an activation shows the window then. The bus name is
    // taken now, so that a second copy finds this one at once.
    StartUpRequests requests;
    QuitSignals quitSignals;
    QObject::connect(&quitSignals, &QuitSignals::quitRequested, [&requests] { requests.quit(); });
    ApplicationService service(session_bus::connection(), [&requests] { requests.activate(); });
    // The profiles' interface on the same object; it answers once the window is there.
    auto* profileBus = new ProfileBusAdaptor(service, session_bus::connection());
    service.publish();

    MessageBoxSink messages;
    const DataFolder folder = DataFolder::resolve(options.common.dataDir);
    WindowLink link(options, messages);
    if (requests.quitting()) {
        return requests.status();
    }
    // Keys the compositor binds reach the key dialogs and the recorder.
    const std::unique_ptr<WaylandShortcutInhibitor> inhibitor = WaylandShortcutInhibitor::create();
    setShortcutInhibitor(inhibitor.get());
    SystemTray tray;
    CTarvixDlg dlg(
        {tray, link.link(), messages, folder, [&requests](int code) { requests.ended(code); }});
    messages.setParent(&dlg);
    ProfileSwitch profiles(dlg, folder);
    profileBus->attach(profiles, dlg, [&link] { return link.link().present(); });
    const auto language = [&dlg] { return dlg.session().language(); };
    TrayProfiles trayProfiles(tray, profiles, language);
    WindowProfiles windowProfiles(dlg, dlg.profileChooser(), profiles);
    QObject::connect(&windowProfiles, &WindowProfiles::maybeEdited, profileBus,
                     &ProfileBusAdaptor::publishChanges);
    // A profile switched from the tray or the bus, a stage the mouse
    // switched to: one short message, unless turned off.
    SwitchFeedback feedback(
        session_bus::connection(), [&profiles] { return profiles.library().feedbackOn(); },
        [&tray](const QString& text) {
            tray.showBalloon(QString::fromLatin1(identity::kDisplayName), text,
                             BalloonIcon::Information, 3000);
        });
    dlg.deviceWatch().setSwitchFeedback([&feedback](const QString& text) { feedback.show(text); });
    QObject::connect(&profiles, &ProfileSwitch::activated, &feedback,
                     [&feedback, language](const QString& name, bool fromWindow) {
                         if (!fromWindow) {
                             feedback.show(QString::fromStdString(profileUiText(
                                 ProfileText::Switched, language(), name.toStdString())));
                         }
                     });
    // Profiles that follow the focused application; on Plasma a KWin script
    // tells which one that is.
    FocusFollower focus(profiles, [&tray, language](const QString& profile) {
        tray.showBalloon(QString::fromLatin1(identity::kDisplayName),
                         QString::fromStdString(profileUiText(ProfileText::HeldForEdits, language(),
                                                              profile.toStdString())),
                         BalloonIcon::Information, 8000);
    });
    profileBus->attachFocus(focus);
    windowProfiles.setFocus(focus);
    focus.start(FocusSession::fromEnvironment());
    KWinFocusScript kwinScript(session_bus::connection());
    if (const auto script = kwinFocusScript();
        focus.mechanism() == FocusMechanism::KWinScript && !script.empty()) {
        kwinScript.load(QString::fromStdString(script.string()));
    }
    // Logout (SIGTERM), Ctrl+C and a closed terminal end the program as the
    // tray's Exit does: a running transfer finishes and is saved first.
    requests.setWindow(dlg);
    dlg.initialise();
    trayProfiles.refresh(); // in the language just read
    dlg.profileChooser().refresh();
    if (!requests.quitting()) {
        dlg.startUp(options.show || requests.activationPending(), options.autostart);
        requests.started();
    }
    if (requests.quitting()) {
        setShortcutInhibitor(nullptr);
        return requests.status();
    }
    const int loop = QApplication::exec();
    setShortcutInhibitor(nullptr);
    return loop != 0 ? loop : requests.status();
}

} // namespace pelmora
