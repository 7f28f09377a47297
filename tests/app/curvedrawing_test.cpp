#include <cmath>
#include <random>

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

#include "app/scan/curvedrawing.h"

namespace spectavo::app {
namespace {

// A 200,000-point spectrum with 1 % noise across a full-HD plot.
std::vector<scan::PlotPoint> noisySpectrum() {
    std::mt19937 random(11);
    std::normal_distribution<double> noise(0.0, 0.01);
    std::vector<scan::PlotPoint> points;
    const int n = 200000;
    for (int i = 0; i < n; ++i) {
        const double x = 0.5 + 1918.0 * i / (n - 1); // inside the image
        const double signal =
            0.8 + 0.6 * std::exp(-std::pow((x - 700) / 40.0, 2)) + 0.3 * std::sin(x / 150.0);
        points.push_back({x, 1080.0 - signal * (1.0 + noise(random)) * 500.0});
    }
    return points;
}

template <typename Draw>
QImage render(const std::vector<scan::PlotPoint> &points, Draw draw) {
    QImage image(1920, 1080, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setPen(QPen(Qt::black, 1));
    draw(painter, std::span<const scan::PlotPoint>(points));
    return image;
}

// The topmost and bottommost painted row of a column, or (-1, -1) when nothing is painted there.
std::pair<int, int> paintedRows(const QImage &image, int column) {
    int top = -1, bottom = -1;
    for (int row = 0; row < image.height(); ++row)
        if (image.pixel(column, row) != qRgb(255, 255, 255)) {
            if (top < 0)
                top = row;
            bottom = row;
        }
    return {top, bottom};
}

// The measure of exactness: in every pixel column the topmost and the bottommost painted rows
// agree within one row.
TEST(CurveDrawing, TheReducedCurvePaintsTheSameRowsInEveryColumn) {
    const auto points = noisySpectrum();
    const QImage reduced = render(points, drawCurve);
    const QImage full = render(points, drawCurveUnreduced);
    int differing = 0;
    for (int column = 0; column < 1920; ++column) {
        const auto [fullTop, fullBottom] = paintedRows(full, column);
        const auto [top, bottom] = paintedRows(reduced, column);
        ASSERT_EQ(fullTop < 0, top < 0) << "column " << column;
        const int difference = std::max(std::abs(top - fullTop), std::abs(bottom - fullBottom));
        EXPECT_LE(difference, 1) << "column " << column << ": " << top << ".." << bottom << " against "
                                 << fullTop << ".." << fullBottom;
        differing += difference > 0 ? 1 : 0;
    }
    RecordProperty("columnsDifferingByOneRow", differing);
}

TEST(CurveDrawing, ShortCurvesAreDrawnPointForPoint) {
    const std::vector<scan::PlotPoint> points{{10, 10}, {500, 900}, {1900, 20}};
    EXPECT_EQ(render(points, drawCurve), render(points, drawCurveUnreduced));
}

} // namespace
} // namespace spectavo::app
