#pragma once

#include <cstdint>
#include <span>

namespace spectavo::link {

// Files the instrument stored in its older record layout are converted to the current layout before
// any view sees them. The layout marker is content byte 13: the current layout has its high four bits
// equal to the inverted low four bits (0xE1, 0xD2, ...).
bool isCurrentLayout(std::uint8_t marker);

enum class Conversion { Unchanged, Converted, Refused };

struct ConversionResult {
    Conversion conversion = Conversion::Unchanged;
    std::size_t contentBytes = 0; // the length of the converted record
};

// Converts the file buffer (17-byte header followed by the content) in place. Only the `received`
// content bytes are read; everything past them counts as zero. An older scan whose step index has no
// table entry is Refused and the buffer keeps the file as received.
ConversionResult convertOlderLayout(std::span<std::uint8_t> buffer, std::size_t received);

} // namespace spectavo::link
