#include "ui/skin/window_drag.h"

#include <QGuiApplication>
#include <QStyleHints>
#include <QWidget>

#include <gtest/gtest.h>

namespace pelmora {
namespace {

// A press arms the move; only a held button moved past the drag distance starts it.
TEST(WindowDragTest, OnlyAHeldDragPastTheDistanceMovesTheWindow) {
    const int d = QGuiApplication::styleHints()->startDragDistance();
    struct Step {
        QPoint to;
        bool held;
        bool starts;
    };
    struct Case {
        bool armed;
        std::vector<Step> steps;
    };
    const Case cases[] = {
        {false, {{{d * 3, 0}, true, false}}},                      // no press on an empty spot
        {true, {{{d - 1, 0}, true, false}, {{d, 0}, true, true}}}, // drag
        {true, {{{d * 3, 0}, false, false}, {{d * 4, 0}, true, false}}}, // a click, then moves
        {true, {{{d, 0}, true, true}, {{d * 2, 0}, true, false}}},       // starts once
    };
    QWidget window;
    for (const Case& c : cases) {
        WindowDrag drag;
        if (c.armed) {
            drag.arm({0, 0});
        }
        for (const Step& s : c.steps) {
            EXPECT_EQ(drag.mouseMoved(window, s.to, s.held), s.starts) << s.to.x();
        }
    }
}

} // namespace
} // namespace pelmora
