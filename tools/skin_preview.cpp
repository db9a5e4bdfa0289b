// Shows the main window's pages in a skin and language, for looking at the
// skins and for the screenshot script. Without --out the window stays open
// (under Xvfb the script photographs it); with --out it writes the picture.
//
//   skin-preview --data-dir DIR [--skin NAME] [--lang CODE] [--page basic|advanced]
//                [--hover X,Y] [--out FILE.png] [--quit-after MS]

#include "page_host/page_window.h"
#include "settings/factory_settings.h"
#include "ui/skin/skin_state.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QTimer>

int main(int argc, char** argv) {
    using namespace pelmora;
    QApplication::setApplicationName("KandroGMClass");
    QApplication app(argc, argv);
    QCommandLineParser args;
    args.addOptions({{"data-dir", "Data folder.", "dir"},
                     {"skin", "Skin name.", "name", "Default"},
                     {"lang", "Language code.", "code", "EN"},
                     {"page", "basic or advanced.", "page", "basic"},
                     {"hover", "Rest the mouse at X,Y.", "x,y"},
                     {"out", "Write the window's picture here and quit.", "file"},
                     {"quit-after", "Quit after this many ms.", "ms"}});
    args.process(app);

    skinState().setSkin(args.value("data-dir") + "/Skins", args.value("skin"));
    skinState().setLanguage(args.value("lang").toStdString());
    skinState().setTextColour(QColor(222, 228, 236));

    SettingsBlock settings = factorySettings();
    settings.reportInterval = 1;
    settings.dpiStageOn = {1, 1, 1, 0};
    settings.dpiLevel = {1, 3, 5, 7};
    settings.pointerSpeedLevel = 6;
    settings.scrollLines = 3;
    settings.doubleClickLevel = 6;
    settings.pointerPrecision = 1;
    PageWindow window(settings);
    window.start();
    if (args.value("page") == "advanced") {
        window.frame().drawAdvancedPage();
    }
    if (args.isSet("hover")) {
        const QStringList xy = args.value("hover").split(',');
        window.frame().hover().hoverAt(QPoint(xy.value(0).toInt(), xy.value(1).toInt()));
    }
    window.move(0, 0);
    window.show();
    if (args.isSet("out")) {
        return window.grab().save(args.value("out")) ? 0 : 1;
    }
    if (args.isSet("quit-after")) {
        QTimer::singleShot(args.value("quit-after").toInt(), &app, &QApplication::quit);
    }
    return QApplication::exec();
}
