#pragma once

#include <cstdint>

namespace spectavo::link {

// The codes that cross the link, by name. The instrument, the decoder, the drivers, the virtual
// instrument and the windows all speak these; the numbers are the wire values and appear only here
// and in the tests that pin them.

// The type byte of a packet from the instrument.
enum PacketType : std::uint8_t {
    kPacketLinkState = 0,   // data[0]: kLinkUp, kLinkDown or kLinkAsked
    kPacketLinkLost = 1,    // the instrument dropped the link
    kPacketLinkClosed = 2,  // the instrument ended the link in order
    kPacketLoadReport = 3,  // processor counter (u32) and load (u8)
    kPacketBootState = 5,   // boot progress 1..15
    kPacketModelName = 7,   // text
    kPacketHardware = 8,    // hardware word (u32); bits 8..11 the optical layout
    kPacketSerial = 9,      // text
    kPacketVersion = 10,    // text
    kPacketVersionAlt = 11, // text, the same as kPacketVersion
    kPacketStatusItem = 16, // data[0] a StatusItem, data[1] its value
    kPacketLampState = 17,  // data[0] lamp (0 D2, 1 W), data[1] on
    kPacketSwitchPoint = 19,
    kPacketSwitchPointSet = 20,
    kPacketCell = 21, // the cell now in the light path
    kPacketWavelength = 23,
    kPacketWavelengthReached = 24,
    kPacketAmplifier = 25,
    kPacketSlit = 27,
    kPacketConfigRecord = 31,
    kPacketBlankReading = 32,   // a reading record
    kPacketOperationState = 33, // data[0]: kOperationFinished or kOperationRunning
    kPacketReading = 34,        // a reading record
    kPacketDarkLevel = 42,
    kPacketDarkCount = 44,
    kPacketScanStarted = 49,
    kPacketScanEnded = 56,
    kPacketScanPoint = 63, // a reading record
    kPacketDirectory = 128,
    kPacketContent = 130,
    kPacketAcknowledgement = 255, // data[0] the command acknowledged, data[1] its value
};

// Values of kPacketLinkState.
enum LinkStateValue : std::uint8_t { kLinkDown = 0, kLinkUp = 1, kLinkAsked = 255 };

// Boot states (kPacketBootState) at which the instrument waits for an answer (kConfirmYes or kConfirmNo).
enum BootState : std::uint8_t { kBootAskRecalibrate = 7, kBootAskInitFileSystem = 14 };

// Values of kPacketOperationState and of the matching station notification.
enum OperationState : std::uint8_t { kOperationFinished = 0, kOperationRunning = 1 };

// The items of a status report (kPacketStatusItem).
enum StatusItem : std::uint8_t {
    kItemCellCount = 0,
    kItemCurrentCell = 1,
    kItemFilter = 2,
    kItemWavelengthDrive = 3,
    kItemAdc = 4,
    kItemD2Energy = 5,
    kItemWEnergy = 6,
    kItemWavelengthCal = 7,
    kItemSipper = 8,
    kItemPower = 9,
    kItemWavelengthOutOfRange = 10,
    kItemD2EnergyLow = 11,
};

// Codes of a station notification (to the main window; a few to the acquisition's window).
enum StationCode : int {
    kStationState = 1, // value: a StationStateValue
    kStationLoad = 3,
    kStationBoot = 5,
    kStationItem = 16,
    kStationWavelength = 23,
    kStationBlankTaken = 32,
    kStationOperation = 33, // to the acquisition's window; value: an OperationState
    kStationSampleSignal = 34,
    kStationReferenceSignal = 38,
    kStationAbsorbance = 39,
    kStationDarkLevel = 42,
    kStationDarkCount = 44,
    kStationTransferDone = 255, // to the acquisition's window: a directory or file has arrived
};

// Values of kStationState.
enum StationStateValue : int { kStateReady = 0, kStateBusy = 1, kStateOffline = 2 };

// Codes of an acquisition notification (to the window holding the acquisition).
enum AcquisitionCode : int {
    kAcqNewData = 0,
    kAcqFinished = 1,
    kAcqStopped = 2,
    kAcqCellReached = 3,
    kAcqCellReading = 4, // value: the absorbance as a float pattern
    kAcqBlankTaken = 32,
    kAcqAcknowledged = 255, // value: the command acknowledged
};

// The lamps: the first byte of kPacketLampState and of the lamp command.
enum Lamp : std::uint8_t { kLampD2 = 0, kLampW = 1 };

// The optical layout the hardware word reports (StationConfig::beamType). A double-beam instrument of
// the first kind sends its scan points without gains.
enum BeamType : std::uint8_t { kSingleBeam = 0, kDoubleBeamScanWithoutGains = 1, kDoubleBeam = 2 };

// The slit codes of the slit command and report; 0 until the instrument reported its slit.
enum SlitCode : std::uint8_t {
    kSlitNotReported = 0,
    kSlit05nm = 1,
    kSlit1nm = 2,
    kSlit2nm = 3,
    kSlit4nm = 4
};

// The file types of the instrument's file store, by the file management's index (.qua .. .std).
enum StoredFileType : int {
    kStoredQuantitative = 0,
    kStoredScan = 1,
    kStoredTimeScan = 2,
    kStoredNucleic = 3,
    kStoredMultiWavelength = 4,
    kStoredPhotometric = 5,
    kStoredWavelength = 6,
    kStoredStandard = 7,
};

// The unit byte of a stored quantitative record whose unit is its own text rather than a listed one.
inline constexpr std::uint8_t kUnitOwnText = 10;

// The first parameter of a remote-start request: start a measurement; any other value takes a blank.
enum RemoteStartCode : int { kRemoteMeasure = 1 };

} // namespace spectavo::link
