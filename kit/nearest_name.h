#pragma once
// The known name a mistyped one most likely meant, for "did you mean" hints.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kit {

// The candidate closest to `word` by edit distance (letter case ignored, two
// swapped letters one edit), where it is close enough to be a slip: at most
// one edit in four letters, and at least one. The first of equals wins.
std::optional<std::string> NearestName(std::string_view word, const std::vector<std::string_view>& candidates);

// `; did you mean "<nearest>"?`, or "" when no candidate is near enough.
std::string DidYouMean(std::string_view word, const std::vector<std::string_view>& candidates);

}  // namespace kit
