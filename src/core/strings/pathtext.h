#pragma once

#include <string>

namespace spectavo::strings {

// A file name's extension in lower case, without the dot; empty when the last part of the path has
// none ("a.b/c" has none).
std::string lowerExtension(const std::string &path);

} // namespace spectavo::strings
