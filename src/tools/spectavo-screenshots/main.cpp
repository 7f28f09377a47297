// Pictures of the workstation on the virtual instrument, for the documentation: the main window once
// the link is up, the status window, the dark current dialog, the hub setup dialog, and a holmium scan
// in the wavelength-scan window with its settings sheet and printed page, and the fixed points window
// with its method, five measured samples and a readout, and a multicell time scan.
//
//   spectavo-screenshots <output folder>
//
// Run it on a display (scripts/screenshots starts one under Xvfb). Messages the program would show
// are printed instead, so nothing waits for a click.

#include <chrono>
#include <cstdio>

#include <QApplication>
#include <QClipboard>
#include <QDialog>
#include <QDir>
#include <QElapsedTimer>
#include <QImage>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMimeData>
#include <QPainter>
#include <QPlainTextEdit>
#include <QScreen>
#include <QSvgRenderer>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTimer>

#include "app/fixed/dna/dnapages.h"
#include "app/fixed/fixedframe.h"
#include "app/fixed/fixedmemo.h"
#include "app/fixed/fixedmethod.h"
#include "app/fixed/fixedreadout.h"
#include "app/fixed/fixedsample.h"
#include "app/fixed/fixedview.h"
#include "app/fixed/quan/quancurve.h"
#include "app/fixed/quan/quancurvesettings.h"
#include "app/fixed/validity/validitypages.h"
#include "app/scan/scanframe.h"
#include "app/scan/scanproperty.h"
#include "app/scan/waveview.h"
#include "app/shell/hubsetupdialog.h"
#include "app/shell/mainframe.h"
#include "app/shell/qtmessageservice.h"
#include "app/shell/servicedialogs.h"
#include "core/config/profilefile.h"
#include "core/config/settingsfiles.h"
#include "core/strings/cformat.h"
#include "screenshotsupport.h"
#include "store/sqlitestore.h"
#include "storeshots.h"
#include "timescanshots.h"

