#include "settings/colour_words.h"

#include <algorithm>
#include <array>

namespace pelmora {

namespace {

struct ColourRow {
    // The hue where the word's range ends, in degrees (for the three greys
    // unused); the rows of hues are in hue order.
    int hueEnd;
    std::string_view simplifiedChinese;
    std::string_view traditionalChinese;
    std::string_view turkish;
    std::string_view english;
};

constexpr ColourRow kBlack{0, "黑色", "黑色", "siyah", "black"};
constexpr ColourRow kWhite{0, "白色", "白色", "beyaz", "white"};
constexpr ColourRow kGrey{0, "灰色", "灰色", "gri", "grey"};
constexpr std::array kHues{
    ColourRow{15, "红色", "紅色", "kırmızı", "red"},
    ColourRow{45, "橙色", "橙色", "turuncu", "orange"},
    ColourRow{70, "黄色", "黃色", "sarı", "yellow"},
    ColourRow{165, "绿色", "綠色", "yeşil", "green"},
    ColourRow{195, "青色", "青色", "camgöbeği", "cyan"},
    ColourRow{255, "蓝色", "藍色", "mavi", "blue"},
    ColourRow{290, "紫色", "紫色", "mor", "purple"},
    ColourRow{345, "粉红色", "粉紅色", "pembe", "pink"},
    ColourRow{360, "红色", "紅色", "kırmızı", "red"},
};

// Below this brightness a colour is black; with less spread than this
// between its channels it is a grey (or white above kWhiteFrom).
constexpr int kBlackBelow = 40;
constexpr int kGreyBelow = 30;
constexpr int kWhiteFrom = 216;

int hueOf(int r, int g, int b) {
    const int hi = std::max({r, g, b});
    const int spread = hi - std::min({r, g, b});
    int hue = 0;
    if (hi == r) {
        hue = 60 * (g - b) / spread;
    } else if (hi == g) {
        hue = 120 + 60 * (b - r) / spread;
    } else {
        hue = 240 + 60 * (r - g) / spread;
    }
    return (hue + 360) % 360;
}

} // namespace

std::string_view colourWord(std::uint8_t red, std::uint8_t green, std::uint8_t blue,
                            Language language) {
    const int hi = std::max({red, green, blue});
    const int spread = hi - std::min({red, green, blue});
    if (hi < kBlackBelow) {
        return inLanguage(kBlack, language);
    }
    if (spread < kGreyBelow) {
        return inLanguage(hi >= kWhiteFrom ? kWhite : kGrey, language);
    }
    const int hue = hueOf(red, green, blue);
    const auto row = std::find_if(kHues.begin(), kHues.end(),
                                  [hue](const ColourRow& r) { return hue < r.hueEnd; });
    return inLanguage(row != kHues.end() ? *row : kHues.front(), language);
}

} // namespace pelmora
