// Settings: read from HKCU\VELDO\Options at start-up, written back on close.
#include "veldo_test.h"

#include <algorithm>
#include <cstdio>
#include <map>
#include <utility>

namespace veldo::e2e {
namespace {

using Values = std::vector<std::pair<std::string, std::string>>;

const std::vector<std::string> kSavedNames = {
    "Splitter1",
    "Splitter2",
    "Width",
    "Height",
    "Top",
    "Left",
    "Auto Center",
    "Show Variable List",
    "Show Description",
    "Scroll Editor",
    "BGColor Func",
    "BGColor Var",
    "BGColor Desc",
    "Color Func",
    "Color Var",
    "Color Desc",
    "Font Func",
    "Font Var",
    "Font Desc",
    "History Count",
};

int CALLBACK NoteFound(const LOGFONTA *, const TEXTMETRICA *, DWORD, LPARAM found) {
    *reinterpret_cast<bool *>(found) = true;
    return 0;
}

// The default font is kept only where the system has it.
std::string DefaultFontName() {
    bool found = false;
    HDC dc = GetDC(nullptr);
    EnumFontFamiliesA(dc, "MS Sans Serif", NoteFound, reinterpret_cast<LPARAM>(&found));
    ReleaseDC(nullptr, dc);
    return found ? "MS Sans Serif" : "";
}

void ExpectSaved(const Values &expected) {
    for (const auto &[name, value] : expected)
        EXPECT_EQ(ReadUserString(kOptionsKey, name), value) << name;
}

// The screen is the 1024x768 of the test display.
RECT Centred(int width, int height) {
    const int sw = GetSystemMetrics(SM_CXSCREEN), sh = GetSystemMetrics(SM_CYSCREEN);
    const int left = (sw - width) / 2, top = (sh - height) / 2;
    return RECT{left, top, left + width, top + height};
}

bool SameRect(const RECT &a, const RECT &b) {
    return EqualRect(&a, &b) != FALSE;
}

std::string Describe(const RECT &r) {
    char text[80];
    std::snprintf(text, sizeof text, "(%ld,%ld)-(%ld,%ld)", r.left, r.top, r.right, r.bottom);
    return text;
}

using SettingsTest = VeldoTest;

TEST_F(SettingsTest, FirstRunCentresTheDefaultWindowAndSavesEveryValueOnClose) {
    Veldo v;
    ASSERT_NO_FATAL_FAILURE(StartLoaded(SamplePath(), kSampleLine, &v));
    const RECT expected = Centred(500, 480);
    EXPECT_TRUE(WaitUntil([&] { return SameRect(WindowRect(v.main.Handle()), expected); }))
        << Describe(WindowRect(v.main.Handle())) << " instead of " << Describe(expected);
    EXPECT_EQ(Width(WindowRect(v.main.Control(kIdListBoxVar))), 141);
    EXPECT_EQ(Height(WindowRect(v.main.Control(kIdListBoxDesc))), 72);
    ASSERT_NO_FATAL_FAILURE(Close(v));

    const auto saved = ReadUserValues(kOptionsKey);
    std::vector<std::string> names;
    for (const auto &[name, value] : saved) {
        names.push_back(name);
        EXPECT_EQ(value.type, static_cast<DWORD>(REG_SZ)) << name;
    }
    std::vector<std::string> wanted = kSavedNames;
    std::sort(wanted.begin(), wanted.end());
    EXPECT_EQ(names, wanted);

    const std::string font = DefaultFontName();
    ExpectSaved({{"Width", "500"},
                 {"Height", "480"},
                 {"Left", std::to_string(expected.left)},
                 {"Top", std::to_string(expected.top)},
                 {"Splitter2", "141"},
                 {"Splitter1", "72"},
                 {"Auto Center", "1"},
                 {"Show Variable List", "1"},
                 {"Show Description", "1"},
                 {"Scroll Editor", "0"},
                 {"BGColor Func", "15"},
                 {"BGColor Var", "8"},
                 {"BGColor Desc", "5"},
                 {"Color Func", "13"},
                 {"Color Var", "4"},
                 {"Color Desc", "15"},
                 {"Font Func", font},
                 {"Font Var", font},
                 {"Font Desc", font},
                 {"History Count", "8"}});
}

TEST_F(SettingsTest, MovedWindowIsSavedAndRestoredWhenNotCentred) {
    const RECT moved{40, 30, 40 + 610, 30 + 520};
    {
        Veldo v;
        ASSERT_NO_FATAL_FAILURE(StartLoaded(SamplePath(), kSampleLine, &v));
        SetWindowPos(v.main.Handle(), nullptr, moved.left, moved.top, Width(moved), Height(moved),
                     SWP_NOZORDER | SWP_NOACTIVATE);
        ASSERT_TRUE(WaitUntil([&] { return SameRect(WindowRect(v.main.Handle()), moved); }))
            << Describe(WindowRect(v.main.Handle()));
        ASSERT_NO_FATAL_FAILURE(Close(v));
    }
    ExpectSaved({{"Left", "40"}, {"Top", "30"}, {"Width", "610"}, {"Height", "520"}, {"Auto Center", "1"}});

    ASSERT_TRUE(WriteUserString(kOptionsKey, "Auto Center", "0"));
    Veldo again;
    ASSERT_NO_FATAL_FAILURE(StartLoaded(SamplePath(), kSampleLine, &again));
    EXPECT_TRUE(WaitUntil([&] { return SameRect(WindowRect(again.main.Handle()), moved); }))
        << Describe(WindowRect(again.main.Handle()));
    ASSERT_NO_FATAL_FAILURE(Close(again));
    ExpectSaved({{"Auto Center", "0"}});
}

struct SeedCase {
    std::string name;
    Values seeds;
    int width;
    int height;
    bool variablesShown;
    bool descriptionShown;
    Values saved; // after closing
};

// Dragging a splitter resizes the pane beside it, and the new sizes are
// what the next close saves.
TEST_F(SettingsTest, DraggedSplittersResizeTheirPanesAndAreSaved) {
    Veldo v;
    ASSERT_NO_FATAL_FAILURE(StartLoaded(SamplePath(), kSampleLine, &v));
    ASSERT_TRUE(Focus(v.main.Handle()));
    auto centre = [](HWND w) {
        const RECT r = WindowRect(w);
        return POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    };
    const POINT var = centre(v.main.Control(kIdSplitterVar));
    DragFromTo(v.main.Handle(), var, {var.x - 40, var.y});
    EXPECT_TRUE(WaitUntil([&] { return Width(WindowRect(v.main.Control(kIdListBoxVar))) == 181; }))
        << Width(WindowRect(v.main.Control(kIdListBoxVar)));
    const POINT desc = centre(v.main.Control(kIdSplitterDesc));
    DragFromTo(v.main.Handle(), desc, {desc.x, desc.y - 30});
    EXPECT_TRUE(WaitUntil([&] { return Height(WindowRect(v.main.Control(kIdListBoxDesc))) == 102; }))
        << Height(WindowRect(v.main.Control(kIdListBoxDesc)));
    ASSERT_NO_FATAL_FAILURE(Close(v));
    ExpectSaved({{"Splitter2", "181"}, {"Splitter1", "102"}});
}

// The search row follows the window's width: the search box ends 25 pixels
// short of the button panel, and the match list behind it is as wide.
TEST_F(SettingsTest, SearchRowFollowsTheWidth) {
    Veldo v;
    ASSERT_NO_FATAL_FAILURE(StartLoaded(SamplePath(), kSampleLine, &v));
    for (int width : {429, 640}) {
        const RECT r = WindowRect(v.main.Handle());
        ASSERT_TRUE(
            SetWindowPos(v.main.Handle(), nullptr, 0, 0, width, Height(r), SWP_NOMOVE | SWP_NOZORDER));
        EXPECT_TRUE(WaitUntil([&] {
            const RECT search = WindowRect(v.main.Control(kIdSearchBox));
            const RECT list = WindowRect(v.main.Control(kIdSearchList));
            const RECT buttons = WindowRect(v.main.Control(kIdPanelButtons));
            return Width(WindowRect(v.main.Handle())) == width && search.right == buttons.left - 25 &&
                   Width(list) == Width(search);
        })) << "width "
            << width << ": search " << Describe(WindowRect(v.main.Control(kIdSearchBox))) << ", list "
            << Describe(WindowRect(v.main.Control(kIdSearchList))) << ", buttons "
            << Describe(WindowRect(v.main.Control(kIdPanelButtons)));
    }
    ASSERT_NO_FATAL_FAILURE(Close(v));
}

// A place saved on a screen that is no longer there must not leave the
// window out of reach.
TEST_F(SettingsTest, PlaceOffEveryScreenIsBroughtOntoIt) {
    ASSERT_TRUE(WriteUserString(kOptionsKey, "Auto Center", "0"));
    ASSERT_TRUE(WriteUserString(kOptionsKey, "Left", "5000"));
    ASSERT_TRUE(WriteUserString(kOptionsKey, "Top", "-3000"));
    Veldo v;
    ASSERT_NO_FATAL_FAILURE(StartLoaded(SamplePath(), kSampleLine, &v));
    const RECT r = WindowRect(v.main.Handle());
    EXPECT_TRUE(r.left >= 0 && r.top >= 0 && r.right <= GetSystemMetrics(SM_CXSCREEN) &&
                r.bottom <= GetSystemMetrics(SM_CYSCREEN))
        << Describe(r);
    ASSERT_NO_FATAL_FAILURE(Close(v));
    ExpectSaved({{"Left", std::to_string(r.left)}, {"Top", std::to_string(r.top)}, {"Width", "500"}});
}

class SeededSettingsTest : public VeldoTest, public ::testing::WithParamInterface<SeedCase> {};

TEST_P(SeededSettingsTest, AreReadCheckedAndSavedBack) {
    const SeedCase &c = GetParam();
    for (const auto &[name, value] : c.seeds)
        ASSERT_TRUE(WriteUserString(kOptionsKey, name, value));
    Veldo v;
    ASSERT_NO_FATAL_FAILURE(StartLoaded(SamplePath(), kSampleLine, &v));
    const RECT expected = Centred(c.width, c.height);
    EXPECT_TRUE(WaitUntil([&] { return SameRect(WindowRect(v.main.Handle()), expected); }))
        << Describe(WindowRect(v.main.Handle())) << " instead of " << Describe(expected);
    EXPECT_TRUE(WaitUntil([&] { return Visible(v.main.Control(kIdListBoxVar)) == c.variablesShown; }));
    EXPECT_TRUE(WaitUntil([&] { return Visible(v.main.Control(kIdListBoxDesc)) == c.descriptionShown; }));
    ASSERT_NO_FATAL_FAILURE(Close(v));
    ExpectSaved(c.saved);
}

INSTANTIATE_TEST_SUITE_P(
    Options, SeededSettingsTest,
    ::testing::Values(
        SeedCase{"UnreadableWidthIsTheDefault", {{"Width", "abc"}}, 500, 480, true, true, {{"Width", "500"}}},
        SeedCase{"NarrowWidthIsRaised", {{"Width", "300"}}, 429, 480, true, true, {{"Width", "429"}}},
        SeedCase{"LowHeightIsRaised", {{"Height", "100"}}, 500, 445, true, true, {{"Height", "445"}}},
        SeedCase{"LargerSizeIsKept",
                 {{"Width", "640"}, {"Height", "500"}},
                 640,
                 500,
                 true,
                 true,
                 {{"Width", "640"}, {"Height", "500"}}},
        SeedCase{"VariablesCanBeHidden",
                 {{"Show Variable List", "0"}},
                 500,
                 480,
                 false,
                 true,
                 {{"Show Variable List", "0"}}},
        SeedCase{"DescriptionCanBeHidden",
                 {{"Show Description", "0"}},
                 500,
                 480,
                 true,
                 false,
                 {{"Show Description", "0"}}},
        SeedCase{"AutoCenterOtherThanZeroMeansOn",
                 {{"Auto Center", "7"}, {"Top", "5"}, {"Left", "5"}},
                 500,
                 480,
                 true,
                 true,
                 {{"Auto Center", "1"}}}),
    [](const ::testing::TestParamInfo<SeedCase> &info) { return info.param.name; });

class WrongTypeTest : public VeldoTest, public ::testing::WithParamInterface<const char *> {};

// A value of another type is reported by name, and the program stops
// before its window is shown.
TEST_P(WrongTypeTest, StopsWithAMessage) {
    const std::string name = GetParam();
    ASSERT_TRUE(WriteUserDword(kOptionsKey, name, 500));
    Process p = StartVeldo(SamplePath(), kSampleLine);
    ASSERT_TRUE(p);
    HWND box = WaitForDialog(p.Pid());
    ASSERT_NE(box, nullptr) << "no message box";
    EXPECT_EQ(TextOf(box), kApplicationTitle);
    EXPECT_NE(DialogText(box).find("Invalid data type for '" + name + "'"), std::string::npos)
        << DialogText(box);
    for (HWND w : TopWindowsOf(kMainClass, p.Pid()))
        EXPECT_FALSE(Visible(w)) << "the main window shows behind the message";
    ASSERT_TRUE(PressDialogOk(box));
    EXPECT_TRUE(p.WaitForExit(kTimeoutMs)) << "VELDO.EXE kept running";
}

INSTANTIATE_TEST_SUITE_P(Options, WrongTypeTest, ::testing::Values("Width", "Show Description"),
                         [](const ::testing::TestParamInfo<const char *> &info) {
                             std::string n = info.param;
                             n.erase(std::remove(n.begin(), n.end(), ' '), n.end());
                             return n;
                         });

} // namespace
} // namespace veldo::e2e
