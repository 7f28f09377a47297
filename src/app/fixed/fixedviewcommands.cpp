// The measurements of a fixed-wavelength view: Start, Modify, Delete, the blank calibrations, the
// automatic run over the cells, the remote start and the photometric mode.

#include <QTimer>

#include "app/fixed/fixedmethod.h"
#include "app/fixed/fixedreadout.h"
#include "app/fixed/fixedsample.h"
#include "app/fixed/fixedview.h"
#include "app/fixed/standardsetup.h"
#include "app/shell/qtmessageservice.h"
#include "core/fixed/standardpresets.h"
#include "core/strings/translation.h"

namespace spectavo::app {

bool CFixedView::measuring() const {
    for (const CFixedReadOut *readout : findChildren<CFixedReadOut *>())
        if (readout->isVisible())
            return true;
    return false;
}

fixed::FixedWindowState CFixedView::commandState() const {
    const program::ProgramRecords &program = m_host.program;
    fixed::FixedWindowState state;
    state.family = m_family;
    CFixedMethod *method = MethodPage();
    state.methodValid = method && method->record().valid != 0;
    state.concentration =
        method && method->record().concentration != 0 && m_family == fixed::DocumentFamily::FixedPoints;
    state.linkOnline = program.link.status().linkOnline.load() != 0;
    // A readout counts from its appearing: its first command follows a short pause.
    state.acquisitionOpen = program.link.acquisition().open.load() ||
                            program.link.acquisition().mode.load() != link::kModeNone || measuring();
    state.lampStable = program.flags.lampStable != 0;
    state.stationReady = program.link.status().stationReady.load() != 0;
    state.autorunActive = program.flags.autorunActive != 0;
    state.measuring = measuring() || m_autorun.running();
    const int cells = std::min<int>(program.link.status().cellCount.load(), program::CellSelection::kCells);
    for (int cell = 0; cell < cells; ++cell)
        state.installedCells += program.cells.installed(cell) ? 1 : 0;
    CFixedSample *sample = SamplePage();
    state.sampleRows = sample ? sample->table().rowCount() : 0;
    state.pageRows = state.sampleRows;
    state.absorbance = program.flags.absorbanceMode != 0;
    if (CFixedSample *standards = StandardTable()) {
        state.standards = method && method->record().reference != 0;
        state.standardRows = standards->table().rowCount();
        state.anyPreset = fixed::anyPreset(standards->table());
    }
    return state;
}

void CFixedView::Start() {
    const int mode = m_host.program.link.acquisition().mode.load();
    // A wave scan or timed sampling owns the instrument: Start does not measure then.
    if (mode == link::kModeWaveScan || mode == link::kModeTimedSampling)
        return;
    if (!MethodPage()->takeData())
        return;
    SwitchToPage(kSampleKey);
    if (CFixedSample *sample = SamplePage())
        sample->OnStart();
}

void CFixedView::StartOn(CFixedSample &table) {
    const int mode = m_host.program.link.acquisition().mode.load();
    if (mode == link::kModeWaveScan || mode == link::kModeTimedSampling)
        return;
    if (!fixed::measuringAllowed(commandState()))
        return; // also while a readout waits for its first command
    if (table.table().full()) {
        messages().show("Spectavo", fixed::SampleTable::kFull, shell::MessageService::Icon::Warning);
        return;
    }
    table.MeasureRow(table.table().rowCount(), std::nullopt, false, std::nullopt,
                     [this](bool) { commandsChanged(); });
    commandsChanged();
}

void CFixedView::Modify() {
    SwitchToPage(kSampleKey);
    if (CFixedSample *sample = SamplePage())
        sample->OnModify();
}

namespace {
constexpr const char *kBlankCalibrationRuns = SPECTAVO_TEXT("Blank calibration...");
} // namespace

void CFixedView::Delete() {
    SwitchToPage(kSampleKey);
    if (CFixedSample *sample = SamplePage())
        sample->OnDelete();
}

// A blank calibration takes a few seconds: the state pane says it runs until it has ended.
void CFixedView::BlankCalibration() {
    SwitchToPage(kMethodKey);
    CFixedMethod *method = MethodPage();
    if (method && method->CalibrateBlank([this](bool) { blankCalibrationDone(); })) {
        m_host.showState(kBlankCalibrationRuns);
        commandsChanged();
    }
}

void CFixedView::AutoBlankCalibration() {
    SwitchToPage(kMethodKey);
    CFixedMethod *method = MethodPage();
    if (method && method->AutoBlank([this](bool) { blankCalibrationDone(); })) {
        m_host.showState(kBlankCalibrationRuns);
        commandsChanged();
    }
}

void CFixedView::blankCalibrationDone() {
    m_host.showState(SPECTAVO_TEXT("Ready"));
    remoteMeasurementDone();
}

// A blank calibration started remotely is answered like a measurement: the flag does not outlive it,
// so the next manual readout does not close itself and report a remote measurement that never was.
void CFixedView::remoteMeasurementDone() {
    program::AppFlags &flags = m_host.program.flags;
    if (flags.remoteStartFlag != 0) {
        flags.remoteStartFlag = 0;
        m_host.program.link.commands().RemoteMeasureDone();
    }
    commandsChanged();
}

CFixedSample *CFixedView::measuredTable() {
    if (CFixedSample *table = tableOf(currentKey()))
        return table;
    if (!MethodPage()->takeData())
        return nullptr;
    SwitchToPage(kSampleKey);
    return SamplePage();
}

void CFixedView::Autorun() {
    CFixedSample *table = measuredTable();
    if (!table)
        return;
    if (table->table().full()) {
        messages().show("Spectavo", fixed::SampleTable::kFull, shell::MessageService::Icon::Warning);
        return;
    }
    m_autorunTable = table;
    autorunStep(m_autorun.start(fixed::FixedAutorun::Clock::now()));
}

void CFixedView::autorunStep(const fixed::FixedAutorun::Step &step) {
    using Step = fixed::FixedAutorun::Step;
    switch (step.kind) {
    case Step::Waiting:
        m_changerTimer->start();
        break;
    case Step::ChangerError:
        m_changerTimer->stop();
        messages().show("Spectavo", fixed::FixedAutorun::kChangerError, shell::MessageService::Icon::Stop);
        break;
    case Step::Finished:
        m_changerTimer->stop();
        break;
    case Step::Measure: {
        m_changerTimer->stop();
        CFixedSample *table = m_autorunTable;
        if (!table || table->table().full()) {
            if (table)
                messages().show("Spectavo", fixed::SampleTable::kFull, shell::MessageService::Icon::Warning);
            m_autorun.stop();
            autorunStep(m_autorun.measured(fixed::FixedAutorun::Clock::now()));
            break;
        }
        std::optional<QString> name;
        if (step.name)
            name = QString::fromStdString(*step.name);
        table->MeasureRow(table->table().rowCount(), name, true, table->AutorunConcentration(), [this](bool) {
            autorunStep(m_autorun.measured(fixed::FixedAutorun::Clock::now()));
        });
        break;
    }
    }
    commandsChanged();
}

void CFixedView::pollChanger() {
    autorunStep(m_autorun.poll(fixed::FixedAutorun::Clock::now()));
}

void CFixedView::stopRequested() {
    if (!m_autorun.running())
        return;
    const bool waiting = m_autorun.waitingForChanger();
    m_autorun.stop();
    if (waiting)
        autorunStep(m_autorun.poll(fixed::FixedAutorun::Clock::now()));
}

void CFixedView::remoteStart(int code) {
    const bool tableShown = tableOf(currentKey()) != nullptr;
    const auto action = fixed::remoteStartAction(code, fixed::measuringAllowed(commandState()), tableShown);
    if (action == fixed::RemoteAction::Ignore)
        return;
    program::AppFlags &flags = m_host.program.flags;
    flags.remoteStartFlag = 1;
    if (action == fixed::RemoteAction::AutoBlankCalibration) {
        SwitchToPage(kMethodKey);
        if (!MethodPage()->AutoBlank([this](bool) { remoteMeasurementDone(); }))
            remoteMeasurementDone();
        return;
    }
    CFixedSample *table = measuredTable();
    if (!table || table->table().full()) {
        if (table)
            messages().show("Spectavo", fixed::SampleTable::kFull, shell::MessageService::Icon::Warning);
        remoteMeasurementDone();
        return;
    }
    table->MeasureRow(table->table().rowCount(), std::nullopt, true, std::nullopt,
                      [this](bool) { commandsChanged(); });
    commandsChanged();
}

void CFixedView::StandardSetup() {
    CFixedSample *standards = StandardTable();
    if (!standards)
        return;
    SwitchToPage(kStandardKey);
    standards->InitGrid(false);
    fixed::StandardPresetting presetting(standards->table(), MethodPage()->record());
    while (presetting.more()) {
        CStandardSetup dialog(QString::fromStdString(presetting.suggestedName()),
                              presetting.suggestedConcentration(), this);
        const int result = dialog.exec();
        if (result == QDialog::Rejected)
            break;
        presetting.accept(dialog.name().toStdString(), dialog.concentration());
        if (result != CStandardSetup::kNext)
            break;
    }
    commandsChanged();
}

void CFixedView::DeletePresets() {
    if (CFixedSample *standards = StandardTable())
        fixed::deletePresets(standards->table());
    commandsChanged();
}

bool CFixedView::multicellSetup() {
    if (!StandardTable() || currentKey() != kStandardKey) {
        SwitchToPage(kSampleKey);
        return false;
    }
    m_host.multicellDialog(true);
    return true;
}

void CFixedView::photometricModeChanged(bool absorbanceNow) {
    for (CFixedSample *table : tablePages())
        table->SwitchPhotometricMode(absorbanceNow);
}

} // namespace spectavo::app
