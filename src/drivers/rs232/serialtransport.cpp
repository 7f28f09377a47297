#include "drivers/rs232/serialtransport.h"

#include <cerrno>
#include <fcntl.h>
#include <netdb.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/socket.h>
#include <termios.h>
#include <unistd.h>

namespace spectavo::drivers {
namespace {

speed_t baudConstant(int baud) {
    switch (baud) {
    case 9600:
        return B9600;
    case 19200:
        return B19200;
    case 38400:
        return B38400;
    case 57600:
        return B57600;
    case 230400:
        return B230400;
    default:
        return B115200;
    }
}

int openTcp(const std::string &address) {
    const std::size_t colon = address.rfind(':');
    if (colon == std::string::npos)
        return -1;
    addrinfo hints{};
    hints.ai_family = AF_UNSPEC;
    hints.ai_socktype = SOCK_STREAM;
    addrinfo *found = nullptr;
    if (getaddrinfo(address.substr(0, colon).c_str(), address.substr(colon + 1).c_str(), &hints, &found) != 0)
        return -1;
    int fd = -1;
    for (addrinfo *candidate = found; candidate && fd < 0; candidate = candidate->ai_next) {
        fd = socket(candidate->ai_family, candidate->ai_socktype | SOCK_CLOEXEC, candidate->ai_protocol);
        if (fd >= 0 && connect(fd, candidate->ai_addr, candidate->ai_addrlen) != 0) {
            ::close(fd);
            fd = -1;
        }
    }
    freeaddrinfo(found);
    if (fd >= 0) {
        const int on = 1;
        setsockopt(fd, IPPROTO_TCP, TCP_NODELAY, &on, sizeof on);
    }
    return fd;
}

int openSerial(const std::string &device, int baud) {
    const int fd = ::open(device.c_str(), O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return -1;
    termios settings{};
    if (tcgetattr(fd, &settings) != 0) {
        ::close(fd);
        return -1;
    }
    cfmakeraw(&settings);
    settings.c_cflag |= CLOCAL | CREAD;
    settings.c_cc[VMIN] = 0;
    settings.c_cc[VTIME] = 0;
    cfsetispeed(&settings, baudConstant(baud));
    cfsetospeed(&settings, baudConstant(baud));
    tcsetattr(fd, TCSANOW, &settings);
    return fd;
}

} // namespace

bool SerialTransport::open(const std::string &device, int baud) {
    close();
    m_fd = device.rfind("tcp:", 0) == 0 ? openTcp(device.substr(4)) : openSerial(device, baud);
    return m_fd >= 0;
}

void SerialTransport::close() {
    if (m_fd >= 0)
        ::close(m_fd);
    m_fd = -1;
}

SerialTransport::ReadResult SerialTransport::read(std::uint8_t *buffer, std::size_t capacity,
                                                  std::size_t &got, int timeoutMs, int stopFd) {
    got = 0;
    pollfd fds[2] = {{m_fd, POLLIN, 0}, {stopFd, POLLIN, 0}};
    const int ready = poll(fds, stopFd >= 0 ? 2 : 1, timeoutMs);
    if (ready < 0)
        return errno == EINTR ? ReadResult::Timeout : ReadResult::Closed;
    if (ready == 0)
        return ReadResult::Timeout;
    if (stopFd >= 0 && (fds[1].revents & POLLIN))
        return ReadResult::Closed;
    if (fds[0].revents & (POLLERR | POLLNVAL))
        return ReadResult::Closed;
    const ssize_t n = ::read(m_fd, buffer, capacity);
    if (n > 0) {
        got = static_cast<std::size_t>(n);
        return ReadResult::Data;
    }
    if (n < 0 && (errno == EAGAIN || errno == EINTR))
        return ReadResult::Timeout;
    return ReadResult::Closed; // end of file or an error: the port or the peer is gone
}

bool SerialTransport::writeAll(const std::uint8_t *data, std::size_t length) {
    while (length > 0) {
        const ssize_t n = ::write(m_fd, data, length);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            if (errno == EAGAIN) {
                pollfd out{m_fd, POLLOUT, 0};
                poll(&out, 1, 100);
                continue;
            }
            return false;
        }
        data += n;
        length -= static_cast<std::size_t>(n);
    }
    return true;
}

} // namespace spectavo::drivers
