#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace spectavo::drivers {

// The line to the instrument: a serial port through termios (raw, 8N1, the given baud rate), or, for
// the virtual instrument served over the network, "tcp:HOST:PORT".
class SerialTransport {
public:
    SerialTransport() = default;
    ~SerialTransport() { close(); }
    SerialTransport(const SerialTransport &) = delete;
    SerialTransport &operator=(const SerialTransport &) = delete;

    bool open(const std::string &device, int baud);
    void close();
    bool isOpen() const { return m_fd >= 0; }
    int fd() const { return m_fd; }

    enum class ReadResult { Data, Timeout, Closed };
    // Waits up to timeoutMs for bytes; Closed when the line went away (the port vanished, the peer
    // hung up) or the stop descriptor became readable.
    ReadResult read(std::uint8_t *buffer, std::size_t capacity, std::size_t &got, int timeoutMs, int stopFd);
    bool writeAll(const std::uint8_t *data, std::size_t length);

private:
    int m_fd = -1;
};

} // namespace spectavo::drivers
