#include "ui/skin/app_icon.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QImageReader>

#include <cmath>

namespace pelmora {
namespace {

// Mean difference of the two images' pixels over all four channels, 0..255.
double meanDifference(const QImage& a, const QImage& b) {
    double sum = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y);
            const QRgb q = b.pixel(x, y);
            sum += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) +
                   std::abs(qBlue(p) - qBlue(q)) + std::abs(qAlpha(p) - qAlpha(q));
        }
    }
    return sum / (4.0 * a.width() * a.height());
}

TEST(AppIcon, PaintedAtEverySizeWithTransparentCorners) {
    for (const int side : {16, 48, 256}) {
        const QImage image = appIconImage(side);
        ASSERT_EQ(image.size(), QSize(side, side));
        EXPECT_EQ(qAlpha(image.pixel(0, 0)), 0);
        // The body's middle is opaque.
        EXPECT_EQ(qAlpha(image.pixel(side / 2, side * 3 / 4)), 255) << side;
    }
}

TEST(AppIcon, ScalableIconShowsTheSameDrawing) {
    if (!QImageReader::supportedImageFormats().contains("svg")) {
        GTEST_SKIP() << "Qt's SVG image plugin is not installed";
    }
    QImage svg;
    ASSERT_TRUE(svg.loadFromData(appIconSvg(), "SVG"));
    ASSERT_EQ(svg.size(), QSize(32, 32));
    const QImage painted = appIconImage(32).convertToFormat(QImage::Format_ARGB32);
    svg = svg.convertToFormat(QImage::Format_ARGB32);
    // Anti-aliasing differs a little between the two renderers, the shapes not.
    EXPECT_LT(meanDifference(painted, svg), 6.0);
}

} // namespace
} // namespace pelmora
