#include "core/config/atomicfile.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace spectavo {
namespace {

class FileDescriptor {
public:
    explicit FileDescriptor(int fd) : m_fd(fd) {}
    ~FileDescriptor() {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    FileDescriptor(const FileDescriptor &) = delete;
    FileDescriptor &operator=(const FileDescriptor &) = delete;
    int get() const { return m_fd; }
    bool close() {
        const int fd = m_fd;
        m_fd = -1;
        return ::close(fd) == 0;
    }

private:
    int m_fd;
};

bool writeAll(int fd, std::string_view content) {
    while (!content.empty()) {
        const ssize_t written = ::write(fd, content.data(), content.size());
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        content.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

// Writing through a symbolic link must replace the file it points to, not the link itself.
std::string resolvedTarget(const std::string &path) {
    char resolved[PATH_MAX];
    if (::realpath(path.c_str(), resolved))
        return resolved;
    return path;
}

} // namespace

FileText readTextFile(const std::string &path) {
    FileText result;
    // Non-blocking, so that a FIFO or a device named as an input cannot hold the program waiting for a
    // writer; anything but a regular file is refused before a byte is read.
    FileDescriptor fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY));
    if (fd.get() < 0) {
        result.status = errno == ENOENT ? FileText::Status::Missing : FileText::Status::Unreadable;
        return result;
    }
    struct stat info {};
    if (::fstat(fd.get(), &info) != 0 || !S_ISREG(info.st_mode) ||
        static_cast<std::size_t>(info.st_size) > kMaxTextFileBytes) {
        result.status = FileText::Status::Unreadable;
        return result;
    }
    result.text.reserve(static_cast<std::size_t>(info.st_size));
    char chunk[65536];
    for (;;) {
        const ssize_t got = ::read(fd.get(), chunk, sizeof chunk);
        if (got < 0) {
            if (errno == EINTR)
                continue;
            result.status = FileText::Status::Unreadable;
            result.text.clear();
            return result;
        }
        if (got == 0)
            break;
        if (result.text.size() + static_cast<std::size_t>(got) > kMaxTextFileBytes) {
            result.status = FileText::Status::Unreadable;
            result.text.clear();
            return result;
        }
        result.text.append(chunk, static_cast<std::size_t>(got));
    }
    result.status = FileText::Status::Read;
    return result;
}

bool writeFileAtomically(const std::string &path, std::string_view content) {
    const std::string target = resolvedTarget(path);
    std::string temporary = target + ".XXXXXX";
    FileDescriptor fd(::mkstemp(temporary.data()));
    if (fd.get() < 0)
        return false;

    struct stat existing {};
    const mode_t mode = ::stat(target.c_str(), &existing) == 0 ? (existing.st_mode & 07777) : 0644;
    const bool written =
        ::fchmod(fd.get(), mode) == 0 && writeAll(fd.get(), content) && ::fsync(fd.get()) == 0;
    const bool closed = fd.close();
    if (!written || !closed || ::rename(temporary.c_str(), target.c_str()) != 0) {
        ::unlink(temporary.c_str());
        return false;
    }
    return true;
}

} // namespace spectavo
