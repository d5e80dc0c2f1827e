// Replays every input the fuzzer ever stopped on, and the examples.
#include "fuzz/fuzz_entry.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

std::vector<std::filesystem::path> Inputs() {
    std::vector<std::filesystem::path> inputs;
    for (const char *dir : {"/tests/fuzz/regressions", "/examples"}) {
        for (const auto &entry : std::filesystem::directory_iterator(std::string(VELDO_SOURCE_DIR) + dir))
            inputs.push_back(entry.path());
    }
    return inputs;
}

TEST(FuzzRegressions, EveryKeptInputRunsCleanly) {
    const auto inputs = Inputs();
    ASSERT_FALSE(inputs.empty());
    for (const auto &path : inputs) {
        std::ifstream in(path, std::ios::binary);
        const std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
        SCOPED_TRACE(path.string());
        EXPECT_EQ(veldo::fuzz::RunOneInput(reinterpret_cast<const uint8_t *>(bytes.data()), bytes.size()), 0);
    }
}

} // namespace
