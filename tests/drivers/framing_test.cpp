#include <cstring>

#include <gtest/gtest.h>

#include "drivers/common/framing.h"

namespace spectavo::drivers {
namespace {

StationPacket samplePacket() {
    StationPacket packet{};
    packet.code = 63;
    packet.length = 6;
    const std::uint8_t data[] = {0x7E, 0x7D, 0x00, 0xFF, 0x5E, 0x5D};
    std::memcpy(packet.data, data, sizeof data);
    return packet;
}

std::vector<StationPacket> unframeAll(Unframer &unframer, const std::vector<std::uint8_t> &bytes) {
    std::vector<StationPacket> packets;
    for (std::uint8_t byte : bytes)
        if (unframer.feed(byte) == Unframer::Result::Packet)
            packets.push_back(unframer.packet());
    return packets;
}

TEST(Crc16Ccitt, MatchesTheStandardCheckValue) {
    const char *check = "123456789";
    EXPECT_EQ(crc16Ccitt(reinterpret_cast<const std::uint8_t *>(check), 9), 0x29B1);
    EXPECT_EQ(crc16Ccitt(nullptr, 0), 0xFFFF);
}

TEST(Framing, StartAndEscapeBytesAreStuffed) {
    const std::vector<std::uint8_t> frame = framePacket(samplePacket());
    EXPECT_EQ(frame[0], kFrameStart);
    EXPECT_EQ(std::count(frame.begin(), frame.end(), kFrameStart), 1) << "only the start byte";
    // Header 00 3F 00 06, then 7E -> 7D 5E and 7D -> 7D 5D.
    EXPECT_EQ(std::vector<std::uint8_t>(frame.begin() + 1, frame.begin() + 11),
              (std::vector<std::uint8_t>{0x00, 0x3F, 0x00, 0x06, 0x7D, 0x5E, 0x7D, 0x5D, 0x00, 0xFF}));
}

TEST(Framing, RoundTripsThroughGarbageAndSplitReads) {
    std::vector<std::uint8_t> stream = {0x13, 0x37, 0x7D, 0xAA};
    const auto frame = framePacket(samplePacket());
    stream.insert(stream.end(), frame.begin(), frame.end());
    stream.insert(stream.end(), frame.begin(), frame.end());
    Unframer unframer;
    const auto packets = unframeAll(unframer, stream);
    ASSERT_EQ(packets.size(), 2u);
    const StationPacket expected = samplePacket();
    EXPECT_EQ(std::memcmp(&packets[0], &expected, sizeof(StationPacket)), 0);
    EXPECT_EQ(unframer.badFrames(), 0u) << "garbage before the first start byte is no frame";
}

TEST(Framing, DamagedFramesAreCountedAndTheStreamResynchronises) {
    auto damaged = framePacket(samplePacket());
    damaged[20] ^= 0x01;
    auto cut = framePacket(samplePacket());
    cut.resize(30);
    StationPacket tooLong = samplePacket();
    tooLong.length = 65;
    std::vector<std::uint8_t> stream = damaged;
    stream.insert(stream.end(), cut.begin(), cut.end());
    const auto bad = framePacket(tooLong);
    stream.insert(stream.end(), bad.begin(), bad.end());
    const auto good = framePacket(samplePacket());
    stream.insert(stream.end(), good.begin(), good.end());

    Unframer unframer;
    const auto packets = unframeAll(unframer, stream);
    EXPECT_EQ(packets.size(), 1u);
    EXPECT_EQ(unframer.badFrames(), 3u);
}

} // namespace
} // namespace spectavo::drivers
