#include "scan/loader.h"

#include "heapward/heapward.h"
#include "scan/details.h"
#include "scan/scanner.h"
#include "scan/text_reader.h"

#include <cstdio>
#include <cstring>
#include <limits>
#include <vector>

namespace veldo {
namespace {

std::string LoadTimeText(int64_t elapsedMs) {
    char text[64];
    std::snprintf(text, sizeof text, "Load time %.2f Sec.", static_cast<double>(elapsedMs) * 0.001);
    return text;
}

// Resizes the entry array to capacity elements; false when the size does not
// fit the allocator's 32-bit sizes or memory is short (the array is then as
// it was). Elements gained are not initialised: only the reading loop, which
// fills them, looks at elements past the previous load's count.
bool ResizeEntries(FunctionTable &table, int32_t capacity) {
    constexpr int64_t kMaxBytes = std::numeric_limits<int32_t>::max();
    const int64_t bytes = int64_t{capacity} * static_cast<int64_t>(sizeof(FunctionEntry));
    if (capacity < 0 || bytes > kMaxBytes)
        return false;
    void *resized = heapward_realloc(table.Entries, static_cast<int32_t>(bytes), __FILE__, __LINE__);
    if (!resized)
        return false;
    table.Entries = static_cast<FunctionEntry *>(resized);
    return true;
}

void ReleaseTexts(FunctionTable &table, int32_t first, int32_t end) {
    for (int32_t i = first; i < end; ++i) {
        if (table.Entries[i].Text) {
            heapward_free(table.Entries[i].Text, __FILE__, __LINE__);
            table.Entries[i].Text = nullptr;
        }
    }
}

// Reads the file into the table. Stops at the end of the file, at a read
// error, or when memory runs short; what was read stays.
void ReadEntries(FunctionTable &table, TextReader &reader, ScanView &view, Clock &clock, int64_t t0,
                 std::vector<LineInfo> &lines) {
    // The array is cut back to the previous load's length, so one long file
    // does not pin its array for good; past Count the array holds no texts.
    const int32_t previousCount = table.Count;
    if (!ResizeEntries(table, previousCount))
        return;
    table.Capacity = previousCount;
    table.Count = 0;

    int64_t lastReport = t0;
    char line[kMaxLineChars + 1];
    for (;;) {
        const size_t read = reader.ReadLine(line, kMaxLineChars);
        if (read == 0)
            break;
        const int32_t count = table.Count + 1;
        if (count > table.Capacity) {
            const int64_t grown = int64_t{table.Capacity} + count + 20000;
            if (grown > std::numeric_limits<int32_t>::max() ||
                !ResizeEntries(table, static_cast<int32_t>(grown)))
                break;
            table.Capacity = static_cast<int32_t>(grown);
        }
        FunctionEntry &entry = table.Entries[count - 1];
        table.Current = &entry;
        // The text ends at its first NUL byte, as any zero-terminated text
        // does. The line feed is no part of it: no rule of the scan can see
        // one at the end of a line.
        size_t length = read;
        const void *nul = reader.SawNul() ? std::memchr(line, '\0', read) : nullptr;
        if (nul)
            length = static_cast<size_t>(static_cast<const char *>(nul) - line);
        else if (line[length - 1] == '\n')
            --length;
        const auto n = static_cast<int32_t>(length + 1);
        void *text = count > previousCount ? heapward_malloc(n, __FILE__, __LINE__)
                                           : heapward_realloc(entry.Text, n, __FILE__, __LINE__);
        if (!text)
            break;
        std::memcpy(text, line, length);
        static_cast<char *>(text)[length] = '\0';
        entry.Text = static_cast<char *>(text);
        entry.IsFunction = 0;
        table.Count = count;
        lines.push_back(DescribeLine(line, length));

        // Reading the clock costs as much as storing a line: look at it
        // every few lines only.
        if (count % kLinesPerClockReading != 0)
            continue;
        const int64_t now = clock.Milliseconds();
        if (now - lastReport > 1000) {
            lastReport = now;
            view.SetPanelText(kPanelStatus, "Status : Loading file (" + std::to_string(count) + ")");
            view.SetPanelText(kPanelLoadTime, LoadTimeText(now - t0));
            view.RepaintStatusBar();
        }
    }
    // The previous load's texts beyond this one's lines would never be
    // reused nor released.
    ReleaseTexts(table, table.Count, previousCount);
}

} // namespace

LoadResult LoadAndScan(FunctionTable &table, const std::string &sourceFileName, int32_t cursorLine,
                       ScanView &view, Clock &clock) {
    if (table.SelectionOrigin == kMouseSelecting)
        return LoadResult::Skipped;

    const int64_t t0 = clock.Milliseconds();
    ListItems &functions = view.FunctionList();
    view.SetBusyPointer(true);
    functions.BeginUpdate();
    functions.Clear();
    view.SetPanelText(kPanelStatus, "Status : Loading file...");
    view.RepaintStatusBar();

    TextReader reader(sourceFileName);
    if (!reader.IsOpen()) {
        view.EnableOk(false);
        view.SetPanelText(kPanelStatus, "Error : Unable to open file");
        view.ShowMessage(kUsageMessage);
        functions.EndUpdate();
        view.SetBusyPointer(false);
        return LoadResult::CannotOpen;
    }

    std::vector<LineInfo> lines;
    ReadEntries(table, reader, view, clock, t0, lines);
    view.SetPanelText(kPanelStatus, "Status : Examining file...");
    view.RepaintStatusBar();

    // A read stopped before it began leaves the previous table, undescribed.
    MarkCandidates(table, lines.size() == static_cast<size_t>(table.Count) ? lines.data() : nullptr);
    const int32_t selected = ListFunctions(table, cursorLine, functions);
    const int64_t t = clock.Milliseconds();
    functions.SetItemIndex(selected);
    view.SetPanelText(kPanelStatus, "Status : Select function");
    view.SetPanelText(kPanelFunctionCount, "Function : " + std::to_string(functions.Count()));
    view.SetPanelText(kPanelLoadTime, LoadTimeText(t - t0));
    ShowFunctionDetails(table, view);

    functions.EndUpdate();
    view.SetBusyPointer(false);
    return LoadResult::Loaded;
}

} // namespace veldo
