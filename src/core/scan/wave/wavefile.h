#pragma once

#include <cstdint>
#include <span>
#include <string>

#include "core/config/profilestore.h"
#include "core/scan/wave/wavespectrum.h"

namespace spectavo::scan {

// The spectrum file (".sca"; the older ".wav" is read by the same reader): six header lines (none for
// a ".txt" name), "%f %f" data lines with CR LF, and an Extended section behind the data. The whole
// file is composed in memory and written at once, atomically. On success the sample name "Sample Name"
// becomes the file's own name, the memo is stored for the next spectrum and the modified flag clears;
// on failure nothing changes.
// The bytes a save writes for the spectrum under its own sample name, for keeping it elsewhere.
std::string spectrumFileText(const CWaveSpectrum &spectrum);
bool writeSpectrumFile(CWaveSpectrum &spectrum, const std::string &path,
                       MemoUse memoUse = MemoUse::KeepForNext);

// Loads a file into `spectrum` (a new one). False, leaving it untouched, when the file cannot be read
// or its grid is absurd (no points, or more than a million).
// `pointsInFile`, when given, receives how many points the data lines supplied: fewer than the grid's
// when the file ends early (the rest stay 0).
bool readSpectrumFile(const std::string &path, CWaveSpectrum &spectrum, std::size_t *pointsInFile = nullptr);

// The Abs/T% table: " WL        Abs       T%" then "%6.1f%10f%11f" per point.
bool exportSpectrumTable(const CWaveSpectrum &spectrum, const std::string &path);
std::string spectrumTableText(const CWaveSpectrum &spectrum);

// A stored scan from the instrument's file store (the transfer's content). Wavelengths are in motor
// steps; the step and filter come from the WaveScan tables of the connected model's station file.
// Returns the record's peak/valley threshold; nothing for a record whose grid is absurd.
// A record whose size is not the one its grid implies (parts lost or repeated in the transfer) is
// refused with `incomplete` set.
std::optional<float> decodeInstrumentSpectrum(std::span<const std::uint8_t> content, int stepsPerNm,
                                              const ProfileStore &stationModel, CWaveSpectrum &spectrum,
                                              bool *incomplete = nullptr);

} // namespace spectavo::scan
