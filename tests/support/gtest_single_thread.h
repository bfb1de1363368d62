#pragma once
// Forced into GoogleTest's own sources on the 32-bit Windows build, which
// compiles GoogleTest without thread support (see cmake/SkinTest.cmake).
// Its Windows death tests still name the handle owner that the thread-safe
// configuration would have declared; this is that owner, and nothing more.
#include <windows.h>

namespace testing {
namespace internal {

class AutoHandle {
public:
    typedef void* Handle;
    AutoHandle() = default;
    explicit AutoHandle(Handle handle) : handle_(handle) {}
    ~AutoHandle() { Reset(); }
    AutoHandle(const AutoHandle&) = delete;
    AutoHandle& operator=(const AutoHandle&) = delete;

    Handle Get() const { return handle_; }
    void Reset() { Reset(INVALID_HANDLE_VALUE); }
    void Reset(Handle handle) {
        if (handle_ != handle && handle_ != nullptr && handle_ != INVALID_HANDLE_VALUE) CloseHandle(handle_);
        handle_ = handle;
    }

private:
    Handle handle_ = INVALID_HANDLE_VALUE;
};

}  // namespace internal
}  // namespace testing
