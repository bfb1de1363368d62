#include "file_bytes.h"

#include <fstream>
#include <iterator>

namespace kit {

bool ReadFileBytes(const std::filesystem::path& path, Bytes& bytes, std::string& why) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        why = "cannot read " + path.string();
        return false;
    }
    bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    if (in.bad()) why = "cannot read " + path.string();
    return !in.bad();
}

bool WriteFileBytes(const std::filesystem::path& path, const void* data, std::size_t size, std::string& why) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(static_cast<const char*>(data), static_cast<std::streamsize>(size));
    out.close();
    if (!out) why = "cannot write " + path.string();
    return static_cast<bool>(out);
}

}  // namespace kit
