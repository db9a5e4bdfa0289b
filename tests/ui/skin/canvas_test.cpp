// The canvas and the image drawing rules: per-pixel alpha, skipped images,
// the area a CMemDC covers and the image cache.
#include "support/fifo_guard.h"
#include "ui/skin/mem_dc.h"
#include "ui/skin/skin_fonts.h"
#include "ui/skin/skin_images.h"
#include "ui/skin/skin_text.h"
#include "ui/test_skin.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QWidget>
#include <gtest/gtest.h>

namespace pelmora {
namespace {

class CanvasTest : public ::testing::Test {
protected:
    CanvasTest() : canvas(window) {
        window.resize(40, 30);
        canvas.create(QSize(40, 30));
        canvas.image().fill(QColor(0, 0, 0));
    }
    QWidget window;
    SkinCanvas canvas;
    test::TestSkin skin;
};

TEST_F(CanvasTest, AlphaZeroKeepsBackgroundAndHalfWhiteBecomes128) {
    QImage image(3, 1, QImage::Format_ARGB32);
    image.setPixel(0, 0, qRgba(255, 0, 0, 0));       // invisible red
    image.setPixel(1, 0, qRgba(255, 255, 255, 128)); // half white
    image.setPixel(2, 0, qRgba(10, 200, 30, 255));   // opaque
    skin.write("/mix.png", image);

    CMemDC dc(canvas);
    ASSERT_TRUE(drawSkinImage(dc.painter(), "/mix.png", 5, 7));
    const QImage& c = canvas.image();
    EXPECT_EQ(c.pixel(5, 7), qRgb(0, 0, 0));
    EXPECT_EQ(c.pixel(6, 7), qRgb(128, 128, 128));
    EXPECT_EQ(c.pixel(7, 7), qRgb(10, 200, 30));
    EXPECT_EQ(c.pixel(4, 7), qRgb(0, 0, 0)); // nothing beside the image
}

TEST_F(CanvasTest, PremultiplicationTruncates) {
    QImage image(1, 1, QImage::Format_ARGB32);
    image.setPixel(0, 0, qRgba(255, 101, 3, 100));
    skin.write("/p.png", image);
    const QImage loaded = loadPremultiplied(skin.path("/p.png"));
    ASSERT_EQ(loaded.format(), QImage::Format_ARGB32_Premultiplied);
    const QRgb p = reinterpret_cast<const QRgb*>(loaded.constScanLine(0))[0];
    EXPECT_EQ(qRed(p), 100);  // 255 * 100 / 255
    EXPECT_EQ(qGreen(p), 39); // 101 * 100 / 255 = 39.6
    EXPECT_EQ(qBlue(p), 1);   // 3 * 100 / 255 = 1.2
    EXPECT_EQ(qAlpha(p), 100);
}

TEST_F(CanvasTest, ImageWithoutAlphaIsCopied) {
    QImage image(2, 2, QImage::Format_RGB32);
    image.fill(qRgb(1, 2, 3));
    skin.write("/opaque.png", image);
    CMemDC dc(canvas);
    ASSERT_TRUE(drawSkinImage(dc.painter(), "/opaque.png", 0, 0));
    EXPECT_EQ(canvas.image().pixel(1, 1), qRgb(1, 2, 3));
}

TEST_F(CanvasTest, MissingOrDamagedImageIsSkipped) {
    QFile damaged(skin.path("/damaged.png"));
    QDir().mkpath(skin.folder());
    ASSERT_TRUE(damaged.open(QIODevice::WriteOnly));
    damaged.write("\x89PNG not really");
    damaged.close();
    const QImage before = canvas.image();
    CMemDC dc(canvas);
    EXPECT_FALSE(drawSkinImage(dc.painter(), "/nothing.png", 0, 0));
    EXPECT_FALSE(drawSkinImage(dc.painter(), "/damaged.png", 0, 0));
    EXPECT_FALSE(drawSkinImage(nullptr, "/nothing.png", 0, 0));
    EXPECT_EQ(canvas.image(), before);
}

TEST_F(CanvasTest, EmptyRectangleCoversTheClientAreaAndAGivenOneClips) {
    {
        CMemDC dc(canvas);
        EXPECT_EQ(dc.rect(), window.rect());
        dc.painter()->fillRect(QRect(0, 0, 100, 100), Qt::white);
    }
    EXPECT_EQ(canvas.image().pixel(39, 29), qRgb(255, 255, 255));
    {
        CMemDC dc(canvas, QRect(10, 10, 5, 5));
        dc.painter()->fillRect(QRect(0, 0, 100, 100), Qt::blue);
    }
    EXPECT_EQ(canvas.image().pixel(12, 12), qRgb(0, 0, 255));
    EXPECT_EQ(canvas.image().pixel(9, 12), qRgb(255, 255, 255));
    EXPECT_EQ(canvas.image().pixel(15, 12), qRgb(255, 255, 255));
}

TEST_F(CanvasTest, EveryDrawingEndsWithOneCopyAndWithoutCanvasOnlyCopies) {
    const int before = canvas.presentCount();
    { CMemDC dc(canvas); }
    EXPECT_EQ(canvas.presentCount(), before + 1);
    canvas.drop();
    {
        CMemDC dc(canvas);
        EXPECT_EQ(dc.painter(), nullptr);
        EXPECT_FALSE(drawSkinImage(dc.painter(), "/x.png", 0, 0));
    }
    EXPECT_EQ(canvas.presentCount(), before + 2);
}

TEST_F(CanvasTest, PaintCopiesTheCanvasAndFillsWhatItDoesNotCover) {
    canvas.image().fill(qRgb(9, 8, 7));
    QImage out(50, 30, QImage::Format_ARGB32_Premultiplied);
    out.fill(Qt::white);
    QPainter p(&out);
    canvas.paint(p, QRect(0, 0, 50, 30));
    p.end();
    EXPECT_EQ(out.pixel(20, 20), qRgb(9, 8, 7));
    EXPECT_EQ(out.pixel(45, 20), qRgb(40, 40, 40));
}

TEST_F(CanvasTest, CacheDecodesOnceAndForgetsOnSkinChange) {
    skin.write("/c.png", 2, 2, QColor(1, 1, 1));
    SkinImageCache& cache = skinImageCache();
    const int start = cache.decodeCount();
    CMemDC dc(canvas);
    for (int i = 0; i < 5; ++i) {
        ASSERT_TRUE(drawSkinImage(dc.painter(), "/c.png", 0, 0));
    }
    EXPECT_EQ(cache.decodeCount(), start + 1);

    // A new picture in the same place is seen after a skin change.
    skin.write("/c.png", 2, 2, QColor(200, 0, 0));
    skinState().setSkin(QFileInfo(skin.folder()).path(), "Test");
    ASSERT_TRUE(drawSkinImage(dc.painter(), "/c.png", 0, 0));
    EXPECT_EQ(cache.decodeCount(), start + 2);
    EXPECT_EQ(canvas.image().pixel(0, 0), qRgb(200, 0, 0));
}

TEST_F(CanvasTest, ScreensOfTwiceThePixelsGetTheDoubleImagesOrTheOnesEnlarged) {
    for (const auto& [ratio, scale] :
         {std::pair{1.0, 1}, {1.25, 1}, {1.49, 1}, {1.5, 2}, {2.0, 2}, {3.0, 2}}) {
        EXPECT_EQ(skinImageScale(ratio), scale) << ratio;
    }
    skin.write("/sharp.png", 1, 1, QColor(200, 0, 0));
    skin.write("/sharp@2x.png", 2, 2, QColor(0, 0, 200));
    skin.write("/plain.png", 1, 1, QColor(0, 200, 0)); // a user's skin: no @2x
    struct Case {
        qreal ratio;
        const char* image;
        QRgb expected;
    };
    for (const Case& c :
         {Case{1.0, "/sharp.png", qRgb(200, 0, 0)}, Case{2.0, "/sharp.png", qRgb(0, 0, 200)},
          Case{2.0, "/plain.png", qRgb(0, 200, 0)}}) {
        QImage target(8, 8, QImage::Format_ARGB32_Premultiplied);
        target.setDevicePixelRatio(c.ratio);
        target.fill(Qt::black);
        QPainter p(&target);
        ASSERT_TRUE(drawSkinImage(&p, c.image, 1, 1));
        p.end();
        const int from = static_cast<int>(c.ratio); // the image's first device pixel
        for (int y = from; y < 2 * from; ++y) {
            for (int x = from; x < 2 * from; ++x) {
                EXPECT_EQ(target.pixel(x, y), c.expected) << c.ratio << c.image;
            }
        }
        EXPECT_EQ(target.pixel(2 * from, 2 * from), qRgb(0, 0, 0)) << c.ratio << c.image;
    }
}

TEST_F(CanvasTest, AMissingImageIsFoundOnceItExists) {
    CMemDC dc(canvas);
    EXPECT_FALSE(drawSkinImage(dc.painter(), "/late.png", 0, 0));
    skin.write("/late.png", 1, 1, QColor(5, 5, 5));
    EXPECT_TRUE(drawSkinImage(dc.painter(), "/late.png", 0, 0));
}

TEST_F(CanvasTest, ANamedPipeInPlaceOfAnImageIsSkippedWithoutWaiting) {
    QDir().mkpath(skin.folder());
    test::FifoGuard pipe(skin.path("/pipe.png").toStdString());
    ASSERT_TRUE(pipe.created());
    CMemDC dc(canvas);
    EXPECT_FALSE(drawSkinImage(dc.painter(), "/pipe.png", 0, 0));
    EXPECT_FALSE(skinImageSize(skin.path("/pipe.png")).isValid());
    EXPECT_FALSE(pipe.released()) << "an image read waited for the pipe's writer";
}

TEST_F(CanvasTest, LeftAndRightTextIsElidedAndClippedToItsRectangle) {
    const QFont font = textFont("");
    const QString text = "A label far too long for the few pixels it is given";
    for (const TextAlign align : {TextAlign::Left, TextAlign::Right}) {
        canvas.image().fill(Qt::black);
        {
            CMemDC dc(canvas);
            drawTextLine(dc.painter(), {5, 5, 30, 25}, text, align, font, Qt::white);
        }
        int inside = 0;
        int outside = 0;
        for (int y = 0; y < 30; ++y) {
            for (int x = 0; x < 40; ++x) {
                const bool lit = canvas.image().pixel(x, y) != qRgb(0, 0, 0);
                const bool in = x >= 5 && x < 30 && y >= 5 && y < 25;
                (in ? inside : outside) += lit ? 1 : 0;
            }
        }
        EXPECT_GT(inside, 0);
        EXPECT_EQ(outside, 0);
    }
}

TEST_F(CanvasTest, WrappedTextStaysInItsRectangleAndIsCentredVertically) {
    QWidget wide;
    wide.resize(200, 100);
    SkinCanvas big(wide);
    big.create(QSize(200, 100));
    big.image().fill(Qt::black);
    const Rect box{20, 10, 120, 90};
    {
        CMemDC dc(big);
        drawWrappedText(dc.painter(), box, "Repeat the macro until the key is pressed again",
                        textFont("EN"), Qt::white);
    }
    int top = 100;
    int bottom = -1;
    for (int y = 0; y < 100; ++y) {
        for (int x = 0; x < 200; ++x) {
            if (big.image().pixel(x, y) != qRgb(0, 0, 0)) {
                EXPECT_TRUE(box.contains(x, y)) << x << "," << y;
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
        }
    }
    ASSERT_GE(bottom, top);
    EXPECT_GT(bottom - top, 20); // more than one line
    EXPECT_LE(std::abs((top - box.top) - (box.bottom - 1 - bottom)), 6);
}

} // namespace
} // namespace pelmora
