#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace spectavo {

// Settings and data files are read whole; anything larger than this is not a file this program
// wrote, and reading it would only exhaust memory.
inline constexpr std::size_t kMaxTextFileBytes = std::size_t{256} * 1024 * 1024;

struct FileText {
    enum class Status { Read, Missing, Unreadable };
    Status status = Status::Missing;
    std::string text;
};

// Reads a whole file of at most kMaxTextFileBytes. A file that exists but cannot be read (or is too
// large) is Unreadable, so that a writer never mistakes it for a missing one and replaces it.
FileText readTextFile(const std::string &path);

// Replaces the file's content so that a crash or a failed write never leaves a half-written file:
// the text goes to a temporary file in the same directory, is flushed to disk, and is renamed over
// the old one. On failure the old file is untouched and false is returned.
bool writeFileAtomically(const std::string &path, std::string_view content);

} // namespace spectavo
