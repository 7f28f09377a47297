// What open spectra cost the workstation, measured in child processes of this program so each number
// is one process's own resident set:
//
//   (a) memory of a scan window holding one 9,101-point spectrum, less an empty scan window, against
//       the spectrum's data (9,101 x 2 values x 8 bytes); N windows of each, averaged
//   (b) time to open ten 9,101-point spectra against ten 601-point spectra (interleaved rounds,
//       medians), each through the main window's Open and drawn
//   (c) the main window with ten 9,101-point spectra open against a minimal Qt MDI program (main
//       window, MDI area, six menus, a tool bar, a status bar) plus the data
//
// Run as `bench_workspace`; the children are the same program with a role as first argument.

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include <QApplication>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QStatusBar>
#include <QToolBar>

#include "app/shell/mainframe.h"
#include "app/shell/qtmessageservice.h"
#include "core/link/hubloader.h"
#include "core/link/stationlink.h"
#include "core/scan/wave/wavefile.h"
#include "core/shell/messageservice.h"

namespace {

namespace fs = std::filesystem;
constexpr int kSpectra = 10;
constexpr double kLongSpectrumData = 9101.0 * 2 * 8;

long residentBytes() {
    std::ifstream status("/proc/self/status");
    std::string word;
    while (status >> word)
        if (word == "VmRSS:") {
            long kilobytes = 0;
            status >> kilobytes;
            return kilobytes * 1024;
        }
    return 0;
}

void settle() {
    for (int i = 0; i < 5; ++i) {
        QApplication::processEvents();
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

// A message service that answers every question with No: nothing in the bench asks one.
class SilentMessages : public spectavo::shell::MessageService {
public:
    void show(const std::string &, const std::string &, Icon) override {}
    bool ask(const std::string &, const std::string &, Icon) override { return false; }
    Answer askOrCancel(const std::string &, const std::string &, Icon) override { return Answer::No; }
};

// The spectra files and a program folder with the shipped settings, as an installed program has.
struct Workspace {
    fs::path root;
    explicit Workspace(const fs::path &where) : root(where) {}
    void create() const {
        fs::create_directories(root / "bin");
        fs::create_directories(root / "config");
        for (const auto &entry : fs::directory_iterator(SPECTAVO_SOURCE_DIR "/config"))
            if (entry.path().extension() == ".ini")
                fs::copy_file(entry.path(), root / "config" / entry.path().filename(),
                              fs::copy_options::overwrite_existing);
        for (int i = 0; i < kSpectra; ++i) {
            writeSpectrum(spectrumPath(9101, i), 0.1f, i);
            writeSpectrum(spectrumPath(601, i), 1.0f, i);
        }
    }
    fs::path spectrumPath(int points, int i) const {
        return root / ("s" + std::to_string(points) + "-" + std::to_string(i) + ".sca");
    }
    QStringList spectra(int points, int count) const {
        QStringList paths;
        for (int i = 0; i < count; ++i)
            paths << QString::fromStdString(spectrumPath(points, i).string());
        return paths;
    }
    static void writeSpectrum(const fs::path &path, float step, int seed) {
        spectavo::scan::CWaveSpectrum spectrum = spectavo::scan::CWaveSpectrum::makeNew();
        spectrum.start = step < 0.5f ? 190.0f : 500.0f;
        spectrum.end = 1100.0f;
        spectrum.step = step;
        spectrum.allocatePoints();
        for (std::size_t i = 0; i < spectrum.points().size(); ++i)
            spectrum.points()[i] =
                static_cast<float>(0.5 + 0.4 * std::sin(static_cast<double>(i) / 700.0 + seed));
        spectavo::scan::writeSpectrumFile(spectrum, path.string());
    }
};

struct Station {
    SilentMessages messages;
    ~Station() { spectavo::app::installMessages(nullptr); }
    spectavo::link::StationLink link{std::make_unique<spectavo::link::SharedLibraryLoader>()};
    spectavo::app::CMainFrame frame{link, &messages, 0};
    Station() {
        spectavo::app::installMessages(&messages);
        frame.resize(1280, 900);
        frame.show();
        settle();
    }
};

int minimalProgram() {
    QMainWindow window;
    auto *area = new QMdiArea(&window);
    window.setCentralWidget(area);
    for (const char *name : {"&File", "&Edit", "&View", "&Measure", "&Window", "&Help"}) {
        QMenu *menu = window.menuBar()->addMenu(name);
        for (int i = 0; i < 6; ++i)
            menu->addAction(QString("Command %1").arg(i));
    }
    QToolBar *tools = window.addToolBar("Tools");
    for (int i = 0; i < 12; ++i)
        tools->addAction(QString("T%1").arg(i));
    window.statusBar()->showMessage("Ready");
    window.resize(1280, 900);
    window.show();
    settle();
    std::printf("%ld\n", residentBytes());
    return 0;
}

// N wavelength-scan windows, empty or each holding one long spectrum.
int scanWindows(const Workspace &workspace, int count, bool withSpectra) {
    Station station;
    if (withSpectra)
        station.frame.openDocumentFiles(workspace.spectra(9101, count));
    else
        for (int i = 0; i < count; ++i)
            station.frame.newDocument(spectavo::shell::DocumentKind::WavelengthScan);
    settle();
    std::printf("%ld\n", residentBytes());
    return 0;
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

int openingTimes(const Workspace &workspace) {
    Station station;
    auto openAndClose = [&](int points) {
        const auto start = std::chrono::steady_clock::now();
        station.frame.openDocumentFiles(workspace.spectra(points, kSpectra));
        settle();
        const double seconds =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        station.frame.documents()->closeAllSubWindows();
        settle();
        return seconds;
    };
    openAndClose(601); // warm-up
    openAndClose(9101);
    std::vector<double> shortOnes, longOnes;
    for (int round = 0; round < 9; ++round) {
        shortOnes.push_back(openAndClose(601));
        longOnes.push_back(openAndClose(9101));
    }
    std::printf("%.9f %.9f\n", median(shortOnes), median(longOnes));
    return 0;
}

int workstation(const Workspace &workspace) {
    Station station;
    station.frame.openDocumentFiles(workspace.spectra(9101, kSpectra));
    settle();
    std::printf("%ld\n", residentBytes());
    return 0;
}

int child(const std::string &role, const Workspace &workspace, int count) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("SPECTAVO_PROGRAM_DIR", QByteArray::fromStdString((workspace.root / "bin").string()));
    int argc = 1;
    char name[] = "bench_workspace";
    char *argv[] = {name, nullptr};
    QApplication application(argc, argv);
    if (role == "minimal")
        return minimalProgram();
    if (role == "empty-windows")
        return scanWindows(workspace, count, false);
    if (role == "spectrum-windows")
        return scanWindows(workspace, count, true);
    if (role == "opening")
        return openingTimes(workspace);
    return workstation(workspace);
}

std::vector<double> runChild(const std::string &self, const std::string &role, const fs::path &root,
                             int count) {
    const std::string command =
        "'" + self + "' " + role + " '" + root.string() + "' " + std::to_string(count);
    std::vector<double> numbers;
    if (FILE *pipe = popen(command.c_str(), "r")) {
        double value = 0;
        while (std::fscanf(pipe, "%lf", &value) == 1)
            numbers.push_back(value);
        pclose(pipe);
    }
    if (numbers.empty()) {
        std::fprintf(stderr, "bench_workspace: the child '%s' gave no numbers\n", role.c_str());
        std::exit(1);
    }
    return numbers;
}

} // namespace

int main(int argc, char **argv) {
    if (argc >= 4)
        return child(argv[1], Workspace(argv[2]), std::atoi(argv[3]));

    const std::string self = fs::read_symlink("/proc/self/exe").string();
    const fs::path root =
        fs::temp_directory_path() / ("spectavo-workspace-bench-" + std::to_string(getpid()));
    Workspace workspace(root);
    workspace.create();

    const double empty = runChild(self, "empty-windows", root, kSpectra)[0];
    const double full = runChild(self, "spectrum-windows", root, kSpectra)[0];
    const double perWindow = (full - empty) / kSpectra;
    std::printf("(a) one 9,101-point spectrum's window less an empty one: %.0f bytes\n", perWindow);
    std::printf("ratio (a) window / spectrum data            %8.3g  (goal <= 20)\n",
                perWindow / kLongSpectrumData);

    const std::vector<double> times = runChild(self, "opening", root, kSpectra);
    std::printf("\n(b) ten 601-point spectra %.1f ms, ten 9,101-point spectra %.1f ms (medians)\n",
                times[0] * 1e3, times[1] * 1e3);
    std::printf("ratio (b) ten long / ten short              %8.3g  (goal <= 1.5)\n", times[1] / times[0]);

    const double minimal = runChild(self, "minimal", root, 0)[0];
    const double station = runChild(self, "workstation", root, kSpectra)[0];
    const double data = kSpectra * kLongSpectrumData;
    std::printf("\n(c) minimal Qt MDI program %.1f MB, workstation with ten spectra %.1f MB, data %.2f MB\n",
                minimal / 1e6, station / 1e6, data / 1e6);
    std::printf("ratio (c) workstation / (minimal + data)    %8.3g  (goal <= 1.5)\n",
                station / (minimal + data));

    fs::remove_all(root);
    return 0;
}
