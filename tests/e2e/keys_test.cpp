// Keys pressed in the search box: the navigation keys act on the function
// list while the keyboard stays in the search box, and typed characters
// still edit the search text.
#include "veldo_test.h"

namespace veldo::e2e {
namespace {

using KeysTest = VeldoTest;

struct Step {
    WORD key;
    int selected;
    const char *sourceLine;
};

TEST_F(KeysTest, NavigationKeysMoveTheFunctionListAndItsDetails) {
    Veldo v;
    ASSERT_NO_FATAL_FAILURE(StartLoaded(SamplePath(), kSampleLine, &v));
    HWND search = v.main.Control(kIdSearchBox);
    ASSERT_TRUE(Focus(v.main.Handle()));

    // Each key's release refreshes the details of the function it selected.
    for (const Step &step : {Step{VK_DOWN, 6, "Source Line: 67"}, Step{VK_HOME, 0, "Source Line: 18"},
                             Step{VK_END, 7, "Source Line: 76"}, Step{VK_UP, 6, "Source Line: 67"},
                             Step{VK_LEFT, 6, "Source Line: 67"}}) {
        PressKey(step.key);
        EXPECT_TRUE(WaitUntil([&] {
            return v.main.SelectedFunction() == step.selected &&
                   v.main.Panel(1) == std::optional<std::string>(step.sourceLine);
        })) << "key "
            << step.key << ": selected " << v.main.SelectedFunction() << ", "
            << v.main.Panel(1).value_or("?");
    }
    HWND focus = FocusOf(v.main.Handle());
    EXPECT_TRUE(focus == search || IsChild(search, focus)) << "the keyboard left the search box";
    ASSERT_NO_FATAL_FAILURE(Close(v));
}

TEST_F(KeysTest, TypedCharactersEditTheSearchTextAndDeleteDoesNot) {
    Veldo v;
    ASSERT_NO_FATAL_FAILURE(StartLoaded(SamplePath(), kSampleLine, &v));
    HWND search = v.main.Control(kIdSearchBox);
    ASSERT_TRUE(Focus(v.main.Handle()));

    for (WORD key : {WORD('S'), WORD('T'), WORD('O')})
        PressKey(key);
    EXPECT_TRUE(WaitUntil([&] { return TextOf(search) == "sto"; })) << "'" << TextOf(search) << "'";
    // Left moves the caret; Delete then goes to the function list instead
    // of removing the character after the caret, and Backspace edits.
    PressKey(VK_LEFT);
    PressKey(VK_DELETE);
    PressKey(VK_BACK);
    EXPECT_TRUE(WaitUntil([&] { return TextOf(search) == "so"; })) << "'" << TextOf(search) << "'";
    ASSERT_NO_FATAL_FAILURE(Close(v));
}

} // namespace
} // namespace veldo::e2e
