// Loads a shared library built with skin_add_resources and finds its
// resources the way the portable loader does: through the PT_NOTE segments
// of the loaded image.
#include <gtest/gtest.h>

#include <dlfcn.h>
#include <elf.h>
#include <link.h>

#include <cstring>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "win32_resource_note.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

struct Search {
    const void* anySymbol = nullptr;  // identifies the object
    std::vector<Bytes> found;
    int noteSegments = 0;
};

int visit(dl_phdr_info* info, size_t, void* data) {
    auto* search = static_cast<Search*>(data);
    Dl_info where{};
    if (dladdr(search->anySymbol, &where) == 0 ||
        reinterpret_cast<ElfW(Addr)>(where.dli_fbase) != info->dlpi_addr)
        return 0;
    for (int i = 0; i < info->dlpi_phnum; ++i) {
        const ElfW(Phdr)& ph = info->dlpi_phdr[i];
        if (ph.p_type != PT_NOTE) continue;
        ++search->noteSegments;
        const auto* p = reinterpret_cast<const std::uint8_t*>(info->dlpi_addr + ph.p_vaddr);
        std::size_t at = 0;
        while (at + 12 <= ph.p_memsz) {
            std::uint32_t nameSize, descSize, type;
            std::memcpy(&nameSize, p + at, 4);
            std::memcpy(&descSize, p + at + 4, 4);
            std::memcpy(&type, p + at + 8, 4);
            const std::size_t name = at + 12;
            const std::size_t desc = name + (nameSize + 3) / 4 * 4;
            if (desc + descSize > ph.p_memsz) break;
            if (type == win32note::kType && nameSize == sizeof win32note::kOwner &&
                std::memcmp(p + name, win32note::kOwner, nameSize) == 0)
                search->found.emplace_back(p + desc, p + desc + descSize);
            at = desc + (descSize + 3) / 4 * 4;
        }
    }
    return 0;
}

TEST(NoteInModule, ResourcesAreOneNoteInAPtNoteSegment) {
    void* module = dlopen(PROBE_MODULE, RTLD_NOW | RTLD_LOCAL);
    ASSERT_NE(nullptr, module) << dlerror();
    Search search;
    search.anySymbol = dlsym(module, "skin_note_probe");
    ASSERT_NE(nullptr, search.anySymbol) << dlerror();
    dl_iterate_phdr(visit, &search);

    std::ifstream in(PROBE_RES, std::ios::binary);
    ASSERT_TRUE(in) << "cannot open " << PROBE_RES;
    const Bytes res((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());

    EXPECT_GE(search.noteSegments, 1);
    ASSERT_EQ(1u, search.found.size()) << "notes named WinRsrc in the module";
    EXPECT_EQ(res.size(), search.found[0].size());
    EXPECT_TRUE(res == search.found[0]) << "the note's bytes differ from " << PROBE_RES;
    dlclose(module);
}

}  // namespace
