#include "core/config/programdir.h"

#include "core/config/settingsfolder.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <limits.h>
#include <system_error>
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
    // Settings and the data files kept with them live in the settings folder, wherever that is.
    constexpr std::string_view kConfig = "../config/";
    if (converted.compare(0, kConfig.size(), kConfig) == 0)
        return settingsFolder().path + "/" + converted.substr(kConfig.size());
    const std::optional<std::string> directory = programDirectory();
    if (!directory)
        return converted;
    if (!directory->empty() && directory->back() == '/')
        return *directory + converted;
    return *directory + "/" + converted;
}

std::vector<std::string> driverDirectories() {
    const std::optional<std::string> directory = programDirectory();
    if (!directory)
        return {};
    return {*directory, *directory + "/../lib/spectavo/drivers"};
}

std::string programDataPath(std::string_view folder) {
    const std::string directory = programDirectory().value_or(".");
    const std::string beside = directory + "/" + std::string(folder);
    std::error_code error;
    if (std::filesystem::is_directory(beside, error))
        return beside;
    return directory + "/../share/spectavo/" + std::string(folder);
}

} // namespace spectavo
