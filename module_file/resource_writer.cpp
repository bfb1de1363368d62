#include "resource_writer.h"

#include <algorithm>
#include <cstring>
#include <string>

#include "resource_format.h"
#include "resource_manifest.h"

namespace modfile {
namespace {

char16_t upper(char16_t c) { return c >= u'a' && c <= u'z' ? static_cast<char16_t>(c - (u'a' - u'A')) : c; }

int compareNames(const std::u16string& a, const std::u16string& b) {
    const std::size_t common = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < common; ++i)
        if (upper(a[i]) != upper(b[i])) return upper(a[i]) < upper(b[i]) ? -1 : 1;
    return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

std::string describe(const Resource& r) { return idText(r.type) + " " + idText(r.name) + " " + hex(r.language); }

// A type or a name in the tree: its table, where its name is written, and
// what its entries lead to (names of a type; resources, by language, of a name).
struct Node {
    const ResourceId* id;
    std::vector<std::size_t> children;
    std::uint64_t table = 0;
    std::uint64_t string = 0;
};

struct Entry {
    const ResourceId* id;
    std::uint64_t string;
    std::uint32_t target;
};

constexpr std::uint64_t tableSize(std::size_t entries) {
    return sizeof(ResourceDirectoryTable) + entries * sizeof(ResourceDirectoryEntry);
}

template <typename T>
void put(std::vector<std::uint8_t>& out, std::uint64_t offset, const T& value) {
    std::memcpy(out.data() + offset, &value, sizeof value);
}

// The entries come sorted, and so named ones first.
void writeTable(std::vector<std::uint8_t>& out, std::uint64_t offset, const std::vector<Entry>& entries) {
    ResourceDirectoryTable table{};
    for (const Entry& e : entries) ++(e.id->isName() ? table.namedEntryCount : table.idEntryCount);
    put(out, offset, table);
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const Entry& e = entries[i];
        const std::uint32_t nameOrId =
            e.id->isName() ? kResourceHighBit | static_cast<std::uint32_t>(e.string) : e.id->number;
        put(out, offset + tableSize(i), ResourceDirectoryEntry{nameOrId, e.target});
    }
}

// A table counts its named and its numbered entries in 16 bits each.
bool countsFit(const std::vector<Node>& nodes, const std::vector<std::size_t>& children) {
    std::size_t named = 0;
    for (std::size_t child : children) named += nodes[child].id->isName();
    return named <= 0xFFFF && children.size() - named <= 0xFFFF;
}

}  // namespace

int compareResourceIds(const ResourceId& a, const ResourceId& b) {
    if (a.isName() != b.isName()) return a.isName() ? -1 : 1;
    if (a.isName()) return compareNames(a.name, b.name);
    return a.number == b.number ? 0 : (a.number < b.number ? -1 : 1);
}

