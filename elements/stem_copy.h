#pragma once
// Name stems live in fixed buffers of the elements.
#include <cstddef>

// Copies a zero-terminated stem up to and including its zero and leaves the
// rest of the target as it was. A source that fills its whole buffer, or more
// than the target holds, without a zero is cut short: neither buffer is ever
// passed, and the target always ends in a zero.
template <std::size_t TargetBytes, std::size_t SourceBytes>
void CopyStem(char (&target)[TargetBytes], const char (&source)[SourceBytes]) {
    static_assert(TargetBytes > 0, "a stem holds at least its terminating zero");
    std::size_t length = 0;
    while (length + 1 < TargetBytes && length < SourceBytes && source[length] != '\0') ++length;
    for (std::size_t i = 0; i < length; ++i) target[i] = source[i];
    target[length] = '\0';
}
