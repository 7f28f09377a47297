#pragma once

#include <functional>
#include <optional>
#include <vector>

#include <QPixmap>
#include <QTimer>
#include <QWidget>

#include "app/scan/spectrumchart.h"

class QRubberBand;

namespace spectavo::app {

// The chart pane of a scan window. The chart is painted once into a cached picture; the trace cursor,
// its tip and the rubber band are drawn over the cache, and a running scan adds only its new segments
// to it. What the chart shows comes from the window's records through the hooks below.
class CChartView : public QWidget {
public:
    CChartView(scan::DisplayHistory &display, const bool &absorbance, QWidget *parent = nullptr);
    ~CChartView() override;

    const scan::ChartFonts &fonts() const { return m_fonts; }
    // The settings sheet's fonts: kept, and written back when the window closes.
    void setFonts(const scan::ChartFonts &fonts) {
        m_fonts = fonts;
        invalidate();
    }
    // Everything the chart shows now, for the screen, the printer and the clipboard.
    SpectrumChartScene scene() const;

    // Data, axes or look changed: the next paint draws everything again.
    void invalidate();
    // Points arrived: the segments each acquiring record has not drawn yet join the cache.
    // Returns the part of the pane to show again.
    QRect addArrivedSegments();

    bool zoomMode() const { return m_zoomMode; }
    void setZoomMode(bool on);
    bool searchMode() const { return m_searchMode; }
    void setSearchMode(bool on);
    // Where the trace cursor's cross is drawn, or an empty rectangle.
    QRect cursorRect() const;
    // The trace cursor's point on the current record, when search mode has placed it.
    std::optional<int> cursorIndex() const { return m_cursor; }
    // Places the trace cursor at a pixel column, as a pointer movement does.
    // Returns the part of the pane to show again.
    QRect traceAt(int x);

    // A rubber band was completed (the history already holds the zoom); the window redraws.
    std::function<void()> onDisplayChanged = [] {};
    std::function<void(const std::string &)> onStatus = [](const std::string &) {};
    std::function<void(QPoint)> onContextMenu = [](QPoint) {};

protected:
    // The records, their style and title, as the chart shows them now (the settings are read here).
    virtual void fillScene(SpectrumChartScene &scene) const = 0;
    // A full picture was drawn: every acquiring record is drawn up to what it holds now.
    virtual void markAllDrawn() = 0;
    // The segments not drawn yet of each acquiring record; marks them drawn.
    struct Segment {
        ChartSeries series;
        std::size_t from;
        std::size_t to;
    };
    virtual std::vector<Segment> takeNewSegments() = 0;
    // The current record when the cursor may read it (not while it is measured).
    virtual std::optional<ChartSeries> traceable() const = 0;
    // The point under a pointer position on the x axis, or nothing.
    virtual std::optional<int> snapCursor(double x, const scan::CDisplayRange &range) const = 0;
    // A new segment came in: e.g. show the progress.
    virtual void segmentsDrawn() {}

    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;

    scan::DisplayHistory &m_display;
    const bool &m_absorbance;

private:
    void renderCache();
    SpectrumChartScene shownScene() const;
    void paintCursor(QPainter &painter) const;

    void jumpToMark(bool forward, bool valleys);
    void stepCursor(int pixels);
    QRect placeCursor(int index);

    scan::ChartFonts m_fonts;
    QPixmap m_cache;
    // What the cache shows: the overlays and new segments are placed by it, without reading the
    // settings again.
    SpectrumChartScene m_painted;
    bool m_cacheValid = false;
    bool m_zoomMode = false;
    bool m_searchMode = false;
    std::optional<int> m_cursor;
    int m_cursorX = 0;
    QRubberBand *m_band = nullptr;
    QPoint m_bandOrigin;
    QTimer m_repeat;
    int m_repeatStep = 0;
};

} // namespace spectavo::app
