#pragma once
// The text a process writes to the debugger, as a test can read it back.
#include <string>
#include <vector>

namespace skintest {

// Starts recording (idempotent); text written before the first call is lost.
void StartDebugOutputCapture();
// The texts written since the last call, oldest first.
std::vector<std::string> TakeDebugOutput();

}  // namespace skintest