namespace {

using namespace spectavo;
using namespace spectavo::screenshots;

class PrintedMessages : public shell::MessageService {
public:
    void show(const std::string &caption, const std::string &text, Icon) override {
        std::fprintf(stderr, "%s: %s\n", caption.c_str(), text.c_str());
    }
    bool ask(const std::string &caption, const std::string &text, Icon icon) override {
        show(caption, text + (answerYes ? " (answered Yes)" : " (answered No)"), icon);
        return answerYes;
    }
    // While a report is printed every part is wanted.
    static inline bool answerYes = false;
    Answer askOrCancel(const std::string &caption, const std::string &text, Icon icon) override {
        return ask(caption, text, icon) ? Answer::Yes : Answer::No;
    }
};

// A holmium scan on the virtual instrument with its peaks labelled, the settings sheet and the
// printed chart page (as PDF; scripts/screenshots turns it into a picture).
bool scanHolmium(app::CMainFrame &frame, link::StationLink &station, const QDir &folder) {
    ProfileFile("..\\config\\tarvesta.zav.func.wavescan.ini", true)
        .PutInt("Peak and Valley", "ShowPeakValleyType", 1);
    QMdiSubWindow *window = nullptr;
    auto *scan = newMaximized<app::CScanFrame>(frame, shell::DocumentKind::WavelengthScan, window);
    if (!scan)
        return false;
    frame.shared().scan.high = 700.0f;
    frame.shared().scan.low = 400.0f;
    frame.shared().scan.stepIndex = 2; // 0.5 nm in the shipped step table
    scan->display().range().xMin = 380.0f;
    scan->display().range().xMax = 720.0f;
    scan->display().range().absMin = -0.1f;
    scan->display().range().absMax = 1.2f;
    station.operations().RequestCell(1);
    pumpUntil([&] { return station.status().currentCell.load() == 1; }, 20000);
    scan->refreshCommands();
    scan->action(app::CScanFrame::kStart)->trigger();
    pumpUntil([&] { return scan->acquisition().progress().received > 150; }, 60000);
    bool saved = save(frame, folder, "wavescan-running.png");
    if (!pumpUntil([&] { return !scan->acquisition().scanning(); }, 120000))
        return false;
    scan->display().range().showPeaks = 1;
    scan->refresh();
    pumpFor(500);
    saved = save(frame, folder, "wavescan.png") && saved;

    ProfileFile wavescan("..\\config\\tarvesta.zav.func.wavescan.ini", true);
    ProfileFile analyst(kAnalystSettingsFile, true);
    app::CScanProperty sheet(scan::SpectrumSheet::preset(scan->display().range(), scan->absorbance(),
                                                         scan->spectra().current(), wavescan, analyst,
                                                         scan->view()->fonts()),
                             &frame);
    sheet.show();
    for (int page : {0, 5}) {
        sheet.pages()->setCurrentIndex(page);
        pumpFor(300);
        saved = save(sheet, folder, page == 0 ? "settings-sheet.png" : "settings-sheet-print.png") && saved;
    }
    sheet.hide();
    saved = scan->printToPdf(folder.filePath("printed-page.pdf")) && saved;
    // The pictures' settings stay out of the next session.
    scan->display().range() = scan::CDisplayRange{};
    ProfileFile("..\\config\\tarvesta.zav.func.wavescan.ini", true)
        .PutInt("Peak and Valley", "ShowPeakValleyType", 0);
    return saved;
}

// The fixed points window: its method page, a table of five samples and a readout under way.
bool measureFixedPoints(app::CMainFrame &frame, link::StationLink &station, const QDir &folder) {
    QMdiSubWindow *window = nullptr;
    auto *fixedWindow = newMaximized<app::CFixedFrame>(frame, shell::DocumentKind::FixedPoints, window);
    if (!fixedWindow)
        return false;
    app::CFixedView &view = fixedWindow->view();
    fixed::FixedMethodRecord &method = view.MethodPage()->record();
    method.count = 3;
    method.wavelengths[0] = 350.0f;
    method.wavelengths[1] = 440.5f;
    method.wavelengths[2] = 257.0f;
    view.MethodPage()->showData();
    view.MethodPage()->form().countChanged();
    view.MethodPage()->showData();
    pumpFor(500);
    bool saved = save(frame, folder, "fixed-method.png");

    app::CFixedSample &samples = *view.SamplePage();
    view.SwitchToPage(app::CFixedView::kSampleKey);
    for (int cell = 1; cell <= 5; ++cell) {
        station.operations().RequestCell(static_cast<std::uint8_t>(cell));
        pumpUntil([&] { return station.status().currentCell.load() == cell; }, 20000);
        const int rows = samples.table().rowCount();
        samples.MeasureRow(rows, std::nullopt, true, std::nullopt);
        if (cell == 3) {
            pumpUntil(
                [&] {
                    auto *readout = samples.findChild<app::CFixedReadOut *>();
                    return readout && readout->isVisible() && readout->sequence().index() >= 1;
                },
                30000);
            for (app::CFixedReadOut *readout : samples.findChildren<app::CFixedReadOut *>())
                if (readout->isVisible())
                    saved = save(*readout, folder, "fixed-readout.png") && saved;
        }
        pumpUntil([&] { return samples.table().rowCount() > rows; }, 60000);
    }
    pumpFor(500);
    saved = save(frame, folder, "fixed-samples.png") && saved;
    // Closing with unsaved results asks first: the question on the screen, then Cancel.
    bool asked = false;
    QTimer::singleShot(800, &frame, [&] {
        if (QWidget *question = QApplication::activeModalWidget()) {
            asked = true;
            // The whole screen: the window with its question above it.
            const QString path = folder.filePath("fixed-close-question.png");
            saved = frame.screen()->grabWindow(0).save(path) && saved;
            std::printf("%s\n", qPrintable(path));
            if (auto *box = qobject_cast<QDialog *>(question))
                box->reject();
        }
    });
    // The program's own question box, on the screen, for this picture.
    shell::MessageService &printed = app::messages();
    app::installMessages(nullptr);
    window->close();
    app::installMessages(&printed);
    saved = asked && saved;
    samples.table().setModified(false); // the pictures' samples need no saving
    window->close();
    return saved;
}

// A quadratic calibration from five standards with three samples: the Fitting page, the Display
// Setting page and the chart as copied to the clipboard (its SVG drawn to a picture).
bool showCalibration(app::CMainFrame &frame, const QDir &folder) {
    QMdiSubWindow *window = nullptr;
    auto *fixedWindow = newMaximized<app::CFixedFrame>(frame, shell::DocumentKind::FixedPoints, window);
    auto *view = fixedWindow ? dynamic_cast<app::CQuanView *>(&fixedWindow->view()) : nullptr;
    if (!view)
        return false;
    fixed::FixedMethodRecord &method = view->MethodPage()->record();
    method.count = 1;
    method.wavelengths[0] = 350.0f;
    method.concentration = 1;
    method.reference = 1;
    method.methodIndex = 1;
    view->MethodPage()->showData();
    const double standards[][2] = {{0.0, 0.0}, {0.214, 20.0}, {0.421, 40.0}, {0.618, 60.0}, {0.803, 80.0}};
    const double samples[] = {0.105, 0.352, 0.705};
    const auto fill = [](app::CFixedSample &page, int row, double effective, const char *name) {
        const float value[] = {static_cast<float>(effective)};
        page.InitGrid(false);
        page.table().writeMeasuredRow(row, name, value, true);
        page.table().grid().setText(row + 1, 2, strings::formatC("%.4f", effective));
    };
    app::CFixedSample &standardPage = *view->StandardTable();
    for (int i = 0; i < 5; ++i) {
        fill(standardPage, i, standards[i][0], strings::formatC("Std %d mg/l", i * 20).c_str());
        standardPage.table().grid().setText(i + 1, 3, strings::formatC("%.4f", standards[i][1]));
    }
    standardPage.Recalculate();
    app::CFixedSample &samplePage = *view->SamplePage();
    for (int i = 0; i < 3; ++i)
        fill(samplePage, i, samples[i], strings::formatC("Sample-%d", i + 1).c_str());
    samplePage.Recalculate();
    app::CQuanCurveSettings &settings = *view->SettingsPage();
    settings.field("xMax")->setText("100");
    settings.apply();
    view->SwitchToPage(app::CFixedView::kFittingKey);
    pumpFor(500);
    bool saved = save(frame, folder, "fixed-fitting.png");
    view->SwitchToPage(app::CFixedView::kSettingsKey);
    pumpFor(300);
    saved = save(frame, folder, "fixed-display-setting.png") && saved;

    view->copyCurve();
    const QByteArray svg = QApplication::clipboard()->mimeData()->data("image/svg+xml");
    QSvgRenderer renderer(svg);
    QImage copied(renderer.defaultSize().isEmpty() ? QSize(640, 400) : renderer.defaultSize(),
                  QImage::Format_RGB32);
    copied.fill(Qt::white);
    QPainter painter(&copied);
    renderer.render(&painter);
    painter.end();
    const QString path = folder.filePath("fixed-fitting-copied.png");
    saved = svg.contains("ZAV.Fit") && copied.save(path) && saved;
    std::printf("%s\n", qPrintable(path));

    app::CFixedMemo &information = *view->InformationPage();
    information.field("title")->setText("Chromium(VI) by diphenylcarbazide");
    information.field("footnote")->setText("Water laboratory, bench 3");
    information.memoField()->setPlainText("Samples filtered 0.45 um.\nBlank: reagent water.");
    view->SwitchToPage(app::CFixedView::kMemoKey);
    pumpFor(300);
    saved = save(frame, folder, "fixed-information.png") && saved;
    PrintedMessages::answerYes = true;
    saved = fixedWindow->printToPdf(folder.filePath("fixed-report.pdf")) && saved;
    PrintedMessages::answerYes = false;
    // The fit changed to linear: the samples' concentrations of the quadratic fit are marked until
    // they are recalculated.
    method.methodIndex = 0;
    standardPage.Recalculate();
    view->SwitchToPage(app::CFixedView::kSampleKey);
    samplePage.showData();
    pumpFor(300);
    saved = save(frame, folder, "fixed-stale-concentrations.png") && saved;
    settings.field("xMax")->setText("3"); // the pictures' range stays out of the next session
    settings.apply();
    standardPage.table().setModified(false);
    samplePage.table().setModified(false);
    window->close();
    return saved;
}

// Measures `rows` samples in the window's sample table, one per cell, each readout closing itself.
bool measureCells(app::CFixedView &view, link::StationLink &station, std::initializer_list<int> cells) {
    app::CFixedSample &samples = *view.SamplePage();
    view.SwitchToPage(app::CFixedView::kSampleKey);
    for (int cell : cells) {
        station.operations().RequestCell(static_cast<std::uint8_t>(cell));
        pumpUntil([&] { return station.status().currentCell.load() == cell; }, 20000);
        const int rows = samples.table().rowCount();
        samples.MeasureRow(rows, std::nullopt, true, std::nullopt);
        if (!pumpUntil([&] { return samples.table().rowCount() > rows; }, 60000))
            return false;
    }
    return true;
}

// The DNA/protein window: its method page and three samples.
bool measureDna(app::CMainFrame &frame, link::StationLink &station, const QDir &folder) {
    QMdiSubWindow *window = nullptr;
    auto *dnaWindow = newMaximized<app::CFixedFrame>(frame, shell::DocumentKind::DnaProtein, window);
    if (!dnaWindow)
        return false;
    pumpFor(500);
    bool saved = save(frame, folder, "dna-method.png");
    saved = measureCells(dnaWindow->view(), station, {5, 2, 3}) && saved;
    pumpFor(300);
    saved = save(frame, folder, "dna-samples.png") && saved;
    dnaWindow->view().SamplePage()->table().setModified(false);
    window->close();
    return saved;
}

// The validity window after a wavelength test on holmium oxide where one line is not where the
// method expects it.
bool testValidity(app::CMainFrame &frame, link::StationLink &station, const QDir &folder) {
    QMdiSubWindow *window = nullptr;
    auto *validityWindow = newMaximized<app::CFixedFrame>(frame, shell::DocumentKind::Validity, window);
    if (!validityWindow)
        return false;
    app::CFixedView &view = validityWindow->view();
    auto &method = dynamic_cast<app::CGlpGmpMethod &>(*view.MethodPage());
    fixed::FixedMethodRecord &record = method.record();
    record.methodIndex = fixed::kWavelengthTest;
    record.count = 3;
    record.wavelengths[0] = 536.4f;
    record.wavelengths[1] = 450.8f;
    record.wavelengths[2] = 451.5f;
    record.coefficients[0] = 0.2f;
    method.showData();
    station.operations().RequestCell(1);
    pumpUntil([&] { return station.status().currentCell.load() == 1; }, 20000);
    app::CFixedSample &results = *view.SamplePage();
    view.SwitchToPage(app::CFixedView::kSampleKey);
    bool finished = false;
    results.MeasureRow(0, std::nullopt, true, std::nullopt, [&finished](bool) { finished = true; });
    const bool saved =
        pumpUntil([&] { return finished; }, 60000) && save(frame, folder, "validity-wavelength.png");
    results.table().setModified(false);
    window->close();
    return saved;
}

} // namespace

