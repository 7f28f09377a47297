// The time-scan chart pane at 1920x1080 with eight curves of 200,001 points each, side by side:
//
//   (a) a full redraw through the per-pixel-column reduction against drawing every point
//   (b) one point arriving while all eight curves stream, against a full redraw

#include <cmath>
#include <memory>
#include <random>

#include <QApplication>
#include <QImage>
#include <QPainter>

#include "app/scan/curvedrawing.h"
#include "app/scan/time/kineview.h"
#include "ratioreporter.h"

namespace {

using namespace spectavo;

constexpr std::size_t kPoints = 200001;
constexpr int kCurves = 8;

struct KinePane {
    scan::RecordList<scan::CKineSpectrum> curves;
    scan::DisplayHistory display;
    bool absorbance = true;
    std::unique_ptr<app::CKineView> view;
    QImage target{1920, 1080, QImage::Format_RGB32};

    KinePane() {
        scan::CDisplayRange range;
        range.axis = scan::ChartAxis::Time;
        range.xMin = 0.0f;
        range.xMax = 100000.0f;
        range.absMin = 0.0f;
        range.absMax = 2.0f;
        display = scan::DisplayHistory(range);
        for (int c = 0; c < kCurves; ++c) {
            auto curve = std::make_unique<scan::CKineSpectrum>();
            curve->totalTime = 100000;
            curve->step = 0.5f;
            curve->colour = scan::indexedColour(c + 1);
            curve->allocatePoints();
            std::mt19937 random(static_cast<unsigned>(c));
            std::normal_distribution<float> noise(0.0f, 0.01f);
            for (std::size_t i = 0; i < curve->points().size(); ++i)
                curve->points()[i] = 0.2f + 0.2f * static_cast<float>(c) -
                                     0.1f * static_cast<float>(i) / static_cast<float>(kPoints) +
                                     noise(random);
            curve->count = static_cast<int>(curve->points().size());
            curves.insertFront(std::move(curve));
        }
        view = std::make_unique<app::CKineView>(curves, display, absorbance);
        view->resize(1920, 1080);
    }
    void fullRedraw() {
        view->invalidate();
        view->render(&target);
    }
    // The same curves, every point drawn.
    void everyPoint() {
        target.fill(Qt::white);
        QPainter painter(&target);
        const app::SpectrumChartScene scene = view->scene();
        const scan::ChartLayout layout = app::chartLayoutFor(target.rect(), scene);
        std::vector<scan::PlotPoint> points;
        for (const app::ChartSeries &series : scene.spectra) {
            points.clear();
            for (std::size_t i = series.from; i < series.to; ++i)
                points.push_back({layout.xOf(series.xAt(i)), layout.yOf(series.values[i])});
            painter.setPen(QPen(app::chartColour(series.colour), 1));
            app::drawCurveUnreduced(painter, points);
        }
    }
    // Every curve streams; one of them receives its next point.
    void startStreaming() {
        for (std::size_t i = 0; i < curves.size(); ++i) {
            curves.at(i).acquiring = true;
            curves.at(i).count = static_cast<int>(kPoints / 2);
        }
        fullRedraw();
    }
    void onePointArrived(std::size_t curve) {
        scan::CKineSpectrum &streaming = curves.at(curve % curves.size());
        if (streaming.count.load() + 1 >= static_cast<int>(kPoints))
            streaming.count = static_cast<int>(kPoints / 2);
        streaming.count = streaming.count.load() + 1;
        view->render(&target, QPoint(), QRegion(view->addArrivedSegments()));
    }
};

KinePane &pane() {
    static KinePane made;
    return made;
}

void FullRedrawReduced(benchmark::State &state) {
    KinePane &p = pane();
    for (auto _ : state)
        p.fullRedraw();
}
BENCHMARK(FullRedrawReduced)->Unit(benchmark::kMillisecond);

void FullRedrawEveryPoint(benchmark::State &state) {
    KinePane &p = pane();
    for (auto _ : state)
        p.everyPoint();
}
BENCHMARK(FullRedrawEveryPoint)->Unit(benchmark::kMillisecond);

void StreamingFullRedraw(benchmark::State &state) {
    KinePane &p = pane();
    p.startStreaming();
    for (auto _ : state)
        p.fullRedraw();
}
BENCHMARK(StreamingFullRedraw)->Unit(benchmark::kMillisecond);

void OnePointArrived(benchmark::State &state) {
    KinePane &p = pane();
    p.startStreaming();
    std::size_t next = 0;
    for (auto _ : state)
        p.onePointArrived(next++);
}
BENCHMARK(OnePointArrived)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    return bench::runAndPrintRatios(
        argc, argv,
        {{"(a) every point / reduced full redraw (goal >= 4)", {"FullRedrawEveryPoint", "FullRedrawReduced"}},
         {"(b) one arriving point / full redraw (goal <= 0.05)",
          {"OnePointArrived", "StreamingFullRedraw"}}});
}
