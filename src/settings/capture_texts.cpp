#include "settings/capture_texts.h"

#include "settings/language_rows.h"

#include <array>

namespace pelmora {

namespace {
struct LanguageText {
    Language language;
    std::string_view text;
};
constexpr std::array kDesktopKeysNotes{
    LanguageText{Language::English,
                 "The desktop may keep its own keys: Super (Windows), Alt+Tab, Print and "
                 "Ctrl+Alt+F1...F12 may not be captured here."},
    LanguageText{Language::SimplifiedChinese,
                 "桌面可能保留自己的按键：Super（Windows）、Alt+Tab、Print 和 "
                 "Ctrl+Alt+F1...F12 可能无法在此捕获。"},
    LanguageText{Language::TraditionalChinese,
                 "桌面可能保留自己的按鍵：Super（Windows）、Alt+Tab、Print 和 "
                 "Ctrl+Alt+F1...F12 可能無法在此擷取。"},
    LanguageText{Language::Turkish,
                 "Masaüstü kendi tuşlarını alıkoyabilir: Super (Windows), Alt+Tab, Print ve "
                 "Ctrl+Alt+F1...F12 burada yakalanamayabilir."},
};
} // namespace

std::string_view desktopKeysNoteText(Language language) {
    return languageRowOr(kDesktopKeysNotes, language, kDesktopKeysNotes.front()).text;
}

} // namespace pelmora
