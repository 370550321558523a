#include "records/views/cpicturebox.h"

#include <QPainter>

namespace tessel {

CPictureBox::CPictureBox(QSize size, QWidget* parent) : QWidget(parent)
{
    setFixedSize(size);
}

void CPictureBox::setPicture(const QImage& picture)
{
    picture_ = picture;
    update();
}

void CPictureBox::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().window());
    painter.drawImage(0, 0, picture_);
}

}  // namespace tessel
