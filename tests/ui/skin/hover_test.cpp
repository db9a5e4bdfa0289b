// Hover tracking: the resting mouse lights an area, moving on lights the
// neighbour and restores the first in one repaint, leaving restores all.
#include "ui/skin/hot_area.h"
#include "ui/test_skin.h"

#include <QPaintEvent>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>

namespace pelmora {
namespace {

const QRgb kNormal = qRgb(30, 30, 30);
const QRgb kOver = qRgb(0, 200, 255);

class HoverTest : public ::testing::Test {
protected:
    HoverTest() : canvas(window), tracker(canvas) {
        window.resize(300, 100);
        canvas.create(QSize(300, 100));
        canvas.image().fill(Qt::black);
        skin.write("/n.png", 105, 21, QColor(kNormal));
        skin.write("/o.png", 105, 21, QColor(kOver));
        ok = {{10, 10, 115, 31}, "/n.png", "/o.png", {}, {}};
        apply = {{114, 10, 219, 31}, "/n.png", "/o.png", {}, {}};
        tracker.setAreas({&ok, &apply});
        CMemDC dc(canvas);
        drawHotArea(dc.painter(), ok, false, QFont());
        drawHotArea(dc.painter(), apply, false, QFont());
    }
    QRgb at(int x, int y) const { return canvas.image().pixel(x, y); }

    test::TestSkin skin;
    QWidget window;
    SkinCanvas canvas;
    HoverTracker tracker;
    HotArea ok;
    HotArea apply;
};

// Paint events of a window, with the area each asked to repaint.
class PaintRecorder : public QObject {
public:
    explicit PaintRecorder(QWidget& window) { window.installEventFilter(this); }
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            areas.push_back(static_cast<QPaintEvent*>(event)->region());
        }
        return false;
    }
    std::vector<QRegion> areas;
};

TEST_F(HoverTest, AHoverRepaintsOnlyTheAreasItDrew) {
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    QCoreApplication::processEvents();
    PaintRecorder paints(window);
    tracker.hoverAt({20, 20});
    QTRY_COMPARE(paints.areas.size(), 1u);
    EXPECT_EQ(paints.areas[0], QRegion(10, 10, 105, 21));
    paints.areas.clear();
    tracker.hoverAt({150, 20}); // OK back to normal, Apply lit: both, nothing else
    QTRY_COMPARE(paints.areas.size(), 1u);
    EXPECT_EQ(paints.areas[0].boundingRect(), QRect(10, 10, 209, 21));
    paints.areas.clear();
    { CMemDC whole(canvas); } // a drawing without marks repaints its whole rectangle
    QTRY_COMPARE(paints.areas.size(), 1u);
    EXPECT_EQ(paints.areas[0], QRegion(window.rect()));
}

TEST_F(HoverTest, RestingLightsTheAreaAfterTheRestTime) {
    const int before = canvas.presentCount();
    tracker.mouseMoved({20, 20});
    EXPECT_EQ(canvas.presentCount(), before); // a move alone draws nothing
    EXPECT_EQ(at(20, 20), kNormal);
    EXPECT_TRUE(QTest::qWaitFor([&] { return ok.hovered; }, 500));
    EXPECT_EQ(at(20, 20), kOver);
    EXPECT_EQ(canvas.presentCount(), before + 1);
}

TEST_F(HoverTest, StraightFromOkToApplySwapsBothInOneRepaint) {
    tracker.hoverAt({20, 20});
    ASSERT_TRUE(ok.hovered);
    const int before = canvas.presentCount();
    tracker.mouseMoved({150, 20}); // still inside an area: nothing restored yet
    EXPECT_EQ(at(20, 20), kOver);
    tracker.hoverAt({150, 20});
    EXPECT_EQ(canvas.presentCount(), before + 1);
    EXPECT_TRUE(apply.hovered);
    EXPECT_FALSE(ok.hovered);
    EXPECT_EQ(at(150, 20), kOver);
    EXPECT_EQ(at(20, 20), kNormal);
}

TEST_F(HoverTest, LeavingEveryAreaRestoresAndQuietMovesDrawNothing) {
    tracker.hoverAt({150, 20});
    tracker.mouseMoved({250, 80});
    EXPECT_FALSE(apply.hovered);
    EXPECT_EQ(at(150, 20), kNormal);
    const int before = canvas.presentCount();
    tracker.mouseMoved({260, 80}); // nothing lit: nothing drawn
    tracker.hoverAt({260, 80});    // resting on empty surface
    EXPECT_EQ(canvas.presentCount(), before);
}

TEST_F(HoverTest, MovingAwayBeforeTheRestTimeLightsNothing) {
    tracker.mouseMoved({20, 20});
    tracker.mouseMoved({250, 80});
    QTest::qWait(3 * HoverTracker::kRestMilliseconds);
    EXPECT_FALSE(ok.hovered);
    EXPECT_EQ(at(20, 20), kNormal);
}

TEST_F(HoverTest, RestoreAllUnlightsInOneRepaintAndDropsAPendingRest) {
    // The pointer leaves the window from a lit button (no move outside the
    // areas follows), or the window is hidden while one is lit.
    tracker.hoverAt({20, 20});
    const int before = canvas.presentCount();
    tracker.restoreAll();
    EXPECT_FALSE(ok.hovered);
    EXPECT_EQ(at(20, 20), kNormal);
    EXPECT_EQ(canvas.presentCount(), before + 1);

    tracker.mouseMoved({150, 20}); // rest timer running, then the pointer leaves
    tracker.restoreAll();
    QTest::qWait(3 * HoverTracker::kRestMilliseconds);
    EXPECT_FALSE(apply.hovered);
    EXPECT_EQ(at(150, 20), kNormal);
}

TEST_F(HoverTest, MissingOverImageKeepsThePictureButSetsTheFlag) {
    // The window's background is restored under an image before it is drawn,
    // but never under one that is missing.
    skin.write("/bg.png", 300, 100, QColor(90, 0, 0));
    tracker.setBackdrop("/bg.png");
    ok.overImage = "/missing.png";
    tracker.hoverAt({20, 20});
    EXPECT_TRUE(ok.hovered);
    EXPECT_EQ(at(20, 20), kNormal);
    ok.normalImage = "/missing.png";
    tracker.mouseMoved({250, 80});
    EXPECT_FALSE(ok.hovered);
    EXPECT_EQ(at(20, 20), kNormal);
}

TEST_F(HoverTest, CaptionIsDrawnOverTheImageInTheTextColour) {
    skinState().setTextColour(QColor(255, 255, 0));
    ok.caption = "OK";
    tracker.hoverAt({20, 20});
    int yellow = 0;
    for (int x = 10; x < 115; ++x) {
        for (int y = 10; y < 31; ++y) {
            yellow += qRed(at(x, y)) > 150 && qBlue(at(x, y)) < 120 ? 1 : 0;
        }
    }
    EXPECT_GT(yellow, 5);
}

} // namespace
} // namespace pelmora
