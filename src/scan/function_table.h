// The in-memory copy of the source file: one entry per line read.
#pragma once

#include <cstdint>

namespace veldo {

struct FunctionEntry {
    uint8_t IsFunction = 0; // 1 when the line begins a listed function header
    char *Text = nullptr;   // the line as read, zero-terminated; owned, from heapward
};

// Values of FunctionTable::SelectionOrigin.
enum : uint8_t {
    kMouseSelecting = 0, // a mouse button is held on the function list: loads and details wait
    kNormalSelection = 1,
    kDoubleClicked = 2,
};

struct FunctionTable {
    FunctionEntry *Entries = nullptr; // owned, from heapward
    FunctionEntry *Current = nullptr; // the entry the walk in progress is visiting
    int32_t Count = 0;                // entries filled by the last load
    uint8_t SelectionOrigin = kNormalSelection;
    int32_t Capacity = 0; // elements the array has room for

    // Line number (from 1) of entry index.
    static int32_t LineOf(int32_t index) { return index + 1; }
};

// An entry's text; a released one reads as empty.
inline const char *TextOf(const FunctionEntry &entry) {
    return entry.Text ? entry.Text : "";
}

// Releases every line text; Count, the array and the marks stay, so a later
// load reuses the array.
void FreeFunctionTable(FunctionTable &table);

// Releases the texts and the array: the table is back to its start state
// (apart from SelectionOrigin).
void CloseFunctionTable(FunctionTable &table);

} // namespace veldo
