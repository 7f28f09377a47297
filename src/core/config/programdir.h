#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace spectavo {

// The directory of the running program: SPECTAVO_PROGRAM_DIR when set (tests, portable installs),
// else the directory of /proc/self/exe. Empty when neither can be obtained.
std::optional<std::string> programDirectory();

// The path of a configuration name such as "..\config\tarvesta.zav.station.ini": a name in "config"
// lies in the settings folder (settingsfolder.h); any other, the program directory, a separator and
// the name with its backslashes turned into slashes. When the program directory is unknown the
// converted name itself is the path.
std::string configurationPath(std::string_view name);

// Where the hub drivers lie: beside the program (the build tree, a portable copy), then in an
// installation's lib/spectavo/drivers.
std::vector<std::string> driverDirectories();

// A folder of the program's own read-only files ("help", "translations"): beside the program when it
// is there (the build tree), else in the installation's share/spectavo.
std::string programDataPath(std::string_view folder);

} // namespace spectavo
