#include "settings/pointer/pointer_texts.h"

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
    for (const LanguageText& t : kDesktopLacksSetting) {
        if (t.language == language) {
            return t.text;
        }
    }
    return kDesktopLacksSetting.back().text;
}

} // namespace pelmora
