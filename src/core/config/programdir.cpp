#include "core/config/programdir.h"

#include <algorithm>
#include <cstdlib>
#include <limits.h>
#include <unistd.h>

namespace spectavo {

std::optional<std::string> programDirectory() {
    if (const char *overridden = std::getenv("SPECTAVO_PROGRAM_DIR"); overridden && *overridden)
        return std::string(overridden);

    char target[PATH_MAX];
    const ssize_t length = readlink("/proc/self/exe", target, sizeof target - 1);
    if (length <= 0)
        return std::nullopt;
    std::string executable(target, static_cast<std::size_t>(length));
    const std::size_t slash = executable.rfind('/');
    if (slash == std::string::npos)
        return std::nullopt;
    return slash == 0 ? std::string("/") : executable.substr(0, slash);
}

std::string configurationPath(std::string_view name) {
    std::string converted(name);
    std::replace(converted.begin(), converted.end(), '\\', '/');
    const std::optional<std::string> directory = programDirectory();
    if (!directory)
        return converted;
    if (!directory->empty() && directory->back() == '/')
        return *directory + converted;
    return *directory + "/" + converted;
}

} // namespace spectavo
