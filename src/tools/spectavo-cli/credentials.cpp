#include "credentials.h"

#include <cstdio>
#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

namespace spectavo::cli {
namespace {

// A line of at most this many bytes: a user id or a password, never a file.
constexpr std::size_t kLongestLine = 1024;

// A line read a byte at a time, so that nothing after it is taken from the descriptor.
std::optional<std::string> lineFrom(int descriptor) {
    std::string line;
    char byte = 0;
    for (;;) {
        const ssize_t got = read(descriptor, &byte, 1);
        if (got <= 0)
            return line.empty() ? std::nullopt : std::optional<std::string>(line);
        if (byte == '\n')
            return line;
        if (line.size() >= kLongestLine)
            return std::nullopt;
        line += byte;
    }
}

} // namespace

std::optional<std::string> Credentials::ask(const char *prompt, bool hidden) {
    if (m_descriptor >= 0)
        return lineFrom(m_descriptor);
    const int terminal = open("/dev/tty", O_RDWR | O_CLOEXEC);
    if (terminal < 0)
        return std::nullopt;
    termios saved{};
    const bool quiet = hidden && tcgetattr(terminal, &saved) == 0;
    if (quiet) {
        termios silent = saved;
        silent.c_lflag &= static_cast<tcflag_t>(~ECHO);
        tcsetattr(terminal, TCSAFLUSH, &silent);
    }
    if (write(terminal, prompt, std::char_traits<char>::length(prompt)) < 0) {
        close(terminal);
        return std::nullopt;
    }
    std::optional<std::string> line = lineFrom(terminal);
    if (quiet) {
        tcsetattr(terminal, TCSAFLUSH, &saved);
        [[maybe_unused]] const ssize_t newline = write(terminal, "\n", 1);
    }
    close(terminal);
    return line;
}

} // namespace spectavo::cli
