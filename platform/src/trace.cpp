#include <platform_trace.h>

#include <deque>
#include <map>
#include <mutex>

#include "trace_record.h"

namespace {

// A host that never reads the trace must not grow without end: the oldest
// calls go first.
constexpr std::size_t kMaxCalls = 1 << 16;

std::mutex& TraceLock() {
    static auto* lock = new std::mutex();
    return *lock;
}

std::deque<platform_trace::Call>& Calls() {
    static auto* calls = new std::deque<platform_trace::Call>();
    return *calls;
}

}  // namespace

namespace win32 {

void RecordCall(const char* function, const void* handle, std::string detail) {
    std::lock_guard<std::mutex> guard(TraceLock());
    if (Calls().size() == kMaxCalls) Calls().pop_front();
    Calls().push_back(platform_trace::Call{function, handle, std::move(detail)});
}

}  // namespace win32

namespace platform_trace {

std::vector<Call> Take() {
    std::lock_guard<std::mutex> guard(TraceLock());
    std::vector<Call> taken(Calls().begin(), Calls().end());
    Calls().clear();
    return taken;
}

void Clear() {
    std::lock_guard<std::mutex> guard(TraceLock());
    Calls().clear();
}

std::vector<std::string> Shape(const std::vector<Call>& calls) {
    std::map<const void*, std::size_t> seen;
    std::vector<std::string> shape;
    for (const Call& call : calls) {
        const std::size_t id = call.handle == nullptr ? 0 : seen.emplace(call.handle, seen.size() + 1).first->second;
        shape.push_back(call.function + " " + std::to_string(id) + " " + call.detail);
    }
    return shape;
}

}  // namespace platform_trace
