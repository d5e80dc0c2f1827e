// Sleeping: the copy hides and waits in the notification area for the next
// invocation, and closes itself when none comes.
#include "veldo_test.h"

#include <functional>

namespace veldo::e2e {
namespace {

struct SleepCase {
    std::string name;
    // Puts the copy to sleep as the user would; ASSERTs inside.
    std::function<void(const Veldo &)> act;
};

void PressEscape(const Veldo &v) {
    ASSERT_TRUE(Focus(v.main.Handle()));
    PressKey(VK_ESCAPE);
}

void ClickCancel(const Veldo &v) {
    HWND toolBar = v.main.Control(kIdToolBar);
    ASSERT_NE(toolBar, nullptr);
    const auto r = ToolbarButtonScreenRect(toolBar, kCmdCancel);
    ASSERT_TRUE(r) << "no Cancel button on the toolbar";
    ASSERT_TRUE(Focus(v.main.Handle()));
    ClickAt(POINT{(r->left + r->right) / 2, (r->top + r->bottom) / 2});
}

void ChooseFileSleep(const Veldo &v) {
    ASSERT_TRUE(Focus(v.main.Handle()));
    PressKey('F', {VK_MENU});
    // The menu opens in its own window; S before that would go to the form.
    ASSERT_TRUE(WaitUntil([&] {
        for (HWND w : TopWindowsOf("#32768", v.process.Pid()))
            if (Visible(w))
                return true;
        return false;
    })) << "the File menu did not open";
    PressKey('S');
}

class SleepTest : public VeldoTest, public ::testing::WithParamInterface<SleepCase> {};

TEST_P(SleepTest, HidesBothWindowsAndKeepsTheTrayIcon) {
    Veldo v;
    ASSERT_NO_FATAL_FAILURE(StartLoaded(SamplePath(), kSampleLine, &v));
    HWND app = ApplicationWindowOf(v.process.Pid());
    ASSERT_NE(app, nullptr);

    ASSERT_NO_FATAL_FAILURE(GetParam().act(v));
    ASSERT_TRUE(v.main.WaitAsleep()) << "caption '" << v.main.Caption() << "', visible " << v.main.Visible();
    EXPECT_TRUE(WaitUntil([&] { return !Visible(app); }));
    EXPECT_TRUE(TrayIconPresent(v.main.Handle(), kTrayIconId));
    EXPECT_TRUE(v.process.Running());
    // Only the main window carries the sleeping caption: a later invocation
    // must find exactly one.
    EXPECT_EQ(TopWindowsOf(kMainClass).size(), 1u);
    ASSERT_NO_FATAL_FAILURE(Close(v));
}

INSTANTIATE_TEST_SUITE_P(Ways, SleepTest,
                         ::testing::Values(SleepCase{"Escape", PressEscape},
                                           SleepCase{"CancelButton", ClickCancel},
                                           SleepCase{"FileMenuSleep", ChooseFileSleep}),
                         [](const ::testing::TestParamInfo<SleepCase> &info) { return info.param.name; });

using AutoCloseTest = VeldoTest;

// The expiry is posted from outside instead of waiting the minute out.
TEST_F(AutoCloseTest, SleepingCopyClosesSavingItsSettings) {
    Veldo v;
    ASSERT_NO_FATAL_FAILURE(StartLoaded(SamplePath(), kSampleLine, &v));
    ASSERT_NO_FATAL_FAILURE(PutToSleep(v));

    PostMessageA(v.main.Handle(), WM_TIMER, kTimerAutoClose, 0);
    const auto code = v.process.WaitForExit(kTimeoutMs);
    ASSERT_TRUE(code) << "the sleeping copy did not close";
    EXPECT_EQ(*code, 0u);
    EXPECT_EQ(ReadUserValues(kOptionsKey).size(), 20u);
    EXPECT_TRUE(WaitUntil([&] { return !TrayIconPresent(v.main.Handle(), kTrayIconId); }));
}

TEST_F(AutoCloseTest, AwakeCopyIgnoresTheExpiry) {
    Veldo v;
    ASSERT_NO_FATAL_FAILURE(StartLoaded(SamplePath(), kSampleLine, &v));
    PostMessageA(v.main.Handle(), WM_TIMER, kTimerAutoClose, 0);

    // Knowing when the expiry has been handled: posted messages are taken
    // before input, so once an F5 typed after it has reloaded from a changed
    // mailbox, the expiry is behind us.
    ASSERT_TRUE(WriteUserString(kMsgKey, "Commandline", VeldoCommandLine(LedgerPath(), 17)));
    ASSERT_TRUE(Focus(v.main.Handle()));
    PressKey(VK_F5);
    ASSERT_TRUE(v.main.WaitLoaded(LedgerPath())) << "F5 did not reload";

    EXPECT_TRUE(v.process.Running());
    EXPECT_TRUE(v.main.Visible());
    ASSERT_NO_FATAL_FAILURE(Close(v));
}

} // namespace
} // namespace veldo::e2e
