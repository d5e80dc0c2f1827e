#include "heapward/heapward.h"
#include "scan/loader.h"
#include "support/scan_fixture.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

namespace veldo {
namespace {

using test::FakeClock;
using test::ScannedFile;
using test::TempFile;

std::vector<std::string> Texts(const FunctionTable &table) {
    std::vector<std::string> texts;
    for (int32_t i = 0; i < table.Count; ++i)
        texts.emplace_back(table.Entries[i].Text ? table.Entries[i].Text : "<null>");
    return texts;
}

std::string RepeatLine(std::string_view line, int times) {
    std::string out;
    for (int i = 0; i < times; ++i)
        out.append(line);
    return out;
}

// The table's blocks are all released on close, whatever loads came before.
using Loader = test::HeapBalancedTest;

TEST_F(Loader, ReadsLinesAsATextModeStreamDoes) {
    struct Case {
        std::string bytes;
        std::vector<std::string> entries;
    };
    const std::string longLine(1000, 'x');
    const std::vector<Case> cases = {
        {"", {}},
        {"a\nb", {"a", "b"}},
        {"a\r\nb\r\n", {"a", "b"}},
        {"a\r\r\nb\rc\n", {"a", "bc"}},
        {"a\nb\x1a"
         "c\nd\n",
         {"a", "b"}},
        {"\x1a"
         "a\n",
         {}},
        {"\n\n", {"", ""}},
        {longLine + "\nz\n", {std::string(599, 'x'), std::string(401, 'x'), "z"}},
        {std::string(599, 'y') + "\n", {std::string(599, 'y'), ""}},
        {std::string(598, 'y') + "\r\n", {std::string(598, 'y')}},
        // A NUL byte ends that entry's text; the read still runs to the line feed.
        {std::string("ab\0cd\nef\n", 9), {"ab", "ef"}},
    };
    for (const Case &c : cases) {
        ScannedFile f(c.bytes);
        EXPECT_EQ(f.result, LoadResult::Loaded);
        EXPECT_EQ(Texts(f.table), c.entries) << "input: " << ::testing::PrintToString(c.bytes);
    }
}

TEST_F(Loader, ReportsStatusAndTimeAroundTheLoad) {
    ScannedFile f("int f(int a)\n{\n}\n");
    ASSERT_EQ(f.view.repaints.size(), 2u);
    EXPECT_EQ(f.view.repaints[0][kPanelStatus], "Status : Loading file...");
    EXPECT_EQ(f.view.repaints[1][kPanelStatus], "Status : Examining file...");
    EXPECT_EQ(f.view.panels[kPanelStatus], "Status : Select function");
    EXPECT_EQ(f.view.panels[kPanelFunctionCount], "Function : 0");
    EXPECT_EQ(f.view.panels[kPanelLoadTime], "Load time 0.00 Sec.");
    EXPECT_FALSE(f.view.busy);
    EXPECT_EQ(f.view.functions.UpdateDepth(), 0);
    EXPECT_TRUE(f.view.okEnabled);
}

TEST_F(Loader, ReportsProgressOnlyAfterMoreThanASecond) {
    struct Case {
        int clockReadings;
        int64_t msPerReading;
        std::vector<std::string> reports;
    };
    constexpr int kStride = kLinesPerClockReading;
    const auto report = [](int lines, const char *seconds) {
        return "Status : Loading file (" + std::to_string(lines) + ")|Load time " + seconds + " Sec.";
    };
    const std::vector<Case> cases = {
        {25, 100, {report(11 * kStride, "1.10"), report(22 * kStride, "2.20")}},
        {9, 100, {}},
        {10, 100, {}}, // exactly one second since the start is not more than one
        {3, 1001, {report(kStride, "1.00"), report(2 * kStride, "2.00"), report(3 * kStride, "3.00")}},
    };
    for (const Case &c : cases) {
        TempFile file(RepeatLine("x\n", c.clockReadings * kStride));
        FunctionTable table;
        MemoryView view;
        FakeClock clock(c.msPerReading);
        LoadAndScan(table, file.Path(), 0, view, clock);
        std::vector<std::string> reports;
        for (const auto &panels : view.repaints) {
            if (panels[kPanelStatus].rfind("Status : Loading file (", 0) == 0)
                reports.push_back(panels[kPanelStatus] + "|" + panels[kPanelLoadTime]);
        }
        EXPECT_EQ(reports, c.reports) << c.clockReadings << " readings " << c.msPerReading << " ms apart";
        CloseFunctionTable(table);
    }
}

TEST_F(Loader, GrowsTheArrayInLargeStepsAndCutsItBackOnReload) {
    TempFile file(RepeatLine("x\n", 20001));
    FunctionTable table;
    MemoryView view;
    FakeClock clock;

    LoadAndScan(table, file.Path(), 0, view, clock);
    EXPECT_EQ(table.Count, 20001);
    EXPECT_EQ(table.Capacity, 20001);

    file.Rewrite(RepeatLine("x\n", 20002));
    LoadAndScan(table, file.Path(), 0, view, clock);
    EXPECT_EQ(table.Count, 20002);
    EXPECT_EQ(table.Capacity, 2 * 20001 + 20001);

    // The next load starts from an array the size of the previous file.
    file.Rewrite(RepeatLine("y\n", 3));
    LoadAndScan(table, file.Path(), 0, view, clock);
    EXPECT_EQ(table.Capacity, 20002);
    EXPECT_EQ(Texts(table), (std::vector<std::string>{"y", "y", "y"}));
    file.Rewrite("z\n");
    LoadAndScan(table, file.Path(), 0, view, clock);
    EXPECT_EQ(table.Capacity, 3);
    EXPECT_EQ(Texts(table), std::vector<std::string>{"z"});

    // Only the table's own lines hold texts: nothing left from longer loads.
    EXPECT_EQ(heapward_live_blocks(), liveBefore_ + 1 + 1);
    CloseFunctionTable(table);
    EXPECT_EQ(table.Entries, nullptr);
}

TEST_F(Loader, FirstLoadOfAnEmptyFileMakesAnEmptyArray) {
    ScannedFile f("");
    EXPECT_EQ(f.table.Count, 0);
    EXPECT_EQ(f.table.Capacity, 0);
    EXPECT_NE(f.table.Entries, nullptr);
    EXPECT_EQ(heapward_live_blocks(), liveBefore_ + 1);
    EXPECT_EQ(f.view.panels[kPanelFunctionCount], "Function : 0");
}

TEST_F(Loader, SleepAndReloadGiveTheSameTable) {
    ScannedFile f("// c\nint f(int a)\n{\n}\nvoid g()\n{\n}\n", 6);
    const auto texts = Texts(f.table);
    const auto names = f.Names();
    FreeFunctionTable(f.table);
    EXPECT_EQ(heapward_live_blocks(), liveBefore_ + 1);
    for (int32_t i = 0; i < f.table.Count; ++i)
        EXPECT_EQ(f.table.Entries[i].Text, nullptr);

    LoadAndScan(f.table, f.file.Path(), 6, f.view, f.clock);
    EXPECT_EQ(Texts(f.table), texts);
    EXPECT_EQ(f.Names(), names);
    EXPECT_EQ(f.Selected(), 1);
}

TEST_F(Loader, DoesNothingWhileAMouseSelectionIsInProgress) {
    ScannedFile f("int f(int a)\n{\n}\n");
    const auto panels = f.view.panels;
    const size_t repaints = f.view.repaints.size();
    f.view.busy = true; // the pointer must stay as it is, whatever it is
    f.table.SelectionOrigin = kMouseSelecting;
    f.file.Rewrite("other\n");
    EXPECT_EQ(LoadAndScan(f.table, f.file.Path(), 0, f.view, f.clock), LoadResult::Skipped);
    EXPECT_EQ(f.view.panels, panels);
    EXPECT_EQ(f.view.repaints.size(), repaints);
    EXPECT_TRUE(f.view.busy);
    EXPECT_EQ(Texts(f.table), (std::vector<std::string>{"int f(int a)", "{", "}"}));
}

TEST_F(Loader, AnEmptyFileNameCannotBeOpened) {
    FunctionTable table;
    MemoryView view;
    FakeClock clock;
    EXPECT_EQ(LoadAndScan(table, "", 0, view, clock), LoadResult::CannotOpen);
    EXPECT_EQ(view.panels[kPanelStatus], "Error : Unable to open file");
    EXPECT_EQ(table.Entries, nullptr);
}

TEST_F(Loader, AFileThatCannotBeOpenedLeavesTheTableAndDisablesOk) {
    ScannedFile f("x\nint f(int a)\n{\n}\n", 2);
    f.Select(0);
    const auto texts = Texts(f.table);
    const auto panels = f.view.panels;

    const LoadResult result = LoadAndScan(f.table, f.file.Path() + ".missing", 2, f.view, f.clock);
    EXPECT_EQ(result, LoadResult::CannotOpen);
    EXPECT_FALSE(f.view.okEnabled);
    EXPECT_EQ(f.view.panels[kPanelStatus], "Error : Unable to open file");
    for (auto panel : {kPanelSourceLine, kPanelFunctionCount, kPanelLoadTime})
        EXPECT_EQ(f.view.panels[panel], panels[panel]);
    EXPECT_EQ(f.view.messages, std::vector<std::string>{kUsageMessage});
    EXPECT_EQ(f.view.functions.Count(), 0);
    EXPECT_EQ(f.view.functions.UpdateDepth(), 0);
    EXPECT_FALSE(f.view.busy);
    EXPECT_EQ(f.view.variables.Items(), std::vector<std::string>{"int a "});
    EXPECT_EQ(Texts(f.table), texts);

    // Nothing enables OK again.
    LoadAndScan(f.table, f.file.Path(), 2, f.view, f.clock);
    EXPECT_FALSE(f.view.okEnabled);
    EXPECT_EQ(f.view.functions.Count(), 1);
}

TEST_F(Loader, RunningOutOfMemoryKeepsWhatWasRead) {
    const std::string bytes = RepeatLine("int f(int a)\n{\n}\n", 1000);
    // Out of memory at the first array, and after a few hundred texts.
    constexpr int64_t kArray = 20001 * int64_t{sizeof(FunctionEntry)};
    for (const int64_t room : {int64_t{0}, kArray - 1, kArray + 5000}) {
        TempFile file(bytes);
        FunctionTable table;
        MemoryView view;
        FakeClock clock;
        heapward_set_limit(heapward_live_bytes() + room);
        EXPECT_EQ(LoadAndScan(table, file.Path(), 0, view, clock), LoadResult::Loaded);
        EXPECT_LT(table.Count, 3000);
        for (int32_t i = 0; i < table.Count; ++i)
            ASSERT_NE(table.Entries[i].Text, nullptr);
        heapward_set_limit(-1);
        // The next load, with memory to spare, is complete.
        LoadAndScan(table, file.Path(), 0, view, clock);
        EXPECT_EQ(table.Count, 3000);
        EXPECT_EQ(view.functions.Count(), 999); // the first line is never a header
        CloseFunctionTable(table);
    }
}

} // namespace
} // namespace veldo
