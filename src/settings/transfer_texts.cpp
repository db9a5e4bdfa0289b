#include "settings/transfer_texts.h"

#include "settings/language_rows.h"

#include <array>

namespace pelmora {

namespace {
struct LanguageText {
    Language language;
    std::string_view text;
};
constexpr std::array kSendingTexts{
    LanguageText{Language::English, "Sending the settings to the mouse..."},
    LanguageText{Language::SimplifiedChinese, "正在将设置发送到鼠标..."},
    LanguageText{Language::TraditionalChinese, "正在將設定傳送到滑鼠..."},
    LanguageText{Language::Turkish, "Ayarlar fareye gönderiliyor..."},
};
} // namespace

std::string_view sendingSettingsText(Language language) {
    return languageRowOr(kSendingTexts, language, kSendingTexts.front()).text;
}

} // namespace pelmora
