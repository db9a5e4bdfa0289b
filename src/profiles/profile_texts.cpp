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
    {ProfileText::AutomaticSwitching, "自动切换配置文件", "自動切換設定檔",
     "Profilleri otomatik değiştir", "Switch profiles automatically"},
    {ProfileText::UseForApplication, "用于焦点应用程序…", "用於焦點應用程式…",
     "Odaktaki uygulama için kullan…", "Use for the focused application…"},
    {ProfileText::ChooseApplications, "勾选使用配置文件 %1 的应用程序：",
     "勾選使用設定檔 %1 的應用程式：", "%1 profilini kullanacak uygulamaları işaretleyin:",
     "Tick the applications that use the profile %1:"},
    {ProfileText::NoApplicationSeen,
     "自 Pelmora 启动以来还没有其他应用程序获得焦点。请先切换到该应用程序，再回到这里。",
     "自 Pelmora 啟動以來尚無其他應用程式取得焦點。請先切換到該應用程式，再回到這裡。",
     "Pelmora başladığından beri başka bir uygulama odak almadı. Önce o uygulamaya geçin, sonra "
     "buraya dönün.",
     "No other application has had the focus since Pelmora started. Switch to it, then come back "
     "here."},
    {ProfileText::HeldForEdits, "未切换到配置文件 %1：窗口中有不在任何配置文件中的更改。",
     "未切換到設定檔 %1：視窗中有不在任何設定檔中的變更。",
     "%1 profiline geçilmedi: pencerede hiçbir profilde olmayan değişiklikler var.",
     "Not switched to the profile %1: the window has changes that are in no profile."},
    {ProfileText::FocusUnavailable, "此桌面无法自动切换配置文件；仍可手动切换。",
     "此桌面無法自動切換設定檔；仍可手動切換。",
     "Bu masaüstünde profiller otomatik değiştirilemez; elle değiştirmek yine mümkün.",
     "Automatic switching is not available on this desktop; switching by hand still works."},
    {ProfileText::ExtensionOff, "要自动切换，请启用 GNOME Shell 扩展：%1",
     "要自動切換，請啟用 GNOME Shell 擴充功能：%1",
     "Otomatik geçiş için GNOME Shell uzantısını etkinleştirin: %1",
     "For automatic switching, enable the GNOME Shell extension: %1"},
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