ErrorOr<std::vector<std::uint8_t>> writeResourceSection(const std::vector<Resource>& resources,
                                                        std::uint32_t sectionRva) {
    std::vector<const Resource*> sorted;
    for (const Resource& r : resources) sorted.push_back(&r);
    std::stable_sort(sorted.begin(), sorted.end(), [](const Resource* a, const Resource* b) {
        if (int c = compareResourceIds(a->type, b->type)) return c < 0;
        if (int c = compareResourceIds(a->name, b->name)) return c < 0;
        return a->language < b->language;
    });

    // The root's children are types, a type's are names; a name's are
    // indices into sorted.
    std::vector<Node> types, names;
    Node root{nullptr, {}};
    for (std::size_t i = 0; i < sorted.size(); ++i) {
        const Resource& r = *sorted[i];
        if (r.type.name.size() > 0xFFFF || r.name.name.size() > 0xFFFF)
            return Error{"resource " + describe(r) + ": a name of more than 65535 characters"};
        const bool newType = types.empty() || compareResourceIds(*types.back().id, r.type) != 0;
        if (!newType && !(*types.back().id == r.type))
            return Error{"resource types " + idText(*types.back().id) + " and " + idText(r.type) +
                         " differ only in case"};
        if (newType) {
            root.children.push_back(types.size());
            types.push_back({&r.type, {}});
        }
        Node& type = types.back();
        const bool newName = newType || compareResourceIds(*names.back().id, r.name) != 0;
        if (!newName && !(*names.back().id == r.name))
            return Error{"resource names " + idText(*names.back().id) + " and " + idText(r.name) +
                         " differ only in case"};
        if (!newName && sorted[names.back().children.back()]->language == r.language)
            return Error{"resource " + describe(r) + ": listed twice"};
        if (newName) {
            type.children.push_back(names.size());
            names.push_back({&r.name, {}});
        }
        names.back().children.push_back(i);
    }
    if (!countsFit(types, root.children)) return Error{"more than 65535 resource types of one kind"};
    for (const Node& type : types)
        if (!countsFit(names, type.children))
            return Error{"resource type " + idText(*type.id) + ": more than 65535 names of one kind"};
    for (const Node& name : names)
        if (name.children.size() > 0xFFFF)
            return Error{"resource name " + idText(*name.id) + ": more than 65535 languages"};

    std::uint64_t at = tableSize(types.size());
    for (Node& type : types) type.table = at, at += tableSize(type.children.size());
    for (Node& name : names) name.table = at, at += tableSize(name.children.size());
    const std::uint64_t dataEntries = at;
    at += sorted.size() * sizeof(ResourceDataEntry);
    auto placeString = [&at](Node& node) {
        node.string = at;
        if (node.id->isName()) at += 2 + 2 * node.id->name.size();
    };
    for (Node& type : types) placeString(type);
    for (Node& name : names) placeString(name);
    std::vector<std::uint64_t> dataOffsets;
    for (const Resource* r : sorted) {
        at = (at + 7) / 8 * 8;
        dataOffsets.push_back(at);
        at += r->data.size();
    }
    // Offsets within the tree keep their top bit for flags; data entries hold RVAs.
    if (at > 0x7FFFFFFF || at > 0xFFFFFFFFu - sectionRva)
        return Error{"resource section of " + std::to_string(at) + " bytes at RVA " + hex(sectionRva) +
                     " does not fit in the address space"};

    std::vector<std::uint8_t> out(static_cast<std::size_t>(at), 0);
    auto entriesOf = [](const std::vector<Node>& nodes, const std::vector<std::size_t>& children) {
        std::vector<Entry> entries;
        for (std::size_t child : children)
            entries.push_back({nodes[child].id, nodes[child].string,
                               kResourceHighBit | static_cast<std::uint32_t>(nodes[child].table)});
        return entries;
    };
    writeTable(out, 0, entriesOf(types, root.children));
    for (const Node& type : types) writeTable(out, type.table, entriesOf(names, type.children));
    for (const Node& name : names) {
        std::vector<Entry> entries;
        std::vector<ResourceId> languages;
        languages.reserve(name.children.size());
        for (std::size_t r : name.children) {
            languages.push_back(ResourceId::numbered(sorted[r]->language));
            entries.push_back(
                {&languages.back(), 0, static_cast<std::uint32_t>(dataEntries + r * sizeof(ResourceDataEntry))});
        }
        writeTable(out, name.table, entries);
    }
    for (std::size_t r = 0; r < sorted.size(); ++r) {
        const ResourceDataEntry entry{sectionRva + static_cast<std::uint32_t>(dataOffsets[r]),
                                      static_cast<std::uint32_t>(sorted[r]->data.size()), sorted[r]->codePage, 0};
        put(out, dataEntries + r * sizeof entry, entry);
        if (sorted[r]->data.size() != 0)
            std::memcpy(out.data() + dataOffsets[r], sorted[r]->data.data(), sorted[r]->data.size());
    }
    auto writeString = [&out](const Node& node) {
        if (!node.id->isName()) return;
        put(out, node.string, static_cast<std::uint16_t>(node.id->name.size()));
        for (std::size_t i = 0; i < node.id->name.size(); ++i)
            put(out, node.string + 2 + 2 * i, static_cast<std::uint16_t>(node.id->name[i]));
    };
    for (const Node& type : types) writeString(type);
    for (const Node& name : names) writeString(name);
    return out;
}

}  // namespace modfile
