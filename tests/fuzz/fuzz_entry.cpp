#include "fuzz/fuzz_entry.h"

#include "app/command_line.h"
#include "heapward/heapward.h"
#include "scan/details.h"
#include "scan/loader.h"
#include "scan/memory_view.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <random>
#include <string>
#include <string_view>

namespace veldo::fuzz {
namespace {

class FixedStepClock final : public Clock {
public:
    int64_t Milliseconds() override { return now_ += 700; }

private:
    int64_t now_ = 0;
};

// Regression runs are parallel processes: a random name keeps them apart.
std::string ScratchPath() {
    static const std::string path = (std::filesystem::temp_directory_path() /
                                     ("veldo-fuzz-" + std::to_string(std::random_device{}()) + ".cpp"))
                                        .string();
    return path;
}

} // namespace

int RunOneInput(const uint8_t *data, size_t size) {
    // The input is "command line \0 file bytes"; without a NUL it is both.
    const std::string_view bytes(reinterpret_cast<const char *>(data), size);
    const size_t split = bytes.find('\0');
    const std::string_view commandLine = bytes.substr(0, split);
    const std::string_view file = split == std::string_view::npos ? bytes : bytes.substr(split + 1);

    const Invocation invocation = DeriveInvocation(ParseCommandLine(commandLine));

    const std::string path = ScratchPath();
    if (std::FILE *f = std::fopen(path.c_str(), "wb")) {
        std::fwrite(file.data(), 1, file.size(), f);
        std::fclose(f);
    }

    const int32_t liveBefore = heapward_live_blocks();
    FunctionTable table;
    MemoryView view;
    FixedStepClock clock;
    // The file is loaded twice, the second time over a slept table, as the
    // program does on the next activation.
    for (int round = 0; round < 2; ++round) {
        LoadAndScan(table, path, invocation.CursorLine, view, clock);
        for (int32_t item = -1; item <= view.functions.Count(); ++item) {
            view.functions.SetItemIndex(item);
            ShowFunctionDetails(table, view);
        }
        FreeFunctionTable(table);
    }
    CloseFunctionTable(table);
    std::remove(path.c_str());
    if (heapward_live_blocks() != liveBefore)
        std::abort();
    return 0;
}

} // namespace veldo::fuzz
