#pragma once

#include <QWidget>

namespace tessel {

// The small round mark left at the point where middle-button panning
// started; the view scrolls towards the cursor's offset from it.
class CPanningOrigin : public QWidget {
    Q_OBJECT

public:
    static constexpr int kSize = 28;

    explicit CPanningOrigin(QWidget* owner);
    // Shows the mark centred on a screen point.
    void showAt(QPoint globalCentre);

protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace tessel
