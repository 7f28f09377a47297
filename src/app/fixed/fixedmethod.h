#pragma once

#include <array>
#include <functional>
#include <vector>

#include "app/fixed/fixedpage.h"
#include "core/fixed/methodform.h"
#include "core/fixed/readoutsequence.h"
#include "core/program/programrecords.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QHBoxLayout;
class QLineEdit;
class QVBoxLayout;

namespace spectavo::app {

class CFormulaPicture;

// The method page of a fixed-wavelength document: the method's record behind the page's controls,
// kept in the kind's configuration file from one document to the next.
class CFixedMethod : public CFixedPage {
public:
    CFixedMethod(program::ProgramRecords program, fixed::MethodKind kind, QWidget *parent = nullptr);
    ~CFixedMethod() override;

    fixed::FixedMethodRecord &record() { return m_form.record(); }
    fixed::MethodForm &form() { return m_form; }

    // A document or an instrument record replaced the record: the page's rules run and it shows it.
    virtual void recordLoaded(bool fromInstrument);
    // The document was saved.
    virtual void documentSaved() {}
    bool takeData() override;
    void showData() override;

    // The blank at each wavelength, measured in the cell in the light path; `done` gets whether the
    // blanks were taken. Refused (false) when the method is not valid.
    virtual bool CalibrateBlank(std::function<void(bool)> done);
    // The first cell goes into the light path first (nothing is sent: the changer's next move does it).
    bool AutoBlank(std::function<void(bool)> done);
    // The fields take edits, or not while a measurement uses the method. A readout shown by the page
    // stays usable, and a field the page itself disabled stays disabled.
    void setEditable(bool editable);

    // Called after the count, the concentration switch or the fit order changed on the page.
    std::function<void()> methodChanged = [] {};
    // Asked before the operator's choice replaces the document's method: false keeps the old one.
    std::function<bool()> mayReplaceMethod = [] { return true; };

protected:
    // The configuration file is read once the derived page's controls exist.
    void loadConfiguration();
    // The last method comes back with the next document of this kind: the derived page calls this
    // while its controls still exist.
    void saveConfiguration();
    // Controls to the form and back; the derived page owns the widgets.
    virtual void collectControls() = 0;
    virtual void applyControls() = 0;
    virtual void focusField(const fixed::FieldProblem &problem) = 0;
    // The method's wavelengths with their blanks cleared, in the record too: a blank calibration starts so.
    fixed::ReadoutPoints pointsWithoutBlanks();
    // One auto-closing blank readout over `points`: `take` gets its values when it ends with OK, `done`
    // whether it did.
    void runBlankReadout(const fixed::ReadoutPoints &points,
                         std::function<void(const std::vector<float> &)> take,
                         std::function<void(bool)> done);
    // Runs a rule of the form on the widgets' current content and shows the result.
    void runRule(const std::function<std::optional<fixed::FieldProblem>(fixed::MethodForm &)> &rule);
    void report(const std::optional<fixed::FieldProblem> &problem);

    program::ProgramRecords m_program;
    fixed::MethodForm m_form;
    bool m_reporting = false;

private:
    void updateRange();
    std::string configurationFile() const;
};

// The fixed points method page: wavelengths, count, curve fit, coefficients, unit and concentration.
class CQuanMethod : public CFixedMethod {
public:
    explicit CQuanMethod(program::ProgramRecords program, QWidget *parent = nullptr);
    ~CQuanMethod() override;

    QLineEdit *countField() const { return m_count; }
    QLineEdit *wavelengthField(int index) const { return m_wavelengths[static_cast<std::size_t>(index)]; }
    QLineEdit *coefficientField(int index) const { return m_coefficients[static_cast<std::size_t>(index)]; }
    QCheckBox *concentrationBox() const { return m_concentration; }
    QCheckBox *standardsBox() const { return m_standards; }
    QComboBox *fitBox() const { return m_fit; }
    QComboBox *unitBox() const { return m_unit; }
    CFormulaPicture *formula() const { return m_picture; }

protected:
    void collectControls() override;
    void applyControls() override;
    void focusField(const fixed::FieldProblem &problem) override;

private:
    void buildControls();
    QHBoxLayout *buildCountRow();
    QGroupBox *buildWavelengthGrid();
    void buildCalibrationColumn(QVBoxLayout &right);
    void fillUnits();
    void stepCount(int delta);

    QLineEdit *m_count;
    std::array<QLineEdit *, fixed::FixedMethodRecord::kMaxWavelengths> m_wavelengths{};
    std::array<QLineEdit *, fixed::FixedMethodRecord::kCoefficients> m_coefficients{};
    QCheckBox *m_concentration;
    QCheckBox *m_standards;
    QComboBox *m_fit;
    QComboBox *m_unit;
    CFormulaPicture *m_picture;
};

} // namespace spectavo::app
