#include "export_name.h"

#include <cstddef>
#include <cstring>

namespace modfile {

ErrorOr<ExportName> exportName(const PeImage& image) {
    const DataDirectory directory = image.dataDirectory(kExportDirectoryIndex);
    if (directory.rva == 0 && directory.size == 0) return Error{"no export directory"};
    auto table = image.bytesAt(directory.rva, sizeof(ExportDirectory));
    if (table.isError()) return Error{"export directory: " + table.error().message};
    ExportDirectory exports{};
    table.value().read(0, &exports);

    ExportName name;
    name.rva = exports.nameRva;
    name.fieldOffset = image.fileOffsetOf(table.value()) + offsetof(ExportDirectory, nameRva);
    auto rest = image.bytesFrom(exports.nameRva);
    if (rest.isError()) return errorAt(name.fieldOffset, "export directory: module name: " + rest.error().message);
    const auto* text = reinterpret_cast<const char*>(rest.value().data());
    const void* end = std::memchr(text, '\0', rest.value().size());
    if (end == nullptr)
        return errorAt(image.fileOffsetOf(rest.value()),
                       "export directory: module name: no terminating zero before the end of its section");
    name.text.assign(text, static_cast<const char*>(end));
    return name;
}

}  // namespace modfile
