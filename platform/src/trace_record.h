#pragma once
#include <string>

namespace win32 {

// Appends one call to the trace that tests read through platform_trace.
void RecordCall(const char* function, const void* handle, std::string detail = std::string());

}  // namespace win32
