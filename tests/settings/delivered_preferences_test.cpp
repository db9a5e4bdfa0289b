#include "macros/macro_store.h"
#include "settings/preferences.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace pelmora {
namespace {

// The str.ini and record.ini delivered beside the executables.
const std::filesystem::path kDataFolder = PELMORA_BIN_DIR;

TEST(DeliveredPreferences, EnglishDefaultSkinLightTextAndDefaultLabels) {
    const auto file = kDataFolder / "str.ini";
    ASSERT_TRUE(std::filesystem::exists(file));
    EXPECT_EQ(languageFromCode(readLanguageCode(file)), Language::English);
    const auto prefs = readPreferences(file, readLanguageCode(file));
    EXPECT_EQ(prefs.skinPath, "Default");
    const TextColour colour = prefs.textColour();
    EXPECT_GE(colour.red, 200);
    EXPECT_GE(colour.green, 200);
    EXPECT_GE(colour.blue, 200);
    for (const Language language : {Language::SimplifiedChinese, Language::TraditionalChinese,
                                    Language::Turkish, Language::English}) {
        EXPECT_EQ(readPreferences(file, languageCode(language)).labels, firstRunLabels(language))
            << languageCode(language);
    }
}

TEST(DeliveredPreferences, NoMacros) {
    const MacroStore store(kDataFolder / "record.ini");
    EXPECT_TRUE(store.fileExists());
    EXPECT_TRUE(store.names().empty());
}

} // namespace
} // namespace pelmora
