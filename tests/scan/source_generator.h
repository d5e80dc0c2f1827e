// Random C-like source files for comparing the scanner with the reference.
#pragma once

#include <cstdint>
#include <string>

namespace veldo::test {

// About `lines` lines of C-like text, the same bytes for the same seed on
// every platform and standard library. The seed also picks the mix: some
// files are mostly ordinary code, others are dense with comments, quotes,
// control characters, odd line ends, lines longer than one read and other
// text that the scanner's rules treat in unusual ways.
std::string GenerateSource(uint32_t seed, int lines);

} // namespace veldo::test
