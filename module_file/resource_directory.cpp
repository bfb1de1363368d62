#include "resource_directory.h"

#include <optional>
#include <set>

#include "resource_format.h"

namespace modfile {
namespace {

enum Level { kTypeLevel, kNameLevel, kLanguageLevel };
const char* const kLevelNames[] = {"type", "name", "language"};

class TreeReader {
public:
    TreeReader(const PeImage& image, ByteSpan tree) : image_(image), tree_(tree) {}

    std::optional<Error> readDirectory(std::uint32_t offset, Level level, Resource& path) {
        const std::string what = std::string(kLevelNames[level]) + " directory: ";
        // Each table is read once; a tree that reaches one twice has a loop or
        // would repeat resources, and could make the walk take forever.
        if (!visited_.insert(offset).second) return errorAt(fileOffset(offset), what + "table reached a second time");
        ResourceDirectoryTable table{};
        if (!tree_.read(offset, &table)) return errorAt(fileOffset(offset), what + "table beyond the resource data");
        const std::uint32_t count = std::uint32_t{table.namedEntryCount} + table.idEntryCount;
        const std::uint64_t entriesOffset = std::uint64_t{offset} + sizeof table;
        if (!tree_.contains(entriesOffset, std::uint64_t{count} * sizeof(ResourceDirectoryEntry)))
            return errorAt(fileOffset(entriesOffset),
                           what + std::to_string(count) + " entries run beyond the resource data");

        for (std::uint32_t i = 0; i < count; ++i) {
            const std::uint64_t entryOffset = entriesOffset + i * sizeof(ResourceDirectoryEntry);
            ResourceDirectoryEntry entry{};
            tree_.read(entryOffset, &entry);
            const bool expectName = i < table.namedEntryCount;
            auto id = readId(entry, expectName, entryOffset, level);
            if (id.isError()) return id.error();
            const bool toDirectory = (entry.target & kResourceHighBit) != 0;
            const std::uint32_t target = entry.target & ~kResourceHighBit;

            if (level == kLanguageLevel) {
                if (toDirectory) return errorAt(fileOffset(entryOffset), "language entry: leads to a fourth level");
                path.language = id.value().number;
                if (auto error = readData(target, path)) return error;
                continue;
            }
            if (!toDirectory)
                return errorAt(fileOffset(entryOffset),
                               std::string(kLevelNames[level]) + " entry: leads to data, not to a directory");
            (level == kTypeLevel ? path.type : path.name) = id.releaseValue();
            if (auto error = readDirectory(target, static_cast<Level>(level + 1), path)) return error;
        }
        return std::nullopt;
    }

    std::vector<Resource> takeResources() { return std::move(resources_); }

private:
    std::uint64_t fileOffset(std::uint64_t treeOffset) const { return image_.fileOffsetOf(tree_) + treeOffset; }

    ErrorOr<ResourceId> readId(const ResourceDirectoryEntry& entry, bool expectName, std::uint64_t entryOffset,
                               Level level) const {
        const std::string what = std::string(kLevelNames[level]) + " entry: ";
        const bool isName = (entry.nameOrId & kResourceHighBit) != 0;
        if (isName != expectName)
            return errorAt(fileOffset(entryOffset),
                           what + (isName ? "a name among the numbered entries" : "a number among the named entries"));
        if (!isName) {
            if (entry.nameOrId > 0xFFFF)
                return errorAt(fileOffset(entryOffset),
                               what + "number " + hex(entry.nameOrId) + " is wider than 16 bits");
            return ResourceId::numbered(static_cast<std::uint16_t>(entry.nameOrId));
        }
        if (level == kLanguageLevel) return errorAt(fileOffset(entryOffset), what + "a name where a language belongs");
        const std::uint64_t stringOffset = entry.nameOrId & ~kResourceHighBit;
        std::uint16_t length = 0;
        if (!tree_.read(stringOffset, &length))
            return errorAt(fileOffset(stringOffset), what + "name beyond the resource data");
        if (length == 0) return errorAt(fileOffset(stringOffset), what + "empty name");
        if (!tree_.contains(stringOffset + sizeof length, std::uint64_t{length} * 2))
            return errorAt(fileOffset(stringOffset),
                           what + "name of " + std::to_string(length) + " characters runs beyond the resource data");
        std::u16string name(length, u'\0');
        for (std::uint16_t i = 0; i < length; ++i) tree_.read(stringOffset + sizeof length + 2 * i, &name[i]);
        return ResourceId::named(std::move(name));
    }

    std::optional<Error> readData(std::uint32_t offset, Resource& path) {
        ResourceDataEntry entry{};
        if (!tree_.read(offset, &entry)) return errorAt(fileOffset(offset), "data entry: beyond the resource data");
        auto data = image_.bytesAt(entry.dataRva, entry.size);
        if (data.isError()) return errorAt(fileOffset(offset), "data entry: " + data.error().message);
        path.codePage = entry.codePage;
        path.data = data.value();
        resources_.push_back(path);
        return std::nullopt;
    }

    const PeImage& image_;
    ByteSpan tree_;
    std::set<std::uint32_t> visited_;
    std::vector<Resource> resources_;
};

}  // namespace

ErrorOr<std::vector<Resource>> readResources(const PeImage& image) {
    const DataDirectory directory = image.dataDirectory(kResourceDirectoryIndex);
    if (directory.rva == 0 && directory.size == 0) return std::vector<Resource>{};
    auto tree = image.bytesAt(directory.rva, directory.size);
    if (tree.isError()) return Error{"resource directory: " + tree.error().message};
    TreeReader reader(image, tree.value());
    Resource path;
    if (auto error = reader.readDirectory(0, kTypeLevel, path)) return *error;
    return reader.takeResources();
}

}  // namespace modfile
