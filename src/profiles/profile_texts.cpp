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
    {ProfileText::NoProfile, "（无）", "（無）", "(yok)", "(none)"},
    {ProfileText::Save, "保存", "儲存", "Kaydet", "Save"},
    {ProfileText::SaveAs, "另存为…", "另存新檔…", "Farklı kaydet…", "Save as…"},
    {ProfileText::Rename, "重命名…", "重新命名…", "Yeniden adlandır…", "Rename…"},
    {ProfileText::Delete, "删除…", "刪除…", "Sil…", "Delete…"},
    {ProfileText::Unsaved, "当前配置与配置文件 %1 不同。是否先保存？",
     "目前設定與設定檔 %1 不同。是否先儲存？",
     "Geçerli yapılandırma %1 profilinden farklı. Önce kaydedilsin mi?",
     "The configuration differs from the profile %1. Save it first?"},
    {ProfileText::UnsavedNone, "当前配置未保存在任何配置文件中。是否先保存？",
     "目前設定未儲存在任何設定檔中。是否先儲存？",
     "Geçerli yapılandırma hiçbir profilde kayıtlı değil. Önce kaydedilsin mi?",
     "The configuration is in no profile. Save it first?"},
    {ProfileText::Discard, "不保存", "不儲存", "Kaydetme", "Discard"},
    {ProfileText::NameLabel, "配置文件名称：", "設定檔名稱：", "Profil adı:", "Profile name:"},
    {ProfileText::DeleteAsk, "删除配置文件 %1？当前配置保持不变。",
     "刪除設定檔 %1？目前設定保持不變。",
     "%1 profili silinsin mi? Geçerli yapılandırma olduğu gibi kalır.",
     "Delete the profile %1? The configuration stays as it is."},
    {ProfileText::ReplaceAsk, "配置文件 %1 已存在。是否替换？", "設定檔 %1 已存在。是否取代？",
     "%1 profili zaten var. Değiştirilsin mi?", "The profile %1 exists. Replace it?"},
    {ProfileText::Replace, "替换", "取代", "Değiştir", "Replace"},
    {ProfileText::NotActivated, "未能启用配置文件 %1：", "未能啟用設定檔 %1：",
     "%1 profili etkinleştirilemedi:", "The profile %1 was not activated:"},
    {ProfileText::NotChanged, "配置文件未更改：", "設定檔未變更：",
     "Profil değiştirilmedi:", "The profile was not changed:"},
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

std::string_view profileUiText(ProfileText id, Language language) {
    return inLanguage(kTexts[static_cast<std::size_t>(id)], language);
}

std::string profileUiText(ProfileText id, Language language, std::string_view name) {
    std::string text(profileUiText(id, language));
    if (const auto at = text.find("%1"); at != std::string::npos) {
        text.replace(at, 2, name);
    }
    return text;
}

} // namespace pelmora
