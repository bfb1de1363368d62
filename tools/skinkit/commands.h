#pragma once
// skinkit's commands; each returns the process's exit status: 0 done, 1 the
// pack has problems (each printed on its own line) or the command failed.
#include <filesystem>
#include <string>

namespace skinkit {

int New(const std::filesystem::path& folder, const std::string& name, const std::filesystem::path& from);
int Check(const std::filesystem::path& folder);
int Build(const std::filesystem::path& folder, const std::filesystem::path& output, std::filesystem::path module);
int Unpack(const std::filesystem::path& module, const std::filesystem::path& folder);
// 0 when the two packs are the same, 1 when they differ, 2 when one cannot be read.
int Diff(const std::filesystem::path& a, const std::filesystem::path& b);
int Keys();
int Catalogue();

}  // namespace skinkit
