// `diff`: what differs between two packs, each a folder or a module.
#include <cstdio>

#include "commands.h"
#include "pack_diff.h"
#include "pack_source.h"

namespace skinkit {

namespace fs = std::filesystem;

int Diff(const fs::path& a, const fs::path& b) {
    kit::PackContents left, right;
    kit::Problems problems;
    const bool read = ReadPack(a, left, problems) & ReadPack(b, right, problems);
    if (!read) {
        for (const kit::Problem& problem : problems) std::printf("%s\n", problem.Text().c_str());
        std::fprintf(stderr, "skinkit diff: only whole packs are compared\n");
        return 2;
    }
    const std::vector<std::string> lines = kit::DiffPacks(left, right);
    for (const std::string& line : lines) std::printf("%s\n", line.c_str());
    if (lines.empty()) std::printf("%s and %s are the same pack\n", a.string().c_str(), b.string().c_str());
    return lines.empty() ? 0 : 1;
}

}  // namespace skinkit
