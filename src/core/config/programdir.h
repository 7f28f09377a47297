#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace spectavo {

// The directory of the running program: SPECTAVO_PROGRAM_DIR when set (tests, portable installs),
// else the directory of /proc/self/exe. Empty when neither can be obtained.
std::optional<std::string> programDirectory();

// The path of a configuration name such as "..\config\tarvesta.zav.station.ini": the program
// directory, a separator and the name with its backslashes turned into slashes. When the program
// directory is unknown the converted name itself is the path.
std::string configurationPath(std::string_view name);

} // namespace spectavo
