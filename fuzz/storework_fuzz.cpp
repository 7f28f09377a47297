// Work waiting in a workstation's outbox file: anything that can write the file can write its rows.
// Reading them must give the work or nothing, and work read back must write the same bytes.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "store/storework.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char *>(data), size);
    if (const auto work = spectavo::store::decodeWork(input);
        work && spectavo::store::encodeWork(*work) != input)
        std::abort();
    return 0;
}
