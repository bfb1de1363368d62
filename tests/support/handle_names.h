#pragma once
// Named stand-ins for windows that no message reaches, for lists that are
// only compared: a real window costs seconds where the platform is emulated.
#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "show_element.h"

namespace skintest {

class HandleNames {
public:
    HWND Add(const std::string& name) {
        names_.push_back(name);
        return reinterpret_cast<HWND>(static_cast<uintptr_t>(0x7A000000u + 4u * names_.size()));
    }
    std::string Name(HWND window) const {
        const uintptr_t index = (reinterpret_cast<uintptr_t>(window) - 0x7A000000u) / 4u;
        return index >= 1 && index <= names_.size() ? names_[index - 1] : "?";
    }

private:
    std::vector<std::string> names_;
};

// Deletes an element the way a host does: through slot 0, which on the 32-bit
// Windows build is the one-slot deleting destructor.
struct ElementDeleter {
    void operator()(CShowElement* element) const {
#ifdef SKIN_ONE_SLOT_DESTRUCTOR
        element->DeletingDestructor(1);
#else
        delete element;
#endif
    }
};

}  // namespace skintest
