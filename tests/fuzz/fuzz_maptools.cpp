// Drives the map tools with arbitrary operations on a 16 x 16 map: no
// cell leaves the map, and putting the floating block back and undoing
// every step gives the map it started with (as long as nothing was cut,
// which leaves tile 255 unrecorded, and no step was pushed out).
#include "worldmap/editing/maptools.h"
#include "worldmap/worldmap.h"

#include <cstdint>
#include <cstdlib>

namespace {

constexpr int kSide = 16;

enum Operation { PickTool, SetTile = kMapToolCount, Press, Drag, Release, Hover, RightPress, Undo, Redo, Copy, Cut,
                 Paste, OperationCount };

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    WorldMap map;
    map.width = kSide;
    map.height = kSide;
    map.tileMap.resize(kSide * kSide);
    for (int i = 0; i < map.tileMap.size(); ++i)
        map.tileMap[i] = char((i * 7 + i / kSide) % 5);
    const QByteArray original = map.tileMap;
    MapTools tools(map);
    bool cut = false;
    int operations = 0;

    // Two bytes an operation: what, and a cell (low nibble column, high nibble row) or a value.
    for (size_t at = 0; at + 2 <= size; at += 2, ++operations) {
        const int operation = data[at] % OperationCount;
        const uint8_t value = data[at + 1];
        const MapCell cell{QPoint(value & 15, value >> 4), QPoint(value & 15, value >> 4)};
        switch (operation) {
        case SetTile: tools.session().setCurrentTile(value % 8); break;
        case Press: tools.handle(MapEvent::Press, cell); break;
        case Drag: tools.handle(MapEvent::Drag, cell); break;
        case Release: tools.handle(MapEvent::Release, cell); break;
        case Hover: tools.handle(MapEvent::Hover, cell); break;
        case RightPress: tools.handle(MapEvent::RightPress, cell); break;
        case Undo: tools.undo(); break;
        case Redo: tools.redo(); break;
        case Copy: tools.copy(); break;
        case Cut:
            cut = cut || tools.canCutOrCopy();
            tools.cut();
            break;
        case Paste:
            // The rest of the input is a clipboard block, pasted at the cell.
            tools.beginPaste(QByteArray(reinterpret_cast<const char*>(data + at + 2), qsizetype(size - at - 2)));
            tools.handle(MapEvent::Hover, cell);
            tools.handle(MapEvent::Release, cell);
            at = size;
            break;
        default: tools.selectTool(mapToolAt(operation)); break;
        }
        tools.takeChanges();
        if (map.tileMap.size() != kSide * kSide)
            std::abort();
    }

    tools.dropFloatingBlock();
    while (tools.canUndo())
        tools.undo();
    // Each operation makes at most one step, so fewer than 200 lose none.
    if (!cut && operations < MapUndoList::kMaxSteps && map.tileMap != original)
        std::abort();
    return 0;
}
