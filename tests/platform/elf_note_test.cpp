// Finding a note in a segment, malformed segments included.
#include "elf_note.h"

#include <gtest/gtest.h>

#include "byte_builder.h"

namespace {

using plattest::Bytes;

// Notes begin aligned; name and descriptor are padded to the alignment,
// counted from the note's start.
Bytes Note(const std::string& owner, std::uint32_t type, const std::vector<std::uint8_t>& desc, int align = 4) {
    Bytes b;
    b.U32(static_cast<std::uint32_t>(owner.size() + 1)).U32(static_cast<std::uint32_t>(desc.size())).U32(type);
    for (char c : owner) b.U8(static_cast<std::uint8_t>(c));
    b.U8(0);
    b.Fill((align - b.size() % align) % align, 0);
    b.Append(desc);
    b.Fill((align - b.size() % align) % align, 0);
    return b;
}

TEST(ElfNote, FindsTheNoteAmongOthers) {
    Bytes segment = Note("GNU", 3, {1, 2, 3, 4, 5, 6, 7, 8});
    segment.Append(Note("WinRsrc", 0x52535243, {9, 8, 7}).data());
    const std::uint8_t* desc = nullptr;
    std::size_t size = 0;
    ASSERT_TRUE(win32::FindNote(segment.data().data(), segment.size(), 4, "WinRsrc", 0x52535243, &desc, &size));
    ASSERT_EQ(3u, size);
    EXPECT_EQ(9, desc[0]);
}

TEST(ElfNote, EightByteAlignedSegmentsPadToEight) {
    Bytes segment = Note("GNU", 5, {1, 2, 3, 4}, 8);
    segment.Append(Note("WinRsrc", 0x52535243, {6}, 8).data());
    const std::uint8_t* desc = nullptr;
    std::size_t size = 0;
    ASSERT_TRUE(win32::FindNote(segment.data().data(), segment.size(), 8, "WinRsrc", 0x52535243, &desc, &size));
    EXPECT_EQ(6, desc[0]);
}

TEST(ElfNote, OwnerAndTypeMustBothMatch) {
    Bytes segment = Note("WinRsrc", 1, {1});
    segment.Append(Note("WinRsr", 0x52535243, {2}).data());
    const std::uint8_t* desc = nullptr;
    std::size_t size = 0;
    EXPECT_FALSE(win32::FindNote(segment.data().data(), segment.size(), 4, "WinRsrc", 0x52535243, &desc, &size));
}

TEST(ElfNote, SizesBeyondTheSegmentEndTheSearch) {
    struct Case {
        const char* name;
        std::uint32_t nameSize, descSize;
    };
    const Case cases[] = {{"name too long", 0x1000, 4}, {"descriptor too long", 8, 0x1000},
                          {"descriptor wrapping", 8, 0xFFFFFFFFu}, {"name wrapping", 0xFFFFFFFDu, 0}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Bytes segment;
        segment.U32(c.nameSize).U32(c.descSize).U32(0x52535243);
        segment.U8('W').U8('i').U8('n').U8('R').U8('s').U8('r').U8('c').U8(0).Fill(8, 0);
        const std::uint8_t* desc = nullptr;
        std::size_t size = 0;
        EXPECT_FALSE(win32::FindNote(segment.data().data(), segment.size(), 4, "WinRsrc", 0x52535243, &desc, &size));
    }
}

}  // namespace
