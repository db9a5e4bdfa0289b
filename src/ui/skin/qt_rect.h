#pragma once
// Conversions between layout rectangles and Qt's.

#include "ui/skin/rect.h"

#include <QPoint>
#include <QRect>

namespace pelmora {

inline QRect toQRect(const Rect& r) {
    return QRect(r.left, r.top, r.width(), r.height());
}
inline bool contains(const Rect& r, const QPoint& p) {
    return r.contains(p.x(), p.y());
}

} // namespace pelmora
