#include "heapward/heapward.h"

#include "support/test_support.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

struct LiveBlock {
    const void *block;
    int32_t size;
    std::string file;
    int32_t line;
};

std::vector<LiveBlock> LiveBlocks() {
    std::vector<LiveBlock> blocks;
    heapward_walk(
        [](void *context, const void *block, int32_t size, const char *file, int32_t line) {
            static_cast<std::vector<LiveBlock> *>(context)->push_back({block, size, file, line});
        },
        &blocks);
    return blocks;
}

LiveBlock Find(const void *block) {
    for (const LiveBlock &b : LiveBlocks()) {
        if (b.block == block)
            return b;
    }
    return {nullptr, -1, "", -1};
}

using Heapward = veldo::test::HeapBalancedTest;

TEST_F(Heapward, TracksEveryLiveBlockWithItsCaller) {
    EXPECT_EQ(heapward_setup(0), 0);
    const int64_t bytesBefore = heapward_live_bytes();
    void *a = heapward_malloc(10, "unit_a.cpp", 11);
    void *b = heapward_malloc(20, "unit_b.cpp", 22);
    std::memset(a, 'a', 10);
    std::memset(b, 'b', 20);
    EXPECT_EQ(heapward_live_bytes() - bytesBefore, 30);

    // A large block is kept apart from the small ones; both are listed.
    void *c = heapward_malloc(5000, "unit_c.cpp", 33);
    EXPECT_EQ(static_cast<int32_t>(LiveBlocks().size()), liveBefore_ + 3);
    const LiveBlock foundA = Find(a);
    EXPECT_EQ(foundA.size, 10);
    EXPECT_EQ(foundA.file, "unit_a.cpp");
    EXPECT_EQ(foundA.line, 11);
    EXPECT_EQ(Find(b).line, 22);
    EXPECT_EQ(Find(c).size, 5000);

    heapward_free(a, "unit_a.cpp", 30);
    heapward_free(c, "unit_c.cpp", 34);
    EXPECT_EQ(Find(a).block, nullptr);
    EXPECT_EQ(Find(b).block, b);
    EXPECT_EQ(heapward_live_blocks(), liveBefore_ + 1);
    heapward_free(b, "unit_b.cpp", 31);
    EXPECT_EQ(heapward_live_bytes(), bytesBefore);
}

TEST_F(Heapward, ReallocKeepsContentsAndRecordsTheNewCaller) {
    auto *p = static_cast<char *>(heapward_malloc(4, "u.cpp", 1));
    std::memcpy(p, "abcd", 4);
    // Within a pool, from a pool to a large block, large to large, and back.
    for (const int32_t size : {12, 600, 100000, 200000, 2}) {
        p = static_cast<char *>(heapward_realloc(p, size, "u.cpp", size));
        ASSERT_NE(p, nullptr);
        EXPECT_EQ(std::string(p, 2), "ab");
        EXPECT_EQ(Find(p).size, size);
        EXPECT_EQ(Find(p).line, size);
    }
    EXPECT_GE(heapward_peak_bytes(), 100000);
    heapward_free(p, "u.cpp", 4);
}

TEST_F(Heapward, AcceptsNullBlocksAndSizeZero) {
    heapward_free(nullptr, "u.cpp", 1);
    void *empty = heapward_realloc(nullptr, 0, "u.cpp", 2);
    ASSERT_NE(empty, nullptr);
    EXPECT_EQ(heapward_live_blocks(), liveBefore_ + 1);
    EXPECT_EQ(Find(empty).size, 0);
    void *grown = heapward_realloc(empty, 8, "u.cpp", 3);
    ASSERT_NE(grown, nullptr);
    void *shrunk = heapward_realloc(grown, 0, "u.cpp", 4);
    ASSERT_NE(shrunk, nullptr);
    heapward_free(shrunk, "u.cpp", 5);
}

TEST_F(Heapward, FailsCleanlyWhenTheLimitOrTheSizeForbids) {
    EXPECT_EQ(heapward_malloc(-1, "u.cpp", 1), nullptr);
    heapward_set_limit(heapward_live_bytes() + 64);
    void *a = heapward_malloc(60, "u.cpp", 2);
    ASSERT_NE(a, nullptr);
    EXPECT_EQ(heapward_malloc(8, "u.cpp", 3), nullptr);
    // A failed resize leaves the block as it was.
    EXPECT_EQ(heapward_realloc(a, 100, "u.cpp", 4), nullptr);
    EXPECT_EQ(Find(a).size, 60);
    EXPECT_EQ(heapward_realloc(a, -5, "u.cpp", 5), nullptr);
    heapward_set_limit(-1);
    heapward_free(a, "u.cpp", 6);
}

TEST_F(Heapward, ReportCountsTheLiveBlocks) {
    void *a = heapward_malloc(1, "u.cpp", 1);
    EXPECT_EQ(heapward_report(), liveBefore_ + 1);
    heapward_free(a, "u.cpp", 2);
}

} // namespace
