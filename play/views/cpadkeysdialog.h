#pragma once

#include "play/padkeymap.h"

#include <QDialog>

#include <array>

class QLabel;
class QPushButton;

namespace tessel {

// "Keyboard": which key stands for each pad button. Clicking a button's
// key waits for the next key pressed (Escape leaves it as it was).
class CPadKeysDialog : public QDialog {
    Q_OBJECT

public:
    CPadKeysDialog(const PadKeyMap& keys, QWidget* parent = nullptr);

    const PadKeyMap& keys() const { return keys_; }
    // The button that shows (and changes) a pad button's key.
    QPushButton* keyButton(PadButton button) const { return buttons_[size_t(button)]; }
    // Why the last key pressed was refused; empty when it was taken.
    QString problem() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void startCapture(PadButton button);
    void showKeys();
    // Gives the capturing button `key`, unless another button has it.
    void takeKey(int key);

    PadKeyMap keys_;
    std::array<QPushButton*, kPadButtonCount> buttons_{};
    QLabel* problem_ = nullptr;
    int capturing_ = -1;  // the button waiting for a key, or -1
};

}  // namespace tessel
