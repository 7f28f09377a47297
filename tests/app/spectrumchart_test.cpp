#include <cmath>
#include <filesystem>
#include <memory>

#include <QImage>
#include <QPainter>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include "app/scan/spectrumchart.h"
#include "core/scan/chartlayout.h"
#include "support/tempdir.h"

namespace spectavo::app {
namespace {

// Three absorption bands on a flat base, 400..700 nm every 0.5 nm.
scan::CWaveSpectrum bandsSpectrum() {
    scan::CWaveSpectrum spectrum = scan::CWaveSpectrum::makeNew(scan::indexedColour(4));
    spectrum.start = 400.0f;
    spectrum.end = 700.0f;
    spectrum.step = 0.5f;
    spectrum.allocatePoints();
    for (std::size_t i = 0; i < spectrum.points().size(); ++i) {
        const double x = spectrum.wavelengthAt(i);
        spectrum.points()[i] = static_cast<float>(0.1 + 0.9 * std::exp(-std::pow((x - 450.8) / 6, 2)) +
                                                  0.6 * std::exp(-std::pow((x - 536.4) / 8, 2)) +
                                                  0.4 * std::exp(-std::pow((x - 640.5) / 5, 2)));
    }
    spectrum.setSampleName("Three bands");
    spectrum.recomputeMarks(0.03f);
    return spectrum;
}

SpectrumChartScene sceneOf(const scan::CWaveSpectrum &spectrum) {
    SpectrumChartScene scene;
    scene.spectra = {chartSeriesOf(spectrum)};
    scene.range.xMin = 380;
    scene.range.xMax = 720;
    scene.range.absMin = 0;
    scene.range.absMax = 1.2f;
    scene.range.showPeaks = 1;
    scene.style.peakLabelSpectra = 1;
    return scene;
}

TEST(SpectrumChart, DrawsInsideItsTargetOnly) {
    const scan::CWaveSpectrum spectrum = bandsSpectrum();
    QImage image(1200, 900, QImage::Format_RGB32);
    image.fill(qRgb(1, 2, 3));
    const QRect target(100, 50, 1000, 700);
    {
        QPainter painter(&image);
        paintSpectrumChart(painter, target, sceneOf(spectrum));
    }
    image.save(QString::fromStdString(std::string(SPECTAVO_BIN_DIR) + "/../spectrumchart.png"));
    for (int x = 0; x < image.width(); x += 7)
        for (int y = 0; y < image.height(); y += 7)
            if (!target.contains(x, y)) {
                ASSERT_EQ(image.pixel(x, y), qRgb(1, 2, 3)) << x << "," << y;
            }
    EXPECT_EQ(image.pixel(target.left() + 2, target.top() + 2), qRgb(255, 255, 255)) << "background index 0";
}

TEST(SpectrumChart, TheCurvePassesThroughItsPoints) {
    const scan::CWaveSpectrum spectrum = bandsSpectrum();
    QImage image(1000, 700, QImage::Format_RGB32);
    {
        QPainter painter(&image);
        paintSpectrumChart(painter, image.rect(), sceneOf(spectrum));
    }
    const scan::ChartLayout layout(1000, 700, {12, 12, 12, 12}, 380, 720, 0, 1.2);
    // The band top at 450.8 nm lies on the grid at 451.0 nm.
    const std::size_t top = 102;
    const int x = static_cast<int>(layout.xOf(spectrum.wavelengthAt(top)));
    const int y = static_cast<int>(layout.yOf(spectrum.points()[top]));
    bool red = false;
    for (int dx = -1; dx <= 1; ++dx)
        for (int dy = -1; dy <= 1; ++dy)
            red = red || image.pixel(x + dx, y + dy) == qRgb(255, 0, 0);
    EXPECT_TRUE(red) << "the red curve at (" << x << ", " << y << ")";
}

TEST(SpectrumChart, AnEmptyListOrADegenerateRangeStillPaints) {
    SpectrumChartScene scene;
    scene.range.xMin = scene.range.xMax = 500;
    QImage image(300, 200, QImage::Format_RGB32);
    QPainter painter(&image);
    paintSpectrumChart(painter, image.rect(), scene);
    paintSpectrumChart(painter, QRect(0, 0, 10, 10), scene);
}

} // namespace
} // namespace spectavo::app
