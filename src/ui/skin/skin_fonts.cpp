#include "ui/skin/skin_fonts.h"

#include <QFontDatabase>
#include <QStringList>

#include <array>

namespace pelmora {

namespace {

// The Chinese faces. Simplified Chinese uses 宋体 (黑体 only on one Windows
// release, which has no counterpart here), Traditional Chinese 黑体.
constexpr std::string_view kHei = "黑体";
constexpr std::string_view kSong = "宋体";

struct FontRow {
    std::string_view code;
    FontChoice text;
    FontChoice title;
};

constexpr std::array<FontRow, 2> kCjkFonts = {{
    {"CHS", {kSong, 13, 400}, {kSong, 18, 700}},
    {"CHT", {kHei, 14, 400}, {kHei, 18, 700}},
}};
constexpr FontRow kOtherFonts{"", {"Arial", 14, 400}, {"Tahoma", 18, 700}};

const FontRow& rowFor(std::string_view language) {
    for (const FontRow& row : kCjkFonts) {
        if (row.code == language) {
            return row;
        }
    }
    return kOtherFonts;
}

struct Substitutes {
    std::string_view face;
    std::array<const char*, 4> faces;
};

constexpr std::array<Substitutes, 4> kSubstitutes = {{
    {"Arial", {"Arial", "Liberation Sans", "DejaVu Sans", nullptr}},
    {"Tahoma", {"Tahoma", "DejaVu Sans", "Liberation Sans", nullptr}},
    {kHei, {"WenQuanYi Micro Hei", "WenQuanYi Zen Hei", "Noto Sans CJK SC", "DejaVu Sans"}},
    {kSong, {"AR PL UMing CN", "WenQuanYi Zen Hei", "WenQuanYi Micro Hei", "DejaVu Sans"}},
}};

// Pixel size of the em square for a Windows cell height: the cell of the
// Latin faces is about 1.15 em, the Chinese faces' cell is their em.
int emPixels(const FontChoice& choice) {
    if (choice.face == kHei || choice.face == kSong) {
        return choice.height;
    }
    return (choice.height * 100 + 57) / 115;
}

} // namespace

FontChoice textFontChoice(std::string_view language) {
    return rowFor(language).text;
}
FontChoice titleFontChoice(std::string_view language) {
    return rowFor(language).title;
}

QString installedFace(std::string_view face) {
    const QStringList families = QFontDatabase::families();
    for (const Substitutes& s : kSubstitutes) {
        if (s.face != face) {
            continue;
        }
        for (const char* candidate : s.faces) {
            if (candidate != nullptr && families.contains(QString::fromUtf8(candidate))) {
                return QString::fromUtf8(candidate);
            }
        }
    }
    return QString::fromUtf8(face);
}

QFont makeFont(const FontChoice& choice) {
    QFont font(installedFace(choice.face));
    font.setPixelSize(emPixels(choice));
    font.setWeight(choice.weight >= 700 ? QFont::Bold : QFont::Normal);
    font.setStyleHint(QFont::SansSerif);
    font.setHintingPreference(QFont::PreferFullHinting);
    return font;
}

} // namespace pelmora
