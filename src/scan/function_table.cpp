#include "scan/function_table.h"

#include "heapward/heapward.h"

namespace veldo {

void FreeFunctionTable(FunctionTable &table) {
    if (!table.Entries)
        return;
    for (int32_t i = 0; i < table.Count; ++i) {
        table.Current = &table.Entries[i];
        if (table.Current->Text) {
            heapward_free(table.Current->Text, __FILE__, __LINE__);
            table.Current->Text = nullptr;
        }
    }
}

void CloseFunctionTable(FunctionTable &table) {
    FreeFunctionTable(table);
    heapward_free(table.Entries, __FILE__, __LINE__);
    table.Entries = nullptr;
    table.Current = nullptr;
    table.Count = 0;
    table.Capacity = 0;
}

} // namespace veldo
