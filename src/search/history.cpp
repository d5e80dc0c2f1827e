#include "search/history.h"

namespace veldo {

void RecordInHistory(HistoryItems &history, std::string_view text, const CaseFolder &folder) {
    const std::string key = folder.Upper(text);
    const int32_t count = history.Count();
    int32_t found = 0;
    while (found < count && folder.Upper(history.Get(found)) != key)
        ++found;
    if (found == count) {
        history.InsertFirst(text);
        return;
    }
    // With a single entry the found one is that entry and stays as it was.
    if (count < 2)
        return;
    for (int32_t i = found; i > 0; --i)
        history.Set(i, history.Get(i - 1));
    history.Set(0, text);
}

} // namespace veldo
