#include "settings/settings_store.h"

#include "settings/fake_ini_file.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

namespace veldo {
namespace {

using test::FakeIniFile;

// Records every call that changes the window, in order.
class FakeWindow final : public SettingsWindow {
public:
    int32_t width = 0, height = 0, top = 0, left = 0, variablePane = 0, descriptionPane = 0, history = 0;
    std::vector<std::string> calls;

    int32_t Width() override { return width; }
    int32_t Height() override { return height; }
    int32_t Top() override { return top; }
    int32_t Left() override { return left; }
    void SetWidth(int32_t v) override { Log("SetWidth", width = v); }
    void SetHeight(int32_t v) override { Log("SetHeight", height = v); }
    void SetTop(int32_t v) override { Log("SetTop", top = v); }
    void SetLeft(int32_t v) override { Log("SetLeft", left = v); }
    void CentreOnFirstShow() override { calls.push_back("CentreOnFirstShow"); }
    int32_t VariablePaneWidth() override { return variablePane; }
    void SetVariablePaneWidth(int32_t v) override { Log("SetVariablePaneWidth", variablePane = v); }
    int32_t DescriptionPaneHeight() override { return descriptionPane; }
    void SetDescriptionPaneHeight(int32_t v) override {
        Log("SetDescriptionPaneHeight", descriptionPane = v);
    }
    void SetVariablePaneVisible(bool v) override { Log("SetVariablePaneVisible", v); }
    void SetDescriptionPaneVisible(bool v) override { Log("SetDescriptionPaneVisible", v); }
    int32_t HistoryCount() override { return history; }
    void SetHistoryCount(int32_t v) override { Log("SetHistoryCount", history = v); }

private:
    void Log(const char *name, int32_t v) { calls.push_back(std::string(name) + " " + std::to_string(v)); }
};

// The values every load reads, in the order it reads them.
const std::vector<std::string> kEveryLoadReads = {
    "Width",         "Height",       "Splitter2",   "Splitter1",    "Show Variable List", "Show Description",
    "Scroll Editor", "BGColor Func", "BGColor Var", "BGColor Desc", "Color Func",         "Color Var",
    "Color Desc",    "Font Func",    "Font Var",    "Font Desc",    "Auto Center",        "History Count"};

std::vector<std::string> Concat(std::vector<std::string> a, const std::vector<std::string> &b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

Settings Sentinel() {
    Settings s;
    s.AutoCenter = s.ShowVariableList = s.ShowDescription = s.ScrollEditor = 99;
    s.BGColorFunc = s.BGColorVar = s.BGColorDesc = s.ColorFunc = s.ColorVar = s.ColorDesc = 99;
    s.FontFunc = s.FontVar = s.FontDesc = "untouched";
    return s;
}

TEST(LoadSettings, FirstRunGivesTheDefaultsAndCentres) {
    FakeIniFile ini;
    FakeWindow window;
    Settings settings = Sentinel();
    bool firstLoad = true;
    LoadSettings(settings, firstLoad, ini, window);

    Settings expected;
    expected.AutoCenter = 1;
    expected.ShowVariableList = 1;
    expected.ShowDescription = 1;
    expected.ScrollEditor = 0;
    expected.BGColorFunc = 15;
    expected.BGColorVar = 8;
    expected.BGColorDesc = 5;
    expected.ColorFunc = 13;
    expected.ColorVar = 4;
    expected.ColorDesc = 15;
    expected.FontFunc = expected.FontVar = expected.FontDesc = "MS Sans Serif";
    EXPECT_EQ(settings, expected);
    EXPECT_EQ(DefaultSettings(), expected);
    EXPECT_EQ(window.calls, (std::vector<std::string>{
                                "SetWidth 500", "SetHeight 480", "SetVariablePaneWidth 141",
                                "SetDescriptionPaneHeight 72", "SetVariablePaneVisible 1",
                                "SetDescriptionPaneVisible 1", "SetHistoryCount 8", "CentreOnFirstShow"}));
    EXPECT_EQ(ini.ReadIdents(), kEveryLoadReads);
    for (const FakeIniFile::Access &read : ini.reads)
        EXPECT_EQ(read.Section, "Options") << read.Ident;
    EXPECT_FALSE(firstLoad);
    EXPECT_TRUE(ini.writes.empty());
}

TEST(LoadSettings, StoredValuesReachMembersAndWindow) {
    FakeIniFile ini;
    const std::pair<const char *, const char *> stored[] = {{"Width", "640"},
                                                            {"Height", "200"},
                                                            {"Splitter2", "90"},
                                                            {"Splitter1", "-3"},
                                                            {"Show Variable List", "0"},
                                                            {"Show Description", "2"},
                                                            {"Scroll Editor", "1"},
                                                            {"BGColor Func", "0"},
                                                            {"BGColor Var", "1"},
                                                            {"BGColor Desc", "2"},
                                                            {"Color Func", "3"},
                                                            {"Color Var", "-1"},
                                                            {"Color Desc", "16"},
                                                            {"Font Func", "Arial"},
                                                            {"Font Var", ""},
                                                            {"Font Desc", "courier"},
                                                            {"Auto Center", "0"},
                                                            {"History Count", "20"},
                                                            {"Top", "-20"},
                                                            {"Left", "35"}};
    for (const auto &[ident, text] : stored)
        ini.Set("Options", ident, text);
    FakeWindow window;
    Settings settings;
    bool firstLoad = true;
    LoadSettings(settings, firstLoad, ini, window);

    // Loading keeps what it reads as it is; only filling the options dialog
    // brings members into range.
    Settings expected;
    expected.AutoCenter = 0;
    expected.ShowVariableList = 0;
    expected.ShowDescription = 2;
    expected.ScrollEditor = 1;
    expected.BGColorFunc = 0;
    expected.BGColorVar = 1;
    expected.BGColorDesc = 2;
    expected.ColorFunc = 3;
    expected.ColorVar = -1;
    expected.ColorDesc = 16;
    expected.FontFunc = "Arial";
    expected.FontVar = "";
    expected.FontDesc = "courier";
    EXPECT_EQ(settings, expected);
    EXPECT_EQ(window.calls,
              (std::vector<std::string>{"SetWidth 640", "SetHeight 200", "SetVariablePaneWidth 90",
                                        "SetDescriptionPaneHeight -3", "SetVariablePaneVisible 0",
                                        "SetDescriptionPaneVisible 1", "SetHistoryCount 20", "SetTop -20",
                                        "SetLeft 35"}));
    EXPECT_EQ(ini.ReadIdents(), Concat(kEveryLoadReads, {"Top", "Left"}));
}

struct PositionCase {
    const char *name;
    bool firstLoad;
    const char *autoCenter; // nullptr: absent
    std::vector<std::string> extraReads;
    std::vector<std::string> positionCalls; // after SetHistoryCount
};

void PrintTo(const PositionCase &c, std::ostream *os) {
    *os << c.name;
}

class LoadSettingsPosition : public ::testing::TestWithParam<PositionCase> {};

TEST_P(LoadSettingsPosition, IsTakenOnlyOnTheFirstLoad) {
    const PositionCase &c = GetParam();
    FakeIniFile ini;
    if (c.autoCenter)
        ini.Set("Options", "Auto Center", c.autoCenter);
    ini.Set("Options", "Top", "x");
    ini.Set("Options", "Left", "");
    FakeWindow window;
    Settings settings;
    bool firstLoad = c.firstLoad;
    LoadSettings(settings, firstLoad, ini, window);

    EXPECT_EQ(ini.ReadIdents(), Concat(kEveryLoadReads, c.extraReads));
    ASSERT_GE(window.calls.size(), 7u);
    EXPECT_EQ(window.calls[6], "SetHistoryCount 8");
    EXPECT_EQ(std::vector<std::string>(window.calls.begin() + 7, window.calls.end()), c.positionCalls);
    EXPECT_FALSE(firstLoad);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LoadSettingsPosition,
    ::testing::Values(PositionCase{"FirstAbsentCentres", true, nullptr, {}, {"CentreOnFirstShow"}},
                      PositionCase{"FirstAnyNonZeroCentres", true, "7", {}, {"CentreOnFirstShow"}},
                      PositionCase{"FirstNegativeCentres", true, "-1", {}, {"CentreOnFirstShow"}},
                      PositionCase{
                          "FirstZeroReadsTopThenLeft", true, "0", {"Top", "Left"}, {"SetTop 0", "SetLeft 0"}},
                      PositionCase{"FirstJunkIsTheDefaultOne", true, "on", {}, {"CentreOnFirstShow"}},
                      PositionCase{"LaterZero", false, "0", {}, {}},
                      PositionCase{"LaterOne", false, "1", {}, {}}),
    [](const ::testing::TestParamInfo<PositionCase> &info) { return std::string(info.param.name); });

TEST(LoadSettings, LaterLoadsLeaveThePositionAlone) {
    FakeIniFile ini;
    ini.Set("Options", "Auto Center", "0");
    ini.Set("Options", "Top", "10");
    FakeWindow window;
    Settings settings;
    bool firstLoad = true;
    LoadSettings(settings, firstLoad, ini, window);
    EXPECT_EQ(window.top, 10);

    ini.Set("Options", "Top", "99");
    ini.reads.clear();
    window.calls.clear();
    LoadSettings(settings, firstLoad, ini, window);
    EXPECT_EQ(ini.ReadIdents(), kEveryLoadReads);
    EXPECT_EQ(window.top, 10);
    EXPECT_EQ(window.calls.size(), 7u);
}

TEST(LoadSettings, IntegerTextsThatAreNoIntegersGiveTheDefaults) {
    for (const char *text : {"", " 9", "9 ", "abc", "0x10", "1.5", "2147483648", "-2147483649", "+"}) {
        FakeIniFile ini;
        for (const std::string &ident : kEveryLoadReads)
            if (ident.rfind("Font ", 0) != 0)
                ini.Set("Options", ident, text);
        FakeWindow window;
        Settings settings = Sentinel();
        bool firstLoad = true;
        LoadSettings(settings, firstLoad, ini, window);
        EXPECT_EQ(settings, DefaultSettings()) << '"' << text << '"';
        EXPECT_EQ(window.calls, (std::vector<std::string>{
                                    "SetWidth 500", "SetHeight 480", "SetVariablePaneWidth 141",
                                    "SetDescriptionPaneHeight 72", "SetVariablePaneVisible 1",
                                    "SetDescriptionPaneVisible 1", "SetHistoryCount 8", "CentreOnFirstShow"}))
            << '"' << text << '"';
    }
}

// Loads with ident stored as another type; every integer value before it
// is stored as 1 and the fonts as "Arial".
struct WrongTypeLoad {
    FakeWindow window;
    Settings settings = Sentinel();
    bool firstLoad = true;
    std::string message;
    std::vector<std::string> reads;

    explicit WrongTypeLoad(const char *ident) {
        FakeIniFile ini;
        for (const std::string &i : Concat(kEveryLoadReads, {"Top", "Left"}))
            ini.Set("Options", i, i.rfind("Font ", 0) == 0 ? "Arial" : "1");
        ini.Set("Options", "Auto Center", "0");
        ini.Set("Options", ident, FakeIniFile::kWrongType);
        try {
            LoadSettings(settings, firstLoad, ini, window);
            ADD_FAILURE() << "no RegistryError for " << ident;
        } catch (const RegistryError &e) {
            message = e.what();
        }
        reads = ini.ReadIdents();
    }
};

TEST(LoadSettings, WrongTypeOnTheFirstValueChangesNothing) {
    WrongTypeLoad load("Width");
    EXPECT_EQ(load.message, "Invalid data type for 'Width'");
    EXPECT_EQ(load.reads, std::vector<std::string>{"Width"});
    EXPECT_TRUE(load.window.calls.empty());
    EXPECT_EQ(load.settings, Sentinel());
    EXPECT_TRUE(load.firstLoad);
}

TEST(LoadSettings, WrongTypeKeepsWhatWasReadBefore) {
    WrongTypeLoad load("Color Func");
    EXPECT_EQ(load.message, "Invalid data type for 'Color Func'");
    EXPECT_EQ(load.reads.back(), "Color Func");
    EXPECT_EQ(load.reads.size(), 11u);
    EXPECT_EQ(load.window.calls,
              (std::vector<std::string>{"SetWidth 1", "SetHeight 1", "SetVariablePaneWidth 1",
                                        "SetDescriptionPaneHeight 1", "SetVariablePaneVisible 1",
                                        "SetDescriptionPaneVisible 1"}));
    Settings expected = Sentinel();
    expected.ShowVariableList = expected.ShowDescription = expected.ScrollEditor = 1;
    expected.BGColorFunc = expected.BGColorVar = expected.BGColorDesc = 1;
    EXPECT_EQ(load.settings, expected);
    EXPECT_TRUE(load.firstLoad);
}

TEST(LoadSettings, WrongTypeOnTopLeavesTheFirstLoadSpent) {
    WrongTypeLoad load("Top");
    EXPECT_EQ(load.message, "Invalid data type for 'Top'");
    EXPECT_EQ(load.reads, Concat(kEveryLoadReads, {"Top"}));
    EXPECT_EQ(load.window.calls.back(), "SetHistoryCount 1");
    EXPECT_EQ(load.settings.AutoCenter, 0);
    EXPECT_EQ(load.settings.FontDesc, "Arial");
    EXPECT_FALSE(load.firstLoad);
}

Settings Distinct() {
    Settings s;
    s.AutoCenter = 1;
    s.ShowVariableList = 0;
    s.ShowDescription = 5;
    s.ScrollEditor = 1;
    s.BGColorFunc = 2;
    s.BGColorVar = 3;
    s.BGColorDesc = -1;
    s.ColorFunc = 6;
    s.ColorVar = 7;
    s.ColorDesc = 9;
    s.FontFunc = "Arial";
    s.FontVar = "";
    s.FontDesc = "Courier New";
    return s;
}

FakeWindow DistinctWindow() {
    FakeWindow w;
    w.width = 640;
    w.height = 410;
    w.top = -20;
    w.left = 35;
    w.variablePane = 150;
    w.descriptionPane = 60;
    w.history = 12;
    return w;
}

TEST(SaveSettings, WritesAllTwentyInOrder) {
    FakeIniFile ini;
    FakeWindow window = DistinctWindow();
    SaveSettings(Distinct(), ini, window);

    using A = FakeIniFile::Access;
    EXPECT_EQ(ini.writes, (std::vector<A>{{"Options", "Splitter1", "60"},
                                          {"Options", "Splitter2", "150"},
                                          {"Options", "Width", "640"},
                                          {"Options", "Height", "410"},
                                          {"Options", "Top", "-20"},
                                          {"Options", "Left", "35"},
                                          {"Options", "Auto Center", "1"},
                                          {"Options", "Show Variable List", "0"},
                                          {"Options", "Show Description", "5"},
                                          {"Options", "Scroll Editor", "1"},
                                          {"Options", "BGColor Func", "2"},
                                          {"Options", "BGColor Var", "3"},
                                          {"Options", "BGColor Desc", "-1"},
                                          {"Options", "Color Func", "6"},
                                          {"Options", "Color Var", "7"},
                                          {"Options", "Color Desc", "9"},
                                          {"Options", "Font Func", "Arial"},
                                          {"Options", "Font Var", ""},
                                          {"Options", "Font Desc", "Courier New"},
                                          {"Options", "History Count", "12"}}));
    EXPECT_TRUE(ini.reads.empty());
    EXPECT_TRUE(window.calls.empty());
}

TEST(SaveSettings, WhatIsSavedLoadsBack) {
    FakeIniFile ini;
    Settings saved = Distinct();
    saved.AutoCenter = 0;
    FakeWindow original = DistinctWindow();
    SaveSettings(saved, ini, original);

    FakeWindow window;
    Settings loaded;
    bool firstLoad = true;
    LoadSettings(loaded, firstLoad, ini, window);
    EXPECT_EQ(loaded, saved);
    EXPECT_EQ(std::tie(window.width, window.height, window.top, window.left, window.variablePane,
                       window.descriptionPane, window.history),
              std::tie(original.width, original.height, original.top, original.left, original.variablePane,
                       original.descriptionPane, original.history));
}

} // namespace
} // namespace veldo
