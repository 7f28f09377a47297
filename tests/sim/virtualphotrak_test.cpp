#include <gtest/gtest.h>

#include "core/link/bytes.h"
#include "core/link/commands.h"
#include "core/link/readingdecode.h"
#include "sim/virtualphotrak.h"

namespace spectavo::sim {
namespace {

StationPacket command(std::uint8_t code, std::vector<std::uint8_t> data = {}) {
    StationPacket packet{};
    packet.code = code;
    packet.length = static_cast<unsigned char>(data.size());
    std::copy(data.begin(), data.end(), packet.data);
    return packet;
}

std::vector<std::uint8_t> codes(const std::vector<StationPacket> &packets) {
    std::vector<std::uint8_t> result;
    for (const auto &packet : packets)
        result.push_back(packet.code);
    return result;
}

SimSettings quickSettings() {
    SimSettings settings;
    settings.bootSequence = false;
    return settings;
}

// Runs the instrument to `until` and returns what it sent, without the continuous readings and
// load reports that fill the gaps.
std::vector<StationPacket> answers(VirtualPhotrak &instrument, double until) {
    instrument.advance(until);
    std::vector<StationPacket> packets;
    for (const auto &packet : instrument.takeOutput())
        if (packet.code != 34 && packet.code != 3)
            packets.push_back(packet);
    return packets;
}

TEST(VirtualPhotrak, BootReportsEveryStateAndWaitsForTheAnswerToItsQuestion) {
    SimSettings settings;
    settings.askRecalibrate = true;
    VirtualPhotrak instrument(settings);
    instrument.powerOn(0.0);
    instrument.receive(command(link::kLinkRequest), 0.05);
    const auto untilQuestion = answers(instrument, 10.0);
    ASSERT_EQ(untilQuestion.size(), 7u);
    EXPECT_EQ(untilQuestion.back().data[0], 7) << "waits at state 7";
    instrument.receive(command(link::kConfirmNo), 10.0);
    const auto rest = answers(instrument, 20.0);
    std::vector<int> states;
    for (const auto &packet : rest)
        if (packet.code == 5)
            states.push_back(packet.data[0]);
    EXPECT_EQ(states, (std::vector<int>{8, 9, 10, 11, 12, 13, 15})) << "no file system error";
    EXPECT_EQ(rest.back().code, 0) << "the early link request is answered after the boot";
    EXPECT_TRUE(instrument.linked());
}

TEST(VirtualPhotrak, BootWithoutQuestionsPassesTheirStatesSilently) {
    VirtualPhotrak instrument(SimSettings{});
    instrument.powerOn(0.0);
    std::vector<int> states;
    for (const auto &packet : answers(instrument, 30.0))
        if (packet.code == 5)
            states.push_back(packet.data[0]);
    EXPECT_EQ(states, (std::vector<int>{1, 2, 3, 4, 5, 6, 8, 9, 10, 11, 12, 13, 15}))
        << "states 7 and 14 would make the program ask a question nobody waits for";
}

TEST(VirtualPhotrak, HandshakeAnswersEveryQuery) {
    VirtualPhotrak instrument(quickSettings());
    instrument.powerOn(0.0);
    for (std::uint8_t query : {link::kLinkRequest, link::kQueryModel, link::kQueryVersion,
                               link::kQueryHardware, link::kQuerySerial, link::kQueryStatus})
        instrument.receive(command(query), 0.0);
    const auto sent = answers(instrument, 0.0);
    const auto types = codes(sent);
    EXPECT_EQ(std::vector<std::uint8_t>(types.begin(), types.begin() + 6),
              (std::vector<std::uint8_t>{0, 7, 11, 8, 31, 9}));
    EXPECT_EQ(std::count(types.begin(), types.end(), 16), 10) << "status items 0 to 9";
    EXPECT_EQ((sent[3].data[2] & 0x0F), 3) << "double beam with gains: layout 3";
}

TEST(VirtualPhotrak, PositionReportComesBeforeTheAcknowledgement) {
    VirtualPhotrak instrument(quickSettings());
    instrument.powerOn(0.0);
    instrument.receive(command(link::kGotoWavelength, {0, 0, 0x19, 0xA1}), 1.0);
    EXPECT_TRUE(answers(instrument, 1.01).empty()) << "the drive takes time to travel";
    const auto sent = answers(instrument, 2.0);
    ASSERT_GE(sent.size(), 2u);
    EXPECT_EQ(sent[0].code, 24);
    EXPECT_EQ(link::readU16(std::span<const std::uint8_t>(sent[0].data, 2), 0), 6561);
    EXPECT_EQ(sent[1].code, 255);
    EXPECT_EQ(sent[1].data[0], link::kGotoWavelength);
}

TEST(VirtualPhotrak, ScanRunsFromTheHighToTheLowWavelength) {
    VirtualPhotrak instrument(quickSettings());
    instrument.powerOn(0.0);
    instrument.receive(command(link::kScanSetup, {0, 0, 0x1B, 0x58, 0, 0, 0x1B, 0x4E, 0, 5, 1}),
                       0.0); // 700 .. 699
    instrument.receive(command(link::kStartScanAbsorbance), 0.0);
    const auto sent = answers(instrument, 5.0);
    const auto types = codes(sent);
    ASSERT_EQ(types, (std::vector<std::uint8_t>{49, 63, 63, 63, 56}));
    EXPECT_EQ(link::decodeReading(std::span<const std::uint8_t>(sent[1].data, 14), 2, true).wavelengthTenths,
              7000);
    EXPECT_EQ(link::decodeReading(std::span<const std::uint8_t>(sent[3].data, 14), 2, true).wavelengthTenths,
              6990);
}

TEST(VirtualPhotrak, SameInputsGiveTheSamePackets) {
    auto run = [] {
        VirtualPhotrak instrument(quickSettings());
        instrument.powerOn(0.0);
        instrument.receive(command(link::kSelectCell, {1}), 0.0);
        instrument.receive(command(link::kScanSetup, {0, 0, 0x1B, 0x58, 0, 0, 0x0F, 0xA0, 0, 5, 1}), 2.0);
        instrument.receive(command(link::kStartScanAbsorbance), 2.0);
        instrument.advance(30.0);
        return instrument.takeOutput();
    };
    const auto first = run();
    const auto second = run();
    ASSERT_EQ(first.size(), second.size());
    for (std::size_t i = 0; i < first.size(); ++i)
        ASSERT_EQ(std::memcmp(&first[i], &second[i], sizeof(StationPacket)), 0) << "packet " << i;
}

TEST(VirtualPhotrak, TransferWaitsForEachAcknowledgement) {
    VirtualPhotrak instrument(quickSettings());
    instrument.powerOn(0.0);
    instrument.receive(command(link::kFileDirectory), 0.0);
    auto sent = answers(instrument, 1.0);
    ASSERT_EQ(sent.size(), 1u);
    EXPECT_EQ(sent[0].code, 128);
    EXPECT_EQ(sent[0].data[0], 0);
    instrument.receive(command(link::kTransferAck, {0x80}), 1.0);
    sent = answers(instrument, 2.0);
    ASSERT_EQ(sent.size(), 1u);
    EXPECT_EQ(sent[0].data[0], 1) << "the first entry, only after the acknowledgement";
    instrument.receive(command(link::kTransferAck, {0x82}), 2.0);
    EXPECT_TRUE(answers(instrument, 3.0).empty()) << "the wrong acknowledgement moves nothing";
}

TEST(VirtualPhotrak, ReactionLosesAbsorbanceAtItsRate) {
    const Sample reaction = namedSample("reaction");
    EXPECT_NEAR(reaction.absorbance(340.0, 0.0, 60.0) - reaction.absorbance(340.0, 0.0, 0.0), -0.05, 1e-9);
    const Sample nucleic = namedSample("nucleic");
    const double ratio = nucleic.absorbance(260.0, 2.0, 0.0) / nucleic.absorbance(280.0, 2.0, 0.0);
    EXPECT_NEAR(ratio, 1.9, 0.1);
    EXPECT_LT(nucleic.absorbance(320.0, 2.0, 0.0), 0.03);
}

} // namespace
} // namespace spectavo::sim
