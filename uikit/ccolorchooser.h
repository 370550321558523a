#pragma once

#include <QList>
#include <QRgb>
#include <QWidget>

namespace tessel {

// The colours a CPixelGrid paints with: one swatch per colour number. A
// left click picks the left colour, a right click the right colour; the
// swatches show "L" and "R" on the two choices. A double click with either
// button asks for the colour to be edited.
class CColorChooser : public QWidget {
    Q_OBJECT

public:
    static constexpr int kSwatchSize = 24;

    explicit CColorChooser(QWidget* parent = nullptr);

    void setColors(const QList<QRgb>& colors);
    void setLeftColor(int color);
    void setRightColor(int color);
    int leftColor() const { return left_; }
    int rightColor() const { return right_; }

    // The swatch of a colour number, in widget coordinates.
    QRect swatchRect(int color) const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

signals:
    void leftColorChanged(int color);
    void rightColorChanged(int color);
    void colorDoubleClicked(int color);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    int swatchAt(QPoint point) const;

    QList<QRgb> colors_;
    int left_ = 1;
    int right_ = 0;
};

}  // namespace tessel
