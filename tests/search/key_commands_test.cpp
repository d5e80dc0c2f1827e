#include "search/key_commands.h"

#include <gtest/gtest.h>

namespace veldo {
namespace {

TEST(DecideKey, CommandsIgnoreCtrlAndPassOtherKeysOn) {
    using enum KeyAction;
    const struct {
        uint16_t key;
        KeyAction plain, withCtrl;
        bool consumed;
    } cases[] = {
        {kKeyEnter, Jump, Jump, false},
        {kKeyEscape, Sleep, Sleep, false},
        {kKeyLeft, EditSearchText, EditSearchText, false},
        {kKeyRight, EditSearchText, EditSearchText, false},
        {kKeyF5, Reload, Reload, false},
        {kKeyUp, ForwardToFunctionList, ForwardToMatchList, true},
        {kKeyDown, ForwardToFunctionList, ForwardToMatchList, true},
        {kKeyDelete, ForwardToFunctionList, ForwardToMatchList, true},
        {kKeyF4, ForwardToFunctionList, ForwardToMatchList, true},
        {kKeyF8, ForwardToFunctionList, ForwardToMatchList, true},
        {kKeyShift, ForwardToFunctionList, ForwardToMatchList, true},
        {kKeyControl, ForwardToFunctionList, ForwardToMatchList, true},
        {'A', ForwardToFunctionList, ForwardToMatchList, true},
        {0, ForwardToFunctionList, ForwardToMatchList, true},
        {kKeyEnter + 256, ForwardToFunctionList, ForwardToMatchList, true},
        {0xFFFF, ForwardToFunctionList, ForwardToMatchList, true},
    };
    for (const auto &c : cases) {
        const KeyDecision plain = DecideKey(c.key, false);
        const KeyDecision withCtrl = DecideKey(c.key, true);
        EXPECT_EQ(plain.Action, c.plain) << "key " << c.key;
        EXPECT_EQ(withCtrl.Action, c.withCtrl) << "key " << c.key << " with Ctrl";
        EXPECT_EQ(plain.Consume, c.consumed) << "key " << c.key;
        EXPECT_EQ(withCtrl.Consume, c.consumed) << "key " << c.key << " with Ctrl";
    }
}

} // namespace
} // namespace veldo
