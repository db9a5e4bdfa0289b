#pragma once
// Tables of texts hold one row per interface language, each row with a
// `language` member (a Language, or the code str.ini stores). One lookup
// serves them all.
//
// The texts live in these tables rather than in Qt's translation files
// because pelmora-cli, which shows them too, does not use Qt.

namespace pelmora {

// The row whose `language` equals `language`, else `fallback` (the table's
// English row, as a rule).
template <typename Rows, typename Key>
constexpr const typename Rows::value_type&
languageRowOr(const Rows& rows, const Key& language, const typename Rows::value_type& fallback) {
    for (const auto& row : rows) {
        if (row.language == language) {
            return row;
        }
    }
    return fallback;
}

} // namespace pelmora
