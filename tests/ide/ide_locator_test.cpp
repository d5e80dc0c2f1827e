#include "ide/ide_locator.h"
#include "support/fake_desktop.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

namespace veldo {
namespace {

constexpr WindowHandle kEarlierEditor = 77;

struct LocateCase {
    const char *name;
    std::vector<FakeWindow> windows;
    WindowHandle targetBefore;
    IdeLocation result;
    WindowHandle targetAfter;
};

void PrintTo(const LocateCase &c, std::ostream *os) {
    *os << c.name;
}

class LocateIdeOn : public ::testing::TestWithParam<LocateCase> {};

TEST_P(LocateIdeOn, Desktop) {
    const LocateCase &c = GetParam();
    FakeDesktop desktop;
    desktop.windows = c.windows;
    WindowHandle target = c.targetBefore;
    EXPECT_EQ(LocateIde(desktop, target), c.result);
    EXPECT_EQ(target, c.targetAfter);
}

const FakeWindow kEditor{"TEditWindow", "Unit1.cpp"};
const FakeWindow kIdle{"TAppBuilder", "Project1 - IDE"};
const FakeWindow kRunning{"TAppBuilder", "Project1 - IDE [Running]"};

INSTANTIATE_TEST_SUITE_P(
    Cases, LocateIdeOn,
    ::testing::Values(
        LocateCase{"IdleIde", {{"Shell_TrayWnd", ""}, kIdle, kEditor}, 0, kEditorFound, 3},
        LocateCase{"RunningIde", {kEditor, kRunning}, 0, kEditorFoundWithState, 1},
        LocateCase{
            "StoppedIde", {kEditor, {"TAppBuilder", "Project1 [Stopped]"}}, 0, kEditorFoundWithState, 1},
        LocateCase{
            "StateWordsKeepTheirCase", {kEditor, {"TAppBuilder", "running stopped"}}, 0, kEditorFound, 1},
        LocateCase{"StateWordInProjectName",
                   {kEditor, {"TAppBuilder", "StoppedClock - IDE"}},
                   0,
                   kEditorFoundWithState,
                   1},
        LocateCase{
            "HigherEditorWins", {{"TButton", ""}, kEditor, kEditor, kRunning}, 0, kEditorFoundWithState, 2},
        LocateCase{"ClassNameFoldsAndMatchesInside", {{"myteditwindowex", ""}, kIdle}, 0, kEditorFound, 1},
        LocateCase{"FirstMainWindowDecides", {kEditor, kIdle, kRunning}, 0, kEditorFound, 1},
        // Without an IDE main window the last caption read is a stranger's:
        // it says nothing about a debugging state.
        LocateCase{"NoMainWindow", {kEditor, {"Notepad", "Running"}}, 0, kEditorFound, 1},
        LocateCase{"NoEditorKeepsEarlierTarget",
                   {kRunning, {"Notepad", ""}},
                   kEarlierEditor,
                   kNoEditorWindow,
                   kEarlierEditor},
        LocateCase{"NoEditorSinceStart", {kRunning}, 0, kNoEditorWindow, 0},
        LocateCase{"EmptyDesktop", {}, kEarlierEditor, kNoEditorWindow, kEarlierEditor}),
    [](const ::testing::TestParamInfo<LocateCase> &info) { return std::string(info.param.name); });

TEST(LocateIde, RunsMessagesBeforeEachWalkAndSkipsTheSecondWithoutAnEditor) {
    FakeDesktop desktop;
    desktop.windows = {kEditor, kIdle};
    WindowHandle target = 0;
    LocateIde(desktop, target);
    EXPECT_EQ(desktop.calls,
              (std::vector<std::string>{"ProcessMessages", "First", "ProcessMessages", "First"}));
    // The editor on top: the first walk looks at that window only.
    EXPECT_EQ(desktop.nextCalls, 1);

    FakeDesktop noEditor;
    noEditor.windows = {kIdle};
    LocateIde(noEditor, target);
    EXPECT_EQ(noEditor.calls, (std::vector<std::string>{"ProcessMessages", "First"}));
}

TEST(LocateIde, LooksAtTheFirstWindowAndAThousandBelowIt) {
    const auto locateWithEditorAt = [](size_t index, bool cycle) {
        FakeDesktop desktop;
        desktop.windows.assign(1005, {"TButton", ""});
        if (index < desktop.windows.size())
            desktop.windows[index] = kEditor;
        desktop.cycle = cycle;
        WindowHandle target = 0;
        return LocateIde(desktop, target);
    };
    EXPECT_EQ(locateWithEditorAt(1000, false), kEditorFound);
    EXPECT_EQ(locateWithEditorAt(1001, false), kNoEditorWindow);
    EXPECT_EQ(locateWithEditorAt(5000, true), kNoEditorWindow);
}

} // namespace
} // namespace veldo
