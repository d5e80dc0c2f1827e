// Loads a text through the whole core, as the main window does.
#pragma once

#include "scan/details.h"
#include "scan/function_table.h"
#include "scan/loader.h"
#include "scan/memory_view.h"
#include "support/test_support.h"

#include <string>
#include <string_view>
#include <vector>

namespace veldo::test {

struct ScannedFile {
    explicit ScannedFile(std::string_view bytes, int32_t cursorLine = 0) : file(bytes) {
        result = LoadAndScan(table, file.Path(), cursorLine, view, clock);
    }
    ~ScannedFile() { CloseFunctionTable(table); }
    ScannedFile(const ScannedFile &) = delete;
    ScannedFile &operator=(const ScannedFile &) = delete;

    const std::vector<std::string> &Names() const { return view.functions.Items(); }
    int32_t Selected() const { return view.functions.ItemIndex(); }
    // Selects list item index and shows its details, as a click would.
    void Select(int32_t index) {
        view.functions.SetItemIndex(index);
        ShowFunctionDetails(table, view);
    }

    TempFile file;
    FunctionTable table;
    MemoryView view;
    FakeClock clock;
    LoadResult result = LoadResult::Skipped;
};

} // namespace veldo::test
