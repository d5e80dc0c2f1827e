// What the main window's key handler makes of a key pressed in it.
#pragma once

#include <cstdint>

namespace veldo {

// Virtual-key codes the program uses.
enum VirtualKey : uint16_t {
    kKeyEnter = 13,
    kKeyShift = 16,
    kKeyControl = 17,
    kKeyAlt = 18,
    kKeyEscape = 27,
    kKeyLeft = 37,
    kKeyUp = 38,
    kKeyRight = 39,
    kKeyDown = 40,
    kKeyDelete = 46,
    kKeyF4 = 115,
    kKeyF5 = 116,
    kKeyF8 = 119,
};

enum class KeyAction {
    Jump,                  // Enter
    Sleep,                 // Esc
    EditSearchText,        // Left and Right: the search box moves its caret
    Reload,                // F5
    ForwardToMatchList,    // any other key with Ctrl held: drop the match list down first
    ForwardToFunctionList, // any other key: close the match list's drop-down afterwards
};

struct KeyDecision {
    KeyAction Action;
    bool Consume; // the key is set to 0 and goes no further
};

// Only Ctrl matters, and only for the keys that are not commands.
KeyDecision DecideKey(uint16_t key, bool ctrlHeld);

} // namespace veldo
