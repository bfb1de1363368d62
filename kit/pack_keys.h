#pragma once
// Every key of a pack's values file, with where its value lives in the
// module's values block: the one list that the reader, the writer and the
// documentation follow.
#include <cstddef>
#include <vector>

namespace kit {

enum class ValueKind {
    Colour,  // "#RRGGBB" or "system:COLOR_…"
    Size,    // an integer that fits a 16-bit size field, from 0 on
    Stem,    // a string that fits a 20-byte buffer with its terminating zero
    Stems,   // an array of five such strings, one per table size
};

struct PackKey {
    const char* table;   // "main_tab"
    const char* key;     // "active_text"
    ValueKind kind;
    std::size_t offset;  // into skin::SkinValues
    bool required;       // an optional colour is left unset when absent
    const char* field;   // the element field, for people: "m_mainTab.m_clrActiveText"
};

// In the order the values file lists them.
const std::vector<PackKey>& PackKeys();

}  // namespace kit
