#pragma once

#include <cstdint>
#include <span>
#include <string>

#include "core/scan/time/kinespectrum.h"

namespace spectavo::scan {

// The curve file (".kin"): six header lines (none for a ".txt" name), "%f %f" data lines with CR LF,
// and the Extended and IU sections behind the data, composed in memory and written at once,
// atomically. On success the sample name "Sample Name" becomes the file's own name, the memo is
// stored for the next curve and the modified flag clears; on failure nothing changes.
// The bytes a save writes for the curve under its own sample name, for keeping it elsewhere.
std::string curveFileText(const CKineSpectrum &curve);
bool writeCurveFile(CKineSpectrum &curve, const std::string &path, MemoUse memoUse = MemoUse::KeepForNext);

// Loads a file into `curve` (a new one). False, leaving it untouched, when the file cannot be read or
// its grid is absurd (no points, or more than ten million).
// `pointsInFile` as for spectra.
bool readCurveFile(const std::string &path, CKineSpectrum &curve, std::size_t *pointsInFile = nullptr);

// The Abs/T% table: " Time      Abs       T%" then "%6.1f%10f%11f" per point.
std::string curveTableText(const CKineSpectrum &curve);
bool exportCurveTable(const CKineSpectrum &curve, const std::string &path);

// A stored time scan from the instrument's file store. The points start at offset 92 on a single-beam
// instrument and 96 otherwise. False for a record whose grid is absurd.
// A record whose size is not the one its curve implies is refused with `incomplete` set.
bool decodeInstrumentCurve(std::span<const std::uint8_t> content, int stepsPerNm, int beamType,
                           CKineSpectrum &curve, bool *incomplete = nullptr);

} // namespace spectavo::scan
