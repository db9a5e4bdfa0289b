#include "profiles/profile_texts.h"

#include <array>

namespace pelmora {

namespace {

struct TextRow {
    ProfileText id;
    std::string_view simplifiedChinese;
    std::string_view traditionalChinese;
    std::string_view turkish;
    std::string_view english;
};

constexpr std::array<TextRow, static_cast<std::size_t>(ProfileText::Count)> kTexts{{
    {ProfileText::Profiles, "配置文件", "設定檔", "Profiller", "Profiles"},
    {ProfileText::ShowSwitches, "在屏幕上显示切换", "在螢幕上顯示切換", "Geçişleri ekranda göster",
     "Show switches on screen"},
    {ProfileText::Switched, "配置文件：%1", "設定檔：%1", "Profil: %1", "Profile: %1"},
}};

constexpr bool rowsInOrder() {
    for (std::size_t i = 0; i < kTexts.size(); ++i) {
        if (static_cast<std::size_t>(kTexts[i].id) != i) {
            return false;
        }
    }
    return true;
}
static_assert(rowsInOrder(), "the profile texts must be listed in ProfileText order");

} // namespace

std::string_view profileText(ProfileText id, Language language) {
    return inLanguage(kTexts[static_cast<std::size_t>(id)], language);
}

std::string profileSwitchedText(std::string_view name, Language language) {
    std::string text(profileText(ProfileText::Switched, language));
    text.replace(text.find("%1"), 2, name);
    return text;
}

} // namespace pelmora
