// Drives the map tools with arbitrary operations on a 16 x 16 map, storing
// through a recording sink. Checked after every operation: the map keeps
// its size, the map as a save would store it shows what the user sees,
// and no operation begins more than one step of its own (besides the
// "Move Selection" of a moved block it puts down). At the end: putting the
// floating block back gives that saved form, and undoing every recorded
// step gives the map it started with. (A block the marquee lifted may have
// been moved since, so a "Move Selection" step may stay.)
#include "tests/support/recordingcellsink.h"
#include "worldmap/editing/maptools.h"
#include "worldmap/worldmap.h"

#include <cstdint>
#include <cstdlib>

using namespace tessel;

namespace {

constexpr int kSide = 16;

enum Operation { PickTool, SetTile = kMapToolCount, Press, Drag, Release, Hover, RightPress, Drop, Copy, Cut,
                 Paste, OperationCount };

void check(bool condition)
{
    if (!condition)
        std::abort();
}

// The saved form against what each cell shows (the floating block over the map).
bool savedFormShowsTheCells(const MapTools& tools)
{
    const QByteArray saved = tools.tileMapAsSaved();
    for (int row = 0; row < kSide; ++row)
        for (int column = 0; column < kSide; ++column)
            if (quint8(saved[row * kSide + column]) != tools.session().shownTileAt({column, row}))
                return false;
    return true;
}

// The steps begun since `before` that move a block (or all the others).
int newSteps(const RecordingCellSink& sink, std::size_t before, bool moves)
{
    int count = 0;
    for (std::size_t k = before; k < sink.steps().size(); ++k)
        count += (sink.steps()[k].name == mapEditName(MapEditKind::MoveSelection)) == moves;
    return count;
}

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
    RecordingCellSink sink(map);
    MapTools tools(map, sink);

    // Two bytes an operation: what, and a cell (low nibble column, high nibble row) or a value.
    for (size_t at = 0; at + 2 <= size; at += 2) {
        const int operation = data[at] % OperationCount;
        const uint8_t value = data[at + 1];
        const MapCell cell{QPoint(value & 15, value >> 4), QPoint(value & 15, value >> 4)};
        const std::size_t stepsBefore = sink.steps().size();
        switch (operation) {
        case SetTile: tools.session().setCurrentTile(value % 8); break;
        case Press: tools.handle(MapEvent::Press, cell); break;
        case Drag: tools.handle(MapEvent::Drag, cell); break;
        case Release: tools.handle(MapEvent::Release, cell); break;
        case Hover: tools.handle(MapEvent::Hover, cell); break;
        case RightPress: tools.handle(MapEvent::RightPress, cell); break;
        case Drop: tools.dropFloatingBlock(); break;
        case Copy: tools.copy(); break;
        case Cut: tools.cut(); break;
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
        check(map.tileMap.size() == kSide * kSide);
        check(newSteps(sink, stepsBefore, true) <= 1 && newSteps(sink, stepsBefore, false) <= 1);
        check(savedFormShowsTheCells(tools));
    }

    const QByteArray saved = tools.tileMapAsSaved();
    tools.dropFloatingBlock();
    check(map.tileMap == saved);
    while (!sink.steps().empty())
        sink.undoNewest();
    check(map.tileMap == original);
    return 0;
}
