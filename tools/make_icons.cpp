// Writes the program's icon into a hicolor icon theme tree: PNG sizes and the
// scalable SVG, all from the drawing the tray icon uses.
//   make-icons OUTPUT_DIR ICON_NAME

#include "ui/skin/app_icon.h"

#include <QDir>
#include <QFile>
#include <QString>

#include <array>
#include <cstdio>

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: make-icons OUTPUT_DIR ICON_NAME\n");
        return 2;
    }
    const QString root = QString::fromLocal8Bit(argv[1]);
    const QString name = QString::fromLocal8Bit(argv[2]);
    constexpr std::array kSizes{16, 22, 24, 32, 48, 64, 128, 256};
    for (const int side : kSizes) {
        const QString folder = QStringLiteral("%1/%2x%2/apps").arg(root).arg(side);
        const QString file = folder + "/" + name + ".png";
        if (!QDir().mkpath(folder) || !pelmora::appIconImage(side).save(file, "PNG")) {
            std::fprintf(stderr, "make-icons: cannot write %s\n", qPrintable(file));
            return 1;
        }
    }
    const QString folder = root + "/scalable/apps";
    QFile svg(folder + "/" + name + ".svg");
    if (!QDir().mkpath(folder) || !svg.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        svg.write(pelmora::appIconSvg()) < 0) {
        std::fprintf(stderr, "make-icons: cannot write %s\n", qPrintable(svg.fileName()));
        return 1;
    }
    return 0;
}
