#pragma once
// Every object the platform hands out is named by a value from one counter
// that never goes back: once an object is gone its value names nothing ever
// again, so a stale handle can only ever miss.
#include <cstdint>
#include <memory>
#include <mutex>
#include <unordered_map>

namespace win32 {

enum class Kind { Window, Bitmap, Brush, Pen, WindowDc, MemoryDc, Icon, Resource };

struct Object {
    explicit Object(Kind k) : kind(k) {}
    virtual ~Object() = default;
    const Kind kind;
    std::uint32_t handle = 0;
};

// The one lock that guards every table of the platform. Window procedures
// and module code are never called while it is held.
std::mutex& GlobalLock();
using Guard = std::lock_guard<std::mutex>;

// All of these expect the global lock to be held.
std::uint32_t AddObject(std::shared_ptr<Object> object);  // 0 when the counter is used up
std::shared_ptr<Object> FindObject(std::uint32_t handle);
void RemoveObject(std::uint32_t handle);
std::size_t CountObjects(bool (*counted)(Kind kind));

template <class T>
std::shared_ptr<T> FindAs(std::uint32_t handle, Kind kind) {
    std::shared_ptr<Object> object = FindObject(handle);
    if (!object || object->kind != kind) return nullptr;
    return std::static_pointer_cast<T>(object);
}

inline std::uint32_t HandleValue(const void* handle) {
    const std::uintptr_t value = reinterpret_cast<std::uintptr_t>(handle);
    return value > 0xFFFFFFFFu ? 0 : static_cast<std::uint32_t>(value);
}

template <class H>
H MakeHandle(std::uint32_t value) {
    return reinterpret_cast<H>(static_cast<std::uintptr_t>(value));
}

}  // namespace win32
