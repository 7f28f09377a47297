// On a real display under a window manager: the box that ends a scan shows above a main window kept on
// top, and a key answers it; with the shipped settings the main window fits the available area.

#include <filesystem>

#include <QApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMessageBox>
#include <QProcess>
#include <QScreen>
#include <QStatusBar>
#include <QThread>
#include <QTimer>

#include <gtest/gtest.h>

#include "app/scan/scanframe.h"
#include "app/shell/mainframe.h"
#include "app/shell/qtmessageservice.h"
#include "core/config/profilefile.h"
#include "support/linkeddriver.h"
#include "support/recordingmessageservice.h"
#include "support/tempdir.h"

namespace spectavo::app {
namespace {

// The client windows from bottom to top, as the window manager stacks them.
std::vector<unsigned long> stackingOrder() {
    QProcess xprop;
    xprop.start("xprop", {"-root", "_NET_CLIENT_LIST_STACKING"});
    xprop.waitForFinished(5000);
    const QString line = QString::fromLocal8Bit(xprop.readAllStandardOutput());
    std::vector<unsigned long> order;
    const qsizetype hash = line.indexOf('#');
    for (const QString &id : line.mid(hash + 1).split(',', Qt::SkipEmptyParts))
        order.push_back(id.trimmed().toULong(nullptr, 16));
    return order;
}

std::ptrdiff_t stackPosition(const std::vector<unsigned long> &order, unsigned long window) {
    const auto found = std::find(order.begin(), order.end(), window);
    return found == order.end() ? -1 : found - order.begin();
}

// A program folder with the shipped settings, linked to the virtual instrument.
struct ShippedProgram {
    test::TempDir dir;
    test::ScopedEnv env{"SPECTAVO_PROGRAM_DIR", dir.path() + "/bin"};
    ShippedProgram() {
        std::filesystem::create_directories(dir.path() + "/bin");
        std::filesystem::copy(SPECTAVO_SOURCE_DIR "/config", dir.path() + "/config",
                              std::filesystem::copy_options::recursive);
        std::filesystem::remove(dir.path() + "/config/CMakeLists.txt");
        ProfileFile("..\\config\\tarvesta.zav.comm.ini", true)
            .PutString("hub", "driver", SPECTAVO_BIN_DIR "/tarvesta.zav.comm.sim.so");
    }
};

TEST(WindowManager, TheFinishBoxShowsAboveTheMainWindowAndAKeyAnswersIt) {
    if (QGuiApplication::platformName() != "xcb")
        GTEST_SKIP() << "needs an X display with a window manager (tests/app/run_under_wm.sh)";
    const ShippedProgram program;
    ProfileFile("..\\config\\tarvesta.zav.sim.ini", true).PutInt("Simulation", "Speed", 50);
    // The hardest case: an operator who keeps the main window above every other program.
    ProfileFile("..\\config\\tarvesta.zav.analyst.ini", true).PutInt("Spectavo", "TopMost", 1);
    installMessages(nullptr); // the boxes of the screen

    link::StationLink link;
    CMainFrame frame(link, &messages(), 0);
    ASSERT_TRUE(frame.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    frame.show();
    ASSERT_TRUE(test::eventually(
        [&] {
            QApplication::processEvents();
            return link.status().stationReady.load() != 0;
        },
        std::chrono::seconds(30)));
    frame.shared().scan.high = 700.0f;
    frame.shared().scan.low = 690.0f;
    ASSERT_TRUE(frame.newDocument(shell::DocumentKind::WavelengthScan));
    auto *scan = dynamic_cast<CScanFrame *>(frame.documents()->currentSubWindow()->widget());
    ASSERT_NE(scan, nullptr);

    std::ptrdiff_t boxPosition = -2, framePosition = -2;
    bool answered = false;
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box || !box->isVisible() || !box->text().startsWith("Finish scanning"))
            return;
        watch.stop();
        QTimer::singleShot(300, [&, box] {
            // The window manager maps and stacks the box in its own time: look until it has.
            for (int attempt = 0; attempt < 30; ++attempt) {
                const auto order = stackingOrder();
                boxPosition = stackPosition(order, box->winId());
                framePosition = stackPosition(order, frame.winId());
                if (boxPosition >= 0 && framePosition >= 0)
                    break;
                QThread::msleep(100);
            }
            // The operator answers with the keyboard.
            QProcess::execute("xdotool", {"key", "--window", QString::number(box->winId()), "Return"});
            answered = true;
        });
    });
    watch.start(50);
    scan->refreshCommands();
    scan->action(CScanFrame::kStart)->trigger();
    ASSERT_TRUE(test::eventually(
        [&] {
            QApplication::processEvents();
            return answered && !QApplication::activeModalWidget();
        },
        std::chrono::seconds(60)))
        << "the box was answered by a key";
    EXPECT_GE(framePosition, 0);
    EXPECT_GT(boxPosition, framePosition) << "the box must be above the always-on-top main window";
    scan->spectra().at(0).modified = false;
    frame.close();
}

// With the shipped settings the main window covers the screen's available area with its frame, so
// the status bar (position, "Wait...", a scan's progress) is on the screen, and it does not stay above
// other programs.
TEST(WindowManager, TheShippedMainWindowFitsTheAvailableAreaWithItsStatusBar) {
    if (QGuiApplication::platformName() != "xcb")
        GTEST_SKIP() << "needs an X display with a window manager (tests/app/run_under_wm.sh)";
    const ShippedProgram program;
    test::RecordingMessageService told; // no box may wait for an answer here
    installMessages(&told);
    link::StationLink link;
    CMainFrame frame(link, &told, 0);
    EXPECT_FALSE(frame.windowFlags().testFlag(Qt::WindowStaysOnTopHint)) << "not above other programs";
    frame.show();
    // The window manager frames and places the window in its own time; the window fits again then.
    const auto settled = std::chrono::steady_clock::now() + std::chrono::seconds(2);
    while (std::chrono::steady_clock::now() < settled)
        QApplication::processEvents(QEventLoop::AllEvents, 50);
    const QRect available = frame.screen()->availableGeometry();
    const QRect framed = frame.frameGeometry();
    EXPECT_TRUE(available.adjusted(-1, -1, 1, 1).contains(framed))
        << "frame " << framed.x() << "," << framed.y() << " " << framed.width() << "x" << framed.height()
        << " in " << available.width() << "x" << available.height();
    const QRect status(frame.statusBar()->mapToGlobal(QPoint(0, 0)), frame.statusBar()->size());
    EXPECT_LE(status.bottom(), available.bottom()) << "the status bar is on the screen";
    EXPECT_GE(framed.height(), available.height() * 9 / 10) << "the window still covers the screen";
    frame.close();
    installMessages(nullptr);
}

} // namespace
} // namespace spectavo::app
