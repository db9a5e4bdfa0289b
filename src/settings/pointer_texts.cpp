#include "settings/pointer_texts.h"

namespace pelmora {

namespace {
constexpr TranslatedText kDesktopLacksSetting{"此桌面不支持此设置", "此桌面不支援此設定",
                                              "Bu masaüstü bu ayarı desteklemiyor",
                                              "This desktop does not take this setting"};
} // namespace

std::string_view desktopLacksSettingText(Language language) {
    return inLanguage(kDesktopLacksSetting, language);
}

} // namespace pelmora
