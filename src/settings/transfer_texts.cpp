#include "settings/transfer_texts.h"

#include <array>

namespace pelmora {

namespace {
constexpr TranslatedText kSendingText{"正在将设置发送到鼠标...", "正在將設定傳送到滑鼠...",
                                      "Ayarlar fareye gönderiliyor...",
                                      "Sending the settings to the mouse..."};
constexpr TranslatedText kWaitingText{
    "另一个程序正在向鼠标发送设置，请稍候...", "另一個程式正在向滑鼠傳送設定，請稍候...",
    "Başka bir program fareye ayar gönderiyor; bekleniyor...",
    "Another program is sending settings to the mouse; waiting..."};

// Indexed by MouseBusy.
constexpr std::array<TranslatedText, 2> kBusyTexts{{
    {"另一个程序一直占用着鼠标，因此没有向鼠标发送任何内容。您的更改已保留，请稍后再试。",
     "另一個程式一直佔用著滑鼠，因此沒有向滑鼠傳送任何內容。您的變更已保留，請稍後再試。",
     "Başka bir program fareyi meşgul tuttuğu için fareye hiçbir şey gönderilmedi. "
     "Değişiklikleriniz korundu; biraz sonra yeniden deneyin.",
     "Another program kept the mouse busy, so nothing was sent to it. Your changes are kept; "
     "try again in a moment."},
    {"另一个程序一直占用着鼠标，因此未能读取鼠标的设置。下次打开窗口时会再次读取。",
     "另一個程式一直佔用著滑鼠，因此未能讀取滑鼠的設定。下次開啟視窗時會再次讀取。",
     "Başka bir program fareyi meşgul tuttuğu için farenin ayarları okunamadı. Pencere bir "
     "sonraki açılışında yeniden okunacak.",
     "Another program kept the mouse busy, so its settings could not be read. They are read "
     "when the window opens again."},
}};
} // namespace

std::string_view sendingSettingsText(Language language) {
    return inLanguage(kSendingText, language);
}

std::string_view waitingForMouseText(Language language) {
    return inLanguage(kWaitingText, language);
}

std::string_view mouseBusyText(MouseBusy what, Language language) {
    const auto index = static_cast<std::size_t>(what);
    return index < kBusyTexts.size() ? inLanguage(kBusyTexts[index], language) : std::string_view{};
}

} // namespace pelmora
