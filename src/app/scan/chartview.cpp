#include "app/scan/chartview.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QRubberBand>
#include <QToolTip>

#include "core/config/profilefile.h"
#include "core/strings/translation.h"

namespace spectavo::app {

CChartView::CChartView(scan::DisplayHistory &display, const bool &absorbance, QWidget *parent)
    : QWidget(parent), m_display(display), m_absorbance(absorbance),
      m_fonts(scan::ChartFonts::load(ProfileFile(scan::ChartFonts::kFileName, true))) {
    setMinimumSize(200, 150);
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    // Holding a mouse button walks the cursor: one pixel at once, then one every 200 ms.
    m_repeat.setInterval(200);
    connect(&m_repeat, &QTimer::timeout, this, [this] { stepCursor(m_repeatStep); });
}

CChartView::~CChartView() {
    ProfileFile file(scan::ChartFonts::kFileName, true);
    ProfileFile::Batch batch(file);
    m_fonts.save(batch);
}

SpectrumChartScene CChartView::scene() const {
    SpectrumChartScene scene;
    scene.range = m_display.range();
    scene.absorbance = m_absorbance;
    scene.fonts = m_fonts;
    fillScene(scene);
    return scene;
}

// The scene the pane shows: the cached picture's, or, before the first paint, the one it will show.
SpectrumChartScene CChartView::shownScene() const {
    return m_cacheValid ? m_painted : scene();
}

void CChartView::invalidate() {
    m_cacheValid = false;
    update();
}

void CChartView::renderCache() {
    const qreal ratio = devicePixelRatioF();
    if (m_cache.size() != size() * ratio)
        m_cache = QPixmap(size() * ratio);
    m_cache.setDevicePixelRatio(ratio);
    QPainter painter(&m_cache);
    m_painted = scene();
    paintSpectrumChart(painter, rect(), m_painted);
    m_cacheValid = true;
    markAllDrawn();
}

QRect CChartView::addArrivedSegments() {
    if (!m_cacheValid) {
        update();
        return rect();
    }
    QPainter painter(&m_cache);
    const SpectrumChartScene &picture = m_painted;
    const scan::ChartLayout layout = chartLayoutFor(rect(), picture);
    QPolygonF changed; // the ends of the new segments
    for (const Segment &segment : takeNewSegments()) {
        paintCurveSegment(painter, rect(), picture, segment.series, segment.from, segment.to);
        for (std::size_t point = segment.from; point <= segment.to; ++point)
            changed << QPointF(layout.xOf(segment.series.xAt(point)),
                               layout.yOf(scan::plottedValue(segment.series.values[point], m_absorbance)));
    }
    if (!changed.isEmpty())
        segmentsDrawn();
    // Only the new segments' surroundings are shown again; the pen may reach a few pixels further.
    if (changed.isEmpty())
        return {};
    const QRect area = changed.boundingRect().toAlignedRect().adjusted(-4, -4, 4, 4);
    update(area);
    return area;
}

void CChartView::paintEvent(QPaintEvent *event) {
    if (!m_cacheValid || m_cache.size() != size() * devicePixelRatioF())
        renderCache();
    QPainter painter(this);
    const QRect area = event->rect();
    const qreal ratio = m_cache.devicePixelRatio();
    painter.drawPixmap(area, m_cache,
                       QRectF(area.x() * ratio, area.y() * ratio, area.width() * ratio, area.height() * ratio)
                           .toAlignedRect());
    if (area.intersects(cursorRect()))
        paintCursor(painter);
}

QRect CChartView::cursorRect() const {
    const std::optional<ChartSeries> current = traceable();
    if (!m_searchMode || !m_cursor || !current || *m_cursor >= static_cast<int>(current->values.size()))
        return {};
    const scan::ChartLayout layout = chartLayoutFor(rect(), shownScene());
    const auto at = static_cast<std::size_t>(*m_cursor);
    const QPoint centre(
        static_cast<int>(std::lround(layout.xOf(current->xAt(at)))),
        static_cast<int>(std::lround(layout.yOf(scan::plottedValue(current->values[at], m_absorbance)))));
    return QRect(centre - QPoint(7, 7), QSize(15, 15));
}

void CChartView::resizeEvent(QResizeEvent *event) {
    QWidget::resizeEvent(event);
    m_cacheValid = false;
}

// A small cross on the curve point of the trace cursor.
void CChartView::paintCursor(QPainter &painter) const {
    const QRect box = cursorRect();
    if (box.isEmpty())
        return;
    const QPointF centre = QRectF(box).center();
    painter.setPen(QPen(QColor(255, 255, 255), 0));
    painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    painter.drawLine(centre - QPointF(6, 0), centre + QPointF(6, 0));
    painter.drawLine(centre - QPointF(0, 6), centre + QPointF(0, 6));
}

void CChartView::setZoomMode(bool on) {
    m_zoomMode = on;
    setCursor(on ? Qt::CrossCursor : Qt::ArrowCursor);
}

void CChartView::setSearchMode(bool on) {
    m_searchMode = on;
    if (on) {
        onStatus(strings::tr("Double click left button to exit search mode."));
    } else {
        m_cursor.reset();
        m_repeat.stop();
        QToolTip::hideText();
    }
    update();
}

QRect CChartView::traceAt(int x) {
    if (!traceable())
        return {};
    const SpectrumChartScene picture = shownScene();
    const scan::ChartLayout layout = chartLayoutFor(rect(), picture);
    const std::optional<int> point = snapCursor(layout.xAt(x), picture.range);
    if (!point)
        return {};
    return placeCursor(*point);
}

// Puts the cursor on a point of the current spectrum, with its tip.
QRect CChartView::placeCursor(int index) {
    const std::optional<ChartSeries> current = traceable();
    if (!current || index < 0 || index >= static_cast<int>(current->values.size()))
        return {};
    const scan::ChartLayout layout = chartLayoutFor(rect(), shownScene());
    const QRect before = cursorRect();
    const auto at = static_cast<std::size_t>(index);
    m_cursor = index;
    m_cursorX = static_cast<int>(std::lround(layout.xOf(current->xAt(at))));
    const double plotted = scan::plottedValue(current->values[at], m_absorbance);
    const QPoint tip(m_cursorX, static_cast<int>(std::lround(layout.yOf(plotted))));
    QToolTip::showText(mapToGlobal(tip),
                       QString::fromStdString(scan::traceCursorTip(current->xAt(at), plotted, m_absorbance)),
                       this);
    // The chart itself is unchanged: only the cross moves.
    const QRect changed = before.united(cursorRect());
    update(changed);
    return changed;
}

void CChartView::stepCursor(int pixels) {
    traceAt((m_cursor ? m_cursorX : width() / 2) + pixels);
}

void CChartView::jumpToMark(bool forward, bool valleys) {
    const std::optional<ChartSeries> current = traceable();
    if (!current || !(current->dx > 0.0))
        return;
    const SpectrumChartScene picture = shownScene();
    const scan::ChartLayout layout = chartLayoutFor(rect(), picture);
    // Look from one pixel beyond the cursor, so that a jump never stays on the mark it is on.
    const double from = layout.xAt(m_cursorX + (forward ? 1 : -1));
    const double offset = (from - current->x0) / current->dx;
    const int index = static_cast<int>(forward ? std::ceil(offset) : std::floor(offset));
    placeCursor(scan::jumpToMark(current->marks, index, forward, valleys ? -100 : 100));
}

void CChartView::mousePressEvent(QMouseEvent *event) {
    setFocus();
    if (m_zoomMode && event->button() == Qt::LeftButton) {
        m_bandOrigin = event->position().toPoint();
        if (!m_band)
            m_band = new QRubberBand(QRubberBand::Rectangle, this);
        m_band->setGeometry(QRect(m_bandOrigin, QSize()));
        m_band->show();
        return;
    }
    if (m_searchMode && (event->button() == Qt::LeftButton || event->button() == Qt::RightButton)) {
        m_repeatStep = event->button() == Qt::LeftButton ? -1 : 1;
        stepCursor(m_repeatStep);
        m_repeat.start();
    }
}

void CChartView::mouseMoveEvent(QMouseEvent *event) {
    if (m_band && m_band->isVisible()) {
        m_band->setGeometry(QRect(m_bandOrigin, event->position().toPoint()).normalized());
        return;
    }
    if (!m_searchMode || !traceable())
        return;
    // The pointer itself stays where the operator put it (a cross marks the curve point), so every
    // movement is the operator's own.
    traceAt(event->position().toPoint().x());
}

void CChartView::mouseReleaseEvent(QMouseEvent *event) {
    m_repeat.stop();
    if (!m_band || !m_band->isVisible() || event->button() != Qt::LeftButton)
        return;
    m_band->hide();
    const QRect band = QRect(m_bandOrigin, event->position().toPoint()).normalized();
    const scan::ChartLayout layout = chartLayoutFor(rect(), shownScene());
    m_display.zoom(m_absorbance, layout.xAt(band.left()), layout.xAt(band.right()),
                   layout.valueAt(band.top()), layout.valueAt(band.bottom()));
    QApplication::beep();
    onDisplayChanged();
}

void CChartView::mouseDoubleClickEvent(QMouseEvent *event) {
    if (m_searchMode && event->button() == Qt::LeftButton) {
        setSearchMode(false);
        onDisplayChanged();
    }
}

void CChartView::keyPressEvent(QKeyEvent *event) {
    const bool shift = event->modifiers() & Qt::ShiftModifier;
    if ((event->key() == Qt::Key_F10 && shift) || event->key() == Qt::Key_Menu) {
        if (!m_searchMode)
            onContextMenu(mapToGlobal(QPoint(5, 5)));
        return;
    }
    if (!m_searchMode) {
        QWidget::keyPressEvent(event);
        return;
    }
    switch (event->key()) {
    case Qt::Key_Left:
        stepCursor(-1);
        break;
    case Qt::Key_Right:
        stepCursor(1);
        break;
    case Qt::Key_Down:
        jumpToMark(true, shift);
        break;
    case Qt::Key_Up:
        jumpToMark(false, shift);
        break;
    default:
        QWidget::keyPressEvent(event);
    }
}

void CChartView::contextMenuEvent(QContextMenuEvent *event) {
    if (!m_searchMode && event->reason() == QContextMenuEvent::Mouse)
        onContextMenu(event->globalPos());
}

} // namespace spectavo::app
