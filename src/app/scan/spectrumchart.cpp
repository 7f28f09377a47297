#include "app/scan/spectrumchart.h"

#include <QPainter>

#include "app/scan/curvedrawing.h"
#include "app/widgets/fonts.h"
#include "core/scan/chartaxes.h"
#include "core/scan/chartlayout.h"
#include "core/strings/cformat.h"

namespace spectavo::app {
namespace {

using scan::ChartFontSlot;

// A line's width in device units: as set on screen (0 is the thinnest the device draws), at least a
// screen pixel's weight on paper.
double lineWidth(const SpectrumChartScene &scene, int width) {
    return scene.lineScale > 1.0 ? std::max(width, 1) * scene.lineScale : std::max(width, 0);
}

void useSlot(QPainter &painter, const SpectrumChartScene &scene, ChartFontSlot slot) {
    painter.setFont(toQFont(scene.fonts.fonts[static_cast<std::size_t>(slot)]));
    painter.setPen(chartColour(scene.fonts.colours[static_cast<std::size_t>(slot)]));
}

// Text whose baseline starts at `at` (left aligned) or ends there (right aligned), turned to read
// upwards when `vertical`.
void drawText(QPainter &painter, QPointF at, const QString &text, bool rightAligned, bool vertical) {
    painter.save();
    painter.translate(at);
    if (vertical)
        painter.rotate(-90);
    const double width = painter.fontMetrics().horizontalAdvance(text);
    painter.drawText(QPointF(rightAligned ? -width : 0, 0), text);
    painter.restore();
}

struct Frame {
    scan::ChartLayout layout;
    QRect client;
};

void paintTexts(QPainter &painter, const Frame &f, const SpectrumChartScene &scene) {
    const scan::ChartStyle &style = scene.style;
    const auto h = [&](ChartFontSlot slot) { return scene.fonts.height(slot); };
    if (style.printTitle) {
        const bool hasCurrent = scene.current >= 0 && scene.current < static_cast<int>(scene.spectra.size());
        const QString title = QString::fromStdString(hasCurrent ? scene.currentTitle : style.title);
        useSlot(painter, scene, scan::kSlotTitle);
        const QFontMetrics metrics = painter.fontMetrics();
        painter.drawText(QPointF(f.client.center().x() - metrics.horizontalAdvance(title) / 2.0,
                                 f.client.top() + h(scan::kSlotTitle) / 2 + metrics.ascent()),
                         title);
    }
    useSlot(painter, scene, scan::kSlotValueLegend);
    const QString valueLegend =
        QString::fromStdString(scene.absorbance ? style.valueLegendAbs : style.valueLegendT);
    const double legendWidth = painter.fontMetrics().horizontalAdvance(valueLegend);
    // Centre-top at (left + h2 / 2, middle), running upwards.
    drawText(painter,
             QPointF(f.client.left() + h(scan::kSlotValueLegend) / 2 + painter.fontMetrics().ascent(),
                     f.client.center().y() + legendWidth / 2),
             valueLegend, false, true);
    useSlot(painter, scene, scan::kSlotWavelengthLegend);
    const QString wavelengthLegend = QString::fromStdString(style.wavelengthLegend);
    painter.drawText(
        QPointF(f.client.center().x() - painter.fontMetrics().horizontalAdvance(wavelengthLegend) / 2.0,
                f.client.bottom() + 1 - h(scan::kSlotTickLabels) / 2 - painter.fontMetrics().descent()),
        wavelengthLegend);
}

void paintAxes(QPainter &painter, const Frame &f, const SpectrumChartScene &scene) {
    const scan::ChartLayout &l = f.layout;
    const QColor gridColour = chartColour(scan::indexedColour(scene.style.gridColour));
    const QRect frame(QPoint(f.client.left() + l.leftMargin(), f.client.top() + l.topMargin() - 1),
                      QPoint(f.client.left() + l.plotRight() + 1, f.client.top() + l.plotBottom() + 1));
    painter.setPen(QPen(chartColour(scan::indexedColour(scene.style.frameColour)), lineWidth(scene, 1)));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(frame);
    const QPen dotted(gridColour, scene.lineScale > 1.0 ? scene.lineScale : 0.0, Qt::DotLine);
    const int h0 = scene.fonts.height(scan::kSlotTickLabels);

    const scan::TickLadder values = scene.range.valueTicks(scene.absorbance);
    for (double tick :
         scan::tickValues(scene.range.yMin(scene.absorbance), scene.range.yMax(scene.absorbance),
                          values.interval, scan::kValueTickTolerance, scene.range.maxTicks())) {
        const double y = f.client.top() + l.yOf(tick);
        useSlot(painter, scene, scan::kSlotTickLabels);
        drawText(painter, QPointF(f.client.left() + l.leftMargin() - 2, y),
                 QString::fromStdString(scan::tickLabel(values, tick)), true, false);
        if (y <= frame.top())
            continue;
        painter.setPen(scene.style.gridLines ? dotted : QPen(gridColour, lineWidth(scene, 1)));
        if (scene.style.gridLines)
            painter.drawLine(QPointF(frame.left(), y), QPointF(frame.right(), y));
        else {
            painter.drawLine(QPointF(frame.left(), y), QPointF(frame.left() + 3, y));
            painter.drawLine(QPointF(frame.right() - 3, y), QPointF(frame.right(), y));
        }
    }
    const scan::TickLadder wavelengths = scene.range.xTicks();
    for (double tick : scan::tickValues(scene.range.xMin, scene.range.xMax, wavelengths.interval,
                                        scan::kWavelengthTickTolerance, scene.range.maxTicks())) {
        const double x = f.client.left() + l.xOf(tick);
        useSlot(painter, scene, scan::kSlotTickLabels);
        const QString label = QString::fromStdString(scan::tickLabel(wavelengths, tick));
        painter.drawText(QPointF(x - painter.fontMetrics().horizontalAdvance(label) / 2.0,
                                 f.client.top() + l.plotBottom() + h0 / 4 + painter.fontMetrics().ascent()),
                         label);
        if (x >= frame.right())
            continue;
        painter.setPen(scene.style.xGridLines ? dotted : QPen(gridColour, lineWidth(scene, 1)));
        const double top = f.client.top() + l.plotTop(), bottom = f.client.top() + l.plotBottom();
        if (scene.style.xGridLines)
            painter.drawLine(QPointF(x, bottom), QPointF(x, top));
        else {
            painter.drawLine(QPointF(x, bottom), QPointF(x, bottom - 3));
            painter.drawLine(QPointF(x, top), QPointF(x, top + 3));
        }
    }
}

void clipToPlot(QPainter &painter, const Frame &f) {
    const scan::ChartLayout &l = f.layout;
    painter.setClipRect(QRect(QPoint(f.client.left() + l.plotLeft(), f.client.top() + l.plotTop()),
                              QPoint(f.client.left() + l.plotRight(), f.client.top() + l.plotBottom())));
}

scan::PlotPoint plotPoint(const Frame &f, const ChartSeries &series, std::size_t i, bool absorbance) {
    return {f.client.left() + f.layout.xOf(series.xAt(i)),
            f.client.top() + f.layout.yOf(scan::plottedValue(series.values[i], absorbance))};
}

void paintCurves(QPainter &painter, const Frame &f, const SpectrumChartScene &scene) {
    painter.save();
    clipToPlot(painter, f);
    std::vector<scan::PlotPoint> points;
    for (const ChartSeries &series : scene.spectra) {
        const std::size_t to = std::min(series.to, series.values.size());
        if (series.from >= to)
            continue;
        points.clear();
        for (std::size_t i = series.from; i < to; ++i)
            points.push_back(plotPoint(f, series, i, scene.absorbance));
        painter.setPen(QPen(chartColour(series.colour), lineWidth(scene, scene.style.penWidth)));
        drawCurve(painter, points);
    }
    painter.restore();
}

void paintMarks(QPainter &painter, const Frame &f, const SpectrumChartScene &scene) {
    const int type = scene.style.peakLabelSpectra;
    const int h7 = scene.fonts.height(scan::kSlotValleyLabels);
    for (std::size_t s = 0; s < scene.spectra.size(); ++s) {
        const ChartSeries &series = scene.spectra[s];
        const bool labelled = type == 2 || (type == 1 && static_cast<int>(s) == scene.current);
        if (!labelled)
            continue;
        const auto &marks = series.marks;
        for (std::size_t i = 0; i < marks.size() && i < series.values.size(); ++i) {
            const bool peak = marks[i] == 100 && scene.range.showPeaks;
            const bool valley = marks[i] == -100 && scene.range.showValleys;
            if (!peak && !valley)
                continue;
            const double value = scan::plottedValue(series.values[i], scene.absorbance);
            const double wavelength = series.xAt(i);
            const std::string text =
                scene.absorbance
                    ? strings::formatC(peak ? " (%.1f, %.4f)" : "(%.1f, %.4f)", wavelength, value)
                    : strings::formatC(peak ? "(%.1f, %.2f)" : " (%.1f, %.2f)", wavelength, value);
            // Abs peaks and T% valleys rise from the point; the others end at it.
            const bool rising = peak == scene.absorbance;
            useSlot(painter, scene, peak ? scan::kSlotPeakLabels : scan::kSlotValleyLabels);
            drawText(painter,
                     QPointF(f.client.left() + f.layout.xOf(wavelength) + h7 / 2,
                             f.client.top() + f.layout.yOf(value)),
                     QString::fromStdString(text), !rising, true);
        }
    }
}

} // namespace

ChartSeries chartSeriesOf(const scan::CWaveSpectrum &spectrum) {
    ChartSeries series;
    series.values = spectrum.points();
    const bool acquiring = spectrum.acquiring.load();
    series.from = acquiring ? static_cast<std::size_t>(std::max(spectrum.nextIndex.load() + 1, 0)) : 0;
    series.to = spectrum.points().size();
    series.x0 = spectrum.start;
    series.dx = spectrum.step;
    series.colour = spectrum.colour;
    if (!acquiring)
        series.marks = spectrum.marks();
    return series;
}

QColor chartColour(std::uint32_t rgb) {
    return colourOf(rgb);
}

scan::ChartLayout chartLayoutFor(const QRect &target, const SpectrumChartScene &scene) {
    const scan::ChartTextHeights heights{
        scene.fonts.height(scan::kSlotTickLabels), scene.fonts.height(scan::kSlotWavelengthLegend),
        scene.fonts.height(scan::kSlotValueLegend), scene.fonts.height(scan::kSlotTitle)};
    return scan::ChartLayout(target.width(), target.height(), heights, scene.range.xMin, scene.range.xMax,
                             scene.range.yMin(scene.absorbance), scene.range.yMax(scene.absorbance));
}

void paintCurveSegment(QPainter &painter, const QRect &target, const SpectrumChartScene &scene,
                       const ChartSeries &series, std::size_t from, std::size_t to) {
    if (from > to || to >= series.values.size())
        return;
    const Frame f{chartLayoutFor(target, scene), target};
    painter.save();
    clipToPlot(painter, f);
    std::vector<scan::PlotPoint> points;
    for (std::size_t i = from; i <= to; ++i)
        points.push_back(plotPoint(f, series, i, scene.absorbance));
    painter.setPen(QPen(chartColour(series.colour), lineWidth(scene, scene.style.penWidth)));
    drawCurve(painter, points);
    painter.restore();
}

void paintSpectrumChart(QPainter &painter, const QRect &target, const SpectrumChartScene &scene) {
    painter.save();
    painter.fillRect(target, chartColour(scan::indexedColour(scene.range.background)));
    const Frame frame{chartLayoutFor(target, scene), target};
    paintTexts(painter, frame, scene);
    paintAxes(painter, frame, scene);
    paintCurves(painter, frame, scene);
    paintMarks(painter, frame, scene);
    painter.restore();
}

} // namespace spectavo::app
