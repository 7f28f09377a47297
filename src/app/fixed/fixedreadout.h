#pragma once

#include <array>
#include <optional>
#include <vector>

#include <QDialog>

#include "app/shell/notifyevent.h"
#include "core/fixed/readoutsequence.h"
#include "core/grid/gridmodel.h"
#include "core/program/programrecords.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QTimer;

namespace spectavo::app {

class CGridControl;

// The readout of one sample: a row per wavelength, filled as the readings arrive. It ends with OK (the
// values are taken) or Cancel; either way the instrument is stopped and sent back to the first
// wavelength before the dialog reports its end.
class CFixedReadOut : public QDialog {
public:
    CFixedReadOut(program::ProgramRecords program, const fixed::ReadoutPoints &points, QWidget *parent,
                  const QString &title = "Measuring");
    ~CFixedReadOut() override;

    void setName(const QString &name);
    QString name() const;
    // Closes itself with OK after the last reading (autorun, remote start).
    void setAutoClose(bool autoClose) { m_autoClose = autoClose; }
    // OnComplete() runs after the last reading.
    void setCompleteWanted(bool wanted) { m_completeWanted = wanted; }

    // Shows the dialog; the first wavelength is requested after a short pause.
    void start();
    std::vector<float> values() const { return m_sequence.values(); }
    const fixed::ReadoutSequence &sequence() const { return m_sequence; }
    const grid::GridModel &grid() const { return m_grid; }
    QPushButton *okButton() const { return m_ok; }

    void done(int result) override;

protected:
    virtual void OnComplete() {}
    bool event(QEvent *event) override;
    // Where derived readouts put their own fields.
    QWidget *resultArea() const { return m_resultArea; }
    QLineEdit *nameField() const { return m_name; }
    grid::GridModel &readings() { return m_grid; }
    program::ProgramRecords m_program;

private:
    void showValue(int point);
    void begin();

    QtNotifyTarget m_target{this};
    fixed::ReadoutSequence m_sequence;
    grid::GridModel m_grid;
    CGridControl *m_table;
    QLineEdit *m_name;
    QWidget *m_resultArea;
    QPushButton *m_ok;
    QTimer *m_startTimer;
    bool m_autoClose = false;
    bool m_completeWanted = false;
    bool m_absorbance;
};

// The fixed points readout: the name, and with concentrations the effective absorbance and the
// concentration (typed or preset for a standard, computed from the calibration for a sample).
class CQuanReadOut : public CFixedReadOut {
public:
    CQuanReadOut(program::ProgramRecords program, const fixed::ReadoutPoints &points, bool standard,
                 bool complete, const std::array<float, 4> &coefficients, QWidget *parent);

    bool standard() const { return m_standard; }
    void setConcentrationText(const QString &text);
    QString concentrationText() const;
    // The effective absorbance, once every point is read (with concentrations).
    std::optional<float> effective() const { return m_effective; }

protected:
    void OnComplete() override;

private:
    bool m_standard;
    std::array<float, 4> m_coefficients;
    std::optional<float> m_effective;
    QLineEdit *m_effectiveField;
    QLineEdit *m_concentration;
};

} // namespace spectavo::app
