#include "ui/skin/skin_images.h"

#include "base/atomic_file.h"
#include "ui/skin/skin_state.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>
#include <QPainter>

#include <filesystem>
#include <string>

namespace pelmora {

bool readSkinFile(const QString& path, QByteArray& content) {
    std::string bytes;
    std::string error;
    if (!readWholeFile(std::filesystem::path(QFile::encodeName(path).toStdString()), bytes,
                       error)) {
        return false;
    }
    content = QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size()));
    return true;
}

QSize skinImageSize(const QString& path) {
    QByteArray content;
    if (!readSkinFile(path, content)) {
        return {};
    }
    QBuffer buffer(&content);
    return QImageReader(&buffer).size();
}

int skinImageScale(qreal devicePixelRatio) {
    return devicePixelRatio >= 1.5 ? 2 : 1;
}

QString scaledImagePath(const QString& path, int scale) {
    if (scale <= 1 || !path.endsWith(QLatin1String(".png"), Qt::CaseInsensitive)) {
        return path;
    }
    return path.left(path.size() - 4) + QStringLiteral("@%1x").arg(scale) + path.right(4);
}

QImage loadPremultiplied(const QString& path) {
    QByteArray content;
    if (!readSkinFile(path, content)) {
        return {};
    }
    QImage raw = QImage::fromData(content);
    if (raw.isNull()) {
        return {};
    }
    if (!raw.hasAlphaChannel()) {
        return raw.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    }
    // Our own premultiplication: truncating, so half-transparent white is
    // exactly 128 in every channel.
    const QImage straight = raw.convertToFormat(QImage::Format_ARGB32);
    QImage out(straight.size(), QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < straight.height(); ++y) {
        const auto* src = reinterpret_cast<const QRgb*>(straight.constScanLine(y));
        auto* dst = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < straight.width(); ++x) {
            const QRgb p = src[x];
            const int a = qAlpha(p);
            dst[x] = qRgba(qRed(p) * a / 255, qGreen(p) * a / 255, qBlue(p) * a / 255, a);
        }
    }
    return out;
}

const QImage* SkinImageCache::find(const QString& path, int scale) {
    const QString scaled = scaledImagePath(path, scale);
    if (scaled != path && !missingScaled_.contains(scaled)) {
        if (auto it = images_.constFind(scaled); enabled_ && it != images_.constEnd()) {
            return &it.value();
        }
        QImage image = loadPremultiplied(scaled);
        ++decodes_;
        if (!image.isNull()) {
            image.setDevicePixelRatio(scale);
            if (!enabled_) {
                uncached_ = std::move(image);
                return &uncached_;
            }
            return &images_.insert(scaled, std::move(image)).value();
        }
        missingScaled_.insert(scaled);
    }
    if (!enabled_) {
        uncached_ = loadPremultiplied(path);
        ++decodes_;
        return uncached_.isNull() ? nullptr : &uncached_;
    }
    if (auto it = images_.constFind(path); it != images_.constEnd()) {
        return &it.value();
    }
    QImage image = loadPremultiplied(path);
    ++decodes_;
    if (image.isNull()) {
        return nullptr;
    }
    return &images_.insert(path, std::move(image)).value();
}

SkinImageCache& skinImageCache() {
    static SkinImageCache cache;
    return cache;
}

namespace {
// The image scale for what the painter draws on.
int painterScale(const QPainter& painter) {
    return painter.device() != nullptr ? skinImageScale(painter.device()->devicePixelRatioF()) : 1;
}
} // namespace

bool drawImage(QPainter* painter, const QString& path, int x, int y) {
    if (painter == nullptr) {
        return false;
    }
    const QImage* image = skinImageCache().find(path, painterScale(*painter));
    if (image == nullptr) {
        return false;
    }
    const auto mode = painter->compositionMode();
    painter->setCompositionMode(QPainter::CompositionMode_SourceOver);
    painter->drawImage(x, y, *image);
    painter->setCompositionMode(mode);
    return true;
}

bool drawSkinImage(QPainter* painter, std::string_view imageName, int x, int y) {
    return drawImage(painter, skinState().imagePath(imageName), x, y);
}

bool restoreSkinImagePart(QPainter* painter, std::string_view imageName, const Rect& r) {
    if (painter == nullptr) {
        return false;
    }
    const QImage* image =
        skinImageCache().find(skinState().imagePath(imageName), painterScale(*painter));
    if (image == nullptr) {
        return false;
    }
    const QRect area(r.left, r.top, r.width(), r.height());
    const qreal d = image->devicePixelRatio();
    const auto mode = painter->compositionMode();
    painter->setCompositionMode(QPainter::CompositionMode_Source);
    painter->drawImage(QRectF(area), *image,
                       QRectF(area.x() * d, area.y() * d, area.width() * d, area.height() * d));
    painter->setCompositionMode(mode);
    return true;
}

} // namespace pelmora
