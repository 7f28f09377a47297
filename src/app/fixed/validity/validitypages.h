#pragma once

#include <array>

#include "app/fixed/fixedmethod.h"
#include "app/fixed/fixedreadout.h"
#include "app/fixed/fixedsample.h"
#include "app/fixed/fixedview.h"
#include "core/fixed/validity.h"

class QComboBox;
class QLineEdit;

class QLabel;

namespace spectavo::app {

// The validity method page: the test, its wavelengths, the photometric standards (kept only in the
// configuration file) and the tolerance; its blank calibrations fill the blanks of every point.
class CGlpGmpMethod : public CFixedMethod {
public:
    explicit CGlpGmpMethod(program::ProgramRecords program, QWidget *parent = nullptr);
    ~CGlpGmpMethod() override;

    fixed::ValidityData &data() { return m_data; }
    void recordLoaded(bool fromInstrument) override;
    void documentSaved() override;
    bool takeData() override;
    bool CalibrateBlank(std::function<void(bool)> done) override;

    QComboBox *testBox() const { return m_test; }
    QLineEdit *countField() const { return m_count; }
    QLineEdit *wavelengthField(int index) const { return m_wavelengths[static_cast<std::size_t>(index)]; }
    QLineEdit *standardField(int index) const { return m_standards[static_cast<std::size_t>(index)]; }
    QLineEdit *toleranceField() const { return m_tolerance; }

protected:
    void collectControls() override;
    void applyControls() override;
    void focusField(const fixed::FieldProblem &problem) override;

private:
    void buildControls();
    bool photometric() const { return m_form.record().methodIndex != fixed::kWavelengthTest; }
    void saveStandards() const;
    // The wavelength test's blanks: one readout of 21 points per test wavelength, one after the other.
    void calibrateScanBlanks(int wavelength, std::function<void(bool)> done);

    fixed::ValidityData m_data;
    QComboBox *m_test;
    QLineEdit *m_count;
    QLineEdit *m_tolerance;
    QLineEdit *m_range;
    std::array<QLineEdit *, fixed::kValidityWavelengths> m_wavelengths{};
    std::array<QLineEdit *, fixed::kValidityWavelengths> m_standards{};
};

// The validity result table: one row per test wavelength, Pass or Fail by the tolerance.
class CGlpGmpSample : public CFixedSample {
public:
    // The table judges by the method page's tolerance and standards.
    CGlpGmpSample(CFixedView &view, CGlpGmpMethod &method, QWidget *parent = nullptr);
    void InitGrid(bool withNames) override;
    bool MeasureRow(int row, std::optional<QString> name, bool autoClose,
                    std::optional<QString> concentration, std::function<void(bool)> done = {}) override;
    // "&Recalc": judged again with the tolerance as it is now.
    void Recalculate() override;

private:
    CGlpGmpMethod &method() const { return m_method; }
    void measureScan(int wavelength, std::function<void(bool)> done);
    void measurePhotometric(bool autoClose, std::function<void(bool)> done);
    void finish(bool measured, const std::function<void(bool)> &done);
    void keepTest(MeasuredState state);
    // The line under the table: the verdict on the whole test, in its colour.
    void showVerdict();

    CGlpGmpMethod &m_method;
    int m_lastTest = -1;
    MeasuredClock::time_point m_testStarted;
    QLabel *m_verdict;
};

// The instrument validity document: method, information, results.
class CGlpGmpView : public CFixedView {
public:
    explicit CGlpGmpView(const WindowHost &host, QWidget *parent = nullptr);
    void CreatePages() override;
    fixed::ValidityData *validityData() override;

private:
    CGlpGmpMethod *m_method = nullptr;
};

MeasurementWindow *makeValidityWindow(const WindowHost &host);

} // namespace spectavo::app
