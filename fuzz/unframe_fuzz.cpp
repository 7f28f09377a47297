// Arbitrary bytes on the serial line: the unframer must never emit a damaged packet or read or write
// outside its frame buffer, and every packet it emits must frame back to a valid frame.

#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "drivers/common/framing.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    spectavo::drivers::Unframer unframer;
    for (std::size_t i = 0; i < size; ++i) {
        if (unframer.feed(data[i]) != spectavo::drivers::Unframer::Result::Packet)
            continue;
        const StationPacket &packet = unframer.packet();
        if (packet.length > 64)
            std::abort();
        spectavo::drivers::Unframer again;
        int packets = 0;
        for (std::uint8_t byte : spectavo::drivers::framePacket(packet))
            packets += again.feed(byte) == spectavo::drivers::Unframer::Result::Packet;
        if (packets != 1 || std::memcmp(&again.packet(), &packet, sizeof packet) != 0)
            std::abort();
    }
    return 0;
}
