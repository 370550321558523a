#include "uikit/ccolorchooser.h"

#include <QMouseEvent>
#include <QPainter>

namespace tessel {

namespace {

constexpr int kGap = 4;

}  // namespace

CColorChooser::CColorChooser(QWidget* parent) : QWidget(parent)
{
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

void CColorChooser::setColors(const QList<QRgb>& colors)
{
    colors_ = colors;
    updateGeometry();
    update();
}

void CColorChooser::setLeftColor(int color)
{
    if (color < 0 || color >= colors_.size() || color == left_)
        return;
    left_ = color;
    update();
    emit leftColorChanged(color);
}

void CColorChooser::setRightColor(int color)
{
    if (color < 0 || color >= colors_.size() || color == right_)
        return;
    right_ = color;
    update();
    emit rightColorChanged(color);
}

QRect CColorChooser::swatchRect(int color) const
{
    return {1 + color * (kSwatchSize + kGap), 1, kSwatchSize, kSwatchSize};
}

QSize CColorChooser::sizeHint() const
{
    const int count = int(colors_.size());
    return {2 + count * kSwatchSize + std::max(0, count - 1) * kGap, kSwatchSize + 2};
}

int CColorChooser::swatchAt(QPoint point) const
{
    for (int color = 0; color < colors_.size(); ++color)
        if (swatchRect(color).contains(point))
            return color;
    return -1;
}

void CColorChooser::mousePressEvent(QMouseEvent* event)
{
    const int color = swatchAt(event->position().toPoint());
    if (color < 0)
        return;
    if (event->button() == Qt::LeftButton)
        setLeftColor(color);
    else if (event->button() == Qt::RightButton)
        setRightColor(color);
}

void CColorChooser::mouseDoubleClickEvent(QMouseEvent* event)
{
    const int color = swatchAt(event->position().toPoint());
    if (color >= 0 && (event->button() == Qt::LeftButton || event->button() == Qt::RightButton))
        emit colorDoubleClicked(color);
}

void CColorChooser::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    QFont font = painter.font();
    font.setBold(true);
    painter.setFont(font);
    for (int color = 0; color < colors_.size(); ++color) {
        const QRect swatch = swatchRect(color);
        const QColor fill(colors_[color]);
        painter.fillRect(swatch, fill);
        painter.setPen(palette().color(QPalette::WindowText));
        painter.drawRect(swatch.adjusted(0, 0, -1, -1));
        QString marks;
        if (color == left_)
            marks += QLatin1Char('L');
        if (color == right_)
            marks += QLatin1Char('R');
        if (marks.isEmpty())
            continue;
        // The marks in black or white, whichever reads on the swatch.
        painter.setPen(qGray(fill.rgb()) < 128 ? Qt::white : Qt::black);
        painter.drawText(swatch, Qt::AlignCenter, marks);
        painter.drawRect(swatch.adjusted(1, 1, -2, -2));
    }
}

}  // namespace tessel
