#pragma once

namespace tessel {

// Command and control ids of the world-map frame, kept as the objectName
// of the matching action or control.
namespace mapcommands {

inline constexpr int kUndo = 57643;
inline constexpr int kCut = 57635;
inline constexpr int kCopy = 57634;
inline constexpr int kPaste = 57637;
inline constexpr int kGridLines = 32771;
inline constexpr int kTileEditor = 32772;
inline constexpr int kPositionField = 32774;  // "%d, %d": the map cell under the cursor
inline constexpr int kSizeField = 32776;      // "%d, %d": the marquee's width and height
inline constexpr int kHighlightSelectedTile = 32779;
inline constexpr int kTilePalette = 32785;
inline constexpr int kTriggers = 32787;

}  // namespace mapcommands

}  // namespace tessel
