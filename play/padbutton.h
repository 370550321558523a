#pragma once

#include <QtGlobal>

#include <array>

namespace tessel {

// The buttons of the console's pad. The values are the button numbers of
// the libretro joypad, so a mask of (1 << button) is what a core reads.
enum class PadButton : quint8 {
    B = 0, Y = 1, Select = 2, Start = 3, Up = 4, Down = 5, Left = 6, Right = 7, A = 8, X = 9, L = 10, R = 11,
};

inline constexpr int kPadButtonCount = 12;

// Every button, in the order the keyboard settings list them.
inline constexpr std::array<PadButton, kPadButtonCount> kPadButtons = {
    PadButton::Up, PadButton::Down, PadButton::Left, PadButton::Right, PadButton::A, PadButton::B,
    PadButton::X, PadButton::Y, PadButton::L, PadButton::R, PadButton::Start, PadButton::Select,
};

constexpr quint16 padBit(PadButton button)
{
    return quint16(1u << unsigned(button));
}

// "Up", "A", "Start"...: the name settings and dialogs use.
const char* padButtonName(PadButton button);

}  // namespace tessel
