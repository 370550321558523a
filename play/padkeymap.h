#pragma once

#include "play/padbutton.h"

#include <QString>

#include <array>

namespace tessel {

// Which keyboard key stands for each pad button. Keys are Qt key codes,
// with one addition: the right Shift key, which Qt does not tell apart
// from the left one by its code.
class PadKeyMap {
public:
    static constexpr int kRightShift = 0x02000001;  // past every Qt::Key value

    // Arrows, X A, Z B, S Y, A X, Q L, W R, Enter Start, Right Shift Select.
    PadKeyMap();

    int key(PadButton button) const { return keys_[size_t(button)]; }
    // The keypad's Enter is taken as Enter.
    void setKey(PadButton button, int key);
    // The buttons a key holds down (a key may serve several).
    quint16 buttonsFor(int key) const;

    // "Up=Up;Down=Down;...;Select=Right Shift". Reading takes the entries
    // it understands and leaves the other buttons as they are.
    QString toString() const;
    void parse(const QString& text);

    // The name a user reads ("Enter", "Right Shift", "X"); 0 from keyFromName
    // when the name means no key.
    static QString keyName(int key);
    static int keyFromName(const QString& name);

    bool operator==(const PadKeyMap& other) const = default;

private:
    std::array<int, kPadButtonCount> keys_{};
};

}  // namespace tessel
