#include "module_binder.h"

namespace {

// The parts of the image format that binding reads, at their fixed offsets.
constexpr DWORD kNewHeaderOffset = 0x3C;   // in the DOS header: where the PE header starts
constexpr DWORD kPeSignature = 0x00004550;  // "PE\0\0"
constexpr DWORD kOptionalHeader = 24;      // after the signature and the file header
constexpr WORD kPe32Magic = 0x10B;
constexpr DWORD kEntryPoint = 16;          // in the optional header
constexpr DWORD kImportDirectory = 104;    // data directory 1 of a 32-bit optional header
constexpr DWORD kOrdinalFlag = 0x80000000u;
constexpr DWORD kDontResolveReferences = 0x00000001;

struct ImportDescriptor {
    DWORD lookupTable;  // names (or ordinals), one per imported function
    DWORD timeStamp;
    DWORD forwarderChain;
    DWORD libraryName;
    DWORD addressTable;  // the slots the module calls through
};
static_assert(sizeof(ImportDescriptor) == 20, "an import descriptor is five 32-bit fields");

template <class T>
T At(const unsigned char* base, DWORD offset) {
    T value;
    unsigned char* out = reinterpret_cast<unsigned char*>(&value);
    for (unsigned i = 0; i < sizeof(T); ++i) out[i] = base[offset + i];
    return value;
}

bool SameText(const char* a, const char* b, bool ignoreCase) {
    for (;; ++a, ++b) {
        char x = *a, y = *b;
        if (ignoreCase) {
            if (x >= 'A' && x <= 'Z') x = static_cast<char>(x - 'A' + 'a');
            if (y >= 'A' && y <= 'Z') y = static_cast<char>(y - 'A' + 'a');
        }
        if (x != y) return false;
        if (x == '\0') return true;
    }
}

bool BindImports(unsigned char* base, DWORD importDirectory, const ReplacedImport& replaced) {
    for (DWORD at = importDirectory;; at += sizeof(ImportDescriptor)) {
        const ImportDescriptor d = At<ImportDescriptor>(base, at);
        if (d.libraryName == 0) return true;
        const char* library = reinterpret_cast<const char*>(base + d.libraryName);
        HMODULE source = GetModuleHandleA(library);
        if (source == nullptr) return false;
        const bool replacing = SameText(library, replaced.library, true);
        DWORD* slots = reinterpret_cast<DWORD*>(base + d.addressTable);
        const DWORD* lookup = reinterpret_cast<const DWORD*>(base + (d.lookupTable ? d.lookupTable : d.addressTable));
        for (DWORD i = 0; lookup[i] != 0; ++i) {
            FARPROC function;
            if (lookup[i] & kOrdinalFlag) {
                function = GetProcAddress(source, reinterpret_cast<LPCSTR>(static_cast<ULONG_PTR>(lookup[i] & 0xFFFF)));
            } else {
                const char* name = reinterpret_cast<const char*>(base + lookup[i] + 2);  // past the hint
                function = replacing && SameText(name, replaced.name, false)
                               ? reinterpret_cast<FARPROC>(replaced.function)
                               : GetProcAddress(source, name);
            }
            if (function == nullptr) return false;
            DWORD protection = 0;
            if (!VirtualProtect(&slots[i], sizeof slots[i], PAGE_READWRITE, &protection)) return false;
            slots[i] = static_cast<DWORD>(reinterpret_cast<ULONG_PTR>(function));
            VirtualProtect(&slots[i], sizeof slots[i], protection, &protection);
        }
    }
}

using EntryPoint = BOOL(WINAPI*)(HINSTANCE, DWORD, LPVOID);

EntryPoint EntryOf(HMODULE module) {
    const unsigned char* base = reinterpret_cast<const unsigned char*>(module);
    const DWORD pe = At<DWORD>(base, kNewHeaderOffset);
    return reinterpret_cast<EntryPoint>(
        const_cast<unsigned char*>(base) + At<DWORD>(base, pe + kOptionalHeader + kEntryPoint));
}

}  // namespace

BoundModule LoadBound(const char* file, const ReplacedImport& replaced) {
    HMODULE module = LoadLibraryExA(file, nullptr, kDontResolveReferences);
    if (module == nullptr) return {nullptr, FALSE};
    unsigned char* base = reinterpret_cast<unsigned char*>(module);
    const DWORD pe = At<DWORD>(base, kNewHeaderOffset);
    if (At<DWORD>(base, pe) != kPeSignature || At<WORD>(base, pe + kOptionalHeader) != kPe32Magic ||
        !BindImports(base, At<DWORD>(base, pe + kOptionalHeader + kImportDirectory), replaced)) {
        FreeLibrary(module);
        return {nullptr, FALSE};
    }
    return {module, EntryOf(module)(module, DLL_PROCESS_ATTACH, nullptr)};
}

void UnloadBound(const BoundModule& bound) {
    if (bound.module == nullptr) return;
    if (bound.attached) EntryOf(bound.module)(bound.module, DLL_PROCESS_DETACH, nullptr);
    FreeLibrary(bound.module);
}
