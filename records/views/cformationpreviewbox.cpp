#include "records/views/cformationpreviewbox.h"

#include <QMouseEvent>
#include <QtMath>
#include <QPainter>

namespace tessel {

CFormationPreviewBox::CFormationPreviewBox(QWidget* parent) : QWidget(parent)
{
    setFixedSize(FormationPreview::kWidth * kScale, FormationPreview::kHeight * kScale);
}

void CFormationPreviewBox::setPreview(const QImage& picture, const FormationPreview::Slots& lineup, int selected)
{
    picture_ = picture;
    slots_ = lineup;
    if (selected != selected_)
        dragging_ = false;
    selected_ = selected;
    update();
}

QPoint CFormationPreviewBox::toPicture(QPointF point)
{
    return {qFloor(point.x() / kScale), qFloor(point.y() / kScale)};
}

void CFormationPreviewBox::paintEvent(QPaintEvent*)
{
    // The picture is composed off screen; this only copies it.
    QPainter painter(this);
    painter.drawImage(rect(), picture_);
}

void CFormationPreviewBox::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || selected_ < 0)
        return;
    const QPoint at = toPicture(event->position());
    const FormationSlot& slot = slots_[std::size_t(selected_)];
    if (!FormationPreview::box(slot).contains(at))
        return;
    dragging_ = true;
    grab_ = FormationPreview::grabOffset(at, slot);
    emit dragStarted(selected_);
}

void CFormationPreviewBox::mouseMoveEvent(QMouseEvent* event)
{
    if (!dragging_ || !(event->buttons() & Qt::LeftButton))
        return;
    const QPoint position = FormationPreview::dragPosition(toPicture(event->position()), grab_);
    const FormationSlot& slot = slots_[std::size_t(selected_)];
    if (position != QPoint(slot.x, slot.y))
        emit slotDragged(selected_, position);
}

void CFormationPreviewBox::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        dragging_ = false;
}

}  // namespace tessel
