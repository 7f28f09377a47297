// photrak-sim: the virtual Photrak as a process, speaking the framed serial protocol on a
// pseudo-terminal (its path is printed) or on a TCP port, so the rs232 driver can be used against it.
//
//   photrak-sim [--tcp PORT] [--config FILE] [--speed FACTOR] [--seed N] [--no-boot]
//               [--drop P] [--corrupt P] [--duplicate P] [--garbage SECONDS]

#include <arpa/inet.h>
#include <cerrno>
#include <chrono>
#include <cmath>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <netinet/in.h>
#include <poll.h>
#include <random>
#include <string>
#include <sys/socket.h>
#include <termios.h>
#include <unistd.h>

#include "core/config/profilefile.h"
#include "drivers/common/framing.h"
#include "sim/virtualphotrak.h"

namespace {

using namespace spectavo;

struct Options {
    int tcpPort = -1;
    std::string config;
    double speed = -1.0;
    long seed = -1;
    bool noBoot = false;
    double drop = 0.0, corrupt = 0.0, duplicate = 0.0;
    double garbageEvery = -1.0;
};

bool parse(int argc, char **argv, Options &options) {
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        auto value = [&]() -> const char * { return i + 1 < argc ? argv[++i] : nullptr; };
        const char *v = nullptr;
        if (arg == "--no-boot")
            options.noBoot = true;
        else if ((arg == "--tcp") && (v = value()))
            options.tcpPort = std::atoi(v);
        else if (arg == "--config" && (v = value()))
            options.config = v;
        else if (arg == "--speed" && (v = value()))
            options.speed = std::atof(v);
        else if (arg == "--seed" && (v = value()))
            options.seed = std::atol(v);
        else if (arg == "--drop" && (v = value()))
            options.drop = std::atof(v);
        else if (arg == "--corrupt" && (v = value()))
            options.corrupt = std::atof(v);
        else if (arg == "--duplicate" && (v = value()))
            options.duplicate = std::atof(v);
        else if (arg == "--garbage" && (v = value()))
            options.garbageEvery = std::atof(v);
        else
            return false;
    }
    return true;
}

int openPseudoTerminal() {
    const int master = posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (master < 0 || grantpt(master) != 0 || unlockpt(master) != 0)
        return -1;
    termios raw{};
    tcgetattr(master, &raw);
    cfmakeraw(&raw);
    tcsetattr(master, TCSANOW, &raw);
    std::printf("%s\n", ptsname(master));
    std::fflush(stdout);
    return master;
}

int acceptTcp(int port) {
    const int server = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    const int on = 1;
    setsockopt(server, SOL_SOCKET, SO_REUSEADDR, &on, sizeof on);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(static_cast<std::uint16_t>(port));
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    if (bind(server, reinterpret_cast<sockaddr *>(&address), sizeof address) != 0 || listen(server, 1) != 0)
        return -1;
    std::printf("tcp:127.0.0.1:%d\n", port);
    std::fflush(stdout);
    const int line = accept4(server, nullptr, nullptr, SOCK_CLOEXEC);
    close(server);
    return line;
}

// False only when the line is gone for good. Output nobody reads (no program on the pseudo-terminal
// yet) is dropped after a short wait, as a real instrument's would be lost on an unplugged cable.
bool writeAll(int fd, const std::vector<std::uint8_t> &bytes) {
    std::size_t done = 0;
    int stalls = 0;
    while (done < bytes.size()) {
        const ssize_t n = write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0 && (errno == EAGAIN || errno == EIO)) {
            if (++stalls > 5)
                return true;
            pollfd out{fd, POLLOUT, 0};
            poll(&out, 1, 10);
            continue;
        }
        if (n <= 0)
            return false;
        done += static_cast<std::size_t>(n);
    }
    return true;
}

sim::SimSettings settingsFrom(const Options &options) {
    sim::SimSettings settings;
    settings.load(options.config.empty() ? ProfileFile(sim::SimSettings::kFileName, true)
                                         : ProfileFile(options.config, false));
    if (options.speed > 0)
        settings.speedFactor = options.speed;
    if (options.seed >= 0)
        settings.seed = static_cast<std::uint64_t>(options.seed);
    if (options.noBoot)
        settings.bootSequence = false;
    return settings;
}

// The instrument on its line: its packets out, with the faults asked for, and the commands in.
class LineSession {
public:
    LineSession(int line, const Options &options, const sim::SimSettings &settings)
        : m_line(line), m_options(options), m_speed(settings.speedFactor), m_instrument(settings),
          m_random(settings.seed), m_nextGarbage(options.garbageEvery > 0 ? options.garbageEvery : INFINITY) {
    }

