#include "ui/skin/mem_dc.h"

#include <QRegion>
#include <QWidget>

namespace pelmora {

namespace {
const QColor kEmptySurface(40, 40, 40);
}

void SkinCanvas::create(QSize size) {
    image_ = QImage(size, QImage::Format_ARGB32_Premultiplied);
    image_.fill(kEmptySurface);
}

void SkinCanvas::setImage(const QImage& image) {
    image_ = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
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
        const QRect covered = area & image_.rect();
        painter.drawImage(covered, image_, covered);
        rest -= QRegion(image_.rect());
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
