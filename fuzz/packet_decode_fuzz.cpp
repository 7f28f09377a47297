// Arbitrary packet streams from a misbehaving instrument or driver, decoded with an acquisition of
// every mode open: no read or write outside the packet, the targets or the buffers.

#include <atomic>
#include <cstdint>
#include <cstring>
#include <memory>
#include <vector>

#include "core/link/stationlink.h"

namespace {

using namespace spectavo::link;

class NullTarget : public NotifyTarget {
public:
    void post(const Notification &) override {}
};

class Spectrum : public ScanTarget {
public:
    explicit Spectrum(std::size_t points) : m_points(points), m_cursor(static_cast<int>(points) - 1) {}
    std::span<float> scanPoints() override { return m_points; }
    // 499.0 nm up in tenths, so that wavelengths of the stream land on the grid and beside it.
    int gridIndex(std::uint32_t tenths) const override {
        return gridIndexOf(499.0, 0.1, m_points.size(), tenths);
    }
    std::atomic<int> &arrivedCount() override { return m_arrived; }
    std::atomic<int> &fillCursor() override { return m_cursor; }
    std::atomic<bool> &acquiringFlag() override { return m_acquiring; }
    void releasePin() override {}

private:
    std::vector<float> m_points;
    std::atomic<int> m_cursor;
    std::atomic<bool> m_acquiring{true};
    std::atomic<int> m_arrived{0};
};

// No driver is bound: every send counts as accepted and goes nowhere.
StationLink &link() {
    static StationLink instance(std::make_unique<SymbolTableLoader>());
    return instance;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    if (size < 2)
        return 0;
    StationLink &station = link();
    NullTarget window;
    station.setMainTarget(&window);
    Spectrum target(data[0] % 8), second(data[1] % 8);
    std::atomic<float> blank{0.0f}, result{0.0f};

    const int mode = data[0] % 10;
    if (mode == kModeWaveScan)
        station.operations().StartScan(data[1] % 4, &target, data[1] & 4 ? &second : nullptr, &window);
    else if (mode == kModeGotoAndRead || mode == kModeGotoAndReadout)
        station.operations().GotoAndRead(mode, 500.0f, &blank, &result, &window);
    else if (mode == kModeTakeBlank)
        station.operations().TakeBlank(&window);
    else if (mode != kModeTimedSampling)
        station.operations().OpenAcquisition(&window, mode);
    station.operations().ArmAcquisition();
    station.config().beamType = data[1] % 4;

    // The rest is a stream of packets: code, length, then up to 64 bytes.
    std::size_t at = 2;
    while (at + 2 <= size) {
        StationPacket packet{};
        packet.code = data[at];
        packet.length = data[at + 1];
        at += 2;
        const std::size_t available = std::min<std::size_t>({size - at, 64, packet.length});
        std::memcpy(packet.data, data + at, available);
        at += available;
        // A handshake would pause between queries; keep fuzzing fast.
        if (packet.code == 0 && packet.data[0] == 1)
            continue;
        station.decodePacket(packet);
    }
    station.operations().CloseAcquisition();
    station.setMainTarget(nullptr);
    return 0;
}
