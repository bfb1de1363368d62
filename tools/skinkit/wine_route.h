#pragma once
// A pack's Windows module runs only on Windows: on any other machine skinkit
// hands the preview to skinkit.exe under Wine, on the same arguments.
#include <filesystem>
#include <string>
#include <vector>

namespace skinkit {

// `wine` on PATH; empty where there is none.
std::filesystem::path FindWine();

// Where the Windows skinkit is looked for, first to last: beside this
// skinkit, then in the release build.
std::vector<std::filesystem::path> WindowsSkinkitPlaces();
std::filesystem::path FindWindowsSkinkit();

// Runs `wine exe args...` (WINEDEBUG=-all unless set) with this process's
// standard streams and returns its exit status; a signal that ends this
// process's wait is passed on to it first.
int RunUnderWine(const std::filesystem::path& wine, const std::filesystem::path& exe,
                 const std::vector<std::string>& args);

}  // namespace skinkit
