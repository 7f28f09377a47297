#include "app/scan/waveview.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QRubberBand>
#include <QToolTip>

#include "core/config/profilefile.h"

namespace spectavo::app {

CWaveView::CWaveView(RecordList<CWaveSpectrum> &spectra, scan::DisplayHistory &display,
                     const bool &absorbance, QWidget *parent)
    : QWidget(parent), m_spectra(spectra), m_display(display), m_absorbance(absorbance),
      m_fonts(scan::ChartFonts::load(ProfileFile(scan::ChartFonts::kFileName, true))) {
    setMinimumSize(200, 150);
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    // Holding a mouse button walks the cursor: one pixel at once, then one every 200 ms.
    m_repeat.setInterval(200);
    connect(&m_repeat, &QTimer::timeout, this, [this] { stepCursor(m_repeatStep); });
}

CWaveView::~CWaveView() {
    ProfileFile file(scan::ChartFonts::kFileName, true);
    ProfileFile::Batch batch(file);
    m_fonts.save(batch);
}

SpectrumChartScene CWaveView::scene() const {
    SpectrumChartScene scene;
    for (std::size_t i = 0; i < m_spectra.size(); ++i)
        scene.spectra.push_back(&m_spectra.at(i));
    scene.current = static_cast<int>(m_spectra.currentIndex().value_or(0));
    scene.range = m_display.range();
    scene.absorbance = m_absorbance;
    // The settings sheet may change the look at any time: read whenever the picture is made again.
    scene.style = scan::ChartStyle::load(ProfileFile(scan::CDisplayRange::kFileName, true));
    scene.fonts = m_fonts;
    return scene;
}

// The scene the pane shows: the cached picture's, or, before the first paint, the one it will show.
SpectrumChartScene CWaveView::shownScene() const {
    return m_cacheValid ? m_painted : scene();
}

void CWaveView::invalidate() {
    m_cacheValid = false;
    update();
}

void CWaveView::renderCache() {
    const qreal ratio = devicePixelRatioF();
    if (m_cache.size() != size() * ratio)
        m_cache = QPixmap(size() * ratio);
    m_cache.setDevicePixelRatio(ratio);
    QPainter painter(&m_cache);
    m_painted = scene();
    paintSpectrumChart(painter, rect(), m_painted);
    m_cacheValid = true;
    for (std::size_t i = 0; i < m_spectra.size(); ++i) {
        CWaveSpectrum &spectrum = m_spectra.at(i);
        if (spectrum.acquiring.load())
            spectrum.drawnDownTo = std::max(spectrum.nextIndex.load(std::memory_order_acquire) + 1, 0);
    }
}

QRect CWaveView::addArrivedSegments() {
    if (!m_cacheValid) {
        update();
        return rect();
    }
    QPainter painter(&m_cache);
    const SpectrumChartScene &picture = m_painted;
    const scan::ChartLayout layout = chartLayoutFor(rect(), picture);
    QPolygonF changed; // the ends of the new segments
    for (std::size_t i = 0; i < m_spectra.size(); ++i) {
        CWaveSpectrum &spectrum = m_spectra.at(i);
        if (!spectrum.acquiring.load())
            continue;
        const int first = std::max(spectrum.nextIndex.load(std::memory_order_acquire) + 1, 0);
        if (first >= spectrum.drawnDownTo)
            continue;
        // The segment joins the points already drawn, so it ends at the drawn-down-to point.
        const int last = std::min(spectrum.drawnDownTo, static_cast<int>(spectrum.points().size()) - 1);
        paintCurveSegment(painter, rect(), picture, spectrum, static_cast<std::size_t>(first),
                          static_cast<std::size_t>(last));
        for (int point = first; point <= last; ++point) {
            const auto at = static_cast<std::size_t>(point);
            changed << QPointF(layout.xOf(spectrum.wavelengthAt(at)),
                               layout.yOf(scan::plottedValue(spectrum.points()[at], m_absorbance)));
        }
        spectrum.drawnDownTo = first;
    }
    // Only the new segments' surroundings are shown again; the pen may reach a few pixels further.
    if (changed.isEmpty())
        return {};
    const QRect area = changed.boundingRect().toAlignedRect().adjusted(-4, -4, 4, 4);
    update(area);
    return area;
}

void CWaveView::paintEvent(QPaintEvent *event) {
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

// The spectrum the trace cursor may read: the current one, unless the link is still writing it.
const CWaveSpectrum *CWaveView::traceable() const {
    const CWaveSpectrum *current = m_spectra.current();
    return current && current->hasPoints() && !current->acquiring.load() ? current : nullptr;
}

QRect CWaveView::cursorRect() const {
    const CWaveSpectrum *current = traceable();
    if (!m_searchMode || !m_cursor || !current || *m_cursor >= static_cast<int>(current->points().size()))
        return {};
    const scan::ChartLayout layout = chartLayoutFor(rect(), shownScene());
    const auto at = static_cast<std::size_t>(*m_cursor);
    const QPoint centre(
        static_cast<int>(std::lround(layout.xOf(current->wavelengthAt(at)))),
        static_cast<int>(std::lround(layout.yOf(scan::plottedValue(current->points()[at], m_absorbance)))));
    return QRect(centre - QPoint(7, 7), QSize(15, 15));
}

void CWaveView::resizeEvent(QResizeEvent *event) {
    QWidget::resizeEvent(event);
    m_cacheValid = false;
}

// A small cross on the curve point of the trace cursor.
void CWaveView::paintCursor(QPainter &painter) const {
    const QRect box = cursorRect();
    if (box.isEmpty())
        return;
    const QPointF centre = QRectF(box).center();
    painter.setPen(QPen(QColor(255, 255, 255), 0));
    painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    painter.drawLine(centre - QPointF(6, 0), centre + QPointF(6, 0));
    painter.drawLine(centre - QPointF(0, 6), centre + QPointF(0, 6));
}

void CWaveView::setZoomMode(bool on) {
    m_zoomMode = on;
    setCursor(on ? Qt::CrossCursor : Qt::ArrowCursor);
}

void CWaveView::setSearchMode(bool on) {
    m_searchMode = on;
    if (on) {
        onStatus("Double click left button to exit search mode.");
    } else {
        m_cursor.reset();
        m_repeat.stop();
        QToolTip::hideText();
    }
    update();
}

QRect CWaveView::traceAt(int x) {
    const CWaveSpectrum *current = traceable();
    if (!current)
        return {};
    const SpectrumChartScene picture = shownScene();
    const scan::ChartLayout layout = chartLayoutFor(rect(), picture);
    const auto point = scan::snapTraceCursor(layout.xAt(x), current->start, current->step,
                                             static_cast<int>(current->points().size()), picture.range.xMin,
                                             picture.range.xMax);
    if (!point)
        return {};
    return placeCursor(point->index);
}

// Puts the cursor on a point of the current spectrum, with its tip.
QRect CWaveView::placeCursor(int index) {
    const CWaveSpectrum *current = traceable();
    if (!current || index < 0 || index >= static_cast<int>(current->points().size()))
        return {};
    const scan::ChartLayout layout = chartLayoutFor(rect(), shownScene());
    const QRect before = cursorRect();
    const auto at = static_cast<std::size_t>(index);
    m_cursor = index;
    m_cursorX = static_cast<int>(std::lround(layout.xOf(current->wavelengthAt(at))));
    const double plotted = scan::plottedValue(current->points()[at], m_absorbance);
    const QPoint tip(m_cursorX, static_cast<int>(std::lround(layout.yOf(plotted))));
    QToolTip::showText(
        mapToGlobal(tip),
        QString::fromStdString(scan::traceCursorTip(current->wavelengthAt(at), plotted, m_absorbance)), this);
    // The chart itself is unchanged: only the cross moves.
    const QRect changed = before.united(cursorRect());
    update(changed);
    return changed;
}

void CWaveView::stepCursor(int pixels) {
    traceAt((m_cursor ? m_cursorX : width() / 2) + pixels);
}

void CWaveView::jumpToMark(bool forward, bool valleys) {
    const CWaveSpectrum *current = traceable();
    if (!current)
        return;
    const SpectrumChartScene picture = shownScene();
    const scan::ChartLayout layout = chartLayoutFor(rect(), picture);
    // Look from one pixel beyond the cursor, so that a jump never stays on the mark it is on.
    const double from = layout.xAt(m_cursorX + (forward ? 1 : -1));
    const double offset = (from - current->start) / current->step;
    const int index = static_cast<int>(forward ? std::ceil(offset) : std::floor(offset));
    placeCursor(scan::jumpToMark(current->marks(), index, forward, valleys ? -100 : 100));
}

void CWaveView::mousePressEvent(QMouseEvent *event) {
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

void CWaveView::mouseMoveEvent(QMouseEvent *event) {
    if (m_band && m_band->isVisible()) {
        m_band->setGeometry(QRect(m_bandOrigin, event->position().toPoint()).normalized());
        return;
    }
    if (!m_searchMode || m_spectra.empty())
        return;
    // The pointer itself stays where the operator put it (a cross marks the curve point), so every
    // movement is the operator's own.
    traceAt(event->position().toPoint().x());
}

void CWaveView::mouseReleaseEvent(QMouseEvent *event) {
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

void CWaveView::mouseDoubleClickEvent(QMouseEvent *event) {
    if (m_searchMode && event->button() == Qt::LeftButton) {
        setSearchMode(false);
        onDisplayChanged();
    }
}

void CWaveView::keyPressEvent(QKeyEvent *event) {
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

void CWaveView::contextMenuEvent(QContextMenuEvent *event) {
    if (!m_searchMode && event->reason() == QContextMenuEvent::Mouse)
        onContextMenu(event->globalPos());
}

} // namespace spectavo::app
