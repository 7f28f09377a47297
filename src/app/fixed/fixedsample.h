#pragma once

#include <functional>
#include <optional>

#include <QPointer>
#include <QStringList>

#include "app/fixed/fixedpage.h"
#include "core/acquisition/measuredstate.h"
#include "core/fixed/fixedcommandrules.h"
#include "core/fixed/sampletable.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace spectavo::app {

class CQuanReadOut;

class CFixedReadOut;
class CFixedView;
class CGridControl;

// A table page of a fixed-wavelength document: the table, its buttons and the measuring of a row.
class CFixedSample : public CFixedPage {
public:
    CFixedSample(CFixedView &view, bool standard, QWidget *parent = nullptr);

    fixed::SampleTable &table() { return m_table; }
    CGridControl *gridControl() const { return m_grid; }
    bool isTablePage() const override { return true; }
    void showData() override;

    // Measures data row `row` (the next row appends); `done` gets whether a row was written. Refused
    // (false, the operator told) on a full table.
    virtual bool MeasureRow(int row, std::optional<QString> name, bool autoClose,
                            std::optional<QString> concentration, std::function<void(bool)> done = {});
    // The concentration text of the cell being measured by an autorun, if this table takes one.
    virtual std::optional<QString> AutorunConcentration() { return std::nullopt; }
    // Builds the header row and column layout; with names, the default names too.
    virtual void InitGrid(bool withNames) = 0;
    // The Start button and command: a new row.
    void OnStart();
    void OnModify();
    void OnDelete();
    void OnDataFont();
    void SwitchPhotometricMode(bool absorbanceNow);
    // The grid rows the operator selected: first and last, or nothing.
    std::optional<std::pair<int, int>> selectedGridRows() const;
    // The Recalculate button: the kind's results from the table.
    virtual void Recalculate() {}
    // The kind's names for the Recalculate and Data Font buttons.
    void setButtonTexts(const QString &recalculate, const QString &font);
    // What the parameter fields show of the method: their names, and whether r follows.
    void setParameterNames(const QStringList &names, bool correlation);
    // A line beside the parameters (an empty text hides it).
    void setNote(const QString &note);
    QString note() const;
    // The buttons follow the window's rules, with this table's own rows for Modify and Delete.
    void applyCommandState(fixed::FixedWindowState state);
    void setDataFont(const QFont &font, const QColor &colour);
    QPushButton *button(fixed::FixedCommand command) const;

protected:
    // A remote start is answered once its measurement is over, whatever became of it.
    void answerRemoteStart();
    virtual CFixedReadOut *CreateReadOut(int row, std::optional<QString> concentration);
    virtual void OnMeasured(CFixedReadOut & /*readout*/, int /*row*/) {}
    // The readout's result for the results store; no row when it was not taken.
    void keepReadout(const CFixedReadOut &readout, std::optional<int> row, MeasuredClock::time_point started);

    CFixedView &m_view;

private:
    void buildControls();
    void showParameters();

    fixed::SampleTable m_table;
    CGridControl *m_grid;
    QPushButton *m_start;
    QPushButton *m_delete;
    QPushButton *m_modify;
    QPushButton *m_recalculate;
    QPushButton *m_font;
    QPushButton *m_print;
    std::array<QLineEdit *, 4> m_parameters{};
    std::array<QLabel *, 4> m_parameterLabels{};
    QLineEdit *m_correlation;
    QLabel *m_correlationLabel;
    QLabel *m_note;
};

// A table of the fixed points document: standards or samples, with their concentrations in
// concentration mode.
class CQuanSample : public CFixedSample {
public:
    CQuanSample(CFixedView &view, bool standard, QWidget *parent = nullptr);
    void InitGrid(bool withNames) override;
    std::optional<QString> AutorunConcentration() override;
    // Standards: the calibration is fitted again; samples: their concentrations follow it.
    void Recalculate() override;

protected:
    CFixedReadOut *CreateReadOut(int row, std::optional<QString> concentration) override;
    void OnMeasured(CFixedReadOut &readout, int row) override;

private:
    bool concentrationMode() const;
    void markStaleConcentrations();

    // The readout this table opened, for the concentration it computed.
    QPointer<CQuanReadOut> m_readout;
};

} // namespace spectavo::app
