#pragma once
// 64-bit FNV-1a: a short, stable fingerprint of a resource's bytes, for
// manifests that must notice any change to them. Not a defence against
// deliberate collisions.
#include <cstdint>

#include "byte_span.h"

namespace modfile {

inline std::uint64_t fnv1a64(ByteSpan bytes) {
    std::uint64_t hash = 0xcbf29ce484222325u;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        hash ^= bytes.data()[i];
        hash *= 0x100000001b3u;
    }
    return hash;
}

}  // namespace modfile
