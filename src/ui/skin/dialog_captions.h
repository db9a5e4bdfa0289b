#pragma once
// The texts drawn over a dialog's picture: its title and the captions above
// its fields, from the text table in the active language.

#include <string_view>

class QFont;
class QPainter;

namespace pelmora {

// `backgroundImage` names the dialog (its picture); `language` is the code
// str.ini keeps. A dialog without texts draws nothing.
void drawDialogCaptions(QPainter* painter, std::string_view backgroundImage,
                        std::string_view language, const QFont& font);

} // namespace pelmora
