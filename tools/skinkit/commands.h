#pragma once
// skinkit's commands; each returns the process's exit status: 0 done, 1 the
// pack has problems (each printed on its own line) or the command failed.
#include <cstdint>
#include <filesystem>
#include <optional>
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

struct PreviewRequest {
    std::filesystem::path pack;    // a pack folder, or a module of either build
    std::filesystem::path output;  // the folder that gets hall.png, tree.png and contact.png
    std::filesystem::path module;  // the shipped module a folder's module is made from; empty: found
    bool watch = false;
    int repaints = 0;  // with watch, how many changes to paint before ending; 0: until Ctrl-C
};
int Preview(const PreviewRequest& request);

// What `derive` is told besides its source and target: a file holding a
// [derive] table, and the options that override its keys.
struct DeriveOptions {
    std::filesystem::path table;
    std::optional<std::int64_t> hue, saturation;
    std::optional<std::string> lightness;
    std::optional<bool> resolveSystem;
};
int Derive(const std::filesystem::path& from, const std::filesystem::path& folder, const std::string& name,
           const DeriveOptions& options);

}  // namespace skinkit
