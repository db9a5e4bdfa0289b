#include "macros/macro_item.h"

#include "base/decimal_text.h"

namespace pelmora {

namespace {

std::string withoutFirst(std::string_view text, std::string_view mark) {
    std::string result(text);
    const auto at = result.find(mark);
    if (at != std::string::npos) {
        result.erase(at, mark.size());
    }
    return result;
}

} // namespace

std::string pressItem(std::string_view keyName) {
    return std::string(keyName) + std::string(kPressMark);
}

std::string releaseItem(std::string_view keyName) {
    return std::string(keyName) + std::string(kReleaseMark);
}

std::string delayItem(long long milliseconds) {
    return std::to_string(milliseconds) + " ms";
}

ParsedItem parseItem(std::string_view item) {
    if (item.find(kPressMark) != std::string_view::npos) {
        return {ItemKind::Press, withoutFirst(item, kPressMark)};
    }
    if (item.find(kReleaseMark) != std::string_view::npos) {
        return {ItemKind::Release, withoutFirst(item, kReleaseMark)};
    }
    if (item.find("ms") != std::string_view::npos) {
        return {ItemKind::Delay, {}};
    }
    return {};
}

long long delayFromItem(std::string_view item) {
    return leadingInteger(withoutFirst(item, kDelayMark));
}

} // namespace pelmora
