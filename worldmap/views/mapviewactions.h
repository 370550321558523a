#pragma once

#include "worldmap/editing/maptoolids.h"

#include <QObject>

#include <array>

class QAction;
class QActionGroup;
class QLineEdit;
class QMenu;
class QToolBar;
class QWidget;

namespace tessel {

// The commands of a map view and where they appear: the Tools and View
// menus, the Edit menu's Cut, Copy and Paste, and the map tool bar (Cut,
// Copy, Paste; Grid Lines, Highlight Selected Tile; the eight tools; the
// cell and size fields).
// The tool windows of the map (tile palette, triggers, tile editor) add
// their View items and tool-bar buttons before "Grid Lines".
class MapViewActions : public QObject {
    Q_OBJECT

public:
    explicit MapViewActions(QWidget* owner);
    ~MapViewActions() override;

    QAction* tool(MapToolId id) const { return tools[std::size_t(mapToolIndex(id))]; }
    // Adds a View item and its button for a tool window, before "Grid Lines".
    void addToolWindow(QAction* toggle);

    std::array<QAction*, kMapToolCount> tools{};
    QActionGroup* toolGroup = nullptr;
    QAction* cut = nullptr;
    QAction* copy = nullptr;
    QAction* paste = nullptr;
    QAction* gridLines = nullptr;
    QAction* highlightSelectedTile = nullptr;
    // Edit menu: the selection and the stamp.
    QAction* selectAll = nullptr;
    QAction* useAsStamp = nullptr;
    QAction* replaceTile = nullptr;
    QAction* selectSameTile = nullptr;
    QAction* deleteSelection = nullptr;
    QAction* regionGrid = nullptr;
    QAction* triggerLabels = nullptr;
    QAction* zoomIn = nullptr;
    QAction* zoomOut = nullptr;
    QAction* actualSize = nullptr;
    QMenu* viewMenu = nullptr;
    QMenu* toolsMenu = nullptr;
    QToolBar* toolBar = nullptr;
    QLineEdit* positionField = nullptr;
    QLineEdit* sizeField = nullptr;
};

}  // namespace tessel
