#pragma once
// How the real platform's StretchDIBits maps one axis of a picture onto
// another length in its default stretch mode (BLACKONWHITE): each target
// pixel takes the source pixels of its span, chosen by a Bresenham walk, and
// when the picture shrinks the pixels of a span are combined with AND.
#include <vector>

namespace win32 {

struct Span {
    int first = 0;  // first source index
    int count = 0;  // source indices combined into this target index
};

// One span per target index; empty when either length is not positive.
std::vector<Span> StretchSpans(int sourceLength, int targetLength);

}  // namespace win32
