#pragma once
// Off-screen drawing. Every skinned window owns one canvas, a premultiplied
// ARGB image of its client area that always holds its current picture.
// Drawing goes onto the canvas through a CMemDC, which draws only what
// changed and, when it ends, has the window repaint what it drew: its
// rectangle, or the areas marked as drawn (a hover: one button's rectangle).

#include <QImage>
#include <QPainter>
#include <QRect>

#include <optional>

class QWidget;

namespace pelmora {

class SkinCanvas {
public:
    // The canvas of one window; the window's paint handler calls paint().
    explicit SkinCanvas(QWidget& window) : window_(window) {}

    // A canvas of the given size, dark until drawn on.
    void create(QSize size);
    // The canvas becomes a copy of the image (the window's background).
    void setImage(const QImage& image);
    void drop() { image_ = QImage(); }
    bool exists() const { return !image_.isNull(); }
    QImage& image() { return image_; }
    const QImage& image() const { return image_; }
    QWidget& window() const { return window_; }

    // Copies the area (the whole client area when empty) from the canvas to
    // the window.
    void present(const QRect& area = {});
    // How often the window has been given a new picture.
    int presentCount() const { return presents_; }
    // For the window's paint handler.
    void paint(QPainter& painter, const QRect& area) const;

private:
    QWidget& window_;
    QImage image_;
    int presents_ = 0;
};

class CMemDC {
public:
    // Draws onto the canvas inside rect; an empty rect covers the whole
    // client area. Without a canvas there is nothing to draw on: painter()
    // is null and only the copy to the window happens.
    explicit CMemDC(SkinCanvas& canvas, QRect rect = {});
    ~CMemDC();
    CMemDC(const CMemDC&) = delete;
    CMemDC& operator=(const CMemDC&) = delete;

    QPainter* painter() { return painter_ ? &*painter_ : nullptr; }
    const QRect& rect() const { return rect_; }
    // Narrows the repaint at the end to the marked areas (within rect()).
    void markDrawn(const QRect& area) { drawn_ |= area & rect_; }

private:
    SkinCanvas& canvas_;
    QRect rect_;
    QRect drawn_;
    std::optional<QPainter> painter_;
};

} // namespace pelmora
