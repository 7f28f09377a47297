#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "core/strings/translation.h"

namespace spectavo::link {

// What a stored record of the instrument's file store says of its own size. Packets lost or repeated
// in a transfer change the received size; a record that disagrees with its header is incomplete and
// is never handed on as a file.
inline constexpr const char *kIncompleteFile = SPECTAVO_TEXT("The file from the instrument is incomplete.");

// The file type index of the file management (0 .qua .. 7 .std) of a stored file's name; nothing for
// a name of no known type.
std::optional<int> storedFileType(const std::string &name);

// Whether a fixed-family record (.qua, .std, .mul, .dna, .phv, .wlv) holds what its header announces:
// exactly the size for the tables whose rows the header counts, at least the size for the validity
// records. Spectra and curves are checked by their decoders, which know their grids; for them and for
// unknown types this returns true.
bool storedRecordComplete(int typeIndex, std::span<const std::uint8_t> content);

} // namespace spectavo::link
