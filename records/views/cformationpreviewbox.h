#pragma once

#include "records/formationpreview.h"

#include <QImage>
#include <QWidget>

namespace tessel {

// Shows a formation's battle preview, twice its size, and lets the user
// drag the selected slot's monster: a press inside the slot's box grabs
// it, each move reports the whole-cell position it has reached (0 to 15
// each way), and releasing the button lets go. Without a selected slot
// the mouse does nothing.
class CFormationPreviewBox : public QWidget {
    Q_OBJECT

public:
    static constexpr int kScale = 2;

    explicit CFormationPreviewBox(QWidget* parent = nullptr);

    // The composed picture and the slots it shows; `selected` is 0-5 or -1.
    void setPreview(const QImage& picture, const FormationPreview::Slots& lineup, int selected);
    const QImage& picture() const { return picture_; }
    bool isDragging() const { return dragging_; }

signals:
    void dragStarted(int slot);
    void slotDragged(int slot, QPoint position);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    // A point of the widget in the picture's pixels.
    static QPoint toPicture(QPointF point);

    QImage picture_;
    FormationPreview::Slots slots_;
    int selected_ = -1;
    bool dragging_ = false;
    QPoint grab_;
};

}  // namespace tessel
