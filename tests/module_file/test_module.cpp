#include "test_module.h"

#include <string>

namespace modtest {
namespace {

using plattest::Bytes;

void sectionHeader(Bytes& b, const char* name, std::uint32_t rva, std::uint32_t size, std::uint32_t rawOffset) {
    std::string padded(name);
    padded.resize(8, '\0');
    for (char c : padded) b.U8(static_cast<std::uint8_t>(c));
    b.U32(size).U32(rva).U32(size).U32(rawOffset).U32(0).U32(0).U16(0).U16(0).U32(0x40000040);
}

// A directory table with its entries, named ones first as given.
struct Entry {
    modfile::ResourceId id;
    std::uint32_t stringOffset;
    std::uint32_t target;
};

void table(Bytes& b, const std::vector<Entry>& entries) {
    std::uint16_t named = 0;
    for (const Entry& e : entries) named += e.id.isName();
    b.U32(0).U32(0).U16(4).U16(0).U16(named).U16(static_cast<std::uint16_t>(entries.size() - named));
    for (const Entry& e : entries) b.U32(e.id.isName() ? 0x80000000u | e.stringOffset : e.id.number).U32(e.target);
}

// A type or a name, and the names or resources under it.
struct Node {
    modfile::ResourceId id;
    std::vector<std::size_t> children;
};

}  // namespace

std::vector<std::uint8_t> peImage(const std::vector<std::uint8_t>& rsrc) {
    const std::uint32_t rsrcSize = static_cast<std::uint32_t>(rsrc.size());
    const std::uint16_t sectionCount = rsrc.empty() ? 1 : 2;
    Bytes b;
    b.U16(0x5A4D).Fill(58, 0).U32(kPeOffset);
    b.U32(0x00004550);
    b.U16(0x014C).U16(sectionCount).U32(0).U32(0).U32(0).U16(96 + 16 * 8).U16(0x2102);
    b.U16(0x010B).U8(2).U8(40).U32(0x200).U32(rsrcSize).U32(0).U32(0x1000).U32(0x1000).U32(kRsrcRva);
    b.U32(0x10000000).U32(0x1000).U32(0x200).U16(4).U16(0).U16(0).U16(0).U16(4).U16(0);
    b.U32(0).U32(0x3000).U32(kTextRawOffset).U32(0).U16(2).U16(0);
    b.U32(0x100000).U32(0x1000).U32(0x100000).U32(0x1000).U32(0).U32(16);
    for (std::uint32_t i = 0; i < 16; ++i) {
        const bool resources = i == 2 && !rsrc.empty();
        b.U32(resources ? kRsrcRva : 0).U32(resources ? rsrcSize : 0);
    }
    sectionHeader(b, ".text", 0x1000, 0x200, kTextRawOffset);
    if (!rsrc.empty()) sectionHeader(b, ".rsrc", kRsrcRva, rsrcSize, kRsrcRawOffset);
    b.Fill(kTextRawOffset - b.size(), 0).Fill(0x200, 0);
    b.Append(rsrc);
    return b.data();
}

std::vector<std::uint8_t> resourceSection(const std::vector<TestResource>& resources, std::uint32_t rva) {
    std::vector<Node> types, names;
    for (std::size_t i = 0; i < resources.size(); ++i) {
        const TestResource& r = resources[i];
        if (types.empty() || !(types.back().id == r.type)) types.push_back({r.type, {}});
        Node& type = types.back();
        if (type.children.empty() || !(names[type.children.back()].id == r.name)) {
            names.push_back({r.name, {}});
            type.children.push_back(names.size() - 1);
        }
        names[type.children.back()].children.push_back(i);
    }

    auto tableSize = [](std::size_t entries) { return static_cast<std::uint32_t>(16 + 8 * entries); };
    std::uint32_t at = tableSize(types.size());
    std::vector<std::uint32_t> typeTables, nameTables, typeStrings, nameStrings, dataOffsets;
    for (const Node& type : types) typeTables.push_back(at), at += tableSize(type.children.size());
    for (const Node& name : names) nameTables.push_back(at), at += tableSize(name.children.size());
    auto placeString = [&at](const modfile::ResourceId& id, std::vector<std::uint32_t>& offsets) {
        offsets.push_back(at);
        if (id.isName()) at += static_cast<std::uint32_t>(2 + 2 * id.name.size());
    };
    for (const Node& type : types) placeString(type.id, typeStrings);
    for (const Node& name : names) placeString(name.id, nameStrings);
    at = (at + 3) / 4 * 4;
    const std::uint32_t dataEntries = at;
    at += static_cast<std::uint32_t>(16 * resources.size());
    for (const TestResource& r : resources) {
        dataOffsets.push_back(at);
        at += static_cast<std::uint32_t>((r.data.size() + 3) / 4 * 4);
    }

    Bytes b;
    std::vector<Entry> root;
    for (std::size_t t = 0; t < types.size(); ++t)
        root.push_back({types[t].id, typeStrings[t], 0x80000000u | typeTables[t]});
    table(b, root);
    for (const Node& type : types) {
        std::vector<Entry> entries;
        for (std::size_t n : type.children)
            entries.push_back({names[n].id, nameStrings[n], 0x80000000u | nameTables[n]});
        table(b, entries);
    }
    for (const Node& name : names) {
        std::vector<Entry> entries;
        for (std::size_t r : name.children)
            entries.push_back({modfile::ResourceId::numbered(resources[r].language), 0,
                               dataEntries + 16 * static_cast<std::uint32_t>(r)});
        table(b, entries);
    }
    auto string = [&b](const modfile::ResourceId& id) {
        if (!id.isName()) return;
        b.U16(static_cast<std::uint16_t>(id.name.size()));
        for (char16_t c : id.name) b.U16(c);
    };
    for (const Node& type : types) string(type.id);
    for (const Node& name : names) string(name.id);
    b.Align4();
    for (std::size_t r = 0; r < resources.size(); ++r)
        b.U32(rva + dataOffsets[r]).U32(static_cast<std::uint32_t>(resources[r].data.size())).U32(0).U32(0);
    for (const TestResource& r : resources) b.Append(r.data).Align4();
    return b.data();
}

std::vector<std::uint8_t> oneBitmapImage() {
    return peImage(
        resourceSection({{modfile::ResourceId::numbered(2), modfile::ResourceId::named(u"AB"), 0x0804, {1, 2, 3, 4}}}));
}

void poke(std::vector<std::uint8_t>& bytes, const std::vector<Poke>& pokes) {
    for (const Poke& p : pokes)
        for (int i = 0; i < p.width / 8; ++i) bytes.at(p.offset + i) = static_cast<std::uint8_t>(p.value >> (8 * i));
}

}  // namespace modtest
