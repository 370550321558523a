#pragma once

#include "rom/romaddress.h"

#include <array>

namespace tessel {

// Where the game keeps its dialogue, in both layouts, and the routine that
// lets the game find a message in the relocated layout.
namespace dialogue {

// The first byte of the game's message-address routine tells the layouts apart.
inline constexpr SnesAddress kMarkerAddress = 0xC07FBF;
inline constexpr quint8 kGameLayoutMarker = 0xA9;
inline constexpr quint8 kRelocatedMarker = 0x7B;

// Game layout: a split word (first message in bank $CE), then the pointers.
inline constexpr SnesAddress kBankSplitAddress = 0xCCE600;
inline constexpr SnesAddress kPointerTableAddress = 0xCCE602;
inline constexpr int kGameMessageCount = 3326;
// The pointer table runs to the end of bank $CC: room for this many words.
inline constexpr int kPointerTableRoom = (0x10000 - (kPointerTableAddress & 0xFFFF)) / 2;  // 3327
// One word of the table follows the last message's pointer: where the last
// message ends (equal to its pointer when it is empty), as in the game's
// own table.
inline constexpr int kMaxMessageCount = kPointerTableRoom - 1;  // 3326

// The game's text area, $CD:0000-$CE:F0FF.
inline constexpr quint8 kFirstTextBank = 0xCD;
inline constexpr SnesAddress kTextAreaStart = 0xCD0000;
inline constexpr quint32 kTextAreaSize = 0x1F100;
inline constexpr SnesAddress kTextAreaEnd = kTextAreaStart + kTextAreaSize;
// Laid-out text stays below this distance from the area's start.
inline constexpr quint32 kTextAreaLimit = 0x1F000;
inline constexpr quint32 kBankSize = 0x10000;

// Relocated layout: the group table (u16 bound, u8 bank per entry, the last
// entry bound 0xFFFF) followed by the message count.
inline constexpr SnesAddress kGroupTableAddress = 0xC0DF80;
inline constexpr int kGroupEntrySize = 3;
inline constexpr int kMaxGroupEntries = 10;  // the room the table has, last entry included
inline constexpr quint16 kLastGroupBound = 0xFFFF;

// The longest message a save writes (length includes the closing 0x00):
// it fits a bank even at offset 1, where a message alone at the start of a
// bank may have to go. Loading never reads a longer one.
inline constexpr quint32 kMaxMessageLength = 0xFFFE;

// The message-address routine written over the game's at kMarkerAddress.
inline constexpr std::array<quint8, 38> kMessageAddressRoutine = {
    0x7B, 0xAA, 0xC2, 0x20, 0xA5, 0xD0, 0xE8, 0xE8, 0xE8, 0xDF, 0x7D, 0xDF, 0xC0,
    0xB0, 0xF7, 0x0A, 0x48, 0xBF, 0x7E, 0xDF, 0xC0, 0x85, 0xCA, 0xFA, 0xBF, 0x02,
    0xE6, 0xCC, 0x85, 0xC9, 0xE2, 0x20, 0x7B, 0x1A, 0x8D, 0x68, 0x05, 0x60,
};

}  // namespace dialogue

}  // namespace tessel
