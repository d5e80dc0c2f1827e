// The whole road: the IDE runs Veldo from its Tools command, the user picks
// a function, and the IDE's editor ends up on its line.
#include "driver/ide_standin.h"
#include "veldo_test.h"

namespace veldo::e2e {
namespace {

// tests/e2e/fixtures/report.cpp: functions far enough apart for both ways
// of moving the editor.
std::string ReportPath() {
    return SourceTreePath("tests/e2e/fixtures/report.cpp");
}
// A line inside the first function; the other two start at these lines.
constexpr int kReportStartLine = 20, kWriteSectionLine = 47, kWriteSummaryLine = 174;

constexpr char kEditorNotFound[] = "Error : IDE editor window not found";

class JumpTest : public VeldoTest {
protected:
    void TearDown() override {
        ide_ = IdeStandin();
        VeldoTest::TearDown();
    }

    void StartIde(const std::string &file, int line, IdeState state = IdeState::None) {
        ide_ = IdeStandin::Start(file, line, state);
        ASSERT_TRUE(ide_) << "cannot start " << kStandinExeName;
    }

    // The Tools command of the IDE: the first time it starts a copy, later
    // it wakes the one that sleeps. Waits until the copy shows file.
    void RunFromIde(const std::string &file, Veldo *veldo) {
        ASSERT_TRUE(ide_.RunTool()) << "the Tools command did not run";
        if (!veldo->process) {
            DWORD pid = 0;
            ASSERT_TRUE(WaitUntil([&] {
                const std::vector<DWORD> pids = VeldoPids();
                pid = pids.size() == 1 ? pids[0] : 0;
                return pid != 0;
            }));
            veldo->process = Process::Open(pid);
            veldo->main = MainWindow(WaitForMainWindow(pid));
            ASSERT_TRUE(veldo->main);
        }
        ASSERT_TRUE(veldo->main.WaitLoaded(file)) << "caption '" << veldo->main.Caption() << "'";
    }

    // Keys typed into Veldo's window, as the user does.
    void Type(const Veldo &veldo, std::initializer_list<WORD> keys) {
        ASSERT_TRUE(Focus(veldo.main.Handle()));
        for (WORD key : keys)
            PressKey(key);
    }

    void ExpectLandedAsleep(const Veldo &veldo, int line) {
        EXPECT_TRUE(ide_.WaitCursorLine(line)) << "the editor is at line " << ide_.CursorLine();
        EXPECT_TRUE(veldo.main.WaitAsleep()) << "caption '" << veldo.main.Caption() << "'";
    }

    std::vector<std::string> History(const Veldo &veldo) {
        return ComboItems(veldo.main.Control(kIdSearchBox));
    }

