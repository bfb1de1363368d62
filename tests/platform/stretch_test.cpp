// The spans by which the real platform stretches and shrinks pictures.
#include "stretch.h"

#include <gtest/gtest.h>

namespace {

std::string Describe(const std::vector<win32::Span>& spans, std::size_t count) {
    std::string text;
    for (std::size_t i = 0; i < count && i < spans.size(); ++i) {
        if (i) text += ' ';
        text += std::to_string(spans[i].first);
        if (spans[i].count > 1) text += "+" + std::to_string(spans[i].count - 1);
    }
    return text;
}

TEST(Stretch, KnownSizesMapAsTheRealPlatformDoes) {
    struct Case {
        int from, to;
        const char* start;  // spans of the first eight targets
    };
    const Case cases[] = {
        {16, 32, "0 0 1 1 2 2 3 3"},        {24, 32, "0 1 1 2 3 4 4 5"},   {20, 32, "0 0 1 2 2 3 4 4"},
        {48, 32, "0+1 2 3+1 5 6+1 8 9+1 11"}, {64, 32, "0+1 2+1 4+1 6+1 8+1 10+1 12+1 14+1"},
        {32, 32, "0 1 2 3 4 5 6 7"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.from) + " to " + std::to_string(c.to));
        EXPECT_EQ(c.start, Describe(win32::StretchSpans(c.from, c.to), 8));
    }
}

TEST(Stretch, EverySourcePixelIsUsedAndEveryTargetFilled) {
    for (int from = 1; from <= 80; ++from)
        for (int to = 1; to <= 80; ++to) {
            const std::vector<win32::Span> spans = win32::StretchSpans(from, to);
            ASSERT_EQ(static_cast<std::size_t>(to), spans.size());
            int next = 0;
            for (const win32::Span& span : spans) {
                ASSERT_GE(span.count, 1) << from << " to " << to;
                ASSERT_GE(span.first, 0);
                ASSERT_LE(span.first + span.count, from) << from << " to " << to;
                if (from >= to) {
                    ASSERT_EQ(next, span.first) << from << " to " << to << ": spans follow each other";
                    next = span.first + span.count;
                }
            }
            if (from >= to) {
                ASSERT_EQ(from, next) << from << " to " << to << ": every source pixel used";
            } else {
                ASSERT_EQ(from - 1, spans.back().first) << from << " to " << to << ": the last source pixel is reached";
            }
        }
}

TEST(Stretch, NothingToStretch) {
    EXPECT_TRUE(win32::StretchSpans(0, 32).empty());
    EXPECT_TRUE(win32::StretchSpans(32, 0).empty());
}

}  // namespace
