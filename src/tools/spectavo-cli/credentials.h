#pragma once

#include <optional>
#include <string>

namespace spectavo::cli {

// Where user ids and passwords come from: a file descriptor given with --password-fd N (one per
// line, for automation), else the terminal with the typing hidden. Never the command line.
class Credentials {
public:
    // -1: the terminal.
    explicit Credentials(int descriptor) : m_descriptor(descriptor) {}
    // The next line; nothing when there is none (end of input, no terminal).
    std::optional<std::string> ask(const char *prompt, bool hidden);

private:
    int m_descriptor;
};

} // namespace spectavo::cli
