#pragma once

#include <QImage>
#include <QSet>
#include <QWidget>

namespace tessel {

class PadKeyMap;

// The game's picture in the Run window, drawn at whole multiples of the
// console's pixels, and the keyboard as the pad: it holds the keyboard
// focus and turns mapped keys into held buttons. Tab is fast-forward.
class CRunScreen : public QWidget {
    Q_OBJECT

public:
    CRunScreen(const PadKeyMap& keys, QWidget* parent = nullptr);

    void setFrame(const QImage& frame);
    const QImage& frame() const { return frame_; }
    void setScale(int scale);
    void setPixelAspect(bool widened);
    // The picture's rectangle inside the widget.
    QRect pictureRect() const;

    quint16 heldButtons() const { return buttons_; }
    bool isFastForwardHeld() const { return fastForward_; }
    // Lets go of every key, as when the window loses the focus.
    void releaseAll();

    QSize sizeHint() const override;

signals:
    void fastForwardChanged(bool held);

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    bool focusNextPrevChild(bool next) override;

private:
    void updateButtons();
    void setFastForward(bool held);

    const PadKeyMap& keys_;
    QImage frame_;
    int scale_ = 2;
    bool pixelAspect_ = false;
    QSet<int> heldKeys_;
    quint16 buttons_ = 0;
    bool fastForward_ = false;
};

}  // namespace tessel
