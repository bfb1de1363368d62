#pragma once
// What a process holds: its private memory and its live graphics objects.
#include <windows.h>

#include <cstddef>

namespace clienttest {

size_t PrivateBytes();
// The system's count where it keeps one; under Wine, whose count is always
// 0, the entries of its shared graphics handle table that this process owns.
size_t LiveGraphicsObjects();

}  // namespace clienttest
