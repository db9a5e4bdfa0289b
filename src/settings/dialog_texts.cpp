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
    {DialogText::Ok, "确定", "確定", "Tamam", "OK"},
    {DialogText::Cancel, "取消", "取消", "İptal", "Cancel"},
    {DialogText::SkinsColourCaption, "请点击设置界面文字颜色", "請點擊設定介面文字顏色",
     "Arayüz yazı rengi için tıklayın", "Please click to set the UI text color"},
    {DialogText::SingleKeyPrompt, "请按下一个键", "請按下一個按鍵", "Lütfen bir tuşa basın",
     "Please enter a key"},
    {DialogText::DelayPrompt, "请输入延迟时间", "請輸入延遲時間", "Lütfen bir gecikme girin",
     "Please enter a delay"},
    {DialogText::DelayRange, "（取值范围 0-10000）", "（數值範圍 0-10000）",
     "(değer aralığı 0-10000)", "(value range 0-10000)"},
    {DialogText::FireSpeed, "速度", "速度", "Hız", "Speed"},
    {DialogText::FireTimes, "次数", "次數", "Tekrar", "Times"},
    {DialogText::FireIllustration, "说明：", "說明：", "Açıklama:", "Illustration:"},
    {DialogText::FireSpeedHelp, "速度（取值范围 5-255，数值越小越快）",
     "速度（數值範圍 5-255，數值越小越快）", "Hız (değer aralığı 5-255, küçük değer daha hızlı)",
     "Speed (value range 5-255, with smaller values faster)"},
    {DialogText::FireTimesHelp, "次数（取值范围 0-255，0 表示松开按键时停止连发）",
     "次數（數值範圍 0-255，0 表示放開按鍵時停止連發）",
     "Tekrar (değer aralığı 0-255, 0: tuş bırakılınca seri basış durur)",
     "Times (value range 0-255,0 indicates fire key to end when the key released)"},
    {DialogText::MacroLoopCount, "重复指定的次数，或按任意键结束", "重複指定的次數，或按任意鍵結束",
     "Belirtilen sayıda tekrarla ya da bir tuşa basınca bitir",
     "Repeat a specified number of times or press any key to end"},
    {DialogText::MacroLoopUntilKey, "一直重复，直到按任意键结束", "一直重複，直到按任意鍵結束",
     "Bir tuşa basılana kadar tekrarla", "Repeat until press any key to end"},
    {DialogText::MacroLoopWhileHeld, "一直重复，直到松开按键", "一直重複，直到放開按鍵",
     "Tuş bırakılana kadar tekrarla", "Repeat until the key is released"},
    {DialogText::MacroCaption, "请选择一个宏", "請選擇一個巨集", "Lütfen bir makro seçin",
     "Please select a macro"},
    {DialogText::NoMacro, "还没有任何宏。请先在“高级设置”页录制一个宏。",
     "還沒有任何巨集。請先在「高級設置」頁錄製一個巨集。",
     "Henüz hiç makro yok. Önce Gelişmiş Ayarlar sayfasında bir makro kaydedin.",
     "There is no macro yet. Record one on the Advanced Settings page first."},
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
