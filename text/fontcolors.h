#pragma once

#include <QRgb>
#include <QtGlobal>

#include <array>

namespace tessel {

// The colours the game draws its text in, and the ones the font editors
// show glyph pixels in (SNES 15-bit words, red in the low bits).
namespace fontcolors {

// The blue of the game's menu and dialogue windows.
inline constexpr QRgb kMenuBlue = qRgb(0x70, 0x78, 0xC0);

// Menu glyph pixel values 1-3 (0 is transparent).
inline constexpr QRgb kMenuBlack = qRgb(0x00, 0x00, 0x00);
inline constexpr QRgb kMenuGrey = qRgb(0x70, 0x70, 0x70);
inline constexpr QRgb kMenuWhite = qRgb(0xFF, 0xFF, 0xFF);

// Dialogue glyphs: ink, and the shadow drawn under white ink.
inline constexpr QRgb kDialogueInk = qRgb(0x00, 0x00, 0x00);
inline constexpr QRgb kDialogueShadow = qRgb(0x00, 0x00, 0x00);
inline constexpr QRgb kDialogueLight = qRgb(0xFF, 0xFF, 0xFF);

// The editors' grids, per pixel value.
inline constexpr std::array<quint16, 2> kDialogueGridColors = {0x61EE, 0x7FFF};
inline constexpr std::array<quint16, 4> kMenuGridColors = {0x61EE, 0x0000, 0x39CE, 0x7FFF};

// A SNES colour word on the screen: each 5-bit channel times 8.
constexpr QRgb snesToRgb(quint16 color)
{
    return qRgb((color & 31) << 3, ((color >> 5) & 31) << 3, ((color >> 10) & 31) << 3);
}

}  // namespace fontcolors

}  // namespace tessel
