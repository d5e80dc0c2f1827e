// Closing: every way ends the process cleanly, saves the settings and
// removes the tray icon.
#include "veldo_test.h"

#include <functional>

namespace veldo::e2e {
namespace {

struct CloseCase {
    std::string name;
    std::function<void(const Veldo &)> act; // ASSERTs inside
};

bool MenuOpen(DWORD pid) {
    for (HWND w : TopWindowsOf("#32768", pid))
        if (Visible(w))
            return true;
    return false;
}

void PressAltF4(const Veldo &v) {
    ASSERT_TRUE(Focus(v.main.Handle()));
    PressKey(VK_F4, {VK_MENU});
}

void PostClose(const Veldo &v) {
    PostMessageA(v.main.Handle(), WM_CLOSE, 0, 0);
}

// The shell reports a right click on the icon with the icon's callback
// message; the menu it opens is then driven with the keyboard.
void TrayMenuClose(const Veldo &v) {
    PostMessageA(v.main.Handle(), kTrayMessage, kTrayIconId, WM_RBUTTONUP);
    ASSERT_TRUE(WaitUntil([&] { return MenuOpen(v.process.Pid()); })) << "the tray menu did not open";
    PressKey('C');
}

class CloseTest : public VeldoTest, public ::testing::WithParamInterface<CloseCase> {};

TEST_P(CloseTest, EndsTheProcessSavingSettingsAndRemovingTheIcon) {
    Veldo v;
    ASSERT_NO_FATAL_FAILURE(StartLoaded(SamplePath(), kSampleLine, &v));
    ASSERT_TRUE(WaitUntil([&] { return TrayIconPresent(v.main.Handle(), kTrayIconId); }));

    ASSERT_NO_FATAL_FAILURE(GetParam().act(v));
    const auto code = v.process.WaitForExit(kTimeoutMs);
    ASSERT_TRUE(code) << "VELDO.EXE did not end";
    EXPECT_EQ(*code, 0u);
    EXPECT_EQ(ReadUserValues(kOptionsKey).size(), 20u);
    EXPECT_TRUE(WaitUntil([&] { return !TrayIconPresent(v.main.Handle(), kTrayIconId); }));
}

INSTANTIATE_TEST_SUITE_P(Ways, CloseTest,
                         ::testing::Values(CloseCase{"AltF4", PressAltF4}, CloseCase{"WmClose", PostClose},
                                           CloseCase{"TrayMenuClose", TrayMenuClose}),
                         [](const ::testing::TestParamInfo<CloseCase> &info) { return info.param.name; });

} // namespace
} // namespace veldo::e2e
