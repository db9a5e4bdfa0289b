#include "settings/dialog_texts.h"

#include <gtest/gtest.h>

namespace pelmora {
namespace {

TEST(DialogTextsTest, EveryTextIsTranslatedIntoTheOtherThreeLanguages) {
    for (std::size_t i = 0; i < static_cast<std::size_t>(DialogText::Count); ++i) {
        const auto id = static_cast<DialogText>(i);
        const std::string_view english = dialogText(id, Language::English);
        for (Language language :
             {Language::SimplifiedChinese, Language::TraditionalChinese, Language::Turkish}) {
            EXPECT_NE(dialogText(id, language), english) << i;
            EXPECT_FALSE(dialogText(id, language).empty()) << i;
        }
    }
}

} // namespace
} // namespace pelmora
