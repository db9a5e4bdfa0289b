#include "desktop/pointer_texts.h"

#include "settings/language_rows.h"

#include <array>

namespace pelmora {

namespace {
struct LanguageText {
    Language language;
    std::string_view text;
};
constexpr std::array<LanguageText, 4> kDesktopLacksSetting = {{
    {Language::SimplifiedChinese, "此桌面不支持此设置"},
    {Language::TraditionalChinese, "此桌面不支援此設定"},
    {Language::Turkish, "Bu masaüstü bu ayarı desteklemiyor"},
    {Language::English, "This desktop does not take this setting"},
}};
} // namespace

std::string_view desktopLacksSettingText(Language language) {
    return languageRowOr(kDesktopLacksSetting, language, kDesktopLacksSetting.back()).text;
}

} // namespace pelmora
