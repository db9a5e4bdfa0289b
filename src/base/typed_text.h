#pragma once
// Words typed on a command line: matched without regard to case or the
// blanks around them, numbers read whole, lists named in messages.

#include <cctype>
#include <charconv>
#include <concepts>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace pelmora {

inline std::string lower(std::string_view text) {
    std::string out(text);
    for (char& c : out) {
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    return out;
}

// Lower case without blanks, hyphens and underlines: "triple click" finds "Triple-click".
inline std::string loose(std::string_view text) {
    std::string out;
    for (char c : text) {
        if (c != ' ' && c != '-' && c != '_') {
            out += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        }
    }
    return out;
}

// Without the blanks around it.
inline std::string_view trim(std::string_view text) {
    while (!text.empty() && text.front() == ' ') {
        text.remove_prefix(1);
    }
    while (!text.empty() && text.back() == ' ') {
        text.remove_suffix(1);
    }
    return text;
}

// A decimal number that is all of the text (blanks around it aside).
inline std::optional<long> wholeNumber(std::string_view text) {
    text = trim(text);
    long value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || ec != std::errc() || end != text.data() + text.size()) {
        return std::nullopt;
    }
    return value;
}

// The position of `name` in a list, matched without regard to case.
template <typename List, typename TextOf>
std::optional<std::size_t> findIn(const List& list, std::string_view name, TextOf textOf) {
    const std::string wanted = lower(trim(name));
    for (std::size_t i = 0; i < list.size(); ++i) {
        if (lower(textOf(list[i])) == wanted) {
            return i;
        }
    }
    return std::nullopt;
}

// The texts of a list for a message: "A, B, C".
template <typename List, typename TextOf>
requires std::invocable<TextOf, const typename List::value_type&> std::string
joined(const List& list, TextOf textOf, std::string_view separator = ", ") {
    std::string out;
    bool first = true;
    for (const auto& entry : list) {
        out += first ? "" : separator;
        out += textOf(entry);
        first = false;
    }
    return out;
}
// A list of texts joined.
inline std::string joined(const std::vector<std::string>& parts, std::string_view separator) {
    return joined(
        parts, [](const std::string& part) { return part; }, separator);
}

} // namespace pelmora
