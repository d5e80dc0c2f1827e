// A first start: what the main window, the status bar, the mailbox and the
// notification area show.
#include "veldo_test.h"

namespace veldo::e2e {
namespace {

using StartupTest = VeldoTest;

TEST_F(StartupTest, ShowsTheFileFunctionsWithTheOneAtTheCursorSelected) {
    Veldo v;
    ASSERT_NO_FATAL_FAILURE(StartLoaded(SamplePath(), kSampleLine, &v));

    EXPECT_EQ(v.main.Functions(), SampleFunctions());
    EXPECT_EQ(v.main.SelectedFunction(), kSampleSelected);
    EXPECT_EQ(StatusPanelCount(v.main.Control(kIdStatusBar)), 4);
    EXPECT_EQ(v.main.Panel(0), kStatusReady);
    EXPECT_EQ(v.main.Panel(1), "Source Line: 57");
    EXPECT_EQ(v.main.Panel(2), "Function : 8");
    EXPECT_NE(v.main.Panel(3).value_or(""), "");
    EXPECT_EQ(v.main.Variables(), std::vector<std::string>{"  "});
    EXPECT_EQ(v.main.Description(), std::vector<std::string>{std::string(2, '/') + std::string(75, '-')});

    // The mailbox a later invocation hands over through.
    EXPECT_EQ(ReadUserString(kMsgKey, "Commandline"), VeldoCommandLine(SamplePath(), kSampleLine));
    EXPECT_EQ(ReadUserString(kMsgKey, "WindowCaption"), CaptionFor(SamplePath()));

    // What a later invocation looks for: one main window, and the
    // application window by its title.
    EXPECT_EQ(TopWindowsOf(kMainClass).size(), 1u);
    HWND app = ApplicationWindowOf(v.process.Pid());
    ASSERT_NE(app, nullptr);
    EXPECT_NE(TextOf(app).find(kApplicationTitle), std::string::npos) << TextOf(app);

    EXPECT_TRUE(WaitUntil([&] { return TrayIconPresent(v.main.Handle(), kTrayIconId); }));
    ASSERT_NO_FATAL_FAILURE(Close(v));
}

struct DetailsCase {
    int line;
    int selected;
    std::string sourceLine;
    std::vector<std::string> variables;
    std::vector<std::string> description;
};

class DetailsTest : public VeldoTest, public ::testing::WithParamInterface<DetailsCase> {};

// The parameter and description lists follow the function at the cursor.
TEST_P(DetailsTest, ShowTheSelectedFunction) {
    const DetailsCase &c = GetParam();
    Veldo v;
    ASSERT_NO_FATAL_FAILURE(StartLoaded(SamplePath(), c.line, &v));
    EXPECT_EQ(v.main.SelectedFunction(), c.selected);
    EXPECT_EQ(v.main.Panel(1), c.sourceLine);
    EXPECT_EQ(v.main.Variables(), c.variables);
    EXPECT_EQ(v.main.Description(), c.description);
    ASSERT_NO_FATAL_FAILURE(Close(v));
}

const std::string kRule = std::string(2, '/') + std::string(75, '-');

INSTANTIATE_TEST_SUITE_P(
    Sample, DetailsTest,
    ::testing::Values(DetailsCase{1, 0, "Source Line: 18", {"TComponent *Owner) : TForm(Owner  "}, {kRule}},
                      DetailsCase{25,
                                  1,
                                  "Source Line: 23",
                                  {"const char *code  "},
                                  {kRule, "// Returns the index of the item with the given code, or -1."}},
                      DetailsCase{35,
                                  2,
                                  "Source Line: 33",
                                  {"const char *code", "const char *name", "int quantity", "double price  "},
                                  {"Description not available..."}},
                      DetailsCase{
                          100, 7, "Source Line: 76", {"TObject *Sender", "TCloseAction &Action  "}, {kRule}}),
    [](const ::testing::TestParamInfo<DetailsCase> &info) {
        return "Line" + std::to_string(info.param.line);
    });

TEST_F(StartupTest, FileThatCannotBeOpenedShowsTheUsageAndAnError) {
    const std::string missing = SourceTreePath("tests/e2e/fixtures/no-such-file.cpp");
    Veldo v;
    ASSERT_NO_FATAL_FAILURE(Start(missing, 12, &v));

    HWND box = WaitForDialog(v.process.Pid());
    ASSERT_NE(box, nullptr) << "no message box";
    EXPECT_EQ(TextOf(box), kApplicationTitle);
    EXPECT_NE(DialogText(box).find("Commandline Usage VELDO.EXE <filename> <line number>"), std::string::npos)
        << DialogText(box);
    ASSERT_TRUE(PressDialogOk(box));

    EXPECT_TRUE(WaitUntil([&] {
        return v.main.Panel(0) == std::optional<std::string>("Error : Unable to open file");
    })) << v.main.Panel(0).value_or("?");
    EXPECT_TRUE(v.main.Functions().empty());
    EXPECT_TRUE(v.process.Running());
    ASSERT_NO_FATAL_FAILURE(Close(v));
}

} // namespace
} // namespace veldo::e2e
