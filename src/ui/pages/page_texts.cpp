#include "ui/pages/page_texts.h"

#include <array>

namespace pelmora {

namespace {

// English, Simplified Chinese, Traditional Chinese, Turkish.
struct Row {
    const char* en;
    const char* chs;
    const char* cht;
    const char* tur;
};

constexpr std::array<Row, static_cast<std::size_t>(PageText::Count)> kRows = {{
    {"Basic Settings", "基本设置", "基本設置", "Basit Ayarlar"},
    {"Advanced Settings", "高级设置", "高級設置", "Gelişmiş Ayarlar"},
    {"OK", "确定", "確定", "Tamam"},
    {"Apply", "应用", "應用", "Uygula"},
    {"Cancel", "取消", "取消", "İptal"},
    {"Key Setting", "按键设置", "按鍵設置", "Tuş Ayarı"},
    {"Report Rate Setting", "回报率设置", "回報率設置", "Rapor Hızı"},
    {"DPI Setting", "DPI设置", "DPI設置", "DPI Ayarı"},
    {"Default", "默认", "默認", "Varsayılan"},
    {"DPI Effect", "DPI灯效", "DPI燈效", "DPI Efekti"},
    {"Mode", "模式", "模式", "Mod"},
    {"Parameter", "参数", "參數", "Parametre"},
    {"Effect", "效果", "效果", "Efekt"},
    {"www.pelmora.example", "www.pelmora.example", "www.pelmora.example", "www.pelmora.example"},
    {"Mouse Speed", "鼠标速度", "滑鼠速度", "Fare Hızı"},
    {"Scrolling Speed", "滚轮速度", "滾輪速度", "Kaydırma Hızı"},
    {"Double-Click Speed", "双击速度", "雙擊速度", "Çift Tıklama Hızı"},
    {"Macro Setting", "宏设置", "巨集設置", "Makro Ayarı"},
    {"Select Macro", "选择宏", "選擇巨集", "Makro Seç"},
    {"Key Press Sequence", "按键序列", "按鍵序列", "Tuş Sırası"},
    {"Record Option", "录制选项", "錄製選項", "Kayıt Seçeneği"},
    {"Enhance Pointer Precision", "提高指针精确度", "提高指標精確度",
     "İşaretçi hassasiyetini artır"},
    {"Scroll One Screen", "一次滚动一个屏幕", "一次捲動一個螢幕", "Bir ekran kaydır"},
    {"Default", "恢复默认", "恢復默認", "Varsayılan"},
    {"Macro Name", "宏名称", "巨集名稱", "Makro Adı"},
    {"Start Recording", "开始录制", "開始錄製", "Kayda Başla"},
    {"Stop Recording", "停止录制", "停止錄製", "Kaydı Durdur"},
    {"Loop Times", "循环次数", "循環次數", "Döngü Sayısı"},
    {"Insert A Mouse Event", "插入鼠标事件", "插入滑鼠事件", "Fare Olayı Ekle"},
    {"New", "新建", "新建", "Yeni"},
    {"Delete", "删除", "刪除", "Sil"},
    {"Confirm", "确认", "確認", "Onayla"},
}};

constexpr std::array<Row, 16> kFunctionNames = {{
    {"Left Click", "左键", "左鍵", "Sol tık"},
    {"Right Click", "右键", "右鍵", "Sağ tık"},
    {"Mid Click", "中键", "中鍵", "Orta tık"},
    {"Forward", "前进", "前進", "İleri"},
    {"Backward", "后退", "後退", "Geri"},
    {"Triple-click", "三击", "三擊", "Üçlü tık"},
    {"DPI Switch", "DPI切换", "DPI切換", "DPI Geçişi"},
    {"RGB On/Off", "RGB开关", "RGB開關", "RGB Aç/Kapat"},
    {"Windows", "Windows", "Windows", "Windows"},
    {"Multimedia", "多媒体", "多媒體", "Multimedya"},
    {"Fire Key", "连发键", "連發鍵", "Ateş Tuşu"},
    {"Single Key", "单键", "單鍵", "Tek Tuş"},
    {"Combo Key", "组合键", "組合鍵", "Tuş Kombinasyonu"},
    {"Macro Key", "宏键", "巨集鍵", "Makro Tuşu"},
    {"Shift", "Shift", "Shift", "Değiştir"},
    {"Key Off", "关闭按键", "關閉按鍵", "Tuş Kapalı"},
}};

QString pick(const Row& row, std::string_view code) {
    if (code == "CHS") {
        return QString::fromUtf8(row.chs);
    }
    if (code == "CHT") {
        return QString::fromUtf8(row.cht);
    }
    if (code == "TUR") {
        return QString::fromUtf8(row.tur);
    }
    return QString::fromUtf8(row.en);
}

} // namespace

QString pageText(PageText id, std::string_view languageCode) {
    const auto index = static_cast<std::size_t>(id);
    return index < kRows.size() ? pick(kRows[index], languageCode) : QString();
}

QString keyFunctionName(int index, std::string_view languageCode) {
    if (index < 0 || index >= static_cast<int>(kFunctionNames.size())) {
        return QString();
    }
    return pick(kFunctionNames[static_cast<std::size_t>(index)], languageCode);
}

} // namespace pelmora
