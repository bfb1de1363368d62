// artgen --out DIR             write the skin's bitmaps and icons into DIR
// artgen --check DIR           compare DIR with what would be written
// artgen --contact-sheet FILE  draw everything into one PNG for a person to judge
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>

#include "artwork.h"
#include "contact_sheet.h"
#include "pictures/png_writer.h"

namespace {

namespace fs = std::filesystem;

int usage() {
    std::fprintf(stderr, "usage: artgen --out DIR | --check DIR | --contact-sheet FILE.png\n");
    return 2;
}

int writeAll(const fs::path& dir) {
    fs::create_directories(dir);
    for (const art::ArtFile& f : art::renderArtwork()) {
        std::ofstream out(dir / f.name, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(f.bytes.data()), static_cast<std::streamsize>(f.bytes.size()));
        out.close();
        if (!out) {
            std::fprintf(stderr, "artgen: cannot write %s\n", (dir / f.name).c_str());
            return 1;
        }
    }
    return 0;
}

int checkAll(const fs::path& dir) {
    int mismatches = 0;
    std::set<std::string> expected;
    for (const art::ArtFile& f : art::renderArtwork()) {
        expected.insert(f.name);
        std::ifstream in(dir / f.name, std::ios::binary);
        if (!in) {
            std::printf("%s: missing\n", f.name.c_str());
            ++mismatches;
            continue;
        }
        const art::Bytes have((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        if (have == f.bytes) continue;
        ++mismatches;
        std::size_t at = 0;
        while (at < have.size() && at < f.bytes.size() && have[at] == f.bytes[at]) ++at;
        std::printf("%s: differs from byte %zu on (%zu bytes in the folder, %zu generated)\n", f.name.c_str(), at,
                    have.size(), f.bytes.size());
    }
    for (const fs::directory_entry& e : fs::directory_iterator(dir)) {
        const std::string ext = e.path().extension().string();
        if ((ext == ".bmp" || ext == ".ico") && !expected.count(e.path().filename().string())) {
            std::printf("%s: not part of the artwork\n", e.path().filename().c_str());
            ++mismatches;
        }
    }
    if (mismatches) std::printf("%d file(s) differ from the generator's output\n", mismatches);
    return mismatches ? 1 : 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) return usage();
    const std::string mode = argv[1];
    try {
        if (mode == "--out") return writeAll(argv[2]);
        if (mode == "--check") return checkAll(argv[2]);
        if (mode == "--contact-sheet") {
            if (pictures::writePng(argv[2], art::contactSheet())) return 0;
            std::fprintf(stderr, "artgen: cannot write %s\n", argv[2]);
            return 1;
        }
    } catch (const std::exception& e) {
        std::fprintf(stderr, "artgen: %s\n", e.what());
        return 1;
    }
    return usage();
}
