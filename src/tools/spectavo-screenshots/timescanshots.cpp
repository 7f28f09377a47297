#include "timescanshots.h"

#include <cstdio>

#include <QTabWidget>

#include "app/scan/scanproperty.h"
#include "app/scan/time/kineframe.h"
#include "app/scan/time/kineview.h"
#include "core/config/atomicfile.h"
#include "core/config/profilefile.h"
#include "core/config/settingsfiles.h"
#include "core/program/sharedsettings.h"
#include "core/scan/time/kinesheet.h"
#include "core/shell/accessories.h"
#include "screenshotsupport.h"

namespace spectavo::screenshots {
namespace {

constexpr const char *kKinetics = program::KineticsSettings::kFileName;

// The settings sheet of the window, on its rate page.
bool saveRatePage(app::CMainFrame &frame, app::CKineFrame &kinetics, const QDir &folder) {
    ProfileFile settings(kKinetics, true);
    ProfileFile analyst(kAnalystSettingsFile, true);
    app::CScanProperty sheet(scan::presetKineSheet(kinetics.display().range(), kinetics.absorbance(),
                                                   kinetics.curves().current(), settings, analyst,
                                                   kinetics.view()->fonts()),
                             &frame);
    sheet.show();
    sheet.pages()->setCurrentIndex(sheet.pages()->count() - 1);
    pumpFor(300);
    const bool saved = save(sheet, folder, "timescan-rate.png");
    sheet.hide();
    return saved;
}

} // namespace

CellsForTimeScan::CellsForTimeScan()
    : m_path(ProfileFile(shell::AccessorySettings::kCellsFile, true).path()),
      m_operators(readTextFile(m_path)) {
    ProfileFile install(m_path, false);
    ProfileFile::Batch batch(install);
    batch.PutInt("Status", "CellNum", 8);
    batch.PutInt("Install", "Cell6", 1);
    batch.PutString("Name", "Cell0", "Blank");
    batch.PutString("Name", "Cell6", "NADH reaction");
}

CellsForTimeScan::~CellsForTimeScan() {
    if (m_operators.status == FileText::Status::Read)
        writeFileAtomically(m_path, m_operators.text);
    else
        std::remove(m_path.c_str());
}

bool runTimeScans(app::CMainFrame &frame, link::StationLink &station, const QDir &folder) {
    ProfileFile(kKinetics, true).PutInt("Peak and Valley", "ShowPeakValleyType", 2);
    QMdiSubWindow *window = nullptr;
    auto *kinetics = newMaximized<app::CKineFrame>(frame, shell::DocumentKind::TimeScan, window);
    bool saved = kinetics != nullptr;
    if (kinetics) {
        frame.shared().kinetics = {340.0f, 120.0f, 30.0f, {}};
        kinetics->setupConfirmed();
        pumpUntil(
            [&] {
                return station.status().currentWavelengthTenths.load() == 3400 &&
                       !station.acquisition().open.load();
            },
            20000);
        kinetics->refreshCommands();
        if (!kinetics->action(app::CKineFrame::kAutorun)->isEnabled()) {
            std::fprintf(stderr, "spectavo-screenshots: the time scan's Autorun is not available\n");
            saved = false;
        }
        kinetics->action(app::CKineFrame::kAutorun)->trigger();
        saved = pumpUntil([&] { return !kinetics->acquisition().running(); }, 240000) && saved;
        // A fine threshold, so that the readings' own wobble shows labelled peaks and valleys.
        for (std::size_t i = 0; i < kinetics->curves().size(); ++i)
            kinetics->curves().at(i).recomputeMarkers(0.00002f);
        // The chart as the run left it: fitted to what was measured.
        kinetics->refresh();
        pumpFor(500);
        saved = save(frame, folder, "timescan.png") && saved;
        saved = saveRatePage(frame, *kinetics, folder) && saved;
        saved = kinetics->printToPdf(folder.filePath("timescan-printed.pdf")) && saved;
        for (std::size_t i = 0; i < kinetics->curves().size(); ++i)
            kinetics->curves().at(i).modified = false;
        kinetics->display().range() = scan::CDisplayRange::loadKinetic(ProfileFile("", false));
        window->close();
    }
    ProfileFile(kKinetics, true).PutInt("Peak and Valley", "ShowPeakValleyType", 0);
    return saved;
}

} // namespace spectavo::screenshots
