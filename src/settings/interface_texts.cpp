#include "settings/interface_texts.h"

namespace pelmora {

namespace {

struct TextRow {
    TextId id;
    std::string_view simplifiedChinese;
    std::string_view traditionalChinese;
    std::string_view turkish;
    std::string_view english;
};

// One row per text; the English column is the program's reference wording,
// trailing blanks included. Some rows differ in meaning on purpose: the
// Simplified Chinese "Speed" and "Brightness" rows carry a hint, and both
// Chinese "Record Mouse Event" rows say that only keyboard events are recorded.
constexpr std::array<TextRow, kTextCount> kTextTable{{
    {TextId::BasicSettings, "基本设置", "基本設置", "Basit Ayarlar", "Basic Settings"},
    {TextId::AdvancedSettings, "高级设置", "高級設置", "Gelişmiş Ayarlar", "Advanced Settings"},
    {TextId::ColorSetting, "颜色设置", "顏色設置", "Renk Ayarı", "Color Setting"},
    {TextId::Ok, "确定", "確定", "Tamam", "OK"},
    {TextId::Apply, "应用", "應用", "Uygula", "Apply"},
    {TextId::Cancel, "取消", "取消", "İptal", "Cancel"},

    {TextId::KeySetting, "按键设置", "按鍵設置", "Tuş Ayarı", "Key Setting"},
    {TextId::ReportRateSetting, "回报率设置", "回報率設置", "Rapor Hızı Ayarı",
     "Report Rate Setting"},
    {TextId::DpiSetting, "DPI设置", "DPI設置", "DPI Ayarı", "DPI Setting"},
    {TextId::KeyPageDefault, "默认", "預設", "Varsayılan", "Default"},
    {TextId::KeyConfiguration1, "按键组1", "按鍵群組1", "Tuş Yapılandırması 1",
     "Key Configuration 1"},
    {TextId::KeyConfiguration2, "按键组2", "按鍵群組2", "Tuş Yapılandırması 2",
     "Key Configuration 2"},
    {TextId::KeyConfiguration3, "按键组3", "按鍵群組3", "Tuş Yapılandırması 3",
     "Key Configuration 3"},
    {TextId::KeyConfiguration4, "按键组4", "按鍵群組4", "Tuş Yapılandırması 4",
     "Key Configuration 4"},

    {TextId::AuxiliaryLedSetting, "辅助灯设置", "輔助燈設置", "Yardımcı LED Ayarı",
     "Auxiliary LED Setting"},
    {TextId::AsRespirationLed, "作为呼吸灯", "作為呼吸燈", "Nefes LED'i olarak",
     "As Respiration LED"},
    {TextId::AsHeartBeatLed, "作为心跳灯", "作為心跳燈", "Kalp Atışı LED'i olarak",
     "As Heart Beat LED"},
    {TextId::AsKeyGroupSwitchLed, "作为按键组切换指示灯", "作為按鍵群組切換指示燈",
     "Tuş Grubu Değişim LED'i olarak", "As Key Group Switch LED"},
    {TextId::DpiEffect, "DPI灯效", "DPI燈效", "DPI Efekti", "DPI Effect"},
    {TextId::Mode, "模式", "模式", "Mod", "Mode"},
    {TextId::Parameter, "参数", "參數", "Parametre", "Parameter"},
    {TextId::Speed, "速度:请调整灯光显示速度", "速度", "Hız", "Speed"},
    {TextId::Brightness, "亮度:请调整灯光显示亮度", "亮度", "Parlaklık", "Brightness"},
    {TextId::Effect, "效果", "效果", "Efekt", "Effect"},
    {TextId::EffectOff, "关闭", "關閉", "Kapalı", "Off"},
    {TextId::EffectStandard, "标准", "標準", "Standart", "Standard"},
    {TextId::EffectRespiration, "呼吸", "呼吸", "Nefes", "Respiration"},
    {TextId::EffectNeon, "霓虹", "霓虹", "Neon", "Neon"},
    {TextId::ColourNonDisplay, "不显示", "不顯示", "Görünmez", "Non-Disolay"},
    {TextId::ColourRgbEffect, "RGB效果", "RGB效果", "RGB Efekti", "RGB Effect"},
    {TextId::ColourRgbFlash, "RGB闪烁", "RGB閃爍", "RGB Flaş", "RGB Flash"},
    {TextId::ColourRgbFixedOn, "RGB常亮", "RGB恆亮", "RGB Sabit", "RGB Fixed On"},

    {TextId::LeftClick, "左键", "左鍵", "Sol tık", "Left Click"},
    {TextId::RightClick, "右键", "右鍵", "Sağ tık", "Right Click"},
    {TextId::MidClick, "中键", "中鍵", "Orta tık", "Mid Click"},
    {TextId::Forward, "前进", "前進", "İleri", "Forward"},
    {TextId::Backward, "后退", "後退", "Geri", "Backward"},
    {TextId::TripleClick, "三连击", "三連擊", "Üçlü tık", "Triple-click"},
    {TextId::DpiSwitch, "DPI切换", "DPI切換", "DPI Değiştir", "DPI Switch"},
    {TextId::ReportRateSwitch, "回报率切换", "回報率切換", "Rapor Hızı Değiştir",
     "Report Rate Switch"},
    {TextId::Shift, "Shift", "Shift", "Değiştir", "Shift"},
    {TextId::RgbOnOff, "RGB开/关", "RGB開/關", "RGB Aç/Kapat", "RGB On/Off"},
    {TextId::Windows, "Windows", "Windows", "Windows", "Windows"},
    {TextId::Multimedia, "多媒体", "多媒體", "Multimedya", "Multimedia"},
    {TextId::FireKey, "连发键", "連發鍵", "Ateş Tuşu", "Fire Key"},
    {TextId::SingleKey, "单键", "單鍵", "Tek Tuş", "Single Key"},
    {TextId::ComboKey, "组合键", "組合鍵", "Kombinasyon Tuşu", "Combo Key"},
    {TextId::MacroKey, "宏按键", "巨集按鍵", "Makro Tuşu", "Macro Key"},
    {TextId::KeyOff, "按键关闭", "按鍵關閉", "Tuş Kapalı", "Key Off"},

    {TextId::LeftKeyMustBeSelected, "必须保留一个左键！", "必須保留一個左鍵！",
     "Sol tuş seçili olmalıdır!", "Left key must be selected!"},

    {TextId::WebAddress, "www.pelmora.org", "www.pelmora.org", "www.pelmora.org",
     "www.pelmora.org"},

    {TextId::ReportRateSwitched1000Hz, "回报率切换到1000HZ", "回報率切換到1000HZ",
     "Rapor hızı 1000HZ olarak ayarlandı", "Switch report rate into 1000HZ"},
    {TextId::ReportRateSwitched500Hz, "回报率切换到500HZ", "回報率切換到500HZ",
     "Rapor hızı 500HZ olarak ayarlandı", "Switch report rate into 500HZ"},
    {TextId::ReportRateSwitched250Hz, "回报率切换到250HZ", "回報率切換到250HZ",
     "Rapor hızı 250HZ olarak ayarlandı", "Switch report rate into 250HZ"},
    {TextId::ReportRateSwitched125Hz, "回报率切换到125HZ", "回報率切換到125HZ",
     "Rapor hızı 125HZ olarak ayarlandı", "Switch report rate into 125HZ"},
    {TextId::DpiSwitchedStage1, "DPI切换到第一档 ", "DPI切換到第一檔 ",
     "DPI 1. kademeye geçti: ", "Switch DPI into the first stage "},
    {TextId::DpiSwitchedStage2, "DPI切换到第二档 ", "DPI切換到第二檔 ",
     "DPI 2. kademeye geçti: ", "Switch DPI into the second stage "},
    {TextId::DpiSwitchedStage3, "DPI切换到第三档 ", "DPI切換到第三檔 ",
     "DPI 3. kademeye geçti: ", "Switch DPI into the third stage "},
    {TextId::DpiSwitchedStage4, "DPI切换到第四档 ", "DPI切換到第四檔 ",
     "DPI 4. kademeye geçti: ", "Switch DPI into the fourth stage "},
    {TextId::SwitchedToKeyMatrix1, "切换到按键组1", "切換到按鍵群組1", "1. Tuş matrisine geç",
     "Switch to key matrix 1"},
    {TextId::SwitchedToKeyMatrix2, "切换到按键组2", "切換到按鍵群組2", "2. Tuş matrisine geç",
     "Switch to key matrix 2"},
    {TextId::SwitchedToKeyMatrix3, "切换到按键组3", "切換到按鍵群組3", "3. Tuş matrisine geç",
     "Switch to key matrix 3"},
    {TextId::SwitchedToKeyMatrix4, "切换到按键组4", "切換到按鍵群組4", "4. Tuş matrisine geç",
     "Switch to key matrix 4"},
    {TextId::SwitchedToMacroKey, "切换到宏按键", "切換到巨集按鍵",
     "Makro tuşuna geç: ", "Switch to macro key"},

    {TextId::Exit, "退出", "退出", "Çıkış", "Exit"},
    {TextId::MouseNotDetected, "系统没有检测到游戏鼠标！", "系統沒有檢測到遊戲滑鼠！",
     "Fare algılanamadı, lütfen önce farenizi takın!",
     "The system did not detect the gaming mouse!"},
    {TextId::MouseDetected, "系统检测到游戏鼠标。", "系統檢測到遊戲滑鼠。", "Fare algılandı.",
     "The system detect the gaming mouse."},

    {TextId::MouseSpeed, "鼠标速度", "滑鼠速度", "Fare Hızı", "Mouse Speed"},
    {TextId::ScrollingSpeed, "滚轮速度", "滾輪速度", "Kaydırma Hızı", "Scrolling Speed"},
    {TextId::DoubleClickSpeed, "双击速度", "雙擊速度", "Çift Tıklama Hızı", "Double-Click Speed"},
    {TextId::MacroSetting, "宏设置", "巨集設置", "Makro Ayarı", "Macro Setting"},
    {TextId::SelectMacro, "选择宏", "選擇巨集", "Makro Seç", "Select Macro"},
    {TextId::KeyPressSequence, "按键顺序", "按鍵順序", "Tuş Basma Sırası", "Key Press Sequence"},
    {TextId::RecordOption, "录制选项", "錄製選項", "Kayıt Seçenekleri", "Record Option"},
    {TextId::EnhancePointerPrecision, "提高指针精确度", "提高指標精確度",
     "İşaretçi Hassasiyetini Artır", "Enhance Pointer Precision"},
    {TextId::ScrollOneScreen, "一次滚动一个屏幕", "一次捲動一個畫面", "Bir Ekran Kaydır",
     "Scroll One Screen"},
    {TextId::RestoreDefaults, "恢复默认", "恢復預設", "Varsayılan", "Default"},
    {TextId::MacroName, "宏名称", "巨集名稱", "Makro Adı", "Macro Name"},
    {TextId::StartRecording, "开始录制", "開始錄製", "Kaydı Başlat", "Start Recording"},
    {TextId::StopRecording, "停止录制", "停止錄製", "Kaydı Durdur", "Stop Recording"},
    {TextId::RecordMouseEvent, "只录制键盘事件", "只錄製鍵盤事件", "Fare olayı kaydet",
     "Record Mouse Event"},
    {TextId::LoopTimes, "循环次数", "循環次數", "Döngü Sayısı", "Loop Times"},
    {TextId::InsertMouseEvent, "插入鼠标事件", "插入滑鼠事件", "Fare Olayı Ekle",
     "Insert A Mouse Event"},
    {TextId::New, "新建", "新增", "Yeni", "New"},
    {TextId::Delete, "删除", "刪除", "Sil", "Delete"},
    {TextId::Confirm, "确认", "確認", "Onayla", "Confirm"},

    {TextId::MacroNameBlank, "宏名称为空", "巨集名稱為空", "Makro adı boş", "Macro name is blank"},
    {TextId::MacroNameExists, "宏名称已存在", "巨集名稱已存在", "Bu makro adı zaten var",
     "Macro name already exists"},
    {TextId::RecordingStopHint, "按Ctrl+Break键停止录制", "按Ctrl+Break鍵停止錄製",
     "Kaydı durdurmak için Ctrl+Break tuşlarına basın", "Press Ctrl+Break key to stop recording"},
    {TextId::NotRecordingStopUnneeded, "尚未开始录制，无需按停止键！",
     "尚未開始錄製，無需按停止鍵！", "Kayıt başlamadı, Durdur tuşuna basmanıza gerek yok!",
     "It doesn\u2019t start recording, unnecessary to press Stop key!"},
    {TextId::LightingKeptByMouse, "鼠标自身灯效", "滑鼠自身燈效", "Farenin kendi", "Mouse's own"},
}};

constexpr bool rowsInIdOrder() {
    for (std::size_t i = 0; i < kTextTable.size(); ++i) {
        if (static_cast<std::size_t>(kTextTable[i].id) != i) {
            return false;
        }
    }
    return true;
}
static_assert(rowsInIdOrder(), "the text table must list its rows in TextId order");

struct LanguageEntry {
    Language language;
    std::string_view code;
    std::string_view labelSection;
};

// Tested in this order; English is the fallback.
constexpr std::array<LanguageEntry, 4> kLanguages{{
    {Language::SimplifiedChinese, "CHS", "Setting-CHS"},
    {Language::TraditionalChinese, "CHT", "Setting-CHT"},
    {Language::Turkish, "TUR", "Setting-TUR"},
    {Language::English, "EN", "Setting-EN"},
}};

const LanguageEntry& entryOf(Language language) {
    for (const LanguageEntry& entry : kLanguages) {
        if (entry.language == language) {
            return entry;
        }
    }
    return kLanguages.back();
}

} // namespace

Language languageFromCode(std::string_view code) {
    for (const auto& entry : kLanguages) {
        if (entry.language != Language::English && entry.code == code) {
            return entry.language;
        }
    }
    return Language::English;
}

std::string_view languageCode(Language language) {
    return entryOf(language).code;
}

std::string_view labelSectionName(Language language) {
    return entryOf(language).labelSection;
}

std::string_view text(TextId id, Language language) {
    const auto index = static_cast<std::size_t>(id);
    if (index >= kTextTable.size()) {
        return {};
    }
    const TextRow& row = kTextTable[index];
    return inLanguage(row, language);
}

} // namespace pelmora
