#include "base/nearest_word.h"

#include "base/typed_text.h"

#include <algorithm>
#include <vector>

namespace pelmora {

namespace {
// Optimal string alignment distance: Levenshtein plus one for a swap of two
// neighbouring letters ("Rigth" is one away from "Right").
std::size_t distance(const std::string& a, const std::string& b) {
    std::vector<std::vector<std::size_t>> d(a.size() + 1, std::vector<std::size_t>(b.size() + 1));
    for (std::size_t i = 0; i <= a.size(); ++i) {
        d[i][0] = i;
    }
    for (std::size_t j = 0; j <= b.size(); ++j) {
        d[0][j] = j;
    }
    for (std::size_t i = 1; i <= a.size(); ++i) {
        for (std::size_t j = 1; j <= b.size(); ++j) {
            const std::size_t change = a[i - 1] == b[j - 1] ? 0 : 1;
            d[i][j] = std::min({d[i - 1][j] + 1, d[i][j - 1] + 1, d[i - 1][j - 1] + change});
            if (i > 1 && j > 1 && a[i - 1] == b[j - 2] && a[i - 2] == b[j - 1]) {
                d[i][j] = std::min(d[i][j], d[i - 2][j - 2] + 1);
            }
        }
    }
    return d[a.size()][b.size()];
}
} // namespace

std::optional<std::string> nearestWord(std::string_view typed,
                                       std::span<const std::string> candidates) {
    const std::string word = loose(typed);
    const std::size_t limit = std::max<std::size_t>(1, word.size() / 3);
    std::optional<std::string> best;
    std::size_t bestDistance = limit + 1;
    for (const std::string& candidate : candidates) {
        const std::size_t d = distance(word, loose(candidate));
        if (d < bestDistance) {
            best = candidate;
            bestDistance = d;
        }
    }
    return best;
}

std::string didYouMean(std::string_view typed, std::span<const std::string> candidates) {
    const auto nearest = nearestWord(typed, candidates);
    return nearest ? " (did you mean \"" + *nearest + "\"?)" : std::string();
}

} // namespace pelmora
