#pragma once

namespace tessel {

// The game's dialogue window as the page previews draw it: a picture of the
// window and where the text goes inside it.
namespace dialoguewindow {

inline constexpr int kWidth = 240;
inline constexpr int kHeight = 72;
// The pen's start and the right limit of the text, in picture coordinates.
inline constexpr int kTextLeft = 12;
inline constexpr int kTextTop = 8;
inline constexpr int kRightLimit = 236;
inline constexpr int kLineHeight = 15;

}  // namespace dialoguewindow

}  // namespace tessel
