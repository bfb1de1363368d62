#include <gtest/gtest.h>

#include "res_file.h"

namespace {

using rescomp::Resource;
using rescomp::ResId;
using Bytes = std::vector<std::uint8_t>;

const Bytes kEmptyEntry = {0, 0, 0, 0, 32, 0, 0, 0, 0xFF, 0xFF, 0, 0, 0xFF, 0xFF, 0, 0,
                           0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};

TEST(ResFile, NothingButTheEmptyLeadingEntry) {
    EXPECT_EQ(kEmptyEntry, rescomp::encodeResFile({}));
}

TEST(ResFile, EntryLayoutWithNamePaddingAndDataPadding) {
    const Bytes out = rescomp::encodeResFile(
        {Resource{ResId::numbered(2), ResId::named("AB"), 0x0804, 0x1030, {1, 2, 3}}});
    const Bytes entry = {
        3, 0, 0, 0,               // data size
        36, 0, 0, 0,              // header size: 8 + 4 + 6, padded to 20, + 16
        0xFF, 0xFF, 2, 0,         // type: number 2
        'A', 0, 'B', 0, 0, 0,     // name, UTF-16 with its terminator
        0, 0,                     // padding to 32 bits
        0, 0, 0, 0,               // data version
        0x30, 0x10, 0x04, 0x08,   // memory flags, language
        0, 0, 0, 0, 0, 0, 0, 0,   // version, characteristics
        1, 2, 3, 0};              // data, padded
    Bytes expected = kEmptyEntry;
    expected.insert(expected.end(), entry.begin(), entry.end());
    EXPECT_EQ(expected, out);
}

std::string idText(const Bytes& res, std::size_t at, std::size_t* end) {
    if (res[at] == 0xFF && res[at + 1] == 0xFF) {
        *end = at + 4;
        return "#" + std::to_string(res[at + 2] | res[at + 3] << 8);
    }
    std::string s;
    while (res[at] != 0) {
        s += static_cast<char>(res[at]);
        at += 2;
    }
    *end = at + 2;
    return s;
}

// "type name language" of every entry after the leading one.
std::vector<std::string> listing(const Bytes& res) {
    std::vector<std::string> out;
    std::size_t at = 32;
    while (at < res.size()) {
        const std::uint32_t dataSize = res[at] | res[at + 1] << 8 | res[at + 2] << 16 | res[at + 3] << 24;
        const std::uint32_t headerSize = res[at + 4] | res[at + 5] << 8;
        std::size_t end;
        const std::string type = idText(res, at + 8, &end);
        const std::string name = idText(res, end, &end);
        const std::size_t fixed = at + headerSize - 16;
        char lang[8];
        std::snprintf(lang, sizeof lang, "%04x", res[fixed + 6] | res[fixed + 7] << 8);
        out.push_back(type + " " + name + " " + lang);
        at = (at + headerSize + dataSize + 3) / 4 * 4;
    }
    return out;
}

TEST(ResFile, OrderedByTypeThenNameThenLanguage) {
    auto r = [](std::uint16_t type, ResId name, std::uint16_t lang) {
        return Resource{ResId::numbered(type), std::move(name), lang, 0x1030, {9}};
    };
    const Bytes out = rescomp::encodeResFile({
        r(14, ResId::named("Z"), 0x0804),
        r(3, ResId::numbered(2), 0x0804),
        r(2, ResId::named("B_2"), 0x0804),
        r(2, ResId::numbered(7), 0x0804),
        r(2, ResId::named("BZ"), 0x0804),
        r(2, ResId::named("B"), 0x0804),
        r(2, ResId::named("B1"), 0x0804),
        r(3, ResId::numbered(1), 0x0804),
        r(2, ResId::named("BZ"), 0x0409),
    });
    const std::vector<std::string> expected = {
        "#2 B 0804",   "#2 B1 0804", "#2 BZ 0409", "#2 BZ 0804", "#2 B_2 0804",
        "#2 #7 0804",  "#3 #1 0804", "#3 #2 0804", "#14 Z 0804"};
    EXPECT_EQ(expected, listing(out));
}

}  // namespace
