#include "stretch.h"

namespace win32 {

std::vector<Span> StretchSpans(int sourceLength, int targetLength) {
    std::vector<Span> spans;
    if (sourceLength <= 0 || targetLength <= 0) return spans;
    spans.resize(targetLength);
    const long long s = sourceLength;
    const long long t = targetLength;
    if (s <= t) {
        // Growing: walk the target, stepping the source when the error says so.
        long long error = 3 * s - 2 * t;
        int source = 0;
        for (int target = 0; target < targetLength; ++target) {
            spans[target] = Span{source, 1};
            if (error > 0) {
                ++source;
                error += 2 * s - 2 * t;
            } else {
                error += 2 * s;
            }
        }
    } else {
        // Shrinking: walk the source, gathering pixels until the target steps.
        long long error = 3 * t - 2 * s;
        int target = 0;
        for (int source = 0; source < sourceLength && target < targetLength; ++source) {
            if (spans[target].count == 0) spans[target].first = source;
            ++spans[target].count;
            if (error > 0) {
                ++target;
                error += 2 * t - 2 * s;
            } else {
                error += 2 * t;
            }
        }
    }
    return spans;
}

}  // namespace win32
