#pragma once

#include <QDialog>

#include <array>
#include <optional>

class QLabel;
class QSlider;
class QSpinBox;

namespace tessel {

// "Edit Color": one 15-bit SNES colour as its red, green and blue (0-31
// each, a slider and a number box apiece), the colour word, and the colour
// before and after side by side. OK gives the new colour, Cancel nothing.
class CEditColorDialog : public QDialog {
    Q_OBJECT

public:
    enum Channel { Red, Green, Blue };

    // `what` names the colour above the fields ("Color 37: palette 2, entry 5").
    CEditColorDialog(quint16 color, const QString& what, QWidget* parent = nullptr);

    quint16 color() const { return color_; }
    void setChannel(Channel channel, int value);
    QSpinBox* channelBox(Channel channel) const { return boxes_[channel]; }

    // Runs the dialog; the new colour on OK, none on Cancel.
    static std::optional<quint16> edit(quint16 color, const QString& what, QWidget* parent);

private:
    void showColor();

    quint16 original_;
    quint16 color_;
    std::array<QSlider*, 3> sliders_{};
    std::array<QSpinBox*, 3> boxes_{};
    QLabel* word_;
    QLabel* preview_;
};

}  // namespace tessel
