#include "app/fixed/quan/quancurve.h"

#include <QApplication>
#include <QFontInfo>
#include <QFrame>
#include <QMouseEvent>
#include <QPainter>
#include <QVBoxLayout>

#include "app/fixed/fixedview.h"
#include "core/fixed/calibration.h"
#include "core/strings/translation.h"

namespace spectavo::app {
namespace {

using Font = fixed::CurveSettings::Font;

double heightOf(const QFont &font, QPainter &painter) {
    return QFontMetricsF(font, painter.device()).height();
}

// The marks of one table: (concentration, Abs(eff)) from its last two columns.
template <typename Mark>
void markTable(const fixed::SampleTable &table, const fixed::QuanChartLayout &layout, Mark mark) {
    const grid::GridModel &grid = table.grid();
    if (grid.columns() < 4)
        return;
    for (int row = 1; row <= table.rowCount(); ++row) {
        const auto effective = grid.number(row, grid.columns() - 2);
        const auto concentration = grid.number(row, grid.columns() - 1);
        if (effective && concentration)
            mark(QPointF(layout.xOf(*concentration), layout.yOf(*effective)));
    }
}

void drawTexts(QPainter &painter, const QuanChartScene &scene, const fixed::QuanChartLayout &layout,
               const QRectF &area, bool print) {
    const fixed::CurveSettings &settings = scene.settings;
    const auto colourOf = [&](Font font) {
        return print ? scene.colours[Font::kTickFont] : scene.colours[static_cast<std::size_t>(font)];
    };
    const auto fontOf = [&](Font font) { return scene.fonts[static_cast<std::size_t>(font)]; };
    const fixed::ChartRect &plot = layout.plot;
    const double h6 = heightOf(fontOf(Font::kTickFont), painter);
    const double centre = (plot.left + plot.right) / 2;
    if (settings.showX != 0) {
        painter.setFont(fontOf(Font::kXTitleFont));
        painter.setPen(colourOf(Font::kXTitleFont));
        const double h0 = heightOf(fontOf(Font::kXTitleFont), painter);
        const QString text = QString::fromStdString(settings.xTitle + "(" + settings.unit + ")");
        painter.drawText(QRectF(area.left(), plot.bottom + h0 / 2 + h6, area.width(), h0 * 1.5),
                         Qt::AlignHCenter | Qt::AlignTop, text);
    }
    if (settings.showTitle != 0) {
        painter.setFont(fontOf(Font::kTitleFont));
        painter.setPen(colourOf(Font::kTitleFont));
        const double h2 = heightOf(fontOf(Font::kTitleFont), painter);
        painter.drawText(QRectF(centre - area.width() / 2, plot.top - h6 - h2 * 1.5, area.width(), h2 * 1.5),
                         Qt::AlignHCenter | Qt::AlignBottom, QString::fromStdString(settings.curveTitle));
    }
    if (settings.showY != 0) {
        painter.save();
        painter.setFont(fontOf(Font::kYTitleFont));
        painter.setPen(colourOf(Font::kYTitleFont));
        const double h1 = heightOf(fontOf(Font::kYTitleFont), painter);
        painter.translate(area.left() + h1 / 2 + 2, (plot.top + plot.bottom) / 2);
        painter.rotate(-90);
        painter.drawText(QRectF(-area.height() / 2, -h1 / 2, area.height(), h1), Qt::AlignCenter,
                         QString::fromStdString(settings.yTitle));
        painter.restore();
    }
}

void drawAxes(QPainter &painter, const QuanChartScene &scene, const fixed::QuanChartLayout &layout) {
    const fixed::ChartRect &plot = layout.plot;
    painter.setFont(scene.fonts[Font::kTickFont]);
    const QFontMetricsF metrics(scene.fonts[Font::kTickFont], painter.device());
    const QPen grid(QColor(0, 0, 128), 0, Qt::DotLine);
    for (const fixed::ChartTick &tick : layout.yTicks) {
        painter.setPen(scene.colours[Font::kTickFont]);
        const QString label = QString::fromStdString(tick.label);
        painter.drawText(
            QPointF(plot.left - 2 - metrics.horizontalAdvance(label), tick.position + metrics.ascent() / 2),
            label);
        if (tick.gridLine) {
            painter.setPen(grid);
            painter.drawLine(QPointF(plot.left, tick.position), QPointF(plot.right, tick.position));
        }
    }
    for (const fixed::ChartTick &tick : layout.xTicks) {
        painter.setPen(scene.colours[Font::kTickFont]);
        const QString label = QString::fromStdString(tick.label);
        painter.drawText(
            QPointF(tick.position - metrics.horizontalAdvance(label) / 2, plot.bottom + metrics.ascent()),
            label);
        if (tick.gridLine) {
            painter.setPen(grid);
            painter.drawLine(QPointF(tick.position, plot.bottom), QPointF(tick.position, plot.top));
        }
    }
}

void drawCalibration(QPainter &painter, const QuanChartScene &scene, const fixed::QuanChartLayout &layout,
                     bool print) {
    const fixed::FixedMethodRecord &method = *scene.method;
    const fixed::ChartRect &plot = layout.plot;
    painter.save();
    painter.setClipRect(QRectF(QPointF(plot.left, plot.top), QPointF(plot.right, plot.bottom)));
    const QPen red(QColor(255, 0, 0), 1);
    painter.setPen(red);
    for (const auto &segment : fixed::clippedSegments(fixed::calibrationCurve(layout, method), plot))
        painter.drawLine(QPointF(segment[0], segment[1]), QPointF(segment[2], segment[3]));
    const fixed::CurveSettings &settings = scene.settings;
    if (settings.showParameter != 0) {
        painter.setFont(scene.fonts[Font::kParameterFont]);
        painter.setPen(print ? scene.colours[Font::kTickFont] : scene.colours[Font::kParameterFont]);
        const double x = plot.left + 10;
        const double ascent = QFontMetricsF(scene.fonts[Font::kParameterFont], painter.device()).ascent();
        const std::string lines[] = {fixed::formulaText(method), fixed::correlationText(method),
                                     strings::tr("o : Sample"), strings::tr("+ : Standard"),
                                     fixed::calibrationSourceText(method.calibrationSource)};
        for (int i = 0; i < 5; ++i)
            painter.drawText(QPointF(x, plot.top + 10 + 18 * i + ascent), QString::fromStdString(lines[i]));
    }
    if (fixed::marksShown(method)) {
        if (scene.standards && settings.showStandard != 0) {
            painter.setPen(red);
            markTable(*scene.standards, layout, [&](QPointF at) {
                painter.drawLine(at + QPointF(-3, 0), at + QPointF(3, 0));
                painter.drawLine(at + QPointF(0, -3), at + QPointF(0, 3));
            });
        }
        if (scene.samples && settings.showSample != 0) {
            painter.setPen(QPen(QColor(0, 128, 0), 1));
            painter.setBrush(Qt::white);
            markTable(*scene.samples, layout, [&](QPointF at) {
                painter.drawEllipse(QRectF(at + QPointF(-2, -2), at + QPointF(3, 3)));
            });
        }
    }
    painter.restore();
}

} // namespace

void paintQuanChart(QPainter &painter, const QRectF &area, const QuanChartScene &given, bool print) {
    if (!given.method)
        return;
    // The shipped range gives way to the standards', so standards at 20-60 are on the chart.
    QuanChartScene scene = given;
    if (scene.standards)
        scene.settings = fixed::rangeFollowingStandards(scene.settings, *scene.standards);
    painter.save();
    fixed::ChartFontSizes sizes;
    for (std::size_t i = 0; i < sizes.height.size(); ++i)
        sizes.height[i] = heightOf(scene.fonts[i], painter);
    sizes.tickWidth = QFontMetricsF(scene.fonts[Font::kTickFont], painter.device()).averageCharWidth();
    const fixed::QuanChartLayout layout =
        fixed::layoutQuanChart(scene.settings, {area.left(), area.top(), area.right(), area.bottom()}, sizes);
    const fixed::ChartRect &plot = layout.plot;
    painter.setPen(QPen(QColor(0, 128, 0), 1));
    painter.setBrush(Qt::white);
    if (plot.right > plot.left && plot.bottom > plot.top)
        painter.drawRect(QRectF(QPointF(plot.left, plot.top), QPointF(plot.right, plot.bottom)));
    painter.setBrush(Qt::NoBrush);
    drawTexts(painter, scene, layout, area, print);
    // Equal or reversed limits: the frame and titles only, nothing is placed on a scale that is none.
    if (layout.scaled) {
        drawAxes(painter, scene, layout);
        drawCalibration(painter, scene, layout, print);
    }
    painter.restore();
}

CQuanCurveView::CQuanCurveView(CQuanView &view, QWidget *parent) : QWidget(parent), m_view(view) {
    setObjectName("curve");
    setAutoFillBackground(true);
    setMinimumSize(300, 200);
}

void CQuanCurveView::paintEvent(QPaintEvent *) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    paintQuanChart(painter, rect(), *m_view.chartScene());
}

void CQuanCurveView::mousePressEvent(QMouseEvent *event) {
    if (event->button() == Qt::LeftButton)
        QApplication::beep();
}

CQuanCurve::CQuanCurve(CQuanView &view, QWidget *parent) : CFixedPage(parent) {
    auto *layout = new QVBoxLayout(this);
    auto *frame = new QFrame(this);
    frame->setFrameShape(QFrame::StyledPanel);
    auto *inner = new QVBoxLayout(frame);
    inner->setContentsMargins(2, 2, 2, 2);
    m_chart = new CQuanCurveView(view, frame);
    inner->addWidget(m_chart);
    layout->addWidget(frame);
}

void CQuanCurve::showData() {
    m_chart->update();
}

} // namespace spectavo::app
