#include "ui/skin/app_icon.h"

#include <QColor>
#include <QPainter>
#include <QPen>
#include <QPixmap>
#include <QString>

namespace pelmora {
namespace {

// The drawing on a 32 x 32 grid: body, the split between the buttons, wheel.
constexpr double kGrid = 32;
constexpr QRgb kBodyFill = qRgb(30, 30, 34);
constexpr QRgb kAccent = qRgb(0, 220, 90);
constexpr double kStroke = 2;
struct RoundRect {
    double x, y, w, h, radius;
};
constexpr RoundRect kBody{7, 2, 18, 28, 9};
constexpr RoundRect kWheel{14.5, 6, 3, 6, 1.5};
constexpr double kSplitX = 16, kSplitTop = 3, kSplitBottom = 13;

QString svgColour(QRgb rgb) {
    return QColor(rgb).name();
}

} // namespace

void paintAppIcon(QPainter& p, int side) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(side / kGrid, side / kGrid);
    p.setBrush(QColor(kBodyFill));
    p.setPen(QPen(QColor(kAccent), kStroke));
    p.drawRoundedRect(QRectF(kBody.x, kBody.y, kBody.w, kBody.h), kBody.radius, kBody.radius);
    p.drawLine(QPointF(kSplitX, kSplitTop), QPointF(kSplitX, kSplitBottom));
    p.setBrush(QColor(kAccent));
    p.drawRoundedRect(QRectF(kWheel.x, kWheel.y, kWheel.w, kWheel.h), kWheel.radius, kWheel.radius);
    p.restore();
}

QImage appIconImage(int side) {
    QImage image(side, side, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    paintAppIcon(p, side);
    return image;
}

QByteArray appIconSvg() {
    const auto rect = [](const RoundRect& r) {
        return QStringLiteral("x=\"%1\" y=\"%2\" width=\"%3\" height=\"%4\" rx=\"%5\" ry=\"%5\"")
            .arg(r.x)
            .arg(r.y)
            .arg(r.w)
            .arg(r.h)
            .arg(r.radius);
    };
    const QString accent = svgColour(kAccent);
    QString svg;
    svg += QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                          "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"%1\" height=\"%1\" "
                          "viewBox=\"0 0 %1 %1\">\n")
               .arg(kGrid);
    svg += QStringLiteral("  <g stroke=\"%1\" stroke-width=\"%2\">\n").arg(accent).arg(kStroke);
    svg += QStringLiteral("    <rect %1 fill=\"%2\"/>\n").arg(rect(kBody), svgColour(kBodyFill));
    svg += QStringLiteral("    <line x1=\"%1\" y1=\"%2\" x2=\"%1\" y2=\"%3\"/>\n")
               .arg(kSplitX)
               .arg(kSplitTop)
               .arg(kSplitBottom);
    svg += QStringLiteral("    <rect %1 fill=\"%2\"/>\n").arg(rect(kWheel), accent);
    svg += QStringLiteral("  </g>\n</svg>\n");
    return svg.toUtf8();
}

QIcon appIcon() {
    QIcon icon;
    for (const int side : {16, 24, 32, 48, 64}) {
        icon.addPixmap(QPixmap::fromImage(appIconImage(side)));
    }
    return icon;
}

} // namespace pelmora
