#include "settings/interface_texts.h"

#include <gtest/gtest.h>

namespace pelmora {
namespace {

TEST(InterfaceTexts, LanguageCodeMustMatchExactly) {
    EXPECT_EQ(languageFromCode("CHS"), Language::SimplifiedChinese);
    EXPECT_EQ(languageFromCode("CHT"), Language::TraditionalChinese);
    EXPECT_EQ(languageFromCode("TUR"), Language::Turkish);
    for (const char* code : {"", "EN", "chs", "CHS ", " CHS", "CH", "TURK", "ENG"}) {
        EXPECT_EQ(languageFromCode(code), Language::English) << '"' << code << '"';
    }
    EXPECT_EQ(labelSectionName(languageFromCode("")), "Setting-EN");
    EXPECT_EQ(labelSectionName(Language::SimplifiedChinese), "Setting-CHS");
    EXPECT_EQ(labelSectionName(Language::TraditionalChinese), "Setting-CHT");
    EXPECT_EQ(labelSectionName(Language::Turkish), "Setting-TUR");
}

TEST(InterfaceTexts, EveryRowHasAllFourLanguages) {
    for (std::size_t i = 0; i < kTextCount; ++i) {
        const auto id = static_cast<TextId>(i);
        for (const auto language : {Language::SimplifiedChinese, Language::TraditionalChinese,
                                    Language::Turkish, Language::English}) {
            EXPECT_FALSE(text(id, language).empty()) << "row " << i;
        }
    }
}

TEST(InterfaceTexts, RowsAsTheProgramShowsThem) {
    EXPECT_EQ(text(TextId::Ok, Language::Turkish), "Tamam");
    EXPECT_EQ(text(TextId::Cancel, Language::Turkish), "İptal");
    EXPECT_EQ(text(TextId::AdvancedSettings, Language::TraditionalChinese), "高級設置");
    EXPECT_EQ(text(TextId::Shift, Language::Turkish), "Değiştir");
    EXPECT_EQ(text(TextId::MouseNotDetected, Language::TraditionalChinese),
              "系統沒有檢測到遊戲滑鼠！");
    EXPECT_EQ(text(TextId::SwitchedToKeyMatrix1, Language::Turkish), "1. Tuş matrisine geç");
    EXPECT_EQ(text(TextId::RecordMouseEvent, Language::SimplifiedChinese), "只录制键盘事件");
    EXPECT_EQ(text(TextId::Speed, Language::SimplifiedChinese), "速度:请调整灯光显示速度");
    // English wording exactly, trailing blanks and odd spellings included.
    EXPECT_EQ(text(TextId::DpiSwitchedStage2, Language::English),
              "Switch DPI into the second stage ");
    EXPECT_EQ(text(TextId::ColourNonDisplay, Language::English), "Non-Disolay");
    EXPECT_EQ(text(TextId::NotRecordingStopUnneeded, Language::English),
              "It doesn\u2019t start recording, unnecessary to press Stop key!");
    EXPECT_EQ(text(TextId::KeyPageDefault, Language::English),
              text(TextId::RestoreDefaults, Language::English));
    EXPECT_EQ(text(TextId::RestoreDefaults, Language::SimplifiedChinese), "恢复默认");
    for (const TextId stage : kDpiStageBalloonTexts) {
        for (const auto language : {Language::SimplifiedChinese, Language::TraditionalChinese,
                                    Language::Turkish, Language::English}) {
            EXPECT_TRUE(text(stage, language).ends_with(' '));
        }
    }
    EXPECT_EQ(text(kKeyFunctionListTexts[13], Language::English), "Macro Key");
    EXPECT_EQ(text(kKeyFunctionListTexts[15], Language::English), "Key Off");
}

} // namespace
} // namespace pelmora
