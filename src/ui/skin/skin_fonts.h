#pragma once
// Fonts per language. The design names Windows faces; on Linux each face is
// replaced by the first installed stand-in of the same kind (Arial by a
// metric-compatible sans, Tahoma by a similar sans, the Chinese faces by an
// installed CJK face).

#include <QFont>
#include <QString>

#include <string_view>

namespace pelmora {

struct FontChoice {
    std::string_view face; // the face the design names
    int height;            // character cell height in pixels
    int weight;            // 400 normal, 700 bold
};

// Text font of every window and title font of the main window. "CHS" and
// "CHT" are matched exactly; any other code is English or Turkish.
FontChoice textFontChoice(std::string_view language);
FontChoice titleFontChoice(std::string_view language);

// The face used on this machine for a named face.
QString installedFace(std::string_view face);

QFont makeFont(const FontChoice& choice);
inline QFont textFont(std::string_view language) {
    return makeFont(textFontChoice(language));
}
inline QFont titleFont(std::string_view language) {
    return makeFont(titleFontChoice(language));
}

} // namespace pelmora
