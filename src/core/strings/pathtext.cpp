#include "core/strings/pathtext.h"

#include <algorithm>
#include <cctype>

namespace spectavo::strings {

std::string lowerExtension(const std::string &path) {
    const std::size_t dot = path.rfind('.');
    if (dot == std::string::npos || path.find('/', dot) != std::string::npos)
        return "";
    std::string extension = path.substr(dot + 1);
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return extension;
}

} // namespace spectavo::strings
