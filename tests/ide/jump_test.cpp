#include "ide/jump.h"

#include <gtest/gtest.h>

#include <climits>
#include <map>
#include <ostream>
#include <string>
#include <vector>

namespace veldo {
namespace {

// "K" is a press (K down, then K up), "K+" a lone key down, "K-" a lone key
// up; a run of n equal presses reads "K*n".
std::string Render(const std::vector<KeyEvent> &keys) {
    static const std::map<uint8_t, std::string> names = {
        {13, "Enter"}, {16, "Shift"}, {17, "Ctrl"}, {18, "Alt"}, {38, "Up"}, {40, "Down"}, {46, "Del"}};
    const auto name = [](uint8_t key) {
        auto it = names.find(key);
        return it != names.end() ? it->second : std::string(1, static_cast<char>(key));
    };
    std::vector<std::string> tokens;
    for (size_t i = 0; i < keys.size(); ++i) {
        if (!keys[i].Up && i + 1 < keys.size() && keys[i + 1] == KeyEvent{keys[i].VirtualKey, true}) {
            tokens.push_back(name(keys[i].VirtualKey));
            ++i;
        } else {
            tokens.push_back(name(keys[i].VirtualKey) + (keys[i].Up ? "-" : "+"));
        }
    }
    std::string out;
    for (size_t i = 0; i < tokens.size();) {
        size_t run = 1;
        while (i + run < tokens.size() && tokens[i + run] == tokens[i] && tokens[i].back() != '-' &&
               tokens[i].back() != '+')
            ++run;
        if (!out.empty())
            out += ' ';
        out += tokens[i];
        if (run > 1)
            out += '*' + std::to_string(run);
        i += run;
    }
    return out;
}

struct ScriptCase {
    const char *name;
    JumpRequest request;
    const char *keys;
};

void PrintTo(const ScriptCase &c, std::ostream *os) {
    *os << c.name;
}

class JumpKeysFor : public ::testing::TestWithParam<ScriptCase> {};

TEST_P(JumpKeysFor, Request) {
    EXPECT_EQ(Render(JumpKeys(GetParam().request)), GetParam().keys);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, JumpKeysFor,
    ::testing::Values(
        ScriptCase{"BelgianIdle",
                   {1205, 10, false, kEditorFound, true},
                   "Ctrl- Enter- Alt+ G Alt- Shift+ 1 2 0 5 Del Shift- Enter"},
        ScriptCase{"BelgianDebugging",
                   {1205, 10, false, kEditorFoundWithState, true},
                   "Ctrl- Enter- Ctrl+ L Ctrl- Shift+ 1 2 0 5 Del Shift- Enter"},
        ScriptCase{"OtherLayout",
                   {1205, 10, false, kEditorFound, false},
                   "Ctrl- Enter- Alt+ G Alt- 1 2 0 5 Del Enter"},
        ScriptCase{"NoEditorTakesCtrlL",
                   {7, 10, false, kNoEditorWindow, false},
                   "Ctrl- Enter- Ctrl+ L Ctrl- 7 Del Enter"},
        ScriptCase{"ScrollOnSameLine", {40, 40, true, kEditorFound, false}, "Ctrl- Enter-"},
        ScriptCase{"ScrollUpAnyLayout", {4, 10, true, kEditorFound, true}, "Ctrl- Enter- Up*6"},
        ScriptCase{"ScrollDown99", {139, 40, true, kEditorFoundWithState, false}, "Ctrl- Enter- Down*99"},
        ScriptCase{"Distance100GoesToLine",
                   {140, 40, true, kEditorFoundWithState, false},
                   "Ctrl- Enter- Ctrl+ L Ctrl- 1 4 0 Del Enter"},
        ScriptCase{"ScrollOffSameLine",
                   {40, 40, false, kEditorFound, false},
                   "Ctrl- Enter- Alt+ G Alt- 4 0 Del Enter"},
        ScriptCase{"FarNegativeCursorLine",
                   {5, INT_MIN, true, kEditorFound, false},
                   "Ctrl- Enter- Alt+ G Alt- 5 Del Enter"},
        ScriptCase{"RepeatedDigits",
                   {1000, 1, false, kEditorFound, false},
                   "Ctrl- Enter- Alt+ G Alt- 1 0*3 Del Enter"}),
    [](const ::testing::TestParamInfo<ScriptCase> &info) { return std::string(info.param.name); });

TEST(JumpKeys, EveryPressIsADownThenAnUpOfTheSameKey) {
    const std::vector<KeyEvent> keys = JumpKeys({42, 10, false, kEditorFound, true});
    ASSERT_EQ(keys.size(), 16u);
    EXPECT_EQ(keys[2], (KeyEvent{18, false}));
    EXPECT_EQ(keys[3], (KeyEvent{'G', false}));
    EXPECT_EQ(keys[4], (KeyEvent{'G', true}));
    EXPECT_EQ(keys[5], (KeyEvent{18, true}));
}

TEST(FunctionLine, CountsMarkedEntriesAndLeavesCurrentThere) {
    FunctionEntry entries[6];
    for (int i : {1, 2, 5})
        entries[i].IsFunction = 1;
    FunctionTable table;
    table.Entries = entries;
    table.Count = 6;
    table.Capacity = 6;

    EXPECT_EQ(FunctionLine(table, 0), 2);
    EXPECT_EQ(table.Current, &entries[1]);
    EXPECT_EQ(FunctionLine(table, 2), 6);
    EXPECT_EQ(table.Current, &entries[5]);
    EXPECT_EQ(FunctionLine(table, 3), 0);
    EXPECT_EQ(FunctionLine(table, -1), 0);

    FunctionTable empty;
    EXPECT_EQ(FunctionLine(empty, 0), 0);
}

TEST(IsBelgianLayout, ComparesByteForByte) {
    EXPECT_TRUE(IsBelgianLayout("00000813"));
    EXPECT_TRUE(IsBelgianLayout("0000080c"));
    for (const char *other : {"0000080C", "00000409", "0000080c ", "00000807", ""})
        EXPECT_FALSE(IsBelgianLayout(other)) << other;
}

} // namespace
} // namespace veldo
