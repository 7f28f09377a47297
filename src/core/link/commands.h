#pragma once

#include <array>
#include <cstdint>

namespace spectavo::link {

// Command codes of the instrument.
enum CommandCode : std::uint8_t {
    kLinkRequest = 0,
    kUnlink = 1,
    kQueryModel = 7,
    kQueryHardware = 8,
    kQuerySerial = 9,
    kQueryVersion = 11,
    kQueryStatus = 16,
    kLampSwitch = 17,
    kSetSwitchPoint = 19,
    kSelectCell = 21,
    kRemoteMeasureDone = 22,
    kGotoWavelength = 23,
    kSetAmplifier = 25,
    kSetSlit = 27,
    kReadDarkCurrent = 33,
    kCalibrateBaseline = 41,
    kCalibrateDarkCurrent = 43,
    kLocate656 = 45,
    kScanSetup = 48,
    kStartScanAbsorbance = 49,
    kStartScanEnergies = 50,
    kStartScanSampleEnergy = 51,
    kFileDirectory = 128,
    kFileOpen = 129,
    kFileDelete = 131,
    kConfirmYes = 241,
    kConfirmNo = 242,
    kEscape = 248,
    kTransferNak = 254,
    kTransferAck = 255,
};

// Wavelengths and steps travel in tenths of a nanometre. The value is rounded to the nearest tenth:
// a single-precision 656.1 is 656.0999756, and truncating it would send the instrument to 656.0.
// Negative and non-finite values give 0.
std::uint32_t toTenths(float nanometres);

std::array<std::uint8_t, 4> wavelengthArgument(float nanometres);

// The 11 bytes of the scan setup: upper and lower wavelength (u32 tenths), step (u16 tenths) and the
// filter code.
using ScanSetupMessage = std::array<std::uint8_t, 11>;
ScanSetupMessage scanSetupMessage(float upperNm, float lowerNm, float stepNm, std::uint8_t filterCode);

// The amplifier byte: gain step g (0..10) in both nibbles; the cancel value when g is out of range.
inline constexpr std::uint8_t kAmplifierCancelled = 0xFF;
std::uint8_t amplifierByte(int gainStep);

} // namespace spectavo::link
