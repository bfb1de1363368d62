#pragma once
// Makes one of the element lists' storage requests fail. Every list asks for
// its storage through one seam (NewListStorage in shared_heap_list.h); the
// test program answers those requests for itself and for the module it loads.
namespace failing_storage {

// Refuses request `n` counted from now, 0 being the next; the others are met.
void FailRequest(long n);

struct Outcome {
    long requests;  // requests made since FailRequest, the refused one included
    bool refused;   // whether request n came
};
// Stops refusing and says what happened since FailRequest.
Outcome Stop();

}  // namespace failing_storage
