#pragma once
// The program's icon (a small drawn mouse), one drawing for the tray icon, the
// window and the icons installed for the desktop's menus.

#include <QByteArray>
#include <QIcon>
#include <QImage>

class QPainter;

namespace pelmora {

// Draws the icon into the square (0, 0, side, side) of `painter`.
void paintAppIcon(QPainter& painter, int side);
// The icon as a transparent image of side x side pixels.
QImage appIconImage(int side);
// The same drawing as a scalable SVG document.
QByteArray appIconSvg();
// The icon of the window and the notification area, in the usual sizes.
QIcon appIcon();

} // namespace pelmora
