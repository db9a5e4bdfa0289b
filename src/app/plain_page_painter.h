#pragma once
// A plain drawing of the main window's pages: background, frame areas and
// their texts. The skinned drawing takes its place.

#include "app/shell_texts.h"

#include <QColor>
#include <QFont>
#include <QPainter>
#include <QSize>

namespace pelmora {

struct PageView {
    int pageState = 0; // 0 none, 1 basic, 2 advanced
    const ShellTexts* texts = nullptr;
    QColor textColour;
    QFont textFont;
    QFont titleFont;
    QSize size;
};

void paintPlainPage(QPainter& painter, const PageView& view);

} // namespace pelmora
