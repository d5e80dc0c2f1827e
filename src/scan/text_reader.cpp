#include "scan/text_reader.h"

#include <algorithm>
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
    // Most files hold neither: then no line needs looking at for them.
    chunkHasCarriageReturn_ = std::memchr(buffer_.data(), '\r', end_) != nullptr;
    sawNul_ = sawNul_ || std::memchr(buffer_.data(), '\0', end_) != nullptr;
    return end_ > 0;
}

size_t TextReader::ReadLine(char *out, size_t maxChars) {
    if (!file_)
        return 0;
    size_t n = 0;
    while (n < maxChars) {
        if (pos_ == end_ && !Refill())
            break;
        // Take the run up to a line feed or the room left, dropping carriage
        // returns; a dropped one does not count against the room.
        const char *from = buffer_.data() + pos_;
        const size_t avail = std::min(end_ - pos_, maxChars - n);
        const void *lf = std::memchr(from, '\n', avail);
        const size_t take = lf ? static_cast<size_t>(static_cast<const char *>(lf) - from) + 1 : avail;
        if (!chunkHasCarriageReturn_ || !std::memchr(from, '\r', take)) {
            std::memcpy(out + n, from, take);
            n += take;
            pos_ += take;
        } else {
            for (size_t i = 0; i < take && n < maxChars; ++i) {
                ++pos_;
                if (from[i] != '\r')
                    out[n++] = from[i];
            }
        }
        if (n > 0 && out[n - 1] == '\n')
            break;
    }
    return n;
}

} // namespace veldo
