// A colour said in one word: greys by their brightness, the rest by hue,
// red on both ends of the hue circle.
#include "settings/colour_words.h"

#include <gtest/gtest.h>

namespace pelmora {
namespace {

TEST(ColourWordsTest, EachColourHasItsWord) {
    const struct {
        std::uint8_t r, g, b;
        Language language;
        std::string_view word;
    } cases[] = {
        {20, 30, 25, Language::English, "black"},
        {128, 128, 140, Language::English, "grey"},
        {240, 240, 230, Language::English, "white"},
        {255, 0, 20, Language::English, "red"},
        {255, 20, 0, Language::English, "red"},
        {255, 140, 0, Language::English, "orange"},
        {200, 200, 0, Language::English, "yellow"},
        {0, 160, 60, Language::English, "green"},
        {0, 200, 210, Language::English, "cyan"},
        {30, 60, 255, Language::English, "blue"},
        {140, 0, 255, Language::English, "purple"},
        {255, 0, 160, Language::English, "pink"},
        {255, 0, 0, Language::Turkish, "kırmızı"},
        {0, 0, 255, Language::TraditionalChinese, "藍色"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(colourWord(c.r, c.g, c.b, c.language), c.word)
            << int(c.r) << ',' << int(c.g) << ',' << int(c.b);
    }
}

} // namespace
} // namespace pelmora
