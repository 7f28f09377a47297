#pragma once

#include <array>

#include "app/fixed/fixedmethod.h"
#include "app/fixed/fixedreadout.h"
#include "app/fixed/fixedsample.h"
#include "app/fixed/fixedview.h"
#include "core/fixed/dna.h"

class QCheckBox;
class QComboBox;
class QLineEdit;

namespace spectavo::app {

// The DNA/protein method page: a method chosen by name from the configuration file, whose factors and
// wavelengths it brings; "With Reference" adds the third wavelength.
class CDNAMethod : public CFixedMethod {
public:
    explicit CDNAMethod(program::ProgramRecords program, QWidget *parent = nullptr);
    ~CDNAMethod() override;

    void recordLoaded(bool fromInstrument) override;
    QComboBox *methodBox() const { return m_method; }
    QCheckBox *referenceBox() const { return m_reference; }

protected:
    void collectControls() override;
    void applyControls() override;
    void focusField(const fixed::FieldProblem &problem) override;

private:
    void buildControls();
    void fillMethodList();
    // The method of the selected entry, from the configuration file as it is now.
    void OnMethodChanged();

    QComboBox *m_method;
    std::array<QLineEdit *, 3> m_wavelengths{};
    std::array<QLineEdit *, 4> m_factors{};
    QCheckBox *m_reference;
    QComboBox *m_unit;
};

// The DNA/protein readout: the readings and, once all are in, the three results.
class CDNAReadOut : public CFixedReadOut {
public:
    CDNAReadOut(program::ProgramRecords program, const fixed::ReadoutPoints &points,
                const std::array<std::string, 3> &resultNames, const std::array<float, 4> &factors,
                QWidget *parent);
    const fixed::DnaResults &results() const { return m_results; }

protected:
    void OnComplete() override;

private:
    std::array<float, 4> m_factors;
    fixed::DnaResults m_results;
};

// The DNA/protein sample table.
class CDNASample : public CFixedSample {
public:
    explicit CDNASample(CFixedView &view, QWidget *parent = nullptr);
    void InitGrid(bool withNames) override;

protected:
    CFixedReadOut *CreateReadOut(int row, std::optional<QString> concentration) override;
    void OnMeasured(CFixedReadOut &readout, int row) override;

private:
    // The readout this table opened, for the results it computed.
    QPointer<CDNAReadOut> m_readout;
};

// The DNA/protein document: method, information, samples.
class CDNAView : public CFixedView {
public:
    explicit CDNAView(const WindowHost &host, QWidget *parent = nullptr);
    void CreatePages() override;
};

// The DNA/protein document window.
MeasurementWindow *makeDnaProteinWindow(const WindowHost &host);

} // namespace spectavo::app
