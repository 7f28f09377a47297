#include "app/fixed/fixedsample.h"

#include <algorithm>

#include <QApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/fixed/fixedmethod.h"
#include "app/fixed/fixedreadout.h"
#include "app/fixed/fixedresult.h"
#include "app/fixed/fixedview.h"
#include "app/shell/qtmessageservice.h"
#include "app/widgets/fontcolourdialog.h"
#include "app/widgets/fonts.h"
#include "app/widgets/gridcontrol.h"
#include "app/widgets/uitext.h"
#include "core/config/profilefile.h"
#include "core/fixed/calibration.h"
#include "core/fixed/fixedmethod.h"
#include "core/strings/cformat.h"

namespace spectavo::app {
CFixedSample::CFixedSample(CFixedView &view, bool standard, QWidget *parent)
    : CFixedPage(parent), m_view(view), m_table(standard) {
    buildControls();
}

void CFixedSample::buildControls() {
    auto *layout = new QVBoxLayout(this);
    m_grid = new CGridControl(m_table.grid(), this);
    m_grid->setObjectName("table");
    m_grid->setSelectionMode(QAbstractItemView::ContiguousSelection);
    m_grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    layout->addWidget(m_grid, 1);

    auto *parameters = new QHBoxLayout;
    for (int i = 0; i < 4; ++i) {
        auto *field = new QLineEdit(this);
        field->setReadOnly(true);
        field->setObjectName(QString("k%1").arg(i));
        field->setMaximumWidth(90);
        auto *label = new QLabel(QString("K%1").arg(i), this);
        parameters->addWidget(label);
        parameters->addWidget(field);
        m_parameters[static_cast<std::size_t>(i)] = field;
        m_parameterLabels[static_cast<std::size_t>(i)] = label;
    }
    m_correlation = new QLineEdit(this);
    m_correlation->setReadOnly(true);
    m_correlation->setObjectName("r");
    m_correlation->setMaximumWidth(90);
    m_correlationLabel = new QLabel("r", this);
    parameters->addWidget(m_correlationLabel);
    parameters->addWidget(m_correlation);
    m_note = new QLabel(this);
    m_note->setObjectName("note");
    m_note->hide();
    parameters->addWidget(m_note);
    parameters->addStretch();
    layout->addLayout(parameters);

    auto *buttons = new QHBoxLayout;
    auto addButton = [&](const QString &text, const char *name) {
        auto *button = new QPushButton(text, this);
        button->setObjectName(name);
        button->setAutoDefault(false);
        buttons->addWidget(button);
        return button;
    };
    m_start = addButton(ui("&Start"), "start");
    m_delete = addButton(ui("&Delete"), "delete");
    m_modify = addButton(ui("&Modify"), "modify");
    m_recalculate = addButton(ui("&Recalculate"), "recalculate");
    m_font = addButton(ui("Data &Font"), "dataFont");
    m_print = addButton(ui("&Print..."), "print");
    buttons->addStretch();
    layout->addLayout(buttons);
    connect(m_recalculate, &QPushButton::clicked, this, [this] {
        Recalculate();
        m_view.commandsChanged();
    });
    connect(m_start, &QPushButton::clicked, this, [this] { OnStart(); });
    connect(m_delete, &QPushButton::clicked, this, [this] { OnDelete(); });
    connect(m_modify, &QPushButton::clicked, this, [this] { OnModify(); });
    connect(m_font, &QPushButton::clicked, this, [this] { OnDataFont(); });
    connect(m_print, &QPushButton::clicked, this, [this] { m_view.printRequested(); });
    installKeyboardRules();
}

void CFixedSample::setButtonTexts(const QString &recalculate, const QString &font) {
    m_recalculate->setText(recalculate);
    m_font->setText(font);
}

void CFixedSample::setParameterNames(const QStringList &names, bool correlation) {
    for (std::size_t i = 0; i < m_parameters.size(); ++i) {
        const bool shown = static_cast<qsizetype>(i) < names.size();
        m_parameterLabels[i]->setVisible(shown);
        m_parameters[i]->setVisible(shown);
        if (shown)
            m_parameterLabels[i]->setText(names[static_cast<qsizetype>(i)]);
    }
    m_correlationLabel->setVisible(correlation);
    m_correlation->setVisible(correlation);
}

void CFixedSample::setNote(const QString &note) {
    m_note->setText(note);
    m_note->setVisible(!note.isEmpty());
}

QString CFixedSample::note() const {
    return m_note->text();
}

QPushButton *CFixedSample::button(fixed::FixedCommand command) const {
    switch (command) {
    case fixed::kStart:
        return m_start;
    case fixed::kDelete:
        return m_delete;
    case fixed::kModify:
        return m_modify;
    case fixed::kDataFont:
        return m_font;
    default:
        return nullptr;
    }
}

void CFixedSample::showData() {
    InitGrid(false);
    showParameters();
}

void CFixedSample::showParameters() {
    CFixedMethod *method = m_view.MethodPage();
    if (!method)
        return;
    const fixed::FixedMethodRecord &record = method->record();
    for (std::size_t i = 0; i < m_parameters.size(); ++i)
        m_parameters[i]->setText(
            QString::fromStdString(fixed::MethodForm::numberText(record.coefficients[i])));
    m_correlation->setText(QString::fromStdString(fixed::MethodForm::numberText(record.correlation)));
}

void CFixedSample::applyCommandState(fixed::FixedWindowState state) {
    state.pageRows = m_table.rowCount();
    m_start->setEnabled(fixed::fixedCommandState(fixed::kStart, state).enabled);
    m_modify->setEnabled(fixed::fixedCommandState(fixed::kModify, state).enabled);
    m_delete->setEnabled(fixed::fixedCommandState(fixed::kDelete, state).enabled);
    m_print->setEnabled(fixed::fixedCommandState(fixed::kPrint, state).enabled);
}

CFixedReadOut *CFixedSample::CreateReadOut(int /*row*/, std::optional<QString> /*concentration*/) {
    return new CFixedReadOut(m_view.program(), fixed::readoutPointsOf(m_view.MethodPage()->record()), this);
}

bool CFixedSample::MeasureRow(int row, std::optional<QString> name, bool autoClose,
                              std::optional<QString> concentration, std::function<void(bool)> done) {
    if (row >= fixed::SampleTable::kRows) {
        messages().show("Spectavo", fixed::SampleTable::kFull, shell::MessageService::Icon::Warning);
        return false;
    }
    CFixedReadOut *readout = CreateReadOut(row, concentration);
    readout->setName(name ? *name : QString::fromStdString(m_table.nameOf(row)));
    readout->setAutoClose(autoClose);
    const MeasuredClock::time_point started = MeasuredClock::now();
    connect(
        readout, &QDialog::finished, this, [this, readout, row, started, done = std::move(done)](int result) {
            const bool ok = result == QDialog::Accepted;
            if (ok) {
                const bool absorbance = m_view.program().flags.absorbanceMode != 0;
                if (!m_view.hasMeasuredRows())
                    m_view.stampMeasurementTime();
                m_table.writeMeasuredRow(row, readout->name().toStdString(), readout->values(), absorbance);
                OnMeasured(*readout, row);
            }
            keepReadout(*readout, ok ? std::optional<int>(row) : std::nullopt, started);
            setFocus();
            readout->deleteLater();
            answerRemoteStart();
            if (done)
                done(ok);
        });
    readout->start();
    return true;
}

// Every readout that took a reading is kept: taken with OK as complete, with its row and its results;
// closed before as stopped, with the readings that arrived.
void CFixedSample::keepReadout(const CFixedReadOut &readout, std::optional<int> row,
                               MeasuredClock::time_point started) {
    const fixed::ReadoutSequence &sequence = readout.sequence();
    const int arrived = row ? sequence.count() : std::clamp(sequence.index(), 0, sequence.count());
    if (arrived == 0)
        return;
    std::vector<float> readings = readout.values();
    readings.resize(static_cast<std::size_t>(arrived));
    FixedReadoutResult result;
    result.family = m_view.family();
    result.state = row ? MeasuredState::Complete : MeasuredState::Stopped;
    result.started = started;
    result.sample = readout.name().toStdString();
    result.method = m_view.methodText();
    result.points = sequence.points();
    result.readings = std::move(readings);
    result.table = &m_table;
    if (row)
        result.rows = {*row};
    m_view.host().keepResult(fixedReadoutResult(result));
}

void CFixedSample::answerRemoteStart() {
    program::AppFlags &flags = m_view.program().flags;
    if (flags.remoteStartFlag != 0) {
        flags.remoteStartFlag = 0;
        m_view.program().link.commands().RemoteMeasureDone();
    }
}

void CFixedSample::OnStart() {
    m_view.StartOn(*this);
}

void CFixedSample::OnModify() {
    const auto selection = selectedGridRows();
    const auto row = m_table.rowToModify(selection ? selection->first : 0);
    if (!row) {
        messages().show("Spectavo", fixed::SampleTable::kSelectSample, shell::MessageService::Icon::Warning);
        setFocus();
        return;
    }
    MeasureRow(*row, std::nullopt, false, std::nullopt, [this](bool) { m_view.commandsChanged(); });
    m_view.commandsChanged();
}

void CFixedSample::OnDelete() {
    QApplication::beep();
    if (!messages().ask("Spectavo", fixed::SampleTable::kDeleteQuestion,
                        shell::MessageService::Icon::Question))
        return;
    const auto selection = selectedGridRows();
    if (selection)
        m_table.deleteRows(selection->first, selection->second);
    m_grid->clearSelection();
    setFocus();
    m_view.commandsChanged();
}

std::optional<std::pair<int, int>> CFixedSample::selectedGridRows() const {
    const auto selected = m_grid->selectionModel()->selectedIndexes();
    if (selected.isEmpty())
        return std::nullopt;
    int first = selected.front().row();
    int last = first;
    for (const QModelIndex &index : selected) {
        first = std::min(first, index.row());
        last = std::max(last, index.row());
    }
    const int fixedRows = m_table.grid().fixedRows();
    return std::pair{first + fixedRows, last + fixedRows};
}

void CFixedSample::OnDataFont() {
    const QFont font = m_view.font(CFixedView::kDataFont);
    const QColor colour = m_view.fontColour(CFixedView::kDataFont);
    const auto chosen = askFontAndColour(this, fromQFont(font), storedColour(colour));
    if (chosen) {
        m_view.setDataFont(toQFont(chosen->font), colourOf(chosen->colour));
        // Every document kind keeps its data font in the fixed points file.
        ProfileFile file(fixed::methodConfigurationFile(fixed::MethodKind::FixedPoints), true);
        ProfileFile::Batch batch(file);
        batch.PutFont(CFixedView::kDataFont, chosen->font);
        batch.PutFontColor(CFixedView::kDataFont, chosen->colour);
        batch.commit();
    }
    setFocus();
}

void CFixedSample::setDataFont(const QFont &font, const QColor &colour) {
    m_grid->setFont(font);
    QPalette palette = m_grid->palette();
    palette.setColor(QPalette::Text, colour);
    m_grid->setPalette(palette);
}

void CFixedSample::SwitchPhotometricMode(bool absorbanceNow) {
    m_table.switchPhotometricMode(absorbanceNow, m_view.MethodPage()->record().count);
}

CQuanSample::CQuanSample(CFixedView &view, bool standard, QWidget *parent)
    : CFixedSample(view, standard, parent) {
    InitGrid(true);
}

bool CQuanSample::concentrationMode() const {
    return fixed::concentrationMode(m_view.MethodPage()->record());
}

void CQuanSample::InitGrid(bool withNames) {
    const fixed::FixedMethodRecord &method = m_view.MethodPage()->record();
    table().relayout([&] {
        if (!concentrationMode()) {
            table().layoutFixedPoints(method, withNames);
            return;
        }
        table().layoutFixedPoints(method, withNames, 2);
        fixed::layoutConcentrationColumns(table(), method, m_view.concentrationHeader());
    });
    markStaleConcentrations();
}

// Concentrations an earlier calibration gave stand out until Recalculate brings them in line.
void CQuanSample::markStaleConcentrations() {
    if (table().standard())
        return;
    const fixed::FixedMethodRecord &method = m_view.MethodPage()->record();
    std::vector<int> stale = fixed::staleConcentrationRows(table(), method);
    const QString why = ui(fixed::kStaleConcentrations);
    setNote(stale.empty() ? QString() : why);
    gridControl()->markCells(std::move(stale), fixed::concentrationColumn(method), why);
}

std::optional<QString> CQuanSample::AutorunConcentration() {
    if (!table().standard())
        return std::nullopt;
    const int cell = m_view.program().link.status().currentCell.load();
    if (cell < 0 || cell >= program::CellSelection::kCells)
        return std::nullopt;
    const std::string &text = m_view.program().cells.cellConcentration[static_cast<std::size_t>(cell)];
    if (text.find_first_not_of(' ') == std::string::npos)
        return std::nullopt;
    return QString::fromStdString(text);
}

CFixedReadOut *CQuanSample::CreateReadOut(int row, std::optional<QString> concentration) {
    const fixed::FixedMethodRecord &method = m_view.MethodPage()->record();
    const bool complete = concentrationMode();
    auto *readout = new CQuanReadOut(m_view.program(), fixed::readoutPointsOf(method), table().standard(),
                                     complete, method.coefficients, this);
    m_readout = readout;
    // A standard measured again keeps its concentration: the field starts with what the row holds,
    // preset or measured, so Modify never drops it from the fit.
    if (complete && table().standard() && (table().preset(row) || row < table().rowCount()))
        readout->setConcentrationText(
            QString::fromStdString(table().grid().text(row + 1, fixed::concentrationColumn(method))));
    if (concentration)
        readout->setConcentrationText(*concentration);
    return readout;
}

void CQuanSample::OnMeasured(CFixedReadOut &readout, int row) {
    table().setPreset(row, false);
    CQuanReadOut *quan = m_readout.data();
    if (!quan || quan != &readout || !concentrationMode())
        return;
    const fixed::FixedMethodRecord &method = m_view.MethodPage()->record();
    InitGrid(false);
    const int effective = fixed::effectiveColumn(method);
    grid::GridModel &grid = table().grid();
    grid.setText(row + 1, effective,
                 quan->effective() ? strings::formatC("%.4f", static_cast<double>(*quan->effective())) : "");
    if (!table().standard()) {
        grid.setText(
            row + 1, effective + 1,
            fixed::sampleConcentrationText(method.coefficients, grid.text(row + 1, effective)).value_or(""));
        return;
    }
    // A concentration that is not a number is left empty: that standard takes no part in the fit.
    const std::string typed = quan->concentrationText().trimmed().toStdString();
    std::size_t used = 0;
    const double value = strings::scanDoubleC(typed, &used);
    grid.setText(row + 1, effective + 1,
                 used > 0 && used == typed.size() ? strings::formatC("%.4f", value) : std::string());
    Recalculate();
}

void CQuanSample::Recalculate() {
    if (!concentrationMode())
        return;
    CFixedMethod &methodPage = *m_view.MethodPage();
    fixed::FixedMethodRecord &method = methodPage.record();
    InitGrid(false);
    if (!table().standard()) {
        fixed::recalculateSamples(table(), method);
        markStaleConcentrations();
        return;
    }
    if (fixed::recalculateStandards(table(), method)) {
        setNote({});
        methodPage.showData();
        showData();
    } else {
        setNote(QString::fromStdString(fixed::calibrationMissingText(method.methodIndex)));
    }
}

} // namespace spectavo::app
