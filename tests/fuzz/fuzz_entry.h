// One fuzz input through the command-line parse, the load, the scan and the
// details of every function. Shared by the fuzzer and the regression test.
#pragma once

#include <cstddef>
#include <cstdint>

namespace veldo::fuzz {

int RunOneInput(const uint8_t *data, size_t size);

} // namespace veldo::fuzz
