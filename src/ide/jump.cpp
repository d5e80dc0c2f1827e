#include "ide/jump.h"

#include "search/key_commands.h"

#include <cstdlib>
#include <string>

namespace veldo {
namespace {

constexpr uint8_t kKeyG = 'G', kKeyL = 'L';

void Down(std::vector<KeyEvent> &keys, uint8_t key) {
    keys.push_back({key, false});
}

void Up(std::vector<KeyEvent> &keys, uint8_t key) {
    keys.push_back({key, true});
}

void Press(std::vector<KeyEvent> &keys, uint8_t key) {
    Down(keys, key);
    Up(keys, key);
}

void Scroll(std::vector<KeyEvent> &keys, int32_t line, int32_t cursorLine) {
    const uint8_t arrow = line > cursorLine ? kKeyDown : kKeyUp;
    for (int64_t n = int64_t{line} - cursorLine; n != 0; n += n > 0 ? -1 : 1)
        Press(keys, arrow);
}

void GoToLine(std::vector<KeyEvent> &keys, const JumpRequest &request) {
    // Alt+G opens the prompt only while the IDE is not debugging; Ctrl+L
    // does it then.
    const uint8_t modifier = request.Location == kEditorFound ? kKeyAlt : kKeyControl;
    const uint8_t letter = request.Location == kEditorFound ? kKeyG : kKeyL;
    Down(keys, modifier);
    Press(keys, letter);
    Up(keys, modifier);
    if (request.BelgianLayout)
        Down(keys, kKeyShift);
    for (char digit : std::to_string(request.Line))
        Press(keys, static_cast<uint8_t>(digit));
    // Delete clears whatever the prompt offered after the typed digits; on
    // the Belgian layouts it still goes out with Shift held.
    Press(keys, kKeyDelete);
    if (request.BelgianLayout)
        Up(keys, kKeyShift);
    Press(keys, kKeyEnter);
}

} // namespace

int32_t FunctionLine(FunctionTable &table, int32_t listIndex) {
    int32_t marked = 0;
    for (int32_t i = 0; i < table.Count; ++i) {
        table.Current = &table.Entries[i];
        if (!table.Current->IsFunction)
            continue;
        if (marked == listIndex)
            return FunctionTable::LineOf(i);
        ++marked;
    }
    return 0;
}

bool IsBelgianLayout(std::string_view layoutName) {
    return layoutName == "00000813" || layoutName == "0000080c";
}

std::vector<KeyEvent> JumpKeys(const JumpRequest &request) {
    std::vector<KeyEvent> keys;
    Up(keys, kKeyControl);
    Up(keys, kKeyEnter);
    const int64_t distance = std::abs(int64_t{request.Line} - request.CursorLine);
    if (request.ScrollEditor && distance < kScrollLimit)
        Scroll(keys, request.Line, request.CursorLine);
    else
        GoToLine(keys, request);
    return keys;
}

} // namespace veldo
