#include <gtest/gtest.h>

#include "core/link/bytes.h"
#include "support/linkfixture.h"

namespace spectavo::link {
namespace {

using test::packet;
using test::readingRecord;

class PacketDecodeTest : public ::testing::Test {
protected:
    test::LinkFixture fixture;
    StationLink &link = *fixture.link;
    test::RecordingTarget &main = fixture.main;
    test::RecordingTarget &window = fixture.window;
    void decode(std::uint8_t type, std::vector<std::uint8_t> data) {
        link.decodePacket(packet(type, std::move(data)));
    }
};

TEST_F(PacketDecodeTest, HandshakeQueriesInOrderThenGoesOnlineThenSendsTheScanSetup) {
    link.setScanSetupProvider([] { return scanSetupMessage(1100.0f, 190.0f, 0.1f, 1); });
    decode(0, {1});
    EXPECT_EQ(test::sentCommands(),
              (std::vector<test::SentCommand>{
                  {kQueryModel, {}},
                  {kQueryVersion, {}},
                  {kQueryHardware, {}},
                  {kQuerySerial, {}},
                  {kQueryStatus, {}},
                  {kScanSetup, {0x00, 0x00, 0x2A, 0xF8, 0x00, 0x00, 0x07, 0x6C, 0x00, 0x01, 0x01}},
              }));
    EXPECT_EQ(link.status().linkOnline.load(), 1);
    EXPECT_EQ(link.status().stationReady.load(), 1);
    EXPECT_TRUE(main.received(Notification::station(1, 0)));
}

TEST_F(PacketDecodeTest, HandshakeSkipsTheScanSetupWhileAnAcquisitionIsOpen) {
    link.setScanSetupProvider([] { return scanSetupMessage(1100.0f, 190.0f, 0.1f, 1); });
    link.operations().OpenAcquisition(&window, kModeCellReading);
    decode(0, {1});
    EXPECT_EQ(test::sentCommands().size(), 5u);
}

TEST_F(PacketDecodeTest, LinkStatePackets) {
    link.status().linkOnline = 1;
    decode(0, {0});
    EXPECT_EQ(link.status().linkOnline.load(), 0);
    decode(0, {255});
    EXPECT_EQ(test::sentCommands(), (std::vector<test::SentCommand>{{kLinkRequest, {}}}));
    link.status().linkOnline = 1;
    main.clear();
    decode(2, {});
    EXPECT_EQ(main.posted(),
              (std::vector<Notification>{Notification::station(1, 0), Notification::station(1, 2)}));
    EXPECT_EQ(link.status().linkOnline.load(), 0);
}

TEST_F(PacketDecodeTest, HardwareWordGivesTheOpticalLayout) {
    const std::pair<int, std::pair<int, int>> cases[] = {
        {0, {2, 0}}, {1, {0, 1}}, {2, {1, 2}}, {3, {2, 2}}, {15, {2, 2}}};
    for (const auto &[layout, expected] : cases) {
        decode(8, {0x00, 0x00, static_cast<std::uint8_t>(layout), 0x42});
        EXPECT_EQ(link.config().beamType.load(), expected.first) << layout;
        EXPECT_EQ(link.config().channels.load(), expected.second) << layout;
    }
    EXPECT_EQ(link.status().hardwareWord.load(), 0x0F42u);
}

TEST_F(PacketDecodeTest, TextsAreCutToTheirFieldsAndStopAtTheTerminator) {
    decode(7, {'P', 'h', 'o', 't', 'r', 'a', 'k', '-', '1', '9', '0', '0', 'X'});
    EXPECT_EQ(link.status().modelName.get(), "Photrak-19");
    decode(9, {'S', 'N', '4', '2', 0, 'x'});
    EXPECT_EQ(link.status().serialText.get(), "SN42");
    StationPacket unterminated = packet(10, std::vector<std::uint8_t>(64, 'v'));
    link.decodePacket(unterminated);
    EXPECT_EQ(link.status().versionText.get(), std::string(19, 'v'));
}

TEST_F(PacketDecodeTest, NothingPastTheLengthIsRead) {
    StationPacket p = packet(7, {'A', 'B'});
    p.data[2] = 'C'; // beyond the length: not part of the packet
    link.decodePacket(p);
    EXPECT_EQ(link.status().modelName.get(), "AB");
}

TEST_F(PacketDecodeTest, AccessoryChangesFromStatusItems) {
    link.status().cellCount = 4;
    decode(16, {0, 4});
    EXPECT_EQ(link.status().accessoryChanged.load(), 0);
    decode(16, {8, 1});
    EXPECT_EQ(link.status().accessoryChanged.load(), 1);
    EXPECT_EQ(link.status().sipperPresent.load(), 1);
    link.status().accessoryChanged = 0;
    decode(16, {0, 4});
    EXPECT_EQ(link.status().accessoryChanged.load(), 1) << "the sipper went away";
    decode(16, {11, 1});
    EXPECT_EQ(link.status().d2EnergyStatus.load(), 0);
    decode(16, {77, 1});
    EXPECT_TRUE(main.received(Notification::station(16, 77))) << "unknown items are still posted";
}

TEST_F(PacketDecodeTest, SimpleStatusPackets) {
    decode(3, {0, 0, 1, 0, 37});
    EXPECT_EQ(link.status().cpuCounter.load(), 256u);
    EXPECT_TRUE(main.received(Notification::station(3, 37)));
    decode(17, {1, 1});
    decode(17, {0, 7});
    EXPECT_EQ(link.status().wLampOn.load(), 1);
    EXPECT_EQ(link.status().d2LampOn.load(), 0);
    decode(19, {0, 0, 0x0D, 0x48});
    EXPECT_FLOAT_EQ(link.status().switchPointNm.load(), 340.0f);
    decode(24, {0x19, 0xA1});
    EXPECT_EQ(link.status().currentWavelengthTenths.load(), 6561);
    decode(31, {2, 2, 0x2A, 0xF8, 0x07, 0x6C, 25, 1, 2, 3, 4, 5, 6});
    EXPECT_EQ(link.config().wlMaxTenths.load(), 11000);
    EXPECT_EQ(link.config().wlMinTenths.load(), 1900);
    EXPECT_EQ(link.config().stepsPerNm.load(), 25);
    decode(42, {3, 0x01, 0x02, 0x03, 0x04});
    EXPECT_EQ(link.status().darkSample[3].load(), 0x0102);
    EXPECT_EQ(link.status().darkReference[3].load(), 0x0304);
    decode(42, {20, 0x01, 0x02, 0x03, 0x04}); // no such level
}

TEST_F(PacketDecodeTest, CellArrivalReachesOnlyAnOpenAcquisition) {
    link.status().requestedCell = 2;
    decode(21, {2});
    EXPECT_EQ(window.count(NotifyKind::Acquisition, 3), 0);
    link.operations().OpenAcquisition(&window, kModeCellReading);
    decode(21, {2});
    EXPECT_TRUE(window.received(Notification::acquisition(3, 0)));
}

TEST_F(PacketDecodeTest, AcknowledgedMoveArmsOnlyAtTheTarget) {
    std::atomic<float> blank{0.0f}, result{0.0f};
    link.operations().GotoAndRead(kModeGotoAndRead, 500.0f, &blank, &result, &window);
    decode(23, {0x13, 0x87}); // 499.9 nm
    decode(255, {kGotoWavelength, 0});
    EXPECT_EQ(link.acquisition().armed.load(), 0);
    EXPECT_TRUE(main.received(Notification::station(1, 0)));
    EXPECT_TRUE(window.received(Notification::acquisition(255, kGotoWavelength)));
    decode(23, {0x13, 0x88});
    decode(255, {kGotoWavelength, 0});
    EXPECT_EQ(link.acquisition().armed.load(), 1);
}

TEST_F(PacketDecodeTest, ModeTwoTakesOneReadingModeSevenKeepsReading) {
    std::atomic<float> blank{0.1f}, result{0.0f};
    const auto reading = readingRecord(5000, 1000, 0, 500.0f, 0.0f); // A = 0.30103
    link.operations().GotoAndRead(kModeGotoAndRead, 500.0f, &blank, &result, &window);
    link.operations().ArmAcquisition();
    decode(34, reading);
    decode(34, reading);
    EXPECT_NEAR(result.load(), 0.20103f, 1e-5);
    EXPECT_EQ(window.count(NotifyKind::Acquisition, 0), 1);

    link.operations().CloseAcquisition();
    window.clear();
    link.operations().GotoAndRead(kModeGotoAndReadout, 500.0f, &blank, &result, &window);
    decode(32, readingRecord(5000, 1000, 0, 1000.0f, 0.0f)); // blank reading: A = 0
    EXPECT_NEAR(blank.load(), 0.0f, 1e-6);
    EXPECT_TRUE(window.received(Notification::acquisition(32, 0)));
    decode(34, reading);
    decode(34, reading);
    EXPECT_EQ(window.count(NotifyKind::Acquisition, 0), 2);
    EXPECT_NEAR(result.load(), 0.30103f, 1e-5);
    EXPECT_NEAR(link.acquisition().lastAbsorbance.load(), 0.30103f, 1e-5);
}

// Whoever hears of a new reading must find it stored: the value, its wavelength and its serial are
// in place when the notification is posted, whichever mode announces it.
class ReadingWitness : public NotifyTarget {
public:
    explicit ReadingWitness(Acquisition &acquisition) : m_acquisition(acquisition) {}
    void post(const Notification &notification) override {
        if (notification.code == kAcqNewData || notification.code == kAcqCellReading)
            seen.push_back({m_acquisition.lastAbsorbance.load(), m_acquisition.lastReadingTenths.load(),
                            m_acquisition.readingSerial.load()});
    }
    struct Seen {
        float absorbance;
        int tenths;
        std::uint32_t serial;
    };
    std::vector<Seen> seen;

private:
    Acquisition &m_acquisition;
};

TEST_F(PacketDecodeTest, AReadingIsStoredBeforeItIsAnnounced) {
    ReadingWitness witness(link.acquisition());
    std::atomic<float> blank{0.0f}, result{0.0f};
    const std::uint32_t before = link.acquisition().readingSerial.load();
    link.operations().GotoAndRead(kModeGotoAndRead, 500.0f, &blank, &result, &witness);
    link.operations().ArmAcquisition();
    decode(34, readingRecord(5000, 1000, 0, 500.0f, 0.0f)); // A = 0.30103
    link.operations().CloseAcquisition();
    link.operations().OpenAcquisition(&witness, kModeCellReading);
    link.operations().ArmAcquisition();
    decode(34, readingRecord(5000, 1000, 0, 100.0f, 0.0f)); // A = 1
    ASSERT_EQ(witness.seen.size(), 2u);
    EXPECT_NEAR(witness.seen[0].absorbance, 0.30103f, 1e-5);
    EXPECT_EQ(witness.seen[0].tenths, 5000);
    EXPECT_EQ(witness.seen[0].serial, before + 1);
    EXPECT_NEAR(witness.seen[1].absorbance, 1.0f, 1e-5);
    EXPECT_EQ(witness.seen[1].serial, before + 2);
    link.operations().CloseAcquisition();
}

// A reading from another wavelength (the drive still on its way) is no reading of the readout.
TEST_F(PacketDecodeTest, AReadoutTakesOnlyReadingsOfItsOwnWavelength) {
    std::atomic<float> blank{0.0f}, result{-1.0f};
    link.operations().GotoAndRead(kModeGotoAndReadout, 500.0f, &blank, &result, &window);
    link.operations().ArmAcquisition();
    decode(34, readingRecord(4800, 1000, 0, 500.0f, 0.0f));
    EXPECT_EQ(result.load(), -1.0f);
    EXPECT_EQ(window.count(NotifyKind::Acquisition, 0), 0);
    decode(34, readingRecord(5000, 1000, 0, 500.0f, 0.0f));
    EXPECT_NEAR(result.load(), 0.30103f, 1e-5);
    EXPECT_EQ(window.count(NotifyKind::Acquisition, 0), 1);
}

TEST_F(PacketDecodeTest, TakeBlankStoresTheNextReadingAndCloses) {
    link.operations().TakeBlank(&window);
    decode(34, readingRecord(5000, 1000, 0, 500.0f, 0.0f));
    EXPECT_NEAR(link.acquisition().blankAbsorbance.load(), 0.30103f, 1e-5);
    EXPECT_FALSE(link.acquisition().open.load());
    EXPECT_TRUE(main.received(Notification::station(32, 0)));
    decode(34, readingRecord(5000, 1000, 0, 500.0f, 0.0f));
    EXPECT_NEAR(link.acquisition().lastAbsorbance.load(), 0.0f, 1e-6) << "later readings are blank-corrected";
}

TEST_F(PacketDecodeTest, ScanPointsFillFromTheTopAndFinishPastTheEnd) {
    test::TestScanTarget spectrum(3);
    link.operations().StartScan(kScanAbsorbance, &spectrum, nullptr, &window);
    decode(63, readingRecord(5000, 1000, 0, 500.0f, 0.0f)); // not armed yet: ignored
    EXPECT_EQ(spectrum.m_cursor.load(), 2);
    decode(49, {});
    std::uint16_t tenths = 5000;
    for (float signal : {1000.0f, 500.0f, 100.0f}) {
        decode(63, readingRecord(tenths, 1000, 0, signal, 0.0f));
        tenths -= 10;
    }
    EXPECT_NEAR(spectrum.m_points[2], 0.0f, 1e-6);
    EXPECT_NEAR(spectrum.m_points[1], 0.30103f, 1e-5);
    EXPECT_NEAR(spectrum.m_points[0], 1.0f, 1e-5);
    EXPECT_EQ(window.count(NotifyKind::Acquisition, 0), 3);
    EXPECT_EQ(spectrum.m_arrived.load(), 3);
    decode(63, readingRecord(4970, 1000, 0, 100.0f, 0.0f));
    EXPECT_TRUE(window.received(Notification::acquisition(1, 0)));
    EXPECT_EQ(spectrum.m_releases, 1);
    EXPECT_FALSE(link.acquisition().open.load());
}

TEST_F(PacketDecodeTest, ScanAgainstBaselineSubtractsTheBaselinePointByPoint) {
    test::TestScanTarget spectrum(2), baseline(2);
    baseline.m_points = {0.1f, 0.2f};
    link.operations().StartScan(kScanAgainstBaseline, &spectrum, &baseline, &window);
    decode(49, {});
    decode(63, readingRecord(5000, 1000, 0, 500.0f, 0.0f));
    decode(63, readingRecord(4990, 1000, 0, 500.0f, 0.0f));
    EXPECT_NEAR(spectrum.m_points[1], 0.30103f - 0.2f, 1e-5);
    EXPECT_NEAR(spectrum.m_points[0], 0.30103f - 0.1f, 1e-5);
    EXPECT_EQ(baseline.m_points, (std::vector<float>{0.1f, 0.2f})) << "the baseline is only read";
}

TEST_F(PacketDecodeTest, EnergyScanFillsBothBeamsOnADoubleBeamInstrument) {
    link.config().beamType = 1;
    test::TestScanTarget sample(1), reference(1);
    link.operations().StartScan(kScanEnergies, &sample, &reference, &window);
    decode(49, {});
    decode(63, readingRecord(5000, 3, 5, 20000.0f, 30000.0f));
    EXPECT_FLOAT_EQ(sample.m_points[0], 2.0f);
    EXPECT_FLOAT_EQ(reference.m_points[0], 3.0f);
    decode(56, {});
    EXPECT_TRUE(window.received(Notification::acquisition(1, 0)));
    EXPECT_EQ(reference.m_releases, 1);
    EXPECT_FALSE(link.acquisition().open.load());
}

// A faulty line drops and repeats points: each point still lands at its own wavelength, a repeat
// replaces its own value, and a wavelength off the grid is counted and dropped.
TEST_F(PacketDecodeTest, ScanPointsLandAtTheirWavelengthWhateverTheLineDoes) {
    test::TestScanTarget spectrum(5); // 496 .. 500 nm
    link.operations().StartScan(kScanAbsorbance, &spectrum, nullptr, &window);
    decode(49, {});
    decode(63, readingRecord(5000, 1000, 0, 1000.0f, 0.0f)); // 500 nm: A = 0
    // 499 nm is lost on the line.
    decode(63, readingRecord(4980, 1000, 0, 500.0f, 0.0f));  // 498 nm
    decode(63, readingRecord(4980, 1000, 0, 100.0f, 0.0f));  // 498 nm again, with a new value
    decode(63, readingRecord(4985, 1000, 0, 100.0f, 0.0f));  // between two points: off the grid
    decode(63, readingRecord(60000, 1000, 0, 100.0f, 0.0f)); // beyond the grid
    decode(63, readingRecord(4970, 1000, 0, 500.0f, 0.0f));  // 497 nm
    EXPECT_NEAR(spectrum.m_points[4], 0.0f, 1e-6);
    EXPECT_EQ(spectrum.m_points[3], 0.0f) << "the lost point stays empty";
    EXPECT_NEAR(spectrum.m_points[2], 1.0f, 1e-5) << "the repeat replaced its own value";
    EXPECT_NEAR(spectrum.m_points[1], 0.30103f, 1e-5) << "not shifted by the lost point";
    EXPECT_EQ(spectrum.m_points[0], 0.0f);
    EXPECT_EQ(spectrum.m_arrived.load(), 3) << "500, 498 and 497 nm";
    EXPECT_EQ(link.acquisition().offGridPoints.load(), 2);
    EXPECT_EQ(spectrum.m_cursor.load(), 0);
}

TEST_F(PacketDecodeTest, OperationFinishedClosesTheAcquisition) {
    link.status().longOperationPending = 1;
    link.operations().OpenCommandAcquisition(kReadDarkCurrent, &window);
    decode(44, {3});
    decode(33, {1});
    decode(33, {0});
    EXPECT_EQ(window.posted(),
              (std::vector<Notification>{Notification::station(44, 3), Notification::station(33, 1),
                                         Notification::station(33, 0)}));
    EXPECT_EQ(link.status().longOperationPending.load(), 0);
    EXPECT_FALSE(link.acquisition().open.load());
}

TEST_F(PacketDecodeTest, ReadingsUpdateThePanesButNotDuringTimedSampling) {
    decode(34, readingRecord(5000, 1000, 0, 500.0f, 0.0f));
    EXPECT_TRUE(main.received(Notification::station(23, 5000)));
    EXPECT_TRUE(main.received(Notification::stationFloat(34, 500.0f)));
    EXPECT_TRUE(main.received(Notification::stationFloat(38, 1000.0f)));
    EXPECT_EQ(main.count(NotifyKind::Station, 39), 1);
}

TEST_F(PacketDecodeTest, DirectoryAndContentTransfersAreAcknowledged) {
    link.operations().OpenCommandAcquisition(kFileDirectory, &window);
    test::hubReset();
    decode(128, {0});
    std::vector<std::uint8_t> entry(16, 0);
    entry[0] = 1;
    const std::string name = "SCAN01.sca";
    std::copy(name.begin(), name.end(), entry.begin() + 1);
    entry[14] = 0xAB;
    entry[15] = 0xCD;
    decode(128, entry);
    decode(128, {255});
    decode(128, {7});
    EXPECT_EQ(
        test::sentCommands(),
        (std::vector<test::SentCommand>{
            {kTransferAck, {0x80}}, {kTransferAck, {0x80}}, {kTransferAck, {0x80}}, {kTransferNak, {}}}));
    ASSERT_EQ(link.fileTransfer().directory().size(), 1u);
    EXPECT_EQ(link.fileTransfer().directory()[0].name, "SCAN01.sca");
    EXPECT_EQ(link.fileTransfer().directory()[0].handle, (std::array<std::uint8_t, 2>{0xAB, 0xCD}));
    EXPECT_TRUE(window.received(Notification::station(255, 0)));
}

} // namespace
} // namespace spectavo::link
