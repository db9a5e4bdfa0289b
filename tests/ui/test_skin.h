#pragma once
// A throw-away skin folder for widget tests: solid-colour images with known
// pixels, written as PNG, made the active skin.

#include "ui/skin/skin_image_names.h"
#include "ui/skin/skin_state.h"

#include <QColor>
#include <QDir>
#include <QImage>
#include <QString>
#include <QTemporaryDir>

#include <string_view>

namespace pelmora::test {

class TestSkin {
public:
    TestSkin() { skinState().setSkin(dir_.path(), "Test"); }
    ~TestSkin() { skinState().setSkin(QString(), QString()); }

    QString folder() const { return dir_.path() + "/Test"; }
    QString path(std::string_view name) const {
        return folder() + QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
    }
    // Writes a w x h image of one straight (not premultiplied) colour.
    void write(std::string_view name, int w, int h, QColor colour) const {
        QImage image(w, h, QImage::Format_ARGB32);
        image.fill(colour);
        write(name, image);
    }
    void write(std::string_view name, const QImage& image) const {
        QDir().mkpath(folder());
        image.save(path(name), "PNG");
    }

private:
    QTemporaryDir dir_;
};

inline QRgb pixel(const QImage& image, int x, int y) {
    return image.pixel(x, y);
}

} // namespace pelmora::test