    IdeStandin ide_;
};

TEST_F(JumpTest, EnterMovesTheEditorAndTheNextRunWakesTheSameCopy) {
    ASSERT_NO_FATAL_FAILURE(StartIde(SamplePath(), kSampleLine));
    Veldo veldo;
    ASSERT_NO_FATAL_FAILURE(RunFromIde(SamplePath(), &veldo));
    EXPECT_EQ(veldo.main.SelectedFunction(), kSampleSelected);

    ASSERT_NO_FATAL_FAILURE(Type(veldo, {VK_DOWN, VK_DOWN, VK_RETURN}));
    ExpectLandedAsleep(veldo, 76);
    EXPECT_EQ(History(veldo), (std::vector<std::string>{"TfrmInventory::FormClose"}));

    // From the editor's new line, back up to an earlier function.
    ASSERT_NO_FATAL_FAILURE(RunFromIde(SamplePath(), &veldo));
    EXPECT_EQ(veldo.main.SelectedFunction(), 7);
    EXPECT_TRUE(WaitUntil([] { return VeldoPids().size() == 1; }));
    EXPECT_EQ(VeldoPids(), (std::vector<DWORD>{veldo.process.Pid()}));
    ASSERT_NO_FATAL_FAILURE(Type(veldo, {VK_UP, VK_UP, VK_UP, VK_RETURN}));
    ExpectLandedAsleep(veldo, 50);
    EXPECT_EQ(History(veldo),
              (std::vector<std::string>{"TfrmInventory::btnAddClick", "TfrmInventory::FormClose"}));

    // No state word in the IDE's caption: Alt+G opened the prompt, twice.
    const auto counters = ide_.Counters();
    ASSERT_TRUE(counters);
    EXPECT_EQ(counters->runs, 2);
    EXPECT_EQ(counters->prompts, 2);
    EXPECT_EQ(counters->altG, 2);
    EXPECT_EQ(counters->up + counters->down, 0);
    Close(veldo);
}

TEST_F(JumpTest, ADebuggingIdeGetsCtrlL) {
    ASSERT_NO_FATAL_FAILURE(StartIde(SamplePath(), kSampleLine, IdeState::Running));
    Veldo veldo;
    ASSERT_NO_FATAL_FAILURE(RunFromIde(SamplePath(), &veldo));
    ASSERT_NO_FATAL_FAILURE(Type(veldo, {VK_DOWN, VK_RETURN}));
    ExpectLandedAsleep(veldo, 67);
    const auto counters = ide_.Counters();
    ASSERT_TRUE(counters);
    EXPECT_EQ(counters->ctrlL, 1);
    EXPECT_EQ(counters->altG, 0);
    Close(veldo);
}

TEST_F(JumpTest, ScrollEditorUsesArrowsUnderAHundredLines) {
    ASSERT_TRUE(WriteUserString(kOptionsKey, "Scroll Editor", "1"));
    ASSERT_NO_FATAL_FAILURE(StartIde(ReportPath(), kReportStartLine));
    Veldo veldo;
    ASSERT_NO_FATAL_FAILURE(RunFromIde(ReportPath(), &veldo));
    EXPECT_EQ(veldo.main.SelectedFunction(), 0);

    ASSERT_NO_FATAL_FAILURE(Type(veldo, {VK_DOWN, VK_RETURN}));
    ExpectLandedAsleep(veldo, kWriteSectionLine);
    auto counters = ide_.Counters();
    ASSERT_TRUE(counters);
    EXPECT_EQ(counters->down, kWriteSectionLine - kReportStartLine);
    EXPECT_EQ(counters->prompts, 0);

    // 127 lines further down: the prompt.
    ASSERT_NO_FATAL_FAILURE(RunFromIde(ReportPath(), &veldo));
    ASSERT_NO_FATAL_FAILURE(Type(veldo, {VK_DOWN, VK_RETURN}));
    ExpectLandedAsleep(veldo, kWriteSummaryLine);
    counters = ide_.Counters();
    ASSERT_TRUE(counters);
    EXPECT_EQ(counters->down, kWriteSectionLine - kReportStartLine);
    EXPECT_EQ(counters->prompts, 1);
    Close(veldo);
}

TEST_F(JumpTest, DoubleClickOnAnItemJumpsToIt) {
    ASSERT_NO_FATAL_FAILURE(StartIde(SamplePath(), kSampleLine));
    Veldo veldo;
    ASSERT_NO_FATAL_FAILURE(RunFromIde(SamplePath(), &veldo));
    ASSERT_TRUE(Focus(veldo.main.Handle()));
    const auto point = ListBoxItemPoint(veldo.main.Control(kIdListBoxFunc), 1);
    ASSERT_TRUE(point);
    DoubleClickAt(*point);
    ExpectLandedAsleep(veldo, 23);
    EXPECT_EQ(History(veldo), (std::vector<std::string>{"FindItem"}));
    Close(veldo);
}

TEST_F(JumpTest, TheOkButtonJumpsToTheSelectedFunction) {
    ASSERT_NO_FATAL_FAILURE(StartIde(SamplePath(), kSampleLine));
    Veldo veldo;
    ASSERT_NO_FATAL_FAILURE(RunFromIde(SamplePath(), &veldo));
    const auto ok = ToolbarButtonScreenRect(veldo.main.Control(kIdToolBar), kCmdOk);
    ASSERT_TRUE(ok);
    ASSERT_TRUE(Focus(veldo.main.Handle()));
    ClickAt(POINT{(ok->left + ok->right) / 2, (ok->top + ok->bottom) / 2});
    // The function that holds the cursor line begins a few lines above it.
    ExpectLandedAsleep(veldo, 57);
    Close(veldo);
}

TEST_F(JumpTest, WithoutAnEditorWindowNoKeysGoOutAndVeldoStaysAwake) {
    Veldo veldo;
    ASSERT_NO_FATAL_FAILURE(StartLoaded(SamplePath(), kSampleLine, &veldo));
    ASSERT_NO_FATAL_FAILURE(Type(veldo, {VK_RETURN}));
    EXPECT_TRUE(WaitUntil([&] { return veldo.main.Panel(0) == kEditorNotFound; }))
        << "panel 0: '" << veldo.main.Panel(0).value_or("?") << "'";
    EXPECT_TRUE(veldo.main.Visible());
    EXPECT_EQ(veldo.main.Caption(), CaptionFor(SamplePath()));
    EXPECT_TRUE(History(veldo).empty());
    Close(veldo);
}

TEST_F(JumpTest, ProbeAppendsTheEditorsControlTextsInIdOrder) {
    ASSERT_NO_FATAL_FAILURE(StartIde(SamplePath(), kSampleLine));
    Veldo veldo;
    ASSERT_NO_FATAL_FAILURE(RunFromIde(SamplePath(), &veldo));
    std::vector<std::string> expected = veldo.main.Description();
    const std::vector<std::string> children = ide_.ChildTexts();
    ASSERT_EQ(children.size(), 2u);
    expected.insert(expected.end(), children.begin(), children.end());

    // The probe's button is never shown; its click comes as its parent
    // would get it.
    HWND button = veldo.main.Control(kIdButtonTest);
    ASSERT_TRUE(button);
    SendMessageA(GetParent(button), WM_COMMAND, MAKEWPARAM(kIdButtonTest, BN_CLICKED),
                 reinterpret_cast<LPARAM>(button));
    EXPECT_EQ(veldo.main.Description(), expected);
    EXPECT_TRUE(veldo.main.Visible());
    Close(veldo);
}

} // namespace
} // namespace veldo::e2e
