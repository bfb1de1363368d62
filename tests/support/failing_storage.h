#pragma once
// Makes one of the element lists' storage requests fail. Every list asks for
// its storage through one seam (NewListStorage in shared_heap_list.h); a test
// program linked with this answers those requests, the module's too if it
// loads one, from its ordinary operator new, and meets them all until told.
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
