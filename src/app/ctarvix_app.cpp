#include "app/ctarvix_app.h"

#include "app/app_options.h"
#include "app/ctarvix_dlg.h"
#include "app/device_link_adapter.h"
#include "app/quit_signals.h"
#include "app/system_tray.h"
#include "ui/skin/message_box_sink.h"

#include <QApplication>
#include <QStringList>

#include <cstring>
#include <iostream>

namespace pelmora {

namespace {
// The window class the rest of the desktop knows the main window by.
constexpr const char* kWindowClassName = "KandroGMClass";
} // namespace

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
    QApplication::setApplicationName(QString::fromLatin1(kWindowClassName));
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    // The title the desktop shows for the window (task bar, window lists);
    // the class above stays what the desktop knows the window by.
    QApplication::setApplicationDisplayName(QStringLiteral("Pelmora"));

    std::vector<std::string> args;
    const QStringList qtArgs = QApplication::arguments(); // Qt's own options removed
    for (qsizetype i = 1; i < qtArgs.size(); ++i) {
        args.push_back(qtArgs[i].toStdString());
    }
    if (const auto status = parseAppOptions(args, options, std::cout, std::cerr)) {
        return *status;
    }

    // A second copy ends here, before it opens the mouse or touches the
    // simulated mouse's state file and control pipe, and shows nothing.
    SingleInstanceLock instance;
    if (takeInstanceLock(instance, SingleInstanceLock::defaultFolder()) ==
        SingleInstanceLock::Result::AlreadyRunning) {
        return 0;
    }

    MessageBoxSink messages;
    const DataFolder folder = DataFolder::resolve(options.common.dataDir);
    std::unique_ptr<ShellDevice> device = makeShellDevice(options, folder, messages);
    SystemTray tray;
    int status = 0;
    // The lock is held already: no lock folder for the dialog.
    CTarvixDlg dlg({tray, *device, messages, folder, {}, [&status](int code) {
                        status = code;
                        QCoreApplication::exit(code);
                    }});
    // Logout (SIGTERM), Ctrl+C and a closed terminal end the program as the
    // tray's Exit does: a running transfer finishes and is saved first.
    QuitSignals quitSignals;
    QObject::connect(&quitSignals, &QuitSignals::quitRequested, &dlg, [&dlg] { dlg.onExit(); });
    if (dlg.initialise() == CTarvixDlg::InitResult::AlreadyRunning) {
        return 0;
    }
    dlg.startUp(options.show);
    const int loop = QApplication::exec();
    return loop != 0 ? loop : status;
}

} // namespace pelmora
