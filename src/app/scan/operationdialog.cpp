#include "app/scan/operationdialog.h"

#include "app/scan/scanderivative.h"
#include "app/scan/scanresample.h"
#include "app/scan/scansmooth.h"
#include "app/scan/sysmathsavgol.h"
#include "app/scan/wavecompute.h"
#include "core/scan/wave/wavecompute.h"

namespace spectavo::app {
namespace {

std::optional<int> offeredColour(int chosen) {
    return chosen >= 0 ? std::optional(chosen) : std::nullopt;
}

scan::SpectrumOperation arithmeticOf(scan::Operation operation) {
    switch (operation) {
    case scan::Operation::Subtract:
        return scan::SpectrumOperation::Subtract;
    case scan::Operation::Multiply:
        return scan::SpectrumOperation::Multiply;
    case scan::Operation::Divide:
        return scan::SpectrumOperation::Divide;
    default:
        return scan::SpectrumOperation::Add;
    }
}

std::optional<OperationRequest> askArithmetic(scan::Operation operation,
                                              const std::vector<std::string> &names, QWidget *parent) {
    CWaveCompute dialog(names, arithmeticOf(operation), parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    OperationRequest request;
    request.resultName = dialog.resultName().toStdString();
    request.first = dialog.first().toStdString();
    request.second = dialog.second().toStdString();
    return request;
}

} // namespace

std::optional<OperationRequest> askOperation(const scan::OperationInfo &info, const std::string &sampleName,
                                             int colourIndex, const std::vector<std::string> &names,
                                             QWidget *parent) {
    OperationRequest request;
    switch (info.operation) {
    case scan::Operation::SavitzkyGolay: {
        CSysMathSavGol dialog(QString::fromStdString(sampleName + "-SavGol"), colourIndex, parent);
        if (dialog.exec() != QDialog::Accepted)
            return std::nullopt;
        request.parameters.degree = dialog.degree();
        request.parameters.derivative = dialog.derivative();
        request.parameters.halfWidth = dialog.halfWidth();
        request.resultName = dialog.resultName().toStdString();
        request.colourIndex = offeredColour(dialog.colourIndex());
        return request;
    }
    case scan::Operation::Smooth: {
        CScanSmooth dialog(QString::fromStdString(sampleName + "-s"), colourIndex, parent);
        if (dialog.exec() != QDialog::Accepted)
            return std::nullopt;
        request.parameters.range = dialog.range();
        request.resultName = dialog.resultName().toStdString();
        request.colourIndex = offeredColour(dialog.colourIndex());
        return request;
    }
    case scan::Operation::Derivative: {
        CScanDerivative dialog(QString::fromStdString(sampleName + "-d"), colourIndex, parent);
        if (dialog.exec() != QDialog::Accepted)
            return std::nullopt;
        request.parameters.passes = dialog.order();
        request.resultName = dialog.resultName().toStdString();
        request.colourIndex = offeredColour(dialog.colourIndex());
        return request;
    }
    case scan::Operation::Resample: {
        CScanResample dialog(parent);
        if (dialog.exec() != QDialog::Accepted)
            return std::nullopt;
        request.parameters.every = dialog.factor();
        return request;
    }
    default:
        return askArithmetic(info.operation, names, parent);
    }
}

} // namespace spectavo::app
