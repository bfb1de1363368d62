#pragma once
// The optional header's checksum as the platform computes it: the file's
// 16-bit little-endian words summed with the carry folded back in, the
// checksum field itself counted as zero (an odd last byte as a word of its
// own), plus the file's length. The loader checks it for drivers and a few
// system modules; tools that verify modules check it for every one.
#include <cstdint>

#include "byte_span.h"

namespace modfile {

// The field is found through the DOS header; a file too short to have it
// is summed whole.
std::uint32_t peChecksum(ByteSpan file);

}  // namespace modfile
