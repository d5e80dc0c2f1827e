// The search history: the texts of the functions jumped to, most recent
// first, no two equal when letter case is ignored.
#pragma once

#include "search/case_fold.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace veldo {

// The history's entries; the search box's item list holds them.
class HistoryItems {
public:
    virtual ~HistoryItems() = default;
    virtual int32_t Count() const = 0;
    virtual std::string Get(int32_t index) const = 0;
    virtual void Set(int32_t index, std::string_view text) = 0;
    virtual void InsertFirst(std::string_view text) = 0;
};

// Puts text first. An entry equal to it but for letter case moves to the
// front and takes text's spelling.
void RecordInHistory(HistoryItems &history, std::string_view text, const CaseFolder &folder);

} // namespace veldo
