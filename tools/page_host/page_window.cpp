#include "page_host/page_window.h"

#include "ui/pages/page_layout.h"
#include "ui/skin/skin_image_names.h"
#include "ui/skin/skin_images.h"
#include "ui/skin/skin_state.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QWindow>

namespace pelmora {

PageWindow::PageWindow(SettingsBlock& settings, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint), frame_(*this, settings),
      dpiRatePart_(frame_, settings, [this] { return sensorType_; }),
      lightingPart_(frame_, settings), keySettingsPart_(frame_, settings, labels_, messages_) {
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    frame_.hooks().hide = [this] { hide(); };
    frame_.dialogs().keys = &keyDialogs_;
    frame_.addPart(PageFrame::BasicPage, keySettingsPart_);
    frame_.addPart(PageFrame::BasicPage, dpiRatePart_);
    frame_.addPart(PageFrame::BasicPage, lightingPart_);
}

void PageWindow::start() {
    const QImage* background =
        skinImageCache().find(skinState().imagePath(skin_image::kBasicBackground));
    setFixedSize(background != nullptr ? background->size()
                                       : QSize(layout::kWindowWidth, layout::kWindowHeight));
    labels_ = firstRunLabels(languageFromCode(skinState().language()));
    frame_.initialise();
    frame_.drawBasicPage();
}

void PageWindow::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    frame_.canvas().paint(painter, event->rect());
}

void PageWindow::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        QWidget::mousePressEvent(event);
        return;
    }
    if (frame_.leftButtonDown(event->position().toPoint()) == PageFrame::Press::Nothing) {
        drag_.arm(event->globalPosition().toPoint());
    }
}

void PageWindow::mouseReleaseEvent(QMouseEvent* event) {
    drag_.disarm();
    QWidget::mouseReleaseEvent(event);
}

void PageWindow::mouseMoveEvent(QMouseEvent* event) {
    if (drag_.mouseMoved(*this, event->globalPosition().toPoint(),
                         event->buttons().testFlag(Qt::LeftButton))) {
        ++drags_;
    }
    frame_.mouseMoved(event->position().toPoint());
}

void PageWindow::keyPressEvent(QKeyEvent* event) {
    if (!frame_.preFilterKey(event->key())) {
        QWidget::keyPressEvent(event);
    }
}

} // namespace pelmora
