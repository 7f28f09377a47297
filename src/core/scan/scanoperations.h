#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/scan/scancommandrules.h"
#include "core/scan/time/kinespectrum.h"
#include "core/scan/wave/wavespectrum.h"

namespace spectavo::scan {

// The mathematics on spectra and time-scan curves that the windows' Compute menus and the client's
// `math` command offer. One table names them all; a new operation is one entry here and one case in
// the two apply functions (and its dialog in the windows).
enum class Operation { SavitzkyGolay, Smooth, Derivative, Resample, Add, Subtract, Multiply, Divide };

// An operation's parameters, as its dialog or the client's options give them.
struct OperationParameters {
    int degree = 4;     // Savitzky-Golay: polynomial degree,
    int derivative = 0; // derivative order,
    int halfWidth = 5;  // and half width of the window
    int range = 3;      // smoothing: points averaged
    int passes = 1;     // derivative: its class
    int every = 1;      // resampling: keep every n-th point
};

struct OperationInfo {
    Operation operation;
    const char *clientName;       // the `math` command's word
    int inputs;                   // 1, or 2 for the arithmetic
    bool inPlace;                 // changes its input rather than deriving a new record
    ScanCommand command;          // the windows' action
    const char *spectrumMenuText; // the wavelength-scan window's entry; none: not for spectra
    const char *curveMenuText;    // the time-scan window's entry; none: not for curves
    int curveMenuPosition;        // the time-scan menu lists arithmetic first
};

// In the order of the wavelength-scan window's Compute menu.
const std::vector<OperationInfo> &operations();
const OperationInfo *operationNamed(std::string_view clientName);
// The entries for curves, in the time-scan window's menu order.
std::vector<const OperationInfo *> curveOperations();

// What an operation gave: a derived record, or (in place) a changed first input. Not applied: the
// inputs do not allow it (different grids, too few points, an operation not for this record kind).
template <typename Record>
struct OperationResult {
    bool applied = false;
    std::optional<Record> derived;
};

OperationResult<CWaveSpectrum> applyToSpectra(const OperationInfo &info,
                                              const OperationParameters &parameters, CWaveSpectrum &first,
                                              const CWaveSpectrum *second, const std::string &resultName,
                                              float threshold);
OperationResult<CKineSpectrum> applyToCurves(const OperationInfo &info, const OperationParameters &parameters,
                                             CKineSpectrum &first, const CKineSpectrum *second,
                                             const std::string &resultName, float threshold);

} // namespace spectavo::scan
