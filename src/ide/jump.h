// The jump to a function: its line, and the keystrokes that move the IDE's
// editor there.
#pragma once

#include "ide/ide_locator.h"
#include "scan/function_table.h"

#include <cstdint>
#include <string_view>
#include <vector>

namespace veldo {

// The line (from 1) of the function at function-list index listIndex: the
// listIndex-th marked entry, counted from 0. The walk leaves table.Current
// at that entry. 0 when there is no such entry.
int32_t FunctionLine(FunctionTable &table, int32_t listIndex);

// Dutch (Belgium) and French (Belgium), compared byte for byte: the digit
// keys there type digits only with Shift held.
bool IsBelgianLayout(std::string_view layoutName);

// A function closer than this to the cursor is reached with arrow keys when
// the user asked for scrolling.
inline constexpr int64_t kScrollLimit = 100;

struct KeyEvent {
    uint8_t VirtualKey;
    bool Up;
    friend bool operator==(const KeyEvent &, const KeyEvent &) = default;
};

struct JumpRequest {
    int32_t Line;       // the function's line
    int32_t CursorLine; // the editor's cursor line, as the IDE gave it
    bool ScrollEditor;
    IdeLocation Location;
    bool BelgianLayout;
};

// Every key event of a jump, in order: the releases of Ctrl and Enter (left
// down by the confirming key press), then the arrow presses or the go-to-line
// prompt's chord, digits, Delete and Enter.
std::vector<KeyEvent> JumpKeys(const JumpRequest &request);

} // namespace veldo
