#include "handle_table.h"

namespace win32 {
namespace {

// Handles look like the real platform's: small multiples of four.
constexpr std::uint32_t kFirstHandle = 0x1000;
constexpr std::uint32_t kHandleStep = 4;

std::uint32_t nextHandle = kFirstHandle;

std::unordered_map<std::uint32_t, std::shared_ptr<Object>>& Objects() {
    static auto* objects = new std::unordered_map<std::uint32_t, std::shared_ptr<Object>>();
    return *objects;
}

}  // namespace

std::mutex& GlobalLock() {
    static auto* lock = new std::mutex();
    return *lock;
}

std::uint32_t AddObject(std::shared_ptr<Object> object) {
    if (nextHandle > 0xFFFFFFFFu - kHandleStep) return 0;
    const std::uint32_t handle = nextHandle;
    nextHandle += kHandleStep;
    object->handle = handle;
    Objects().emplace(handle, std::move(object));
    return handle;
}

std::shared_ptr<Object> FindObject(std::uint32_t handle) {
    auto it = Objects().find(handle);
    return it == Objects().end() ? nullptr : it->second;
}

void RemoveObject(std::uint32_t handle) { Objects().erase(handle); }

std::size_t CountObjects(bool (*counted)(Kind kind)) {
    std::size_t n = 0;
    for (const auto& entry : Objects()) n += counted(entry.second->kind) ? 1 : 0;
    return n;
}

}  // namespace win32
