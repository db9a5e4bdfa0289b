#include "settings/dialog_texts.h"

#include <array>

namespace pelmora {

namespace {

struct DialogTextRow {
    DialogText id;
    std::string_view simplifiedChinese;
    std::string_view traditionalChinese;
    std::string_view turkish;
    std::string_view english;
};

constexpr std::array<DialogTextRow, static_cast<std::size_t>(DialogText::Count)> kRows{{
    {DialogText::SingleKeyTitle, "单键", "單鍵", "Tek Tuş", "Single Key"},
    {DialogText::ComboKeyTitle, "组合键", "組合鍵", "Kombinasyon Tuşu", "Combo Key"},
    {DialogText::FireKeyTitle, "连发键", "連發鍵", "Ateş Tuşu", "Fire Key"},
    {DialogText::MultimediaKeyTitle, "多媒体键", "多媒體鍵", "Multimedya Tuşu", "Multimedia Key"},
    {DialogText::LaunchKeyTitle, "启动键", "啟動鍵", "Başlatma Tuşu", "Launch Key"},
    {DialogText::MacroKeyTitle, "宏按键", "巨集按鍵", "Makro Tuşu", "Macro Key"},
    {DialogText::SkinsTitle, "皮肤", "面板", "Temalar", "Skins"},
    {DialogText::DelayTitle, "延时", "延遲", "Gecikme", "Delay"},
    {DialogText::KeyCaption, "按键", "按鍵", "Tuş", "Key"},
    {DialogText::ModifierCaption, "修饰键", "修飾鍵", "Değiştirici", "Modifier"},
    {DialogText::FirstKeyCaption, "第一键", "第一鍵", "Birinci Tuş", "First Key"},
    {DialogText::SecondKeyCaption, "第二键", "第二鍵", "İkinci Tuş", "Second Key"},
    {DialogText::FunctionCaption, "功能", "功能", "İşlev", "Function"},
    {DialogText::ApplicationCaption, "应用程序", "應用程式", "Uygulama", "Application"},
    {DialogText::ComboHint, "先选择修饰键，再在每个输入框中各按一个键。",
     "先選擇修飾鍵，再在每個輸入框中各按一個鍵。",
     "Bir değiştirici seçin, sonra her alanda bir tuşa basın.",
     "Pick a modifier, then press one key in each field."},
    {DialogText::HoldKeysHint, "按住 Enter 一秒为确定，按住 Esc 一秒为取消。",
     "按住 Enter 一秒為確定，按住 Esc 一秒為取消。",
     "Tamam için Enter'ı, İptal için Esc'yi bir saniye basılı tutun.",
     "Hold Enter for a second for OK, Esc for Cancel."},
    {DialogText::MouseCaption, "8 个按键 · 2 种按键模式", "8 個按鍵 · 2 種按鍵模式",
     "8 tuş · 2 tuş modu", "8 buttons \u00b7 2 key modes"},
}};

constexpr bool rowsInIdOrder() {
    for (std::size_t i = 0; i < kRows.size(); ++i) {
        if (static_cast<std::size_t>(kRows[i].id) != i) {
            return false;
        }
    }
    return true;
}
static_assert(rowsInIdOrder(), "the dialog text table must list its rows in DialogText order");

} // namespace

std::string_view dialogText(DialogText id, Language language) {
    const auto index = static_cast<std::size_t>(id);
    return index < kRows.size() ? inLanguage(kRows[index], language) : std::string_view{};
}

} // namespace pelmora
