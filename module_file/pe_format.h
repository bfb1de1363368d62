#pragma once
// The headers of a 32-bit PE image as they lie in the file: the DOS header,
// whose last field gives the offset of the "PE\0\0" signature, the COFF file
// header, the PE32 optional header with its data directories, and the
// section table; and the records of the two data directories that a rewrite
// of the module reads, the export directory and the debug directory.
#include <cstdint>

namespace modfile {

constexpr std::uint16_t kDosMagic = 0x5A4D;         // "MZ"
constexpr std::uint32_t kPeSignature = 0x00004550;  // "PE\0\0"
constexpr std::uint16_t kPe32Magic = 0x010B;
constexpr std::uint16_t kPe32PlusMagic = 0x020B;
constexpr std::uint32_t kExportDirectoryIndex = 0;
constexpr std::uint32_t kResourceDirectoryIndex = 2;
constexpr std::uint32_t kCertificateDirectoryIndex = 4;  // its "RVA" is a file offset
constexpr std::uint32_t kBaseRelocationDirectoryIndex = 5;
constexpr std::uint32_t kDebugDirectoryIndex = 6;

constexpr std::uint32_t kSectionInitializedData = 0x00000040;
constexpr std::uint32_t kSectionDiscardable = 0x02000000;

// Where the checksum lies in the optional header.
constexpr std::uint32_t kChecksumFieldOffset = 64;

#pragma pack(push, 1)

struct DosHeader {
    std::uint16_t magic;
    std::uint8_t unused[58];
    std::uint32_t peOffset;
};
static_assert(sizeof(DosHeader) == 64, "DOS header is 64 bytes");

struct CoffHeader {
    std::uint16_t machine;
    std::uint16_t sectionCount;
    std::uint32_t timeDateStamp;
    std::uint32_t symbolTableOffset;
    std::uint32_t symbolCount;
    std::uint16_t optionalHeaderSize;
    std::uint16_t characteristics;
};
static_assert(sizeof(CoffHeader) == 20, "COFF file header is 20 bytes");

struct DataDirectory {
    std::uint32_t rva;
    std::uint32_t size;
};
static_assert(sizeof(DataDirectory) == 8, "data directory is 8 bytes");

// The fixed part; directoryCount data directories follow it.
struct OptionalHeader32 {
    std::uint16_t magic;
    std::uint8_t linkerMajor;
    std::uint8_t linkerMinor;
    std::uint32_t codeSize;
    std::uint32_t initializedDataSize;
    std::uint32_t uninitializedDataSize;
    std::uint32_t entryPointRva;
    std::uint32_t codeBase;
    std::uint32_t dataBase;
    std::uint32_t imageBase;
    std::uint32_t sectionAlignment;
    std::uint32_t fileAlignment;
    std::uint16_t osMajor;
    std::uint16_t osMinor;
    std::uint16_t imageMajor;
    std::uint16_t imageMinor;
    std::uint16_t subsystemMajor;
    std::uint16_t subsystemMinor;
    std::uint32_t win32Version;
    std::uint32_t imageSize;
    std::uint32_t headersSize;
    std::uint32_t checksum;
    std::uint16_t subsystem;
    std::uint16_t dllCharacteristics;
    std::uint32_t stackReserve;
    std::uint32_t stackCommit;
    std::uint32_t heapReserve;
    std::uint32_t heapCommit;
    std::uint32_t loaderFlags;
    std::uint32_t directoryCount;
};
static_assert(sizeof(OptionalHeader32) == 96, "PE32 optional header is 96 bytes before its directories");

struct SectionHeader {
    char name[8];
    std::uint32_t virtualSize;
    std::uint32_t virtualAddress;
    std::uint32_t rawSize;
    std::uint32_t rawOffset;
    std::uint32_t relocationsOffset;
    std::uint32_t lineNumbersOffset;
    std::uint16_t relocationCount;
    std::uint16_t lineNumberCount;
    std::uint32_t characteristics;
};
static_assert(sizeof(SectionHeader) == 40, "section header is 40 bytes");

struct ExportDirectory {
    std::uint32_t characteristics;
    std::uint32_t timeDateStamp;
    std::uint16_t majorVersion;
    std::uint16_t minorVersion;
    std::uint32_t nameRva;  // the module's own name, zero-terminated ASCII
    std::uint32_t ordinalBase;
    std::uint32_t functionCount;
    std::uint32_t nameCount;
    std::uint32_t functionsRva;
    std::uint32_t namesRva;
    std::uint32_t ordinalsRva;
};
static_assert(sizeof(ExportDirectory) == 40, "export directory is 40 bytes");

struct DebugDirectoryEntry {
    std::uint32_t characteristics;
    std::uint32_t timeDateStamp;
    std::uint16_t majorVersion;
    std::uint16_t minorVersion;
    std::uint32_t type;
    std::uint32_t dataSize;
    std::uint32_t dataRva;     // 0 when the data is not loaded
    std::uint32_t dataOffset;  // in the file
};
static_assert(sizeof(DebugDirectoryEntry) == 28, "debug directory entry is 28 bytes");

#pragma pack(pop)

}  // namespace modfile
