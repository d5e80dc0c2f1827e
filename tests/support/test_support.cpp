#include "support/test_support.h"

#include <atomic>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>
#include <stdexcept>

namespace veldo::test {

TempFile::TempFile(std::string_view bytes) {
    // Tests run as parallel processes: a random tag keeps their files apart.
    static const unsigned tag = std::random_device{}();
    static std::atomic<int> counter{0};
    const auto dir = std::filesystem::temp_directory_path();
    path_ = (dir / ("veldo-test-" + std::to_string(tag) + "-" + std::to_string(counter++) + ".cpp")).string();
    Rewrite(bytes);
}

TempFile::~TempFile() {
    std::remove(path_.c_str());
}

void TempFile::Rewrite(std::string_view bytes) const {
    std::ofstream out(path_, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out)
        throw std::runtime_error("cannot write " + path_);
}

std::string Lines(std::initializer_list<std::string_view> lines) {
    std::string out;
    for (auto line : lines) {
        out.append(line);
        out.push_back('\n');
    }
    return out;
}

} // namespace veldo::test