int main(int argc, char **argv) {
    QApplication application(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: spectavo-screenshots <output folder>\n");
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    if (!QDir().mkpath(folder.path())) {
        std::fprintf(stderr, "spectavo-screenshots: cannot create %s\n", argv[1]);
        return 1;
    }
    PrintedMessages messages;
    app::installMessages(&messages);
    link::StationLink &station = link::StationLink::instance();
    const CellsForTimeScan cells;
    // The session's results go to a store of its own, not the operator's.
    QTemporaryDir storeFolder;
    const std::string storePath = storeFolder.filePath("results.sqlite").toStdString();
    app::ResultsRecorder recorder(station, messages, [storePath] {
        return std::make_unique<store::SqliteStore>(storePath, "bench-7");
    });
    recorder.record("login", "");
    app::CMainFrame frame(station, &messages, 0);
    frame.setRecorder(&recorder);
    frame.show();
    const bool live = pumpUntil(
        [&] {
            return frame.paneText(shell::kPaneState) == "Ready" &&
                   frame.paneText(shell::kPaneSample) != "S:     ";
        },
        180000);
    if (!live) {
        std::fprintf(stderr, "spectavo-screenshots: the virtual instrument did not come up\n");
        return 1;
    }
    pumpFor(1500); // a few live readings in the panes
    bool saved = save(frame, folder, "mainframe.png");

    app::CStatusWindow status(station, &frame);
    status.refresh();
    status.show();
    pumpFor(500);
    saved = save(status, folder, "status-window.png") && saved;
    status.hide();

    app::CDarkCurrentDialog dark(station, &frame);
    dark.show();
    pumpFor(3000);
    saved = save(dark, folder, "dark-current.png") && saved;
    dark.hide();

    saved = scanHolmium(frame, station, folder) && saved;
    saved = measureFixedPoints(frame, station, folder) && saved;
    saved = showCalibration(frame, folder) && saved;
    saved = measureDna(frame, station, folder) && saved;
    saved = testValidity(frame, station, folder) && saved;
    saved = runTimeScans(frame, station, folder) && saved;

    saved = showStoreWindows(recorder, messages, frame, folder) && saved;

    app::CHubSetup hub(&frame);
    hub.show();
    pumpFor(500);
    saved = save(hub, folder, "hub-setup.png") && saved;
    hub.hide();

    frame.close();
    app::installMessages(nullptr);
    return saved ? 0 : 1;
}
