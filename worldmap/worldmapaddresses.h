#pragma once

#include "rom/romaddress.h"

namespace tessel {

// Where the game keeps the two world maps.
namespace worldmap {

inline constexpr int kMapWidth = 256;
inline constexpr int kMapHeight = 256;
inline constexpr int kTileMapSize = kMapWidth * kMapHeight;
inline constexpr int kSummarySize = 2048;
inline constexpr int kPieceCount = 256;
inline constexpr int kPiecesSize = kPieceCount * 32;
inline constexpr int kAssemblySize = 1024;
inline constexpr int kPiecePaletteSize = kPieceCount / 2;
inline constexpr int kGraphicsSize = kAssemblySize + kPiecesSize + kPiecePaletteSize;  // 9344
inline constexpr int kPaletteSize = 256;     // 128 colour words
inline constexpr int kPropertiesSize = 512;  // 256 property words

// Trigger tables: a word pair per map (the World of Ruin pair starts 2
// bytes after the World of Balance one) giving offsets from the base.
inline constexpr SnesAddress kEntranceTriggerBase = 0xDFBB00;
inline constexpr SnesAddress kEventTriggerBase = 0xC40000;
inline constexpr int kEntranceRecordSize = 6;
inline constexpr int kEventRecordSize = 5;

// The locations of the 3-byte pointers to one block (second 0: none).
struct PointerLocations {
    SnesAddress first;
    SnesAddress second;
};

struct MapLayout {
    const char* name;
    PointerLocations tileMapPointers;
    PointerLocations summaryPointers;
    PointerLocations graphicsPointers;
    // The room each compressed block may fill where it lies in the game.
    quint32 tileMapRoom;
    quint32 summaryRoom;
    quint32 graphicsRoom;
    SnesAddress paletteAddress;
    SnesAddress propertiesAddress;
    SnesAddress entranceIndexAddress;
    SnesAddress eventIndexAddress;
};

inline constexpr MapLayout kBalance = {
    QT_TRANSLATE_NOOP("WorldMap", "World of Balance"), {0xEEB20F, 0}, {0xEEB24B, 0}, {0xEEB212, 0}, 15643, 1048, 8449,
    0xD2EC00, 0xEE9B14, 0xDFBB00, 0xC40000,
};

inline constexpr MapLayout kRuin = {
    QT_TRANSLATE_NOOP("WorldMap", "World of Ruin"),
    {0xEEB221, 0xEEB224},
    {0xEEB24E, 0},
    {0xEEB21E, 0},
    12993,
    1139,
    8208,
    0xD2ED00,
    0xEE9D14,
    0xDFBB02,
    0xC40002,
};

inline constexpr const MapLayout* kLayouts[] = {&kBalance, &kRuin};
inline constexpr int kMapCount = 2;

}  // namespace worldmap

}  // namespace tessel
