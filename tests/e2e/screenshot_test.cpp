// The screenshot helper: the PNG writer checked by reading its output back,
// and a capture of Veldo's window.
#include "driver/screenshot.h"
#include "veldo_test.h"

#include <cstring>
#include <set>

namespace veldo::e2e {
namespace {

uint32_t Big32(const uint8_t *p) {
    return (uint32_t{p[0]} << 24) | (uint32_t{p[1]} << 16) | (uint32_t{p[2]} << 8) | p[3];
}

// Reads back what EncodePng writes (stored blocks, filter 0), checking every
// checksum on the way; an empty image when anything is off.
Image DecodeStoredPng(const std::vector<uint8_t> &png) {
    static const uint8_t kSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    if (png.size() < 8 || std::memcmp(png.data(), kSignature, 8) != 0)
        return {};
    Image image;
    std::vector<uint8_t> zlib;
    bool ended = false;
    for (size_t pos = 8; pos < png.size() && !ended;) {
        if (png.size() - pos < 12)
            return {};
        const uint32_t length = Big32(&png[pos]);
        if (png.size() - pos - 12 < length)
            return {};
        const uint8_t *type = &png[pos + 4];
        const uint8_t *data = type + 4;
        if (Crc32(type, length + 4) != Big32(data + length))
            return {};
        const std::string name(reinterpret_cast<const char *>(type), 4);
        if (name == "IHDR") {
            if (length != 13 || data[8] != 8 || data[9] != 2 || data[10] || data[11] || data[12])
                return {};
            image.width = static_cast<int>(Big32(data));
            image.height = static_cast<int>(Big32(data + 4));
        } else if (name == "IDAT") {
            zlib.insert(zlib.end(), data, data + length);
        } else if (name == "IEND") {
            ended = true;
        }
        pos += 12 + length;
    }
    if (!ended || zlib.size() < 6 || ((zlib[0] << 8) | zlib[1]) % 31 != 0 || (zlib[0] & 0x0F) != 8)
        return {};
    std::vector<uint8_t> raw;
    size_t pos = 2;
    for (bool last = false; !last;) {
        if (zlib.size() - pos < 5 || (zlib[pos] & 0x06) != 0)
            return {};
        last = zlib[pos] & 1;
        const unsigned n = zlib[pos + 1] | (zlib[pos + 2] << 8);
        const unsigned nn = zlib[pos + 3] | (zlib[pos + 4] << 8);
        if ((n ^ 0xFFFFu) != nn || zlib.size() - pos - 5 < n)
            return {};
        raw.insert(raw.end(), zlib.begin() + static_cast<ptrdiff_t>(pos + 5),
                   zlib.begin() + static_cast<ptrdiff_t>(pos + 5 + n));
        pos += 5 + n;
    }
    if (zlib.size() - pos != 4 || Big32(&zlib[pos]) != Adler32(raw.data(), raw.size()))
        return {};
    const size_t row = static_cast<size_t>(image.width) * 3;
    if (raw.size() != (row + 1) * static_cast<size_t>(image.height))
        return {};
    for (size_t y = 0; y < static_cast<size_t>(image.height); ++y) {
        if (raw[y * (row + 1)] != 0)
            return {};
        const auto begin = raw.begin() + static_cast<ptrdiff_t>(y * (row + 1) + 1);
        image.rgb.insert(image.rgb.end(), begin, begin + static_cast<ptrdiff_t>(row));
    }
    return image;
}

TEST(ChecksumTest, MatchTheKnownValues) {
    const std::string digits = "123456789";
    const auto *d = reinterpret_cast<const uint8_t *>(digits.data());
    EXPECT_EQ(Crc32(d, digits.size()), 0xCBF43926u);
    EXPECT_EQ(Crc32(d + 4, 5, Crc32(d, 4)), 0xCBF43926u) << "continuing a checksum";
    EXPECT_EQ(Crc32(d, 0), 0u);
    const std::string word = "Wikipedia";
    EXPECT_EQ(Adler32(reinterpret_cast<const uint8_t *>(word.data()), word.size()), 0x11E60398u);
    // Large enough for both sums to wrap around their modulus.
    const std::vector<uint8_t> ones(100000, 0xFF);
    uint32_t a = 1, b = 0;
    for (uint8_t byte : ones) {
        a = (a + byte) % 65521;
        b = (b + a) % 65521;
    }
    EXPECT_EQ(Adler32(ones.data(), ones.size()), (b << 16) | a);
}

class PngTest : public ::testing::TestWithParam<std::pair<int, int>> {};

// Sizes with one block, several blocks, and one byte past a block's limit.
TEST_P(PngTest, ReadsBackAsWritten) {
    Image image;
    image.width = GetParam().first;
    image.height = GetParam().second;
    for (int i = 0; i < image.width * image.height * 3; ++i)
        image.rgb.push_back(static_cast<uint8_t>(i * 7 + i / 300));
    const Image back = DecodeStoredPng(EncodePng(image));
    EXPECT_EQ(back.width, image.width);
    EXPECT_EQ(back.height, image.height);
    EXPECT_EQ(back.rgb, image.rgb);
}

INSTANTIATE_TEST_SUITE_P(Sizes, PngTest,
                         ::testing::Values(std::make_pair(1, 1), std::make_pair(3, 2),
                                           std::make_pair(500, 480),
                                           // (3 * 21845 + 1) * 1 = 65536: the raw data just over one block
                                           std::make_pair(21845, 1)));

using CaptureTest = VeldoTest;

size_t ColourCount(const Image &image) {
    std::set<uint32_t> colours;
    for (size_t i = 0; i + 2 < image.rgb.size(); i += 3)
        colours.insert(uint32_t{image.rgb[i]} << 16 | uint32_t{image.rgb[i + 1]} << 8 | image.rgb[i + 2]);
    return colours.size();
}

TEST_F(CaptureTest, TakesTheMainWindowAsItShows) {
    Veldo v;
    ASSERT_NO_FATAL_FAILURE(StartLoaded(SamplePath(), kSampleLine, &v));
    const RECT r = WindowRect(v.main.Handle());
    // A window with lists and a status bar shows more than a few colours
    // once painted; a failed copy from the screen gives one.
    Image image;
    EXPECT_TRUE(WaitUntil([&] {
        image = CaptureWindow(v.main.Handle());
        return ColourCount(image) > 3;
    })) << ColourCount(image)
        << " colours";
    EXPECT_EQ(image.width, Width(r));
    EXPECT_EQ(image.height, Height(r));
    ASSERT_NO_FATAL_FAILURE(Close(v));
}

} // namespace
} // namespace veldo::e2e
