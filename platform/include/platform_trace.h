#pragma once
// A record of the platform calls that no window can observe: resource loads,
// system colours read, deletions, library releases, debugger output, frame
// updates. Only tests read it; the module never does.
#include <cstdint>
#include <string>
#include <vector>

namespace platform_trace {

struct Call {
    std::string function;  // "LoadBitmapA", "LoadIconA", "GetSysColor", "DeleteObject", "FreeLibrary",
                           // "OutputDebugStringA", "SetWindowPos"
    const void* handle;    // the object loaded, or the object, library or window named by the call; null for none
    std::string detail;    // resource name ("#N" for a number), colour index, debugger text,
                           // or the flags of SetWindowPos as "0x2027"

    bool operator==(const Call& other) const {
        return function == other.function && handle == other.handle && detail == other.detail;
    }
};

// Returns the calls recorded since the last Take or Clear, oldest first, and forgets them.
std::vector<Call> Take();
void Clear();

// Each call as "function id detail", its handle named by the order in which
// it first appears (0 for none): two runs that load objects of their own
// read the same when they make the same calls in the same order.
std::vector<std::string> Shape(const std::vector<Call>& calls);

}  // namespace platform_trace
