// The scan charts draw the points of a running measurement as they arrive and keep what they have
// drawn themselves: a record measured again is drawn again from its first point.

#include <QImage>

#include <gtest/gtest.h>

#include "app/scan/time/kineview.h"
#include "app/scan/waveview.h"

namespace spectavo::app {
namespace {

struct Pane {
    scan::DisplayHistory display{scan::CDisplayRange{}};
    bool absorbance = true;
    QImage target{640, 480, QImage::Format_RGB32};

    void drawWhole(CChartView &view) {
        view.resize(640, 480);
        view.invalidate();
        view.render(&target);
    }
};

class WaveArrivals : public ::testing::Test {
protected:
    WaveArrivals() {
        auto spectrum = std::make_unique<scan::CWaveSpectrum>();
        spectrum->start = 400.0f;
        spectrum->end = 500.0f;
        spectrum->step = 1.0f;
        spectrum->allocatePoints();
        for (float &value : spectrum->points())
            value = 0.5f;
        spectra.insertFront(std::move(spectrum));
        pane.display.range().xMin = 400.0f;
        pane.display.range().xMax = 500.0f;
    }
    scan::CWaveSpectrum &spectrum() { return spectra.at(0); }
    void startScan() {
        spectrum().acquiring = true;
        spectrum().nextIndex = static_cast<int>(spectrum().points().size()) - 1;
    }
    void arrive(int points) { spectrum().nextIndex = spectrum().nextIndex.load() - points; }

    scan::RecordList<scan::CWaveSpectrum> spectra;
    Pane pane;
    CWaveView view{spectra, pane.display, pane.absorbance};
};

TEST_F(WaveArrivals, EachTickDrawsOnlyWhatArrivedAndARepeatedScanStartsOver) {
    startScan();
    pane.drawWhole(view);
    EXPECT_TRUE(view.addArrivedSegments().isEmpty()) << "nothing arrived yet";
    arrive(10);
    const QRect first = view.addArrivedSegments();
    EXPECT_FALSE(first.isEmpty());
    EXPECT_TRUE(view.addArrivedSegments().isEmpty()) << "drawn once only";

    // The scan ends and the same spectrum is scanned again: the window's refresh at the start draws
    // the whole chart.
    arrive(90);
    spectrum().acquiring = false;
    startScan();
    pane.drawWhole(view);
    arrive(10);
    const QRect again = view.addArrivedSegments();
    EXPECT_FALSE(again.isEmpty());
    EXPECT_EQ(again.right(), first.right()) << "the new scan is drawn from the high end again";
}

TEST_F(WaveArrivals, AFullPictureCountsAsDrawn) {
    startScan();
    arrive(30);
    pane.drawWhole(view);
    EXPECT_TRUE(view.addArrivedSegments().isEmpty());
    arrive(1);
    EXPECT_FALSE(view.addArrivedSegments().isEmpty());
}

class KineArrivals : public ::testing::Test {
protected:
    KineArrivals() {
        auto curve = std::make_unique<scan::CKineSpectrum>();
        curve->totalTime = 100;
        curve->step = 1.0f;
        curve->allocatePoints();
        for (float &value : curve->points())
            value = 0.5f;
        curves.insertFront(std::move(curve));
        pane.display.range().xMin = 0.0f;
        pane.display.range().xMax = 100.0f;
        view.onTimeReached = [this](const std::string &time) { times.push_back(time); };
    }
    scan::CKineSpectrum &curve() { return curves.at(0); }
    void startRun() {
        curve().acquiring = true;
        curve().count = 0;
    }

    scan::RecordList<scan::CKineSpectrum> curves;
    Pane pane;
    CKineView view{curves, pane.display, pane.absorbance};
    std::vector<std::string> times;
};

TEST_F(KineArrivals, EachTickDrawsOnFromTheLastPointAndARepeatedRunStartsOver) {
    startRun();
    pane.drawWhole(view);
    curve().count = 20;
    EXPECT_FALSE(view.addArrivedSegments().isEmpty());
    EXPECT_TRUE(view.addArrivedSegments().isEmpty());

    curve().acquiring = false;
    startRun();
    pane.drawWhole(view);
    curve().count = 5;
    EXPECT_FALSE(view.addArrivedSegments().isEmpty());
    EXPECT_EQ(times, (std::vector<std::string>{"Time:19.0s", "Time:4.0s"}));
}

} // namespace
} // namespace spectavo::app
