// A minimal PNG writer: 8-bit RGB, no compression (zlib stored blocks), so
// the harness needs no image library.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace veldo::e2e {

struct Image {
    int width = 0;
    int height = 0;
    std::vector<uint8_t> rgb; // width * height * 3 bytes, rows top to bottom
};

uint32_t Crc32(const uint8_t *data, size_t size, uint32_t crc = 0);
uint32_t Adler32(const uint8_t *data, size_t size);

std::vector<uint8_t> EncodePng(const Image &image);
bool WriteFile(const std::string &path, const std::vector<uint8_t> &bytes);

} // namespace veldo::e2e
