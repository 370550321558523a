#pragma once

#include <QList>
#include <QRgb>
#include <QWidget>

#include <vector>

namespace tessel {

// A grid of cells of 16 pixels, each holding a colour number, painted with
// the mouse: the left button paints the left colour, the right button the
// right colour, and dragging paints every cell passed over. The grid
// buttons shift the picture by one cell (nothing wraps round) or clear it.
class CPixelGrid : public QWidget {
    Q_OBJECT

public:
    static constexpr int kCellSize = 16;
    // Stroke number of a change that is no mouse stroke (a grid button).
    static constexpr int kNoStroke = -1;

    explicit CPixelGrid(QWidget* parent = nullptr);

    void setGridSize(int columns, int rows);
    int columns() const { return columns_; }
    int rows() const { return rows_; }
    // The colour that each colour number shows in.
    void setColors(const QList<QRgb>& colors);

    // The cells row by row; setting them emits nothing.
    void setCells(const std::vector<quint8>& cells);
    const std::vector<quint8>& cells() const { return cells_; }
    int cell(int x, int y) const { return cells_.at(std::size_t(y * columns_ + x)); }

    void setLeftColor(int color) { leftColor_ = color; }
    void setRightColor(int color) { rightColor_ = color; }
    int leftColor() const { return leftColor_; }
    int rightColor() const { return rightColor_; }

    // A red line before this column (a glyph's advance width); -1 for none.
    void setMarkerColumn(int column);

    void shiftUp();
    void shiftDown();
    void shiftLeft();
    void shiftRight();
    void clear();

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

signals:
    // After every change: `stroke` numbers the mouse stroke it belongs to
    // (the same for every cell of one drag), or is kNoStroke.
    void cellsChanged(int stroke);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void paintAt(const QPoint& position);
    // Moves every cell by (dx, dy); vacated cells become 0.
    void shift(int dx, int dy);

    int columns_ = 8;
    int rows_ = 8;
    std::vector<quint8> cells_;
    QList<QRgb> colors_;
    int leftColor_ = 1;
    int rightColor_ = 0;
    int markerColumn_ = -1;
    int paintColor_ = -1;  // while a button is held
    int stroke_ = 0;
};

}  // namespace tessel
