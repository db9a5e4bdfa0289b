// A plain window of a chosen application for the focus end-to-end tests:
// the first argument is its Wayland app id and its X11 WM_CLASS (instance
// and class), the second its title.
#include <QGuiApplication>
#include <QRasterWindow>

int main(int argc, char** argv) {
    if (argc < 2) {
        return 2;
    }
    const QString id = QString::fromLocal8Bit(argv[1]);
    qputenv("RESOURCE_NAME", argv[1]);
    QGuiApplication app(argc, argv);
    QGuiApplication::setApplicationName(id);
    QGuiApplication::setDesktopFileName(id);
    QRasterWindow window;
    window.setTitle(argc > 2 ? QString::fromLocal8Bit(argv[2]) : id);
    window.resize(240, 160);
    window.show();
    return QGuiApplication::exec();
}
