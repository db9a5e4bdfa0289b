#include "ui/skin/text_fit.h"

#include <QFontMetrics>
#include <QWidget>

#include <algorithm>

namespace pelmora {

namespace {
// Room beside the text for a field's margins.
constexpr int kTextMargin = 8;
} // namespace

void fitControlToText(QWidget& control, const Rect& r, const QString& text) {
    const int needed = control.fontMetrics().horizontalAdvance(text) + kTextMargin;
    int width = std::max(r.width(), needed);
    int left = r.left + (r.width() - width) / 2;
    if (const QWidget* window = control.parentWidget(); window != nullptr) {
        width = std::min(width, window->width());
        left = std::clamp(left, 0, window->width() - width);
    }
    control.setGeometry(left, r.top, width, r.height());
}

} // namespace pelmora
