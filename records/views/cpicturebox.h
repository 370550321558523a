#pragma once

#include <QImage>
#include <QWidget>

namespace tessel {

// A fixed-size area showing a picture at its top-left corner over the
// dialog face colour; a picture larger than the area is clipped.
class CPictureBox : public QWidget {
    Q_OBJECT

public:
    CPictureBox(QSize size, QWidget* parent = nullptr);

    void setPicture(const QImage& picture);
    const QImage& picture() const { return picture_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage picture_;
};

}  // namespace tessel
