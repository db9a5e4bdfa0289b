#include "keys/button_text.h"

#include "words/setting_words.h"
#include "keys/key_function.h"
#include "settings/factory_settings.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace pelmora {
namespace {

// Every function of every button: its text, given as a word, stores a record
// that reads back as the same text.
TEST(ButtonText, EveryFunctionOfEveryButtonReadsBackAsItsText) {
    std::vector<std::string> texts = {"DPI +",
                                      "DPI -",
                                      "DPI Loop",
                                      "Single Key:F5",
                                      "Combo Key:Left Ctrl+Num ++F5",
                                      "Combo Key:A",
                                      "Fire Key:M-Button:200:0",
                                      "Multimedia:Mute",
                                      "Windows:Calculator",
                                      "Macro Key:2:3"};
    for (std::uint8_t f = 0; f < kKeyFunctionCount; ++f) {
        if (f < functionIndex(KeyFunction::Launch) || f > functionIndex(KeyFunction::MacroKey)) {
            if (f != functionIndex(KeyFunction::DpiSwitch)) {
                texts.emplace_back(keyFunctionText(f, Language::English));
            }
        }
    }
    for (const KeyMode mode : {KeyMode::A, KeyMode::B}) {
        for (std::size_t button = 0; button < 6; ++button) {
            const std::string name =
                std::string(mode == KeyMode::A ? "a" : "b") + std::to_string(button + 1);
            const std::string other = name.substr(0, 1) + std::to_string((button + 1) % 6 + 1);
            for (const std::string& text : texts) {
                SettingsEdit edit;
                edit.settings = factorySettings();
                edit.macroNames = {"One", "Two"};
                // Another Left Click first: the last one of a key mode stays.
                ASSERT_EQ(applySettingWord(edit, other + "=Left Click"), "");
                ASSERT_EQ(applySettingWord(edit, name + "=" + text), "") << name << text;
                EXPECT_EQ(buttonFunctionText(edit.settings, {mode, button}), text) << name;
            }
        }
    }
}

} // namespace
} // namespace pelmora
