#pragma once
// Skin images: PNG decoding into premultiplied ARGB, a cache of decoded
// images keyed by path, and the image drawing operation of every window.

#include "ui/skin/rect.h"

#include <QByteArray>
#include <QHash>
#include <QImage>
#include <QSet>
#include <QSize>
#include <QString>

#include <string_view>

class QPainter;

namespace pelmora {

// Every image is read through here: only a regular file is opened (without
// waiting for a pipe's writer) and read whole. False when it cannot be.
bool readSkinFile(const QString& path, QByteArray& content);
// The size of the image at path; invalid when it cannot be read.
QSize skinImageSize(const QString& path);

// The scale of the skin images drawn for a device pixel ratio: 2 (the
// "@2x" images, twice as many pixels each way) from 1.5 on, else 1.
int skinImageScale(qreal devicePixelRatio);
// The file of an image at a scale: "<name>@2x.png" beside "<name>.png".
QString scaledImagePath(const QString& path, int scale);

// Reads a PNG and premultiplies it: each colour channel c becomes
// c * alpha / 255, truncated. A null image when the file cannot be read.
QImage loadPremultiplied(const QString& path);

// Decoded images by path. Decoding a PNG costs far more than drawing it, and
// hover effects draw the same few images again and again.
class SkinImageCache {
public:
    // The image at path, decoded on first use; null when it cannot be read
    // (a failure is not remembered, so a file that appears later is found).
    // At scale 2 the "@2x" image when the skin has one (its device pixel
    // ratio is 2), else the plain one, which the painter then enlarges.
    const QImage* find(const QString& path, int scale = 1);
    void clear() {
        images_.clear();
        missingScaled_.clear();
    }
    int decodeCount() const { return decodes_; }
    void setEnabled(bool on) {
        enabled_ = on;
        clear();
    }

private:
    QHash<QString, QImage> images_;
    // "@2x" files the skin lacks: not looked for again until the skin changes.
    QSet<QString> missingScaled_;
    QImage uncached_;
    int decodes_ = 0;
    bool enabled_ = true;
};

SkinImageCache& skinImageCache();

// Draws the image at path with its top-left corner at (x, y), at its own
// size (the "@2x" image on a target of device pixel ratio 1.5 or more), source over destination
// with the image's per-pixel alpha. Returns false and draws nothing when there is no painter or the
// image is missing.
bool drawImage(QPainter* painter, const QString& path, int x, int y);
// The same for an image name of the active skin.
bool drawSkinImage(QPainter* painter, std::string_view imageName, int x, int y);
// Copies the part of a full-window image (a window's background) that lies
// under r back onto the canvas, replacing whatever was drawn there.
bool restoreSkinImagePart(QPainter* painter, std::string_view imageName, const Rect& r);

} // namespace pelmora
