// Drawing spectra into a 1920x1080 image with a 1-pixel pen, through the per-pixel-column reduction
// and point for point, side by side: each way is timed in interleaved rounds after a warm-up and the
// medians are compared, so the ratios do not depend on the machine's speed or on its load drifting.
//
//   (a) one 201,600-point curve with 1 % noise; and the same at twice the points
//   (b) 50 spectra of 9,101 points
//
// and the chart pane of the scan window against its own full redraw (50 spectra of 9,101 points):
//   (c) a repaint with unchanged data and axes, the trace cursor moved
//   (d) one scan point arriving

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <functional>
#include <memory>
#include <random>
#include <vector>

#include <QApplication>
#include <QImage>
#include <QPainter>

#include "app/scan/curvedrawing.h"
#include "app/scan/waveview.h"

namespace {

using spectavo::scan::PlotPoint;
using Curves = std::vector<std::vector<PlotPoint>>;

std::vector<PlotPoint> noisyCurve(std::size_t n, unsigned seed) {
    std::mt19937 random(seed);
    std::normal_distribution<double> noise(0.0, 0.01);
    std::vector<PlotPoint> points(n);
    for (std::size_t i = 0; i < n; ++i) {
        const double x = 40.0 + 1860.0 * static_cast<double>(i) / static_cast<double>(n - 1);
        const double signal = 0.8 + 0.6 * std::exp(-std::pow((x - 700) / 40.0, 2)) + 0.2 * std::sin(x / 90.0);
        points[i] = {x, 1040.0 - signal * (1.0 + noise(random)) * 450.0};
    }
    return points;
}

double drawAll(const Curves &curves, bool reduced) {
    static QImage image(1920, 1080, QImage::Format_RGB32);
    image.fill(Qt::white);
    const auto start = std::chrono::steady_clock::now();
    QPainter painter(&image);
    painter.setPen(QPen(Qt::black, 1));
    for (const auto &curve : curves)
        reduced ? spectavo::app::drawCurve(painter, curve)
                : spectavo::app::drawCurveUnreduced(painter, curve);
    painter.end();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

struct Way {
    const char *name;
    std::function<double()> run;
    std::vector<double> seconds;
};

void measure(std::vector<Way> &ways, int rounds) {
    for (Way &way : ways)
        way.run(); // warm-up
    for (int round = 0; round < rounds; ++round)
        for (Way &way : ways)
            way.seconds.push_back(way.run());
    for (const Way &way : ways)
        std::printf("%-36s median %9.3f ms over %d runs\n", way.name, median(way.seconds) * 1e3, rounds);
}

// The scan window's chart pane over 50 spectra of 9,101 points (190..1100 nm every 0.1 nm), one of
// them still being scanned.
struct ChartPane {
    spectavo::scan::RecordList<spectavo::scan::CWaveSpectrum> spectra;
    spectavo::scan::DisplayHistory display;
    bool absorbance = true;
    std::unique_ptr<spectavo::app::CWaveView> view;
    QImage target{1920, 1080, QImage::Format_RGB32};
    int cursorX = 900;

    ChartPane() {
        for (unsigned s = 0; s < 50; ++s) {
            auto spectrum = std::make_unique<spectavo::scan::CWaveSpectrum>();
            spectrum->start = 190.0f;
            spectrum->end = 1100.0f;
            spectrum->step = 0.1f;
            spectrum->colour = spectavo::scan::indexedColour(static_cast<int>(s % 20));
            spectrum->allocatePoints();
            std::mt19937 random(s);
            std::normal_distribution<float> noise(0.0f, 0.01f);
            for (std::size_t i = 0; i < spectrum->points().size(); ++i)
                spectrum->points()[i] = 0.5f + 0.02f * static_cast<float>(s) +
                                        0.4f * std::sin(static_cast<float>(i) / 700.0f) + noise(random);
            spectra.insertFront(std::move(spectrum));
        }
        spectavo::scan::CWaveSpectrum &scanning = spectra.at(0);
        scanning.acquiring = true;
        scanning.nextIndex = static_cast<int>(scanning.points().size()) - 1;
        view = std::make_unique<spectavo::app::CWaveView>(spectra, display, absorbance);
        view->resize(1920, 1080);
        view->setSearchMode(true);
    }
    double timed(const std::function<void()> &work) {
        const auto start = std::chrono::steady_clock::now();
        work();
        return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    }
    double fullRedraw() {
        return timed([&] {
            view->invalidate();
            view->render(&target);
        });
    }
    double cursorMoved() {
        return timed([&] {
            cursorX = cursorX == 900 ? 901 : 900;
            view->render(&target, QPoint(), QRegion(view->traceAt(cursorX)));
        });
    }
    double pointArrived() {
        spectavo::scan::CWaveSpectrum &scanning = spectra.at(0);
        if (scanning.nextIndex.load() < 1) { // start the scan again, outside the timing
            scanning.nextIndex = static_cast<int>(scanning.points().size()) - 1;
            fullRedraw();
        }
        return timed([&] {
            scanning.nextIndex = scanning.nextIndex.load() - 1;
            view->render(&target, QPoint(), QRegion(view->addArrivedSegments()));
        });
    }
};

} // namespace

int main(int argc, char **argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    const Curves one{noisyCurve(201600, 1)};
    const Curves doubled{noisyCurve(403200, 2)};
    Curves fifty;
    for (unsigned i = 0; i < 50; ++i)
        fifty.push_back(noisyCurve(9101, 10 + i));

    std::vector<Way> ways{
        {"(a) 201,600 points, reduced", [&] { return drawAll(one, true); }, {}},
        {"(a) 201,600 points, every point", [&] { return drawAll(one, false); }, {}},
        {"(a) 403,200 points, reduced", [&] { return drawAll(doubled, true); }, {}},
        {"(b) 50 x 9,101 points, reduced", [&] { return drawAll(fifty, true); }, {}},
        {"(b) 50 x 9,101 points, every point", [&] { return drawAll(fifty, false); }, {}},
    };
    measure(ways, 31);
    auto m = [&](int i) { return median(ways[static_cast<std::size_t>(i)].seconds); };
    std::printf("\nratio (a) every point / reduced          %6.1f  (goal >= 4)\n", m(1) / m(0));
    std::printf("ratio (a) reduced: doubled / single       %6.2f  (goal <= 1.5)\n", m(2) / m(0));
    std::printf("ratio (b) every point / reduced          %6.1f  (goal >= 1.5)\n", m(4) / m(3));

    std::printf("\n");
    ChartPane pane;
    pane.fullRedraw();
    std::vector<Way> repaints{
        {"(c)(d) full redraw of the pane", [&] { return pane.fullRedraw(); }, {}},
        {"(c) trace cursor moved", [&] { return pane.cursorMoved(); }, {}},
        {"(d) one scan point arrived", [&] { return pane.pointArrived(); }, {}},
    };
    measure(repaints, 15);
    auto r = [&](int i) { return median(repaints[static_cast<std::size_t>(i)].seconds); };
    std::printf("\nshare (c) cursor repaint / full redraw   %8.4f  (goal <= 0.1)\n", r(1) / r(0));
    std::printf("share (d) scan point / full redraw       %8.4f  (goal <= 0.05)\n", r(2) / r(0));
    return 0;
}
