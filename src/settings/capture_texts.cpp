#include "settings/capture_texts.h"

namespace pelmora {

namespace {
constexpr TranslatedText kDesktopKeysNote{
    "桌面可能保留自己的按键：Super（Windows）、Alt+Tab、Print 和 "
    "Ctrl+Alt+F1...F12 可能无法在此捕获。",
    "桌面可能保留自己的按鍵：Super（Windows）、Alt+Tab、Print 和 "
    "Ctrl+Alt+F1...F12 可能無法在此擷取。",
    "Masaüstü kendi tuşlarını alıkoyabilir: Super (Windows), Alt+Tab, Print ve "
    "Ctrl+Alt+F1...F12 burada yakalanamayabilir.",
    "The desktop may keep its own keys: Super (Windows), Alt+Tab, Print and "
    "Ctrl+Alt+F1...F12 may not be captured here."};
} // namespace

std::string_view desktopKeysNoteText(Language language) {
    return inLanguage(kDesktopKeysNote, language);
}

} // namespace pelmora
