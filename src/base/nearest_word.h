#pragma once
// "Did you mean ...?" for a word typed wrong: the candidate nearest to it by
// edit distance (letters inserted, removed or changed, swapped neighbours
// counting as one), compared loosely (case, blanks, hyphens and underlines
// do not count).

#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace pelmora {

// The nearest candidate, when it is near enough to be what was meant: at
// most a third of the word's letters apart (and at least one).
std::optional<std::string> nearestWord(std::string_view typed,
                                       std::span<const std::string> candidates);

// " (did you mean \"WORD\"?)", or empty when no candidate is near.
std::string didYouMean(std::string_view typed, std::span<const std::string> candidates);

} // namespace pelmora
