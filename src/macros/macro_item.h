#pragma once
// The texts of a macro's event items, as record.ini stores them and the
// editor lists them: "<key>   Dn", "<key>   Up" (three blanks) and "<n> ms".

#include <string>
#include <string_view>

namespace pelmora {

inline constexpr std::string_view kPressMark = "   Dn";
inline constexpr std::string_view kReleaseMark = "   Up";
inline constexpr std::string_view kDelayMark = " ms";
// The delay recording puts between two events.
inline constexpr int kRecordedDelayMs = 50;

std::string pressItem(std::string_view keyName);
std::string releaseItem(std::string_view keyName);
std::string delayItem(long long milliseconds); // "%d ms"

enum class ItemKind { Press, Release, Delay, Other };

struct ParsedItem {
    ItemKind kind = ItemKind::Other;
    std::string keyName; // press and release: the text without its mark
};

// A text with "   Dn" is a press, else one with "   Up" a release (the key
// name is the text with the mark taken out), else one with "ms" a delay.
ParsedItem parseItem(std::string_view item);

// The delay an item gives when it follows an event: the text with " ms"
// taken out, read as a decimal number (0 for anything without digits).
long long delayFromItem(std::string_view item);

} // namespace pelmora
