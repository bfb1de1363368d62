#pragma once
// A skin pack's values: every colour, size and name stem that the fill writes,
// and the module's name. One block of plain little-endian data, in a section
// of its own in the DLL, so that a built module can be given another pack's
// values without a compiler. docs/values_block.md describes the layout.
#include <cstddef>
#include <cstdint>

namespace skin {

// The DLL's section that holds the block and nothing else.
#define SKIN_VALUES_SECTION ".skinval"

constexpr char kValuesMagic[8] = {'S', 'K', 'I', 'N', 'V', 'A', 'L', 'S'};
constexpr std::uint32_t kValuesVersion = 1;

// A colour as the fill writes it. The top byte tells the kind: 0x00 a literal
// COLORREF (0x00BBGGRR), 0x01 the system colour whose index is the low byte,
// read with GetSysColor as the field is written, 0xFF none (the fill leaves
// the field as constructed).
struct SkinColour {
    std::uint32_t word;
};
constexpr std::uint32_t kColourKindMask = 0xFF000000u;
constexpr std::uint32_t kColourLiteral = 0x00000000u;
constexpr std::uint32_t kColourSystem = 0x01000000u;
constexpr std::uint32_t kColourUnset = 0xFF000000u;

constexpr std::size_t kStemBytes = 20;        // a stem's buffer in the element, its zero included
constexpr std::size_t kModuleNameBytes = 64;  // the debugger text, its zero included
constexpr std::size_t kRoomStems = 5;         // tables of 2 to 6 seats
constexpr std::size_t kPersonColours = 8;
constexpr std::size_t kSplitterSizes = 4;

struct TabValues {
    SkinColour line, text, face, activeText, activeLine, inactiveText;
    std::int16_t tabSize1, tabSize2;
};

struct ButtonRowValues {
    SkinColour back, text;
};

struct ToolbarValues {
    ButtonRowValues first;  // the first button
    ButtonRowValues rest;   // every later one
};

struct CaptionValues {
    SkinColour caption, captionText, menu;
};

struct RoomValues {
    SkinColour room;
    char stems[kRoomStems][kStemBytes];
};

struct PersonListValues {
    SkinColour person[kPersonColours];
    char headPicStem[kStemBytes];
};

struct SplitterValues {
    std::int16_t sizes[kSplitterSizes];
};

struct TreeValues {
    SkinColour back, text, line;
};

struct SkinValues {
    char magic[8];           // kValuesMagic
    std::uint32_t version;   // kValuesVersion
    std::uint32_t size;      // sizeof(SkinValues) of that version
    char moduleName[kModuleNameBytes];
    TabValues mainTab;
    TabValues tab;
    ToolbarValues toolbar;
    ButtonRowValues exit;
    CaptionValues caption;
    RoomValues room;
    PersonListValues personList;
    SplitterValues splitter;
    TreeValues tree;
};

static_assert(sizeof(SkinColour) == 4, "a colour is one word");
static_assert(sizeof(TabValues) == 28, "tab values");
static_assert(sizeof(ButtonRowValues) == 8, "button row values");
static_assert(sizeof(ToolbarValues) == 16, "toolbar values");
static_assert(sizeof(CaptionValues) == 12, "caption values");
static_assert(sizeof(RoomValues) == 104, "room values");
static_assert(sizeof(PersonListValues) == 52, "person list values");
static_assert(sizeof(SplitterValues) == 8, "splitter values");
static_assert(sizeof(TreeValues) == 12, "tree values");
static_assert(offsetof(SkinValues, moduleName) == 16, "module name");
static_assert(offsetof(SkinValues, mainTab) == 80, "main tab");
static_assert(offsetof(SkinValues, tab) == 108, "tab");
static_assert(offsetof(SkinValues, toolbar) == 136, "toolbar");
static_assert(offsetof(SkinValues, exit) == 152, "exit menu");
static_assert(offsetof(SkinValues, caption) == 160, "caption");
static_assert(offsetof(SkinValues, room) == 172, "room");
static_assert(offsetof(SkinValues, personList) == 276, "person list");
static_assert(offsetof(SkinValues, splitter) == 328, "splitter");
static_assert(offsetof(SkinValues, tree) == 336, "tree");
static_assert(sizeof(SkinValues) == 348, "the block of version 1");

}  // namespace skin

// The block of the pack the module was built with, defined by the pack's
// generated source. The fill copies it out rather than reading it in place.
#if defined(_WIN32)
#define SKIN_VALUES_PLACED __attribute__((section(SKIN_VALUES_SECTION)))
#else
#define SKIN_VALUES_PLACED
#endif
extern "C" SKIN_VALUES_PLACED const unsigned char skin_pack_values[sizeof(skin::SkinValues)];
