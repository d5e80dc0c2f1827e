// A later invocation hands its command line over to the running copy and
// ends; the copy shows the new file.
#include "veldo_test.h"

namespace veldo::e2e {
namespace {

class HandOffTest : public VeldoTest, public ::testing::WithParamInterface<bool> {};

TEST_P(HandOffTest, RunningCopyShowsTheNewFileAndStaysTheOnlyOne) {
    const bool asleep = GetParam();
    Veldo v;
    ASSERT_NO_FATAL_FAILURE(StartLoaded(SamplePath(), kSampleLine, &v));
    if (asleep) {
        ASSERT_NO_FATAL_FAILURE(PutToSleep(v));
    }

    ASSERT_NO_FATAL_FAILURE(HandOver(LedgerPath(), 17));
    ASSERT_TRUE(v.main.WaitLoaded(LedgerPath()))
        << "caption '" << v.main.Caption() << "', visible " << v.main.Visible();
    EXPECT_EQ(v.main.Functions(), LedgerFunctions());
    EXPECT_EQ(v.main.SelectedFunction(), 1);
    EXPECT_EQ(v.main.Panel(2), "Function : 3");
    EXPECT_EQ(ReadUserString(kMsgKey, "Commandline"), VeldoCommandLine(LedgerPath(), 17));
    EXPECT_EQ(ReadUserString(kMsgKey, "WindowCaption"), CaptionFor(LedgerPath()));
    EXPECT_EQ(TopWindowsOf(kMainClass).size(), 1u);
    EXPECT_EQ(VeldoPids(), std::vector<DWORD>{v.process.Pid()});
    EXPECT_TRUE(TrayIconPresent(v.main.Handle(), kTrayIconId));
    ASSERT_NO_FATAL_FAILURE(Close(v));
}

INSTANTIATE_TEST_SUITE_P(To, HandOffTest, ::testing::Bool(), [](const ::testing::TestParamInfo<bool> &info) {
    return info.param ? "SleepingCopy" : "AwakeCopy";
});

using SearchBoxTest = VeldoTest;

// The history is seeded from outside: inside the program only the jump to
// a searched function adds to it, and that is not built yet.
TEST_F(SearchBoxTest, HistoryIsKeptForTheSameFileAndEmptiedForAnother) {
    Veldo v;
    ASSERT_NO_FATAL_FAILURE(StartLoaded(SamplePath(), kSampleLine, &v));
    HWND search = v.main.Control(kIdSearchBox);
    ASSERT_NE(search, nullptr);
    for (const char *text : {"Stock", "AddItem", "Refresh"})
        ASSERT_TRUE(ComboAddString(search, text));
    ASSERT_TRUE(SetText(search, "Stock"));

    // Same file, another line: the selection moving shows the reload done.
    ASSERT_NO_FATAL_FAILURE(HandOver(SamplePath(), 25));
    ASSERT_TRUE(WaitUntil([&] { return v.main.Panel(1) == std::optional<std::string>("Source Line: 23"); }))
        << v.main.Panel(1).value_or("?");
    EXPECT_EQ(v.main.SelectedFunction(), 1);
    EXPECT_EQ(ComboItems(search), (std::vector<std::string>{"Stock", "AddItem", "Refresh"}));
    EXPECT_TRUE(WaitUntil([&] { return TextOf(search).empty(); }))
        << "search text '" << TextOf(search) << "'";

    ASSERT_TRUE(SetText(search, "Post"));
    ASSERT_NO_FATAL_FAILURE(HandOver(LedgerPath(), 17));
    ASSERT_TRUE(v.main.WaitLoaded(LedgerPath()));
    EXPECT_EQ(ComboCount(search), 0);
    EXPECT_TRUE(WaitUntil([&] { return TextOf(search).empty(); }))
        << "search text '" << TextOf(search) << "'";
    ASSERT_NO_FATAL_FAILURE(Close(v));
}

using ReloadTest = VeldoTest;

// F5 in the window reads the mailbox again, as after a hand-over.
TEST_F(ReloadTest, F5LoadsWhatTheMailboxHolds) {
    Veldo v;
    ASSERT_NO_FATAL_FAILURE(StartLoaded(SamplePath(), kSampleLine, &v));
    ASSERT_TRUE(WriteUserString(kMsgKey, "Commandline", VeldoCommandLine(LedgerPath(), 21)));
    ASSERT_TRUE(Focus(v.main.Handle()));
    PressKey(VK_F5);
    ASSERT_TRUE(v.main.WaitLoaded(LedgerPath())) << "caption '" << v.main.Caption() << "'";
    EXPECT_EQ(v.main.Functions(), LedgerFunctions());
    EXPECT_EQ(v.main.SelectedFunction(), 2);
    EXPECT_EQ(ReadUserString(kMsgKey, "WindowCaption"), CaptionFor(LedgerPath()));
    ASSERT_NO_FATAL_FAILURE(Close(v));
}

} // namespace
} // namespace veldo::e2e

namespace veldo::e2e {
namespace {

using ActivationErrorTest = VeldoTest;

// An error in the middle of an activation is shown, the activation stops
// there and the program runs on with what it showed before.
TEST_F(ActivationErrorTest, IsShownAndTheWindowKeepsItsFile) {
    Veldo v;
    ASSERT_NO_FATAL_FAILURE(StartLoaded(SamplePath(), kSampleLine, &v));
    ASSERT_TRUE(WriteUserDword(kMsgKey, "Commandline", 1));
    ASSERT_TRUE(Focus(v.main.Handle()));
    PressKey(VK_F5);

    HWND box = WaitForDialog(v.process.Pid());
    ASSERT_NE(box, nullptr) << "no message box";
    EXPECT_EQ(TextOf(box), kApplicationTitle);
    EXPECT_NE(DialogText(box).find("Invalid data type for 'Commandline'"), std::string::npos)
        << DialogText(box);
    ASSERT_TRUE(PressDialogOk(box));

    EXPECT_EQ(v.main.Caption(), CaptionFor(SamplePath()));
    EXPECT_EQ(v.main.Functions(), SampleFunctions());
    // Still answering: a good mailbox and F5 load the next file.
    ASSERT_TRUE(WriteUserString(kMsgKey, "Commandline", VeldoCommandLine(LedgerPath(), 21)));
    ASSERT_TRUE(Focus(v.main.Handle()));
    PressKey(VK_F5);
    ASSERT_TRUE(v.main.WaitLoaded(LedgerPath())) << "caption '" << v.main.Caption() << "'";
    ASSERT_NO_FATAL_FAILURE(Close(v));
}

} // namespace
} // namespace veldo::e2e
