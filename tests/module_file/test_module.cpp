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

std::vector<std::uint8_t> moduleImage(const ModuleParts& parts) {
    struct Part {
        const char* name;
        std::vector<std::uint8_t> data;
        std::uint32_t characteristics;
        std::uint32_t rva, rawOffset;
    };
    const std::uint32_t fileAlignment = parts.fileAlignment, sectionAlignment = parts.sectionAlignment;
    auto align = [](std::uint32_t value, std::uint32_t to) { return (value + to - 1) / to * to; };
    const std::uint16_t count = static_cast<std::uint16_t>(!parts.code.empty() + !parts.values.empty() +
                                                           !parts.exportName.empty() + 1 + parts.relocations);
    const std::uint32_t headers = kOptionalOffset + 96 + 7 * 8 + 40 * count;
    std::vector<Part> sections;
    std::uint32_t rva = align(headers, sectionAlignment), rawOffset = align(headers, fileAlignment);
    auto add = [&](const char* name, const std::vector<std::uint8_t>& data, std::uint32_t characteristics) {
        sections.push_back({name, data, characteristics, rva, rawOffset});
        rva = align(rva + static_cast<std::uint32_t>(data.size()), sectionAlignment);
        rawOffset += align(static_cast<std::uint32_t>(data.size()), fileAlignment);
        return sections.back().rva;
    };
    std::uint32_t directories[7][2] = {};
    if (!parts.code.empty()) add(".text", parts.code, 0x60000020);
    if (!parts.values.empty()) add(".skinval", parts.values, 0x40000040);
    if (!parts.exportName.empty()) {
        const std::uint32_t nameRva = rva + 40 + 4 + 4 + 2, functionNameRva = nameRva + parts.exportName.size() + 1;
        Bytes e;
        e.U32(0).U32(kModuleTimestamp).U16(0).U16(0).U32(nameRva).U32(1).U32(1).U32(1);
        e.U32(rva + 40).U32(rva + 44).U32(rva + 48).U32(sections.empty() ? 0 : sections[0].rva);
        e.U32(functionNameRva).U16(0);
        for (char c : parts.exportName + '\0' + "GetFace" + '\0') e.U8(static_cast<std::uint8_t>(c));
        directories[0][0] = add(".edata", e.data(), 0x40000040);
        directories[0][1] = static_cast<std::uint32_t>(e.size());
    }
    const std::vector<std::uint8_t> rsrc = resourceSection(parts.resources, rva);
    directories[2][0] = add(".rsrc", rsrc, 0x40000040);
    directories[2][1] = static_cast<std::uint32_t>(rsrc.size());
    if (parts.relocations) {
        Bytes block;
        block.U32(sections[0].rva).U32(12).U16(0x3000).U16(0);
        directories[5][0] = add(".reloc", block.data(), 0x42000040);
        directories[5][1] = 12;
    }

    std::uint32_t initialized = 0;
    for (const Part& p : sections)
        if (p.characteristics & 0x40) initialized += align(static_cast<std::uint32_t>(p.data.size()), fileAlignment);
    Bytes b;
    b.U16(0x5A4D).Fill(58, 0).U32(kPeOffset);
    b.U32(0x00004550);
    b.U16(0x014C).U16(count).U32(kModuleTimestamp).U32(rawOffset).U32(0).U16(96 + 7 * 8).U16(0x2102);
    b.U16(0x010B).U8(2).U8(40).U32(align(static_cast<std::uint32_t>(parts.code.size()), fileAlignment));
    b.U32(initialized).U32(0).U32(sections[0].rva).U32(sections[0].rva).U32(sections[0].rva);
    b.U32(0x10000000).U32(sectionAlignment).U32(fileAlignment).U16(4).U16(0).U16(0).U16(0).U16(4).U16(0);
    b.U32(0).U32(rva).U32(align(headers, fileAlignment)).U32(0).U16(2).U16(0);
    b.U32(0x100000).U32(0x1000).U32(0x100000).U32(0x1000).U32(0).U32(7);
    for (const auto& directory : directories) b.U32(directory[0]).U32(directory[1]);
    for (const Part& p : sections) {
        std::string name(p.name);
        name.resize(8, '\0');
        for (char c : name) b.U8(static_cast<std::uint8_t>(c));
        const std::uint32_t size = static_cast<std::uint32_t>(p.data.size());
        b.U32(size).U32(p.rva).U32(align(size, fileAlignment)).U32(p.rawOffset).U32(0).U32(0).U32(0);
        b.U32(p.characteristics);
    }
    for (const Part& p : sections) {
        b.Fill(p.rawOffset - b.size(), 0).Append(p.data);
        b.Fill(align(static_cast<std::uint32_t>(b.size()), fileAlignment) - b.size(), 0);
    }
    b.U32(14);
    for (char c : std::string("debuglink")) b.U8(static_cast<std::uint8_t>(c));
    return b.U8(0).data();
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
