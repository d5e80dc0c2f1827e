#include "ide/probe.h"

#include <gtest/gtest.h>

namespace veldo {
namespace {

TEST(ProbedIds, AscendingOnceEachWithinTheRange) {
    EXPECT_EQ(ProbedIds({5, -1, 3, 16777215, 16777214, 3, 0, 2147483647}),
              (std::vector<int32_t>{0, 3, 5, 16777214}));
    EXPECT_TRUE(ProbedIds({}).empty());
}

} // namespace
} // namespace veldo
