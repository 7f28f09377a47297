// Arbitrary transfer contents into the older-layout conversion: it must read only what was received
// and write only inside the file buffer.

#include <algorithm>
#include <cstdint>
#include <vector>

#include "core/link/filetransfer.h"
#include "core/link/oldlayout.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    using spectavo::link::FileTransfer;
    // The first bytes choose the name, so every conversion case is reached.
    static const char *const kNames[] = {"A.wav", "B.qua", "C.fit", "D.STD", "E.mul", "F.dna"};
    if (size < 1)
        return 0;
    std::vector<std::uint8_t> content(data + 1, data + size);
    content.resize(std::max<std::size_t>(content.size(), 14), 0);
    const char *name = kNames[data[0] % 6];
    std::fill(content.begin(), content.begin() + 13, 0);
    std::copy(name, name + 5, content.begin());

    FileTransfer transfer;
    transfer.contentPacket(std::vector<std::uint8_t>{0});
    for (std::size_t at = 0; at < content.size(); at += 63) {
        const std::size_t n = std::min<std::size_t>(63, content.size() - at);
        std::vector<std::uint8_t> packet{static_cast<std::uint8_t>(n)};
        packet.insert(packet.end(), content.begin() + static_cast<std::ptrdiff_t>(at),
                      content.begin() + static_cast<std::ptrdiff_t>(at + n));
        transfer.contentPacket(packet);
    }
    transfer.contentPacket(std::vector<std::uint8_t>{255});
    return 0;
}
