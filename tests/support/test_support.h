// Small helpers shared by the tests.
#pragma once

#include "heapward/heapward.h"
#include "scan/scan_view.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <string_view>

namespace veldo::test {

// A file with the given bytes that is removed when the object goes.
class TempFile {
public:
    explicit TempFile(std::string_view bytes);
    ~TempFile();
    TempFile(const TempFile &) = delete;
    TempFile &operator=(const TempFile &) = delete;
    const std::string &Path() const { return path_; }
    void Rewrite(std::string_view bytes) const;

private:
    std::string path_;
};

// A clock that moves only when told to, or by a fixed step at every reading.
class FakeClock final : public Clock {
public:
    explicit FakeClock(int64_t stepPerReading = 0) : step_(stepPerReading) {}
    int64_t Milliseconds() override {
        const int64_t t = now_;
        now_ += step_;
        return t;
    }
    void Advance(int64_t ms) { now_ += ms; }
    void SetStep(int64_t step) { step_ = step; }

private:
    int64_t now_ = 1000000;
    int64_t step_;
};

// A test that must leave the allocator as it found it: every block it
// takes, directly or through a table, is released by its end.
class HeapBalancedTest : public ::testing::Test {
protected:
    void SetUp() override { liveBefore_ = heapward_live_blocks(); }
    void TearDown() override {
        heapward_set_limit(-1);
        EXPECT_EQ(heapward_live_blocks(), liveBefore_) << "blocks left live";
    }
    int32_t liveBefore_ = 0;
};

// Joins lines with "\n" after each.
std::string Lines(std::initializer_list<std::string_view> lines);

} // namespace veldo::test
