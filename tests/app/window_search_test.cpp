#include "app/window_search.h"
#include "support/fake_desktop.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

namespace veldo {
namespace {

struct MatchCase {
    const char *name;
    FakeWindow window;
    const char *captionFragment, *classFragment;
    bool matches;
};

void PrintTo(const MatchCase &c, std::ostream *os) {
    *os << c.name;
}

class FindTopWindowMatching : public ::testing::TestWithParam<MatchCase> {};

TEST_P(FindTopWindowMatching, FoldsOnlyAsciiLetters) {
    const MatchCase &c = GetParam();
    FakeDesktop desktop;
    desktop.windows = {c.window};
    EXPECT_EQ(FindTopWindow(desktop, c.captionFragment, c.classFragment), c.matches ? 1u : 0u);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FindTopWindowMatching,
    ::testing::Values(
        MatchCase{
            "MixedCaseBoth", {"TFrm_Veldo", "Veldo - Function Listed"}, "veldo - f", "TFRM_VELDO", true},
        MatchCase{
            "FragmentsInsideLongerTexts", {"xxTFRM_VELDOxx", "Morvane (sleeping)"}, "VANE", "FRM_V", true},
        MatchCase{"ClassFragmentIsNotUpperCased", {"TFrm_Veldo", "Veldo"}, "Veldo", "TFrm_Veldo", false},
        MatchCase{"CaptionMissing", {"TFRM_VELDO", "Other"}, "Veldo", "TFRM_VELDO", false},
        MatchCase{"ClassMissing", {"TButton", "Veldo"}, "Veldo", "TFRM_VELDO", false},
        MatchCase{"BothFragmentsEmpty", {"", ""}, "", "", true},
        MatchCase{"EmptyCaptionFragment", {"TApplication", "anything"}, "", "TAPPLICATION", true},
        MatchCase{"EmptyClassFragment", {"whatever", "Morvane"}, "MORVANE", "", true},
        MatchCase{"AccentedCaptionDoesNotFold", {"TFRM_VELDO", "caf\xE9"}, "CAF\xC9", "", false},
        MatchCase{"AccentedFragmentDoesNotFold", {"TFRM_VELDO", "CAF\xC9"}, "caf\xE9", "", false},
        MatchCase{"AccentedMatchesItself", {"TFRM_VELDO", "caf\xE9"}, "Caf\xE9", "", true},
        MatchCase{"AccentedClassDoesNotFold", {"T\xE9", "x"}, "", "T\xC9", false},
        MatchCase{"BracesAreNotLetters", {"T", "{x}"}, "[X]", "", false},
        MatchCase{"BackquoteIsNotALetter", {"T", "`"}, "@", "", false}),
    [](const ::testing::TestParamInfo<MatchCase> &info) { return std::string(info.param.name); });

TEST(FindTopWindow, RunsMessagesThenTakesTheHighestMatch) {
    FakeDesktop desktop;
    desktop.windows = {
        {"TButton", "Veldo"}, {"TFRM_VELDO", "Other"}, {"TFRM_VELDO", "Veldo A"}, {"TFRM_VELDO", "Veldo B"}};
    EXPECT_EQ(FindTopWindow(desktop, "VELDO", "TFRM_VELDO"), 3u);
    EXPECT_EQ(desktop.calls, (std::vector<std::string>{"ProcessMessages", "First"}));
    EXPECT_EQ(desktop.nextCalls, 2);
}

TEST(FindTopWindow, NoWindowsOrNoMatchGivesZero) {
    FakeDesktop empty;
    EXPECT_EQ(FindTopWindow(empty, "", ""), 0u);

    FakeDesktop desktop;
    desktop.windows = {{"A", "a"}, {"B", "b"}};
    EXPECT_EQ(FindTopWindow(desktop, "c", ""), 0u);
    EXPECT_EQ(desktop.nextCalls, 2);
}

TEST(FindTopWindow, StopsAThousandStepsAfterTheFirstWindow) {
    const auto searchWithMatchAt = [](size_t index, bool cycle, int &nextCalls) {
        FakeDesktop desktop;
        desktop.windows.assign(1005, {"TFRM_VELDO", "other"});
        if (index < desktop.windows.size())
            desktop.windows[index].caption = "Veldo";
        desktop.cycle = cycle;
        const WindowHandle found = FindTopWindow(desktop, "veldo", "TFRM_VELDO");
        nextCalls = desktop.nextCalls;
        return found;
    };
    int nextCalls = 0;
    EXPECT_EQ(searchWithMatchAt(1000, false, nextCalls), 1001u);
    EXPECT_EQ(nextCalls, 1000);
    EXPECT_EQ(searchWithMatchAt(1001, false, nextCalls), 0u);
    EXPECT_EQ(nextCalls, 1000);
    // A Z order that never ends does not hold the search.
    EXPECT_EQ(searchWithMatchAt(5000, true, nextCalls), 0u);
    EXPECT_EQ(nextCalls, 1000);
}

class FakeHandOffPort final : public HandOffPort {
public:
    std::vector<std::string> calls;
    void Show(WindowHandle w) override { calls.push_back("Show " + std::to_string(w)); }
    void SetForeground(WindowHandle w) override { calls.push_back("SetForeground " + std::to_string(w)); }
    void WaitForKeyboard(WindowHandle w) override { calls.push_back("WaitForKeyboard " + std::to_string(w)); }
    void KeyEvent(uint16_t key, bool keyUp) override {
        calls.push_back("KeyEvent " + std::to_string(key) + (keyUp ? " up" : " down"));
    }
    void SyncWith(WindowHandle w) override { calls.push_back("SyncWith " + std::to_string(w)); }
};

TEST(HandOff, ShowsRaisesThenPressesF5WaitingAfterEachHalf) {
    FakeHandOffPort port;
    HandOff(port, 0x1234, 0x99);
    EXPECT_EQ(port.calls,
              (std::vector<std::string>{"Show 4660", "Show 153", "SetForeground 4660", "SetForeground 153",
                                        "WaitForKeyboard 4660", "KeyEvent 116 down", "SyncWith 4660",
                                        "KeyEvent 116 up", "SyncWith 4660"}));
}

} // namespace
} // namespace veldo
