#pragma once

#include <string>
#include <string_view>

namespace spectavo {

// A multi-line memo is stored as one settings value: a line feed becomes the byte 1 and a carriage
// return the byte 2, so the value stays on its line.
std::string encodeMemo(std::string_view text);
std::string decodeMemo(std::string_view stored);
// A line added behind a memo's text (a note the program makes, such as points that never arrived).
void appendMemoLine(std::string &memo, std::string_view line);

} // namespace spectavo
