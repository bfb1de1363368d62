#include "pack_values.h"

#include <cstring>

namespace skin {

bool ReadPackValues(SkinValues& values) {
    std::memcpy(&values, skin_pack_values, sizeof values);
    return std::memcmp(values.magic, kValuesMagic, sizeof values.magic) == 0 && values.version == kValuesVersion &&
           values.size == sizeof values && std::memchr(values.moduleName, '\0', sizeof values.moduleName) != nullptr;
}

}  // namespace skin
