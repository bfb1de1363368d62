#pragma once
// Whole files in and out, with a reason that names the file when it fails.
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace kit {

using Bytes = std::vector<std::uint8_t>;

bool ReadFileBytes(const std::filesystem::path& path, Bytes& bytes, std::string& why);
bool WriteFileBytes(const std::filesystem::path& path, const void* data, std::size_t size, std::string& why);

}  // namespace kit
