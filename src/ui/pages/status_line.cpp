#include "ui/pages/status_line.h"

#include "ui/pages/page_layout.h"
#include "ui/skin/skin_state.h"

#include <QWidget>

namespace pelmora {

void StatusLine::set(Source source, const QString& text) {
    texts_[static_cast<std::size_t>(source)] = text;
    update();
}

QString StatusLine::shown() const {
    for (const QString& text : texts_) {
        if (!text.isEmpty()) {
            return text;
        }
    }
    return {};
}

void StatusLine::update() {
    const QString text = shown();
    if (text.isEmpty() && !label_) {
        return;
    }
    if (!label_) {
        // Owned by the window, like every child control.
        label_ = new QLabel(&window_);
        label_->setAttribute(Qt::WA_TransparentForMouseEvents);
        const Rect& r = layout::kApplyStatusRect;
        label_->setGeometry(r.left, r.top, r.width(), r.height());
    }
    QPalette palette = label_->palette();
    palette.setColor(QPalette::WindowText, skinState().textColour());
    label_->setPalette(palette);
    label_->setFont(font_);
    label_->setText(text);
    label_->setVisible(!text.isEmpty());
    label_->raise();
}

} // namespace pelmora
