// The selected function's details: its source line, its parameters and the
// comment block above it.
#pragma once

#include "scan/function_table.h"
#include "scan/scan_view.h"

#include <cstdint>

namespace veldo {

inline constexpr const char *kNoDescription = "Description not available...";

// Fills panel 1, the variable list and the description for the item
// selected in the function list.
void ShowFunctionDetails(FunctionTable &table, ScanView &view);

// The parameters of the header at table index start, one item each.
void FillVariableList(FunctionTable &table, int32_t start, ListItems &variables);

// The description of the header at table index header, as appended to the
// description list.
void FillDescription(FunctionTable &table, int32_t header, ListItems &description);

} // namespace veldo
