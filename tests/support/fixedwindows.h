#pragma once

#include <chrono>
#include <filesystem>
#include <memory>

#include <QApplication>
#include <QWidget>

#include <gtest/gtest.h>

#include "app/fixed/fixedframe.h"
#include "app/fixed/fixedreadout.h"
#include "app/shell/qtmessageservice.h"
#include "support/linkeddriver.h"
#include "support/recordingmessageservice.h"
#include "support/simcontrol.h"
#include "support/tempdir.h"

namespace spectavo::test {

// Runs the event loop (deferred deletions included) until the condition holds or the time runs out.
template <typename Condition>
bool pumpUntil(Condition condition, std::chrono::milliseconds limit = std::chrono::seconds(30)) {
    return eventually(
        [&] {
            QApplication::processEvents();
            QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            return condition();
        },
        limit);
}

// The readout a window shows now, if any.
inline app::CFixedReadOut *visibleReadout(const QWidget &window) {
    for (app::CFixedReadOut *shown : window.findChildren<app::CFixedReadOut *>())
        if (shown->isVisible())
            return shown;
    return nullptr;
}

// A fixed-wavelength window on the virtual instrument at high speed, in a private settings folder,
// with messages recorded instead of shown.
class FixedWindowFixture : public ::testing::Test {
protected:
    FixedWindowFixture() {
        app::installMessages(&messages);
        std::filesystem::create_directories(dir.path() + "/bin");
        std::filesystem::create_directories(dir.path() + "/config");
        writeBytes(dir.file("config/tarvesta.zav.sim.ini"), "[Simulation]\nBoot=1\nSpeed=100\n");
    }
    ~FixedWindowFixture() override {
        frame.reset();
        app::installMessages(nullptr);
    }
    // The link to the virtual instrument, up and ready.
    void linkToInstrument() {
        ASSERT_TRUE(instrument.connect(SPECTAVO_BIN_DIR "/tarvesta.zav.comm.sim.so"));
        ASSERT_TRUE(eventually([&] { return instrument.link.status().stationReady.load() != 0; }));
    }
    app::WindowHost host() {
        app::WindowHost windowHost{{instrument.link, shared, flags, accessories}};
        windowHost.showState = [this](const std::string &text) { states.push_back(text); };
        return windowHost;
    }
    // What the window said in the main window's state pane, in order.
    std::vector<std::string> states;
    // Shows the window the fixture owns from now on.
    void show(app::MeasurementWindow *window) {
        frame.reset(dynamic_cast<app::CFixedFrame *>(window));
        ASSERT_NE(frame, nullptr);
        frame->resize(900, 600);
        frame->show();
    }
    void moveToCell(int cell) {
        ASSERT_TRUE(instrument.link.operations().RequestCell(static_cast<std::uint8_t>(cell)));
        ASSERT_TRUE(pumpUntil([&] { return instrument.link.status().currentCell.load() == cell; }));
    }
    app::CFixedReadOut *readout() const { return visibleReadout(*frame); }
    int commandsReceived(int code) { return simControl<int (*)(int)>("SimHub_CommandsReceived")(code); }

    TempDir dir;
    ScopedEnv env{"SPECTAVO_PROGRAM_DIR", dir.path() + "/bin"};
    RecordingMessageService messages;
    LinkedDriver instrument;
    program::SharedSettings shared;
    program::AppFlags flags;
    program::CellSelection accessories;
    std::unique_ptr<app::CFixedFrame> frame;
};

} // namespace spectavo::test
