// The frame's one status line shows the most important line: a transfer's,
// then a recording's, then the missing mouse's; hidden when none is left.
#include "ui/pages/status_line.h"

#include <QWidget>
#include <gtest/gtest.h>

namespace pelmora {
namespace {

TEST(StatusLineTest, ShowsTheMostImportantLine) {
    using S = StatusLine::Source;
    QWidget window;
    QFont font;
    StatusLine line(window, font);
    const struct {
        S source;
        const char* text;
        const char* shown;
    } steps[] = {
        {S::NoMouse, "no mouse", "no mouse"},   {S::Transfer, "sending", "sending"},
        {S::Recording, "recording", "sending"}, {S::Transfer, "", "recording"},
        {S::Recording, "", "no mouse"},         {S::NoMouse, "", ""},
    };
    for (const auto& step : steps) {
        line.set(step.source, QString::fromUtf8(step.text));
        EXPECT_EQ(line.shown(), QString::fromUtf8(step.shown)) << step.text;
    }
    const auto* label = window.findChild<QLabel*>();
    ASSERT_NE(label, nullptr);
    EXPECT_FALSE(label->isVisibleTo(&window));
}

} // namespace
} // namespace pelmora
