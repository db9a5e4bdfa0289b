#include "settings/control_names.h"

#include <array>

namespace pelmora {

namespace {

struct NameRow {
    ControlName name;
    std::string_view english;
    std::string_view simplifiedChinese;
    std::string_view traditionalChinese;
    std::string_view turkish;
};

constexpr std::array kNames{
    NameRow{ControlName::Close, "Close", "关闭", "關閉", "Kapat"},
    NameRow{ControlName::Minimise, "Minimise", "最小化", "最小化", "Simge durumuna küçült"},
    NameRow{ControlName::Skins, "Skins", "皮肤", "面板", "Temalar"},
    NameRow{ControlName::Button, "Button %1", "按键 %1", "按鍵 %1", "Tuş %1"},
    NameRow{ControlName::DpiStage, "DPI stage %1", "DPI 档位 %1", "DPI 檔位 %1", "DPI kademesi %1"},
    NameRow{ControlName::DpiStageColour, "DPI stage %1 colour", "DPI 档位 %1 颜色",
            "DPI 檔位 %1 顏色", "DPI kademesi %1 rengi"},
    NameRow{ControlName::Skin, "Skin", "皮肤", "面板", "Tema"},
    NameRow{ControlName::Function, "Function", "功能", "功能", "İşlev"},
    NameRow{ControlName::Key, "Key", "按键", "按鍵", "Tuş"},
    NameRow{ControlName::ModifierKey, "Modifier key", "修饰键", "修飾鍵", "Değiştirici tuş"},
    NameRow{ControlName::FirstKey, "First key", "第一个键", "第一個鍵", "Birinci tuş"},
    NameRow{ControlName::SecondKey, "Second key", "第二个键", "第二個鍵", "İkinci tuş"},
    NameRow{ControlName::Macro, "Macro", "宏", "巨集", "Makro"},
    NameRow{ControlName::DelayTime, "Delay time", "延迟时间", "延遲時間", "Gecikme süresi"},
    NameRow{ControlName::WindowName, "Gaming mouse settings", "游戏鼠标设置", "遊戲滑鼠設定",
            "Oyun faresi ayarları"},
    NameRow{ControlName::ReportRateValue, "%1 reports per second", "每秒 %1 次报告",
            "每秒 %1 次報告", "Saniyede %1 rapor"},
    NameRow{ControlName::DpiValue, "%1 DPI", "%1 DPI", "%1 DPI", "%1 DPI"},
    NameRow{ControlName::DpiStageOff, "DPI stage %1: off", "DPI 档位 %1：关闭", "DPI 檔位 %1：關閉",
            "DPI kademesi %1: kapalı"},
    NameRow{ControlName::ColourValue, "%1: %2", "%1：%2", "%1：%2", "%1: %2"},
    NameRow{ControlName::KeyTaken, "Key taken", "已捕获的键", "已擷取的按鍵", "Yakalanan tuş"},
    NameRow{ControlName::SettingsSent, "The settings reached the mouse and were saved.",
            "设置已发送到鼠标并已保存。", "設定已傳送到滑鼠並已儲存。",
            "Ayarlar fareye ulaştı ve kaydedildi."},
    NameRow{ControlName::MacroSaved, "The macro was saved.", "宏已保存。", "巨集已儲存。",
            "Makro kaydedildi."},
};

} // namespace

std::string_view controlName(ControlName name, Language language) {
    for (const NameRow& row : kNames) {
        if (row.name == name) {
            return inLanguage(row, language);
        }
    }
    return {};
}

} // namespace pelmora
