#include "ui/skin/mem_dc.h"

#include "ui/skin/skin_images.h"

#include <QRegion>
#include <QWidget>

namespace pelmora {

namespace {
const QColor kEmptySurface(40, 40, 40);
}

void SkinCanvas::create(QSize size) {
    // As many pixels as the window has on its screen: the "@2x" images
    // and the text are drawn sharp at a device pixel ratio of 2.
    const int scale = skinImageScale(window_.devicePixelRatioF());
    image_ = QImage(size * scale, QImage::Format_ARGB32_Premultiplied);
    image_.setDevicePixelRatio(scale);
    image_.fill(kEmptySurface);
}

void SkinCanvas::setImage(const QImage& image) {
    if (image.devicePixelRatio() == skinImageScale(window_.devicePixelRatioF())) {
        image_ = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
        return;
    }
    // An image of another scale (a skin without "@2x" images) is enlarged.
    create(image.deviceIndependentSize().toSize());
    QPainter painter(&image_);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawImage(QRectF(QPointF(0, 0), image.deviceIndependentSize()), image);
}

void SkinCanvas::present(const QRect& area) {
    ++presents_;
    if (area.isEmpty()) {
        window_.update();
    } else {
        window_.update(area);
    }
}

void SkinCanvas::paint(QPainter& painter, const QRect& area) const {
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    QRegion rest(area);
    if (!image_.isNull()) {
        const qreal d = image_.devicePixelRatio();
        const QRect logical(QPoint(0, 0), image_.deviceIndependentSize().toSize());
        const QRect covered = area & logical;
        painter.drawImage(
            covered, image_,
            QRectF(covered.x() * d, covered.y() * d, covered.width() * d, covered.height() * d));
        rest -= QRegion(logical);
    }
    for (const QRect& r : rest) {
        painter.fillRect(r, kEmptySurface);
    }
}

CMemDC::CMemDC(SkinCanvas& canvas, QRect rect)
    : canvas_(canvas), rect_(rect.isEmpty() ? canvas.window().rect() : rect) {
    if (canvas_.exists()) {
        painter_.emplace(&canvas_.image());
        painter_->setClipRect(rect_);
        painter_->setRenderHint(QPainter::TextAntialiasing);
    }
}

CMemDC::~CMemDC() {
    painter_.reset();
    canvas_.present(drawn_.isEmpty() ? rect_ : drawn_);
}

} // namespace pelmora
