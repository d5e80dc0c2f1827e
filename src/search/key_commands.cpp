#include "search/key_commands.h"

namespace veldo {

KeyDecision DecideKey(uint16_t key, bool ctrlHeld) {
    // The commands let the key through: the search box still sees Left and
    // Right, and the others do no harm there.
    switch (key) {
    case kKeyEnter:
        return {KeyAction::Jump, false};
    case kKeyEscape:
        return {KeyAction::Sleep, false};
    case kKeyLeft:
    case kKeyRight:
        return {KeyAction::EditSearchText, false};
    case kKeyF5:
        return {KeyAction::Reload, false};
    default:
        return {ctrlHeld ? KeyAction::ForwardToMatchList : KeyAction::ForwardToFunctionList, true};
    }
}

} // namespace veldo
