#pragma once

#include <QPoint>
#include <QString>

namespace tessel {

// The map editor's tools, by their command ids.
enum class MapToolId {
    Pointer = 40000,
    PickupTile = 40001,
    Marquee = 40002,
    Brush = 40003,
    Line = 40004,
    Rectangle = 40005,
    FilledRectangle = 40006,
    FloodFill = 40007,
};

inline constexpr MapToolId kFirstMapTool = MapToolId::Pointer;
inline constexpr int kMapToolCount = 8;

inline MapToolId mapToolAt(int index)
{
    return MapToolId(int(kFirstMapTool) + index);
}
inline int mapToolIndex(MapToolId tool)
{
    return int(tool) - int(kFirstMapTool);
}

// The tool's name as the Tools menu shows it ("Filled Rectangle").
QString mapToolName(MapToolId tool);

// What the view tells the current tool, one call per mouse event.
enum class MapEvent {
    Press = 1,         // left button pressed; the view captures the mouse
    Drag = 2,          // moved while captured, and each auto-scroll tick
    Release = 3,       // left button released
    PaintStart = 5,    // painting begins (no tool reacts)
    Hover = 7,         // moved, captured or not
    ContextMenu = 9,   // no tool reacts
    RightPress = 10,   // right button pressed; the view lets the mouse go
    PaintOutline = 11, // painting ends: time to draw outlines
};

// The cell an event happened on: on the map (clamped to it) and counted
// from the window's top-left (clamped to the window).
struct MapCell {
    QPoint map;
    QPoint visible;
};

}  // namespace tessel
