// One libFuzzer program per reader: FUZZ_ENTRY names the entry it was built for.
#include "fuzz/FuzzEntries.h"
#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    RunFuzzEntry(FUZZ_ENTRY, data, size);
    return 0;
}
