#include "fuzz/fuzz_entry.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    return veldo::fuzz::RunOneInput(data, size);
}
