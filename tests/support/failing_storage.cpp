// The lists ask for storage with the nothrow operator new, which nothing else
// in this program uses, so replacing it here sees exactly their requests, the
// loaded module's among them. The storage comes from the ordinary operator
// new, so that the ordinary delete gives it back and the sanitizers track it.
#include <new>

#include "failing_storage.h"

namespace {

bool counting = false;
long requests = 0;
long refusedRequest = -1;

}  // namespace

void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
    if (counting && requests++ == refusedRequest) return nullptr;
    try {
        return ::operator new(size);
    } catch (const std::bad_alloc&) {
        return nullptr;
    }
}

namespace failing_storage {

void FailRequest(long n) {
    requests = 0;
    refusedRequest = n;
    counting = true;
}

Outcome Stop() {
    counting = false;
    return {requests, requests > refusedRequest};
}

}  // namespace failing_storage
