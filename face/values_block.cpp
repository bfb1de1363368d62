#include "values_block.h"

namespace skin {
namespace {

// The module's own build has no C library headers: plain loops instead.
bool SameBytes(const char* a, const char* b, size_t count) {
    for (size_t i = 0; i < count; ++i)
        if (a[i] != b[i]) return false;
    return true;
}

bool HoldsZero(const char* text, size_t count) {
    for (size_t i = 0; i < count; ++i)
        if (text[i] == '\0') return true;
    return false;
}

}  // namespace

bool ReadValuesBlock(SkinValues& values) {
    unsigned char* to = reinterpret_cast<unsigned char*>(&values);
    for (size_t i = 0; i < sizeof values; ++i) to[i] = skin_pack_values[i];
    return SameBytes(values.magic, kValuesMagic, sizeof values.magic) && values.version == kValuesVersion &&
           values.size == sizeof values && HoldsZero(values.moduleName, sizeof values.moduleName);
}

}  // namespace skin
