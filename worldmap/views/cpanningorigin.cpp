#include "worldmap/views/cpanningorigin.h"

#include <QPainter>
#include <QPainterPath>
#include <QRegion>

namespace tessel {

CPanningOrigin::CPanningOrigin(QWidget* owner)
    : QWidget(owner, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus)
{
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFixedSize(kSize, kSize);
    setMask(QRegion(0, 0, kSize, kSize, QRegion::Ellipse));
}

void CPanningOrigin::showAt(QPoint globalCentre)
{
    move(globalCentre - QPoint(kSize / 2, kSize / 2));
    show();
}

void CPanningOrigin::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(Qt::white);
    p.drawEllipse(QRectF(0.5, 0.5, kSize - 1, kSize - 1));
    p.translate(kSize / 2.0, kSize / 2.0);
    p.setBrush(Qt::black);
    p.drawEllipse(QPointF(0, 0), 2, 2);
    for (int k = 0; k < 4; ++k) {
        p.drawPolygon(QPolygonF({QPointF(11, 0), QPointF(6, -4), QPointF(6, 4)}));
        p.rotate(90);
    }
}

}  // namespace tessel
