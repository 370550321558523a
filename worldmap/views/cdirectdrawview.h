#pragma once

#include "platform/gui/displaysurface.h"
#include "uikit/ceditorview.h"
#include "worldmap/mapgeometry.h"
#include "worldmap/mapzoom.h"
#include "worldmap/pixelbuffer.h"

#include <QTimer>

class QScrollBar;

namespace tessel {

class CPanningOrigin;

// A view of a grid of cells drawn through a back buffer in the screen's
// pixel format. Each paint draws only the invalid region, widened to whole
// cells, into the buffer (at one buffer pixel per cell pixel) and copies
// it to the window, scaled by the zoom; zoomed out, the region is larger
// than the buffer and is drawn and copied a piece at a time. The view
// scrolls in whole cells
// with its scroll bars, the keys, the wheel and middle-button panning.
// The buffer is a QImage: it is never lost nor busy, so nothing is
// restored or retried; a buffer that cannot be made is reported with the
// display error report, and the view then draws only the window colour
// (the program goes on, so no unsaved edit is lost).
class CDirectDrawView : public CEditorView {
    Q_OBJECT

public:
    static constexpr int kPanInterval = 10;     // ms between panning steps
    static constexpr int kPanDeadZone = 5;      // pixels of offset that do not move
    static constexpr int kPanPixelsPerCell = 8; // offset pixels per cell of a step
    static constexpr int kBufferMargin = 32;    // the buffer exceeds the window by this much
    static constexpr int kEmptyBufferSize = 32; // the buffer of an empty window
    static constexpr int kMaxZoom = mapzoom::kLargest;
    static constexpr int kAutoScrollTimerId = 31337;  // the auto-scroll timer's objectName
    static constexpr int kAutoScrollInterval = 10;    // ms between auto-scroll steps
    static constexpr int kAutoScrollMargin = 24;      // pixels from an edge that scroll

    explicit CDirectDrawView(CFF3Doc& doc, QWidget* parent = nullptr);
    ~CDirectDrawView() override;

    // Buffer pixels per cell (1 unless a subclass says otherwise) and the
    // zoom at which the window shows them (see mapzoom: 1:4 up to 4:1).
    int cellSize() const { return cellSize_; }
    int zoom() const { return zoom_; }
    int smallestZoom() const { return mapzoom::smallestFor(cellSize_); }
    int screenCellSize() const { return mapzoom::scaled(cellSize_, zoom_); }
    // Changes the zoom (to the nearest step the cell size allows), keeping
    // the cell under `anchor` (a window point) in place.
    void setZoom(int zoom, QPoint anchor);
    void setZoom(int zoom) { setZoom(zoom, clientRect().center()); }
    // Zooms `steps` steps in (positive) or out.
    void zoomBy(int steps, QPoint anchor) { setZoom(mapzoom::stepped(zoom_, steps, cellSize_), anchor); }
    void zoomBy(int steps) { zoomBy(steps, clientRect().center()); }

    // The cells in the window: scroll position, window size, cell size.
    MapGeometry cellGeometry() const;
    QPoint scrollPosition() const { return scroll_; }
    // Scrolls so that `cell` is at the top-left, as far as the view allows.
    void scrollTo(QPoint cell);
    void scrollBy(int columns, int rows) { scrollTo(scroll_ + QPoint(columns, rows)); }
    // The part of the window the cells are drawn in (the scroll bars take the rest).
    QRect clientRect() const;

    const platform::DisplaySurface& backBuffer() const { return surface_; }
    bool isPanning() const { return panTimer_.isActive(); }

signals:
    // The window shows other cells: scrolled, resized or zoomed.
    void visibleCellsChanged();
    void zoomChanged(int zoom);

protected:
    void setCellSize(int pixels);
    // The number of cells across and down; the scroll ranges follow.
    void setContentSize(QSize cells);
    QSize contentSize() const { return content_; }

    // Draws the cells of `cells` (not clamped to the contents) into the
    // locked buffer, cell cells.topLeft() at (0, 0). What lies outside the
    // contents has been filled with the window colour.
    virtual void drawRegion(PixelBuffer& target, const QRect& cells);
    // Draws on the window over the copied cells (outlines, trackers).
    virtual void drawOverlay(QPainter& painter);
    // Called after the scroll position moved from `from` (contents moved already).
    virtual void scrolled(QPoint from);

    // While dragging: scrolls one cell a step towards each edge the window
    // point lies within kAutoScrollMargin pixels of; elsewhere it stops.
    void autoScrollTowards(QPoint position);
    void stopAutoScroll();
    // Called after each auto-scroll step.
    virtual void autoScrolled();

    // Starts or ends middle-button panning; true when the press was used.
    bool handlePanningPress(QMouseEvent* event);

    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void resizeBackBuffer(QSize client);
    // Draws `region`, whose pixels fit the buffer, and copies it to the window.
    void paintCells(QPainter& painter, const MapGeometry& cells, const QRect& region);
    void updateScrollBars();
    void startPanning(QPoint globalPosition);
    void panStep();
    void endPanning();
    void reportDisplayError(quint32 code);

    int cellSize_ = 1;
    int zoom_ = 1;
    QSize content_;
    QPoint scroll_;
    QScrollBar* horizontal_;
    QScrollBar* vertical_;
    platform::DisplaySurface surface_;
    quint32 background_ = 0;
    bool bufferFailed_ = false;
    int wheelRemainder_ = 0;
    QTimer* autoScrollTimer_;
    QPoint autoScrollDirection_;
    QTimer panTimer_;
    QPoint panOrigin_;
    QPoint panDirection_;
    QCursor cursorBeforePanning_;
    CPanningOrigin* panMark_ = nullptr;
};

}  // namespace tessel
