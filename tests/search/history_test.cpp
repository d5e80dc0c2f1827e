#include "search/history.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

namespace veldo {
namespace {

class VectorHistory final : public HistoryItems {
public:
    std::vector<std::string> items;
    int32_t Count() const override { return static_cast<int32_t>(items.size()); }
    std::string Get(int32_t i) const override { return items.at(i); }
    void Set(int32_t i, std::string_view text) override { items.at(i) = text; }
    void InsertFirst(std::string_view text) override { items.insert(items.begin(), std::string(text)); }
};

struct HistoryCase {
    const char *name;
    std::vector<std::string> jumps;
    std::vector<std::string> history;
};

void PrintTo(const HistoryCase &c, std::ostream *os) {
    *os << c.name;
}

class RecordInHistoryAfter : public ::testing::TestWithParam<HistoryCase> {};

TEST_P(RecordInHistoryAfter, Jumps) {
    VectorHistory history;
    AsciiCaseFolder folder;
    for (const std::string &jump : GetParam().jumps)
        RecordInHistory(history, jump, folder);
    EXPECT_EQ(history.items, GetParam().history);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RecordInHistoryAfter,
    ::testing::Values(HistoryCase{"NewOnesGoFirst", {"A", "B", "C"}, {"C", "B", "A"}},
                      HistoryCase{"RepeatMovesToFront", {"A", "B", "A"}, {"A", "B"}},
                      HistoryCase{"FromTheMiddle", {"A", "B", "C", "B"}, {"B", "C", "A"}},
                      HistoryCase{"FromTheEnd", {"A", "B", "C", "A"}, {"A", "C", "B"}},
                      HistoryCase{"OtherCaseTakesNewSpelling", {"Alpha", "beta", "ALPHA"}, {"ALPHA", "beta"}},
                      HistoryCase{"OtherCaseOfTheFirst", {"Alpha", "beta", "BETA"}, {"BETA", "Alpha"}},
                      HistoryCase{"SingleEntryStaysAsItWas", {"alpha", "ALPHA"}, {"alpha"}},
                      HistoryCase{"WholeTextsOnly", {"Add", "AddItem"}, {"AddItem", "Add"}}),
    [](const ::testing::TestParamInfo<HistoryCase> &info) { return std::string(info.param.name); });

} // namespace
} // namespace veldo
