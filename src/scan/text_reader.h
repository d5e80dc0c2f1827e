// Reads a source file the way a text-mode stream of the original runtime
// did, identically on every platform: carriage returns are dropped, the
// first character 26 ends the file, and a read takes at most a buffer's
// worth of characters, stopping after a line feed.
#pragma once

#include <cstddef>
#include <cstdio>
#include <string>
#include <vector>

namespace veldo {

class TextReader {
public:
    // Opens path for reading; IsOpen tells whether that worked.
    explicit TextReader(const std::string &path);
    ~TextReader();
    TextReader(const TextReader &) = delete;
    TextReader &operator=(const TextReader &) = delete;

    bool IsOpen() const { return file_ != nullptr; }

    // Reads at most maxChars characters into out (not terminated), stopping
    // after a line feed. Returns the number read; 0 at the end of the file
    // or after a read error.
    size_t ReadLine(char *out, size_t maxChars);

    // Whether any NUL byte has been read so far.
    bool SawNul() const { return sawNul_; }

private:
    bool Refill();

    std::FILE *file_ = nullptr;
    std::vector<char> buffer_;
    size_t pos_ = 0;
    size_t end_ = 0;
    bool ended_ = false; // end of file, character 26 or a read error
    bool chunkHasCarriageReturn_ = false;
    bool sawNul_ = false;
};

} // namespace veldo
