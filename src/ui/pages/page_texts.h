#pragma once
// The texts of the pages, in the active language, taken from the interface
// text table, and the captions the parts draw with them.

#include "settings/interface_texts.h"
#include "ui/skin/rect.h"
#include "ui/skin/skin_text.h"

#include <QString>

#include <cstdint>
#include <span>
#include <string_view>

class QFont;
class QPainter;

namespace pelmora {

// The one place the frame gets a text from.
QString pageText(TextId id, std::string_view languageCode);

// Name of key function index 0..15 as a button label.
QString keyFunctionName(int index, std::string_view languageCode);

// A caption of a page: a text of the table in its place.
struct PageCaption {
    Rect rect;
    TextId id;
    TextAlign align = TextAlign::Centre;
};

// Draws captions in the active language and the skin's text colour.
void drawCaptions(QPainter* painter, std::span<const PageCaption> captions, const QFont& font);

} // namespace pelmora
