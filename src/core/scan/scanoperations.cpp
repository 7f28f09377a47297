#include "core/scan/scanoperations.h"

#include <algorithm>

#include "core/scan/time/kinecompute.h"
#include "core/scan/wave/wavecompute.h"
#include "core/strings/translation.h"

namespace spectavo::scan {

const std::vector<OperationInfo> &operations() {
    static const std::vector<OperationInfo> table = {
        {Operation::SavitzkyGolay, "savgol", 1, false, kSavGol,
         SPECTAVO_TEXT("Savitzky-&Golay Smoothing Filter"), SPECTAVO_TEXT("Savitzky-&Golay Smoothing Filter"),
         5},
        {Operation::Smooth, "smooth", 1, false, kSmooth, SPECTAVO_TEXT("Smooth"),
         SPECTAVO_TEXT("&Moving Windows Averaging"), 4},
        {Operation::Derivative, "derivative", 1, false, kDerivative, SPECTAVO_TEXT("&Derivate"),
         SPECTAVO_TEXT("&Derivate"), 3},
        {Operation::Resample, "resample", 1, true, kResample, SPECTAVO_TEXT("&Resample"),
         SPECTAVO_TEXT("&Resample"), 6},
        {Operation::Add, "add", 2, false, kAdd, SPECTAVO_TEXT("&Add"), SPECTAVO_TEXT("&Add"), 0},
        {Operation::Subtract, "sub", 2, false, kSubtract, SPECTAVO_TEXT("&Sub"), SPECTAVO_TEXT("&Sub"), 1},
        {Operation::Multiply, "mul", 2, false, kMultiply, SPECTAVO_TEXT("&Multiple"), nullptr, -1},
        {Operation::Divide, "div", 2, false, kDivide, SPECTAVO_TEXT("Di&vide"), nullptr, -1},
    };
    return table;
}

const OperationInfo *operationNamed(std::string_view clientName) {
    for (const OperationInfo &info : operations())
        if (clientName == info.clientName)
            return &info;
    return nullptr;
}

std::vector<const OperationInfo *> curveOperations() {
    std::vector<const OperationInfo *> entries;
    for (const OperationInfo &info : operations())
        if (info.curveMenuText)
            entries.push_back(&info);
    std::sort(entries.begin(), entries.end(), [](const OperationInfo *a, const OperationInfo *b) {
        return a->curveMenuPosition < b->curveMenuPosition;
    });
    return entries;
}

namespace {

template <typename Record>
OperationResult<Record> derivedResult(std::optional<Record> derived) {
    const bool applied = derived.has_value();
    return {applied, std::move(derived)};
}

std::optional<SpectrumOperation> spectrumArithmeticOf(Operation operation) {
    switch (operation) {
    case Operation::Add:
        return SpectrumOperation::Add;
    case Operation::Subtract:
        return SpectrumOperation::Subtract;
    case Operation::Multiply:
        return SpectrumOperation::Multiply;
    case Operation::Divide:
        return SpectrumOperation::Divide;
    default:
        return std::nullopt;
    }
}

} // namespace

OperationResult<CWaveSpectrum> applyToSpectra(const OperationInfo &info, const OperationParameters &p,
                                              CWaveSpectrum &first, const CWaveSpectrum *second,
                                              const std::string &resultName, float threshold) {
    switch (info.operation) {
    case Operation::SavitzkyGolay:
        return derivedResult(
            savitzkyGolaySpectrum(first, p.degree, p.derivative, p.halfWidth, resultName, threshold));
    case Operation::Smooth:
        return derivedResult(smoothSpectrum(first, p.range, resultName, threshold));
    case Operation::Derivative:
        return derivedResult(derivativeSpectrum(first, p.passes, resultName, threshold));
    case Operation::Resample:
        return {resampleSpectrum(first, p.every, threshold), std::nullopt};
    default:
        if (!second)
            return {};
        return derivedResult(
            spectrumArithmetic(first, *second, *spectrumArithmeticOf(info.operation), resultName, threshold));
    }
}

OperationResult<CKineSpectrum> applyToCurves(const OperationInfo &info, const OperationParameters &p,
                                             CKineSpectrum &first, const CKineSpectrum *second,
                                             const std::string &resultName, float threshold) {
    switch (info.operation) {
    case Operation::SavitzkyGolay:
        return derivedResult(
            savitzkyGolayCurve(first, p.degree, p.derivative, p.halfWidth, resultName, threshold));
    case Operation::Smooth:
        return derivedResult(movingAverageCurve(first, p.range, resultName, threshold));
    case Operation::Derivative:
        return derivedResult(differenceCurve(first, p.passes, resultName, threshold));
    case Operation::Resample:
        return {resampleCurve(first, p.every, threshold), std::nullopt};
    case Operation::Add:
    case Operation::Subtract:
        if (!second)
            return {};
        return derivedResult(curveArithmetic(
            first, *second, info.operation == Operation::Add ? CurveOperation::Add : CurveOperation::Subtract,
            resultName, threshold));
    default:
        return {};
    }
}

} // namespace spectavo::scan
