#include "nearest_name.h"

#include <algorithm>
#include <cctype>

namespace kit {
namespace {

bool SameLetter(char a, char b) {
    return std::tolower(static_cast<unsigned char>(a)) == std::tolower(static_cast<unsigned char>(b));
}

// Optimal string alignment distance: insertions, deletions, substitutions and
// adjacent transpositions.
std::size_t Distance(std::string_view a, std::string_view b) {
    std::vector<std::vector<std::size_t>> d(a.size() + 1, std::vector<std::size_t>(b.size() + 1));
    for (std::size_t i = 0; i <= a.size(); ++i) d[i][0] = i;
    for (std::size_t j = 0; j <= b.size(); ++j) d[0][j] = j;
    for (std::size_t i = 1; i <= a.size(); ++i)
        for (std::size_t j = 1; j <= b.size(); ++j) {
            const std::size_t cost = SameLetter(a[i - 1], b[j - 1]) ? 0 : 1;
            d[i][j] = std::min({d[i - 1][j] + 1, d[i][j - 1] + 1, d[i - 1][j - 1] + cost});
            if (i > 1 && j > 1 && SameLetter(a[i - 1], b[j - 2]) && SameLetter(a[i - 2], b[j - 1]))
                d[i][j] = std::min(d[i][j], d[i - 2][j - 2] + 1);
        }
    return d[a.size()][b.size()];
}

}  // namespace

std::optional<std::string> NearestName(std::string_view word, const std::vector<std::string_view>& candidates) {
    const std::size_t allowed = std::max<std::size_t>(1, word.size() / 4);
    std::optional<std::string> nearest;
    std::size_t best = allowed + 1;
    for (std::string_view candidate : candidates) {
        if (candidate.empty() || candidate == word) continue;
        const std::size_t distance = Distance(word, candidate);
        if (distance < best) {
            best = distance;
            nearest = std::string(candidate);
        }
    }
    return nearest;
}

std::string DidYouMean(std::string_view word, const std::vector<std::string_view>& candidates) {
    const std::optional<std::string> meant = NearestName(word, candidates);
    return meant ? "; did you mean \"" + *meant + "\"?" : "";
}

}  // namespace kit
