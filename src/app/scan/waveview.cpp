#include "app/scan/waveview.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
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
    paintSpectrumChart(painter, rect(), scene());
    m_cacheValid = true;
    for (std::size_t i = 0; i < m_spectra.size(); ++i) {
        CWaveSpectrum &spectrum = m_spectra.at(i);
        if (spectrum.acquiring.load())
            spectrum.drawnDownTo = std::max(spectrum.nextIndex.load(std::memory_order_acquire) + 1, 0);
    }
}

void CWaveView::addArrivedSegments() {
    if (!m_cacheValid) {
        update();
        return;
    }
    QPainter painter(&m_cache);
    const SpectrumChartScene picture = scene();
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
        spectrum.drawnDownTo = first;
    }
    update();
}

void CWaveView::paintEvent(QPaintEvent *) {
    if (!m_cacheValid || m_cache.size() != size() * devicePixelRatioF())
        renderCache();
    QPainter painter(this);
    painter.drawPixmap(0, 0, m_cache);
    paintCursor(painter);
}

void CWaveView::resizeEvent(QResizeEvent *event) {
    QWidget::resizeEvent(event);
    m_cacheValid = false;
}

// A small cross on the curve point of the trace cursor.
void CWaveView::paintCursor(QPainter &painter) const {
    const CWaveSpectrum *current = m_spectra.current();
    if (!m_searchMode || !m_cursor || !current || *m_cursor >= static_cast<int>(current->points().size()))
        return;
    const SpectrumChartScene picture = scene();
    const scan::ChartLayout layout = chartLayoutFor(rect(), picture);
    const double x = layout.xOf(current->wavelengthAt(static_cast<std::size_t>(*m_cursor)));
    const double y =
        layout.yOf(scan::plottedValue(current->points()[static_cast<std::size_t>(*m_cursor)], m_absorbance));
    painter.setPen(QPen(QColor(255, 255, 255), 0));
    painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    painter.drawLine(QPointF(x - 6, y), QPointF(x + 6, y));
    painter.drawLine(QPointF(x, y - 6), QPointF(x, y + 6));
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

void CWaveView::traceAt(int x) {
    const CWaveSpectrum *current = m_spectra.current();
    if (!current || !current->hasPoints())
        return;
    const SpectrumChartScene picture = scene();
    const scan::ChartLayout layout = chartLayoutFor(rect(), picture);
    const auto point = scan::snapTraceCursor(layout.wavelengthAt(x), current->start, current->step,
                                             static_cast<int>(current->points().size()), picture.range.xMin,
                                             picture.range.xMax);
    if (!point)
        return;
    m_cursor = point->index;
    m_cursorX = static_cast<int>(std::lround(layout.xOf(point->wavelength)));
    const double plotted =
        scan::plottedValue(current->points()[static_cast<std::size_t>(point->index)], m_absorbance);
    const QPoint at(m_cursorX, static_cast<int>(std::lround(layout.yOf(plotted))));
    QToolTip::showText(mapToGlobal(at),
                       QString::fromStdString(scan::traceCursorTip(point->wavelength, plotted, m_absorbance)),
                       this);
    update();
}

void CWaveView::stepCursor(int pixels) {
    traceAt((m_cursor ? m_cursorX : width() / 2) + pixels);
}

void CWaveView::jumpToMark(bool forward, bool valleys) {
    const CWaveSpectrum *current = m_spectra.current();
    if (!current || !current->hasPoints())
        return;
    const SpectrumChartScene picture = scene();
    const scan::ChartLayout layout = chartLayoutFor(rect(), picture);
    // Look from one pixel beyond the cursor, so that a jump never stays on the mark it is on.
    const double from = layout.wavelengthAt(m_cursorX + (forward ? 1 : -1));
    const double offset = (from - current->start) / current->step;
    const int index = static_cast<int>(forward ? std::ceil(offset) : std::floor(offset));
    const int target = scan::jumpToMark(current->marks(), index, forward, valleys ? -100 : 100);
    traceAt(
        static_cast<int>(std::lround(layout.xOf(current->wavelengthAt(static_cast<std::size_t>(target))))));
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
    // Of two consecutive moves only the first counts: placing the cursor causes the second.
    if (m_skipNextMove) {
        m_skipNextMove = false;
        return;
    }
    m_skipNextMove = true;
    traceAt(event->position().toPoint().x());
}

void CWaveView::mouseReleaseEvent(QMouseEvent *event) {
    m_repeat.stop();
    if (!m_band || !m_band->isVisible() || event->button() != Qt::LeftButton)
        return;
    m_band->hide();
    const QRect band = QRect(m_bandOrigin, event->position().toPoint()).normalized();
    const scan::ChartLayout layout = chartLayoutFor(rect(), scene());
    m_display.zoom(m_absorbance, layout.wavelengthAt(band.left()), layout.wavelengthAt(band.right()),
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
