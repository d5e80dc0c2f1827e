// Loading the source file into the FunctionTable and scanning it.
#pragma once

#include "scan/function_table.h"
#include "scan/scan_view.h"

#include <cstdint>
#include <string>

namespace veldo {

enum class LoadResult {
    Skipped,    // a mouse selection was in progress: nothing changed
    CannotOpen, // the file could not be opened: the table is as it was
    Loaded,
};

// Reloads the table from sourceFileName, marks and lists its function
// headers, selects the one at cursorLine and shows its details.
LoadResult LoadAndScan(FunctionTable &table, const std::string &sourceFileName, int32_t cursorLine,
                       ScanView &view, Clock &clock);

// The load looks at the clock for its progress report once per this many
// lines: reading the clock costs as much as storing a line.
inline constexpr int32_t kLinesPerClockReading = 32;

inline constexpr const char *kUsageMessage = "Commandline Usage VELDO.EXE <filename> <line number>";

} // namespace veldo