    // Runs until the other side closes the line.
    void run() {
        m_instrument.powerOn(0.0);
        for (;;) {
            const double now = simNow();
            m_instrument.advance(now);
            if (!sendOutput() || !sendGarbageWhenDue(now) || !receive(waitMilliseconds(now)))
                return;
        }
    }

private:
    double simNow() const {
        return std::chrono::duration<double>(std::chrono::steady_clock::now() - m_started).count() * m_speed;
    }

    bool sendOutput() {
        for (StationPacket packet : m_instrument.takeOutput()) {
            if (m_chance(m_random) < m_options.drop)
                continue;
            if (m_chance(m_random) < m_options.corrupt && packet.length > 0)
                packet.data[m_random() % packet.length] ^= 0x10;
            const std::vector<std::uint8_t> frame = drivers::framePacket(packet);
            if (!writeAll(m_line, frame))
                return false;
            if (m_chance(m_random) < m_options.duplicate && !writeAll(m_line, frame))
                return false;
        }
        return true;
    }

    // Noise on the line: bytes that belong to no frame.
    bool sendGarbageWhenDue(double now) {
        if (now < m_nextGarbage)
            return true;
        const std::vector<std::uint8_t> garbage = {0x00, 0x7E, 0x13, 0x37, 0xFF, 0x7D, 0x7E, 0x42};
        m_nextGarbage += m_options.garbageEvery;
        return writeAll(m_line, garbage);
    }

    int waitMilliseconds(double now) const {
        const double next = std::min(m_instrument.nextEventTime(), m_nextGarbage);
        return std::isfinite(next) ? static_cast<int>(std::clamp((next - now) / m_speed * 1000.0, 0.0, 200.0))
                                   : 200;
    }

    // False when the line has closed.
    bool receive(int waitMs) {
        pollfd input{m_line, POLLIN, 0};
        if (poll(&input, 1, waitMs) <= 0)
            return true;
        std::uint8_t buffer[4096];
        const ssize_t n = read(m_line, buffer, sizeof buffer);
        if (n <= 0) {
            if (n < 0 && errno == EIO && m_options.tcpPort < 0) {
                usleep(20000); // no program has the pseudo-terminal open (yet, or any more)
                return true;
            }
            return n < 0 && (errno == EINTR || errno == EAGAIN);
        }
        for (ssize_t i = 0; i < n; ++i)
            if (m_unframer.feed(buffer[i]) == drivers::Unframer::Result::Packet)
                m_instrument.receive(m_unframer.packet(), simNow());
        return true;
    }

    const int m_line;
    const Options &m_options;
    const double m_speed;
    sim::VirtualPhotrak m_instrument;
    const std::chrono::steady_clock::time_point m_started = std::chrono::steady_clock::now();
    drivers::Unframer m_unframer;
    std::mt19937_64 m_random;
    std::uniform_real_distribution<> m_chance{0.0, 1.0};
    double m_nextGarbage;
};

} // namespace

constexpr const char *kUsage =
    "usage: photrak-sim [--tcp PORT] [--config FILE] [--speed FACTOR] [--seed N] [--no-boot]\n"
    "                   [--drop P] [--corrupt P] [--duplicate P] [--garbage SECONDS]\n"
    "The virtual Photrak spectrophotometer as a process: on a pseudo-terminal (its path is printed)\n"
    "or, with --tcp, on a TCP port of the loopback address, for the serial hub driver.\n"
    "  --tcp PORT          listen on 127.0.0.1:PORT instead of a pseudo-terminal\n"
    "  --config FILE       the instrument's settings (default: the sim settings of Spectavo)\n"
    "  --speed FACTOR      run the instrument's clock FACTOR times faster\n"
    "  --seed N            the seed of the readings' noise\n"
    "  --no-boot           start linked, without the boot sequence\n"
    "  --drop P, --corrupt P, --duplicate P\n"
    "                      lose, damage or repeat each frame with probability P\n"
    "  --garbage SECONDS   write bytes that belong to no frame every SECONDS\n"
    "  --help, --version   this text; the version\n";

int main(int argc, char **argv) {
    Options options;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--help" || arg == "-h") {
            std::fputs(kUsage, stdout);
            return 0;
        }
        if (arg == "--version") {
            std::printf("photrak-sim %s\n", SPECTAVO_VERSION);
            return 0;
        }
    }
    if (!parse(argc, argv, options)) {
        std::fputs(kUsage, stderr);
        return 2;
    }
    std::signal(SIGPIPE, SIG_IGN);
    const sim::SimSettings settings = settingsFrom(options);
    const int line = options.tcpPort >= 0 ? acceptTcp(options.tcpPort) : openPseudoTerminal();
    if (line < 0) {
        std::fprintf(stderr, "photrak-sim: cannot open the line: %s\n", std::strerror(errno));
        return 1;
    }
    fcntl(line, F_SETFL, fcntl(line, F_GETFL) | O_NONBLOCK);
    LineSession(line, options, settings).run();
    return 0;
}
