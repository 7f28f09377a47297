// The instrument's file store on the link: directory listing, download and delete, one packet at a
// time, each waiting for the program's acknowledgement.

#include <algorithm>
#include <cstring>

#include "core/link/commands.h"
#include "core/link/linkcodes.h"
#include "sim/virtualphotrak.h"

namespace spectavo::sim {
namespace {

StationPacket transferPacket(std::uint8_t type, const std::vector<std::uint8_t> &data) {
    StationPacket packet{};
    packet.code = type;
    packet.length = static_cast<unsigned char>(std::min<std::size_t>(data.size(), 64));
    std::memcpy(packet.data, data.data(), packet.length);
    return packet;
}

} // namespace

void VirtualPhotrak::sendDirectory() {
    m_transferQueue.clear();
    m_transferQueue.push_back(transferPacket(link::kPacketDirectory, {0}));
    for (const StoredFile &file : m_files) {
        std::vector<std::uint8_t> data(16, 0);
        data[0] = 1;
        std::copy_n(file.name.begin(), std::min<std::size_t>(file.name.size(), 12), data.begin() + 1);
        data[14] = file.handle[0];
        data[15] = file.handle[1];
        m_transferQueue.push_back(transferPacket(link::kPacketDirectory, data));
    }
    m_transferQueue.push_back(transferPacket(link::kPacketDirectory, {255}));
    m_awaitingAck = true;
    m_output.push_back(m_transferQueue.front());
}

void VirtualPhotrak::sendFile(std::array<std::uint8_t, 2> handle) {
    const auto file = std::find_if(m_files.begin(), m_files.end(),
                                   [&](const StoredFile &candidate) { return candidate.handle == handle; });
    if (file == m_files.end())
        return;
    m_transferQueue.clear();
    m_transferQueue.push_back(transferPacket(link::kPacketContent, {0}));
    for (std::size_t at = 0; at < file->content.size(); at += 63) {
        const std::size_t n = std::min<std::size_t>(63, file->content.size() - at);
        std::vector<std::uint8_t> data{static_cast<std::uint8_t>(n)};
        data.insert(data.end(), file->content.begin() + static_cast<std::ptrdiff_t>(at),
                    file->content.begin() + static_cast<std::ptrdiff_t>(at + n));
        m_transferQueue.push_back(transferPacket(link::kPacketContent, data));
    }
    m_transferQueue.push_back(transferPacket(link::kPacketContent, {255}));
    m_awaitingAck = true;
    m_output.push_back(m_transferQueue.front());
}

void VirtualPhotrak::deleteFile(std::array<std::uint8_t, 2> handle) {
    std::erase_if(m_files, [&](const StoredFile &file) { return file.handle == handle; });
    transmit(link::kPacketAcknowledgement, {link::kFileDelete, 0});
}

void VirtualPhotrak::acknowledged(std::uint8_t packetType) {
    if (!m_awaitingAck || m_transferQueue.empty() || m_transferQueue.front().code != packetType)
        return;
    m_transferQueue.pop_front();
    if (m_transferQueue.empty()) {
        m_awaitingAck = false;
        return;
    }
    m_output.push_back(m_transferQueue.front());
}

} // namespace spectavo::sim
