#include "scan/text_reader.h"

#include <cstring>

namespace veldo {

namespace {
constexpr size_t kChunk = 1 << 16;
constexpr char kEndOfFile = 26;
} // namespace

TextReader::TextReader(const std::string &path) : buffer_(kChunk) {
    // Binary mode: the text-mode rules are applied here, not left to the C
    // runtime, whose rules differ between platforms.
    file_ = std::fopen(path.c_str(), "rb");
}

TextReader::~TextReader() {
    if (file_)
        std::fclose(file_);
}

bool TextReader::Refill() {
    if (ended_)
        return false;
    end_ = std::fread(buffer_.data(), 1, buffer_.size(), file_);
    pos_ = 0;
    if (end_ == 0) {
        ended_ = true;
        return false;
    }
    // Everything from the first character 26 on is not part of the file.
    if (const void *stop = std::memchr(buffer_.data(), kEndOfFile, end_)) {
        end_ = static_cast<size_t>(static_cast<const char *>(stop) - buffer_.data());
        ended_ = true;
    }
    return end_ > 0;
}

size_t TextReader::ReadLine(char *out, size_t maxChars) {
    if (!file_)
        return 0;
    size_t n = 0;
    while (n < maxChars) {
        if (pos_ == end_ && !Refill())
            break;
        const char c = buffer_[pos_++];
        if (c == '\r')
            continue;
        out[n++] = c;
        if (c == '\n')
            break;
    }
    return n;
}

} // namespace veldo
