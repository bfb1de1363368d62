#pragma once
// Small PE32 images and resource sections, laid out as a linker lays them
// out, for the module file tests to read and to break. The constants are the
// file offsets of the fields the tests change.
#include <cstdint>
#include <string>
#include <vector>

#include "byte_builder.h"
#include "resource_directory.h"

namespace modtest {

constexpr std::uint32_t kPeOffset = 0x40;
constexpr std::uint32_t kCoffOffset = kPeOffset + 4;
constexpr std::uint32_t kOptionalOffset = kCoffOffset + 20;
constexpr std::uint32_t kDirectoriesOffset = kOptionalOffset + 96;
constexpr std::uint32_t kResourceDirectoryOffset = kDirectoriesOffset + 2 * 8;
constexpr std::uint32_t kSectionTableOffset = kOptionalOffset + 96 + 16 * 8;
constexpr std::uint32_t kRsrcHeaderOffset = kSectionTableOffset + 40;
// .text: 0x200 bytes of zeros at RVA 0x1000; .rsrc: the section given, at RVA 0x2000.
constexpr std::uint32_t kTextRawOffset = 0x200;
constexpr std::uint32_t kRsrcRawOffset = 0x400;
constexpr std::uint32_t kRsrcRva = 0x2000;

// A PE32 DLL whose resource directory names all of `rsrc` (none when empty);
// the file ends where that section ends.
std::vector<std::uint8_t> peImage(const std::vector<std::uint8_t>& rsrc);

struct TestResource {
    modfile::ResourceId type;
    modfile::ResourceId name;
    std::uint16_t language;
    std::vector<std::uint8_t> data;
};

// The tables breadth first (root, the name tables, the language tables), then
// the names, the data entries and the data, each piece of data 4-aligned.
// Resources must come sorted by type, name and language, names first.
std::vector<std::uint8_t> resourceSection(const std::vector<TestResource>& resources, std::uint32_t rva = kRsrcRva);

// A module laid out as the linker lays out the skin's DLL, each part in its
// own section in this order, a part left empty leaving its section out:
// .text, .skinval, .edata exporting one function by name, .rsrc, and a
// discardable .reloc with one block. After the sections, the COFF string
// table that long section names leave. Seven data directories, up to debug.
struct ModuleParts {
    std::vector<std::uint8_t> code;
    std::vector<std::uint8_t> values;
    std::string exportName;
    std::vector<TestResource> resources;
    bool relocations = true;
    std::uint32_t fileAlignment = 0x200;
    std::uint32_t sectionAlignment = 0x1000;
};
constexpr std::uint32_t kModuleTimestamp = 0x5EED0001;
std::vector<std::uint8_t> moduleImage(const ModuleParts& parts);

// One bitmap named "AB", language 0x0804, bytes 1 2 3 4, and where its
// parts lie in the resource section.
std::vector<std::uint8_t> oneBitmapImage();
namespace one {
constexpr std::uint32_t kRootTable = 0;
constexpr std::uint32_t kTypeEntry = 16;
constexpr std::uint32_t kNameTable = 24;
constexpr std::uint32_t kNameEntry = 40;
constexpr std::uint32_t kLanguageTable = 48;
constexpr std::uint32_t kLanguageEntry = 64;
constexpr std::uint32_t kNameString = 72;
constexpr std::uint32_t kDataEntry = 80;
constexpr std::uint32_t kData = 96;
constexpr std::uint32_t kSectionSize = 100;
}  // namespace one

// A 16- or 32-bit field overwritten, to break an image in one place.
struct Poke {
    std::uint32_t offset;
    int width;
    std::uint32_t value;
};
void poke(std::vector<std::uint8_t>& bytes, const std::vector<Poke>& pokes);

}  // namespace modtest
