#pragma once

#include "rom/romaddress.h"

#include <QtGlobal>

namespace tessel {

// The sample's start-up program and the internal header that lets an
// emulator boot it: the screen comes on with a known backdrop colour and
// the word "TESSEL" drawn with the sample's menu font.
namespace sampleboot {

// Where the program lies; the console reaches it at $00:F000 through the
// reset vector, since bank $00 mirrors the upper half of bank $C0.
inline constexpr SnesAddress kProgramAddress = 0xC0F000;

// The internal header beside the title and version.
inline constexpr SnesAddress kMapModeAddress = 0xC0FFD5;
inline constexpr quint8 kMapModeHiRom = 0x21;
inline constexpr SnesAddress kChecksumComplementAddress = 0xC0FFDC;
inline constexpr SnesAddress kChecksumAddress = 0xC0FFDE;
inline constexpr SnesAddress kVectorsAddress = 0xC0FFE0;
inline constexpr SnesAddress kResetVectorAddress = 0xC0FFFC;

// Colours in the console's 15-bit BGR form: the backdrop, then the three
// inks of the font's 2-bit pixels (1 shadow, 2 grey, 3 white).
inline constexpr quint16 kBackdropColour = 0x5104;  // red 4, green 8, blue 20
inline constexpr quint16 kInkColours[3] = {0x0000, 0x39CE, 0x7FFF};

// The word, in tiles of 8 x 8 pixels from the picture's top-left corner.
inline constexpr char kText[] = "TESSEL";
inline constexpr int kTextColumn = 13;
inline constexpr int kTextRow = 13;

// Work RAM the program keeps up to date at every frame: a 16-bit frame
// count and the pad as the console reads it (its 16-bit register).
inline constexpr int kFrameCountRamOffset = 0;
inline constexpr int kPadRamOffset = 2;

}  // namespace sampleboot

}  // namespace tessel
