#pragma once

#include "document/cff3doc.h"
#include "document/pendingedit.h"
#include "platform/gui/filechooser.h"
#include "worldmap/celltints.h"
#include "worldmap/editing/maptools.h"
#include "worldmap/views/cworldbaseview.h"
#include "worldmap/views/documentcellsink.h"
#include "worldmap/views/mapviewsettings.h"

#include <QLabel>
#include <QPointer>
#include <QRegion>
#include <QTimer>

#include <functional>
#include <memory>

class QDockWidget;
class QToolBar;
class QUndoCommand;

namespace tessel {

class CMapOverview;
class WorldMapPart;
class CTileMapSpaceMeter;
class MapToolWindows;
class MapViewActions;

// The world-map editor: one map drawn with its trigger tints, floating
// block, grid and outlines, edited with the tools of the Tools menu, which
// exchange blocks of cells through the clipboard. Every change of the map
// is a command on the document's stack, as are the changes its tool
// windows ("Overview", "Tiles", "Triggers" and "Edit Tiles") make to
// triggers, tiles, pieces, colours and properties.
//
// A block lifted by the marquee is an open edit of the document: a save,
// an undo or a redo puts it back first.
class CMapView : public CWorldBaseView, private PendingEdit {
    Q_OBJECT

public:
    explicit CMapView(CFF3Doc& doc, QWidget* parent = nullptr);
    ~CMapView() override;

    QSize sizeHint() const override { return {560, 440}; }
    RecordKind subjectKind() const override { return RecordKind::WorldMap; }
    // The map, or an element of it (a cell or trigger is shown and selected).
    bool queryShows(const RecordRef& subject) const override;
    void setSubject(const RecordRef& subject) override;

    // The program's grid-line, zoom and tool-window settings (not owned;
    // the view keeps its own until given these). The tool windows go where
    // these say, and where they are is stored there when the view closes.
    void setSettings(MapViewSettings* settings);
    // The file dialogs of the tile editor (not owned; the system's by default).
    void setFileChooser(platform::FileChooser* files) override;
    MapViewSettings& settings() const { return *settings_; }

    // The document's part of the map shown (a map must be attached).
    WorldMapPart& mapPart() const;
    // Whether a change of the document concerns the map shown.
    bool showsChangeOf(const DocumentChange& change) const;

    QList<QAction*> editActions() override;
    QList<QMenu*> menus() override;
    QList<QToolBar*> toolBars() override;
    QList<QDockWidget*> dockWidgets() override;
    QList<QWidget*> statusWidgets() override;

    // A command of a tool window: a floating block is put back before it,
    // so that the block's lift and its drop stay one step.
    void pushEdit(QUndoCommand* command);

    void cut();
    void copy();
    // Waits for a click to paste the clipboard's block; again: no paste.
    void paste();
    // Edit > "Use as Stamp": the selection's tiles become the brush.
    void useSelectionAsStamp();
    // Edit > "Select Same Tile": the cells holding the tile `cell` shows,
    // within the selection or on the whole map.
    void selectSameTile(QPoint cell);
    // The map cell last under the cursor (what "Select Same Tile" takes).
    QPoint lastCell() const { return lastCell_; }
    // A rectangle dragged in "Tiles": the block becomes what "Brush" paints.
    void useStamp(const MapBlock& stamp);
    // Edit > "Replace Tile...": asks for the tile to put in place of the current one.
    void replaceTile();
    void replaceTileWith(int from, int to);

    // The editing state (nullptr until a map is attached).
    MapTools* tools() const { return tools_.get(); }
    MapToolId currentTool() const;
    void selectTool(MapToolId tool);
    int currentTile() const;
    void setCurrentTile(int tile);
    // The cell whose trigger is the selected one, tinted whatever the tool.
    QPoint selectedTriggerCell() const { return selectedTriggerCell_; }
    void selectTriggerCell(QPoint cell);

    // A tool window of the map: docked in the frame, toggled from View.
    void addToolWindow(QDockWidget* window, QAction* toggle);
    MapViewActions& actions() const { return *actions_; }
    MapToolWindows& toolWindows() const { return *toolWindows_; }

    // Scrolls so that the cell is in the middle of the window, as far as
    // the view allows.
    void centreOn(QPoint cell);
    // Shows a cell: centred, framed until the next click on the map, and
    // selected as the trigger cell.
    void locateCell(QPoint cell);
    std::optional<QPoint> locatedCell() const { return locatedCell_; }
    // Shows a cell of world map `map`: here when it is this view's map, else
    // through destinationRequested() (the program opens that map's window).
    void requestDestination(int map, QPoint cell);
    // Asks the program to show a subject another editor holds (an event
    // trigger's script).
    void requestSubject(const RecordRef& subject) { emit subjectRequested(subject); }
    CMapOverview* overview() const { return overview_; }
    CTileMapSpaceMeter* spaceMeter() const;
    QLabel* cellStatus() const { return cellStatus_.data(); }

signals:
    void currentTileChanged(int tile);
    void destinationRequested(int map, QPoint cell);

protected:
    void attachMap(WorldMap* map, int index) override;
    const CellTints* tints() const override;
    std::optional<int> highlightedTile() const override;
    std::vector<const TileOverlay*> overlays() const override;
    void drawOverTiles(PixelBuffer& target, const QRect& cells, const MapPainter& painter) override;
    void drawOverlay(QPainter& painter) override;
    void scrolled(QPoint from) override;
    void autoScrolled() override;

    // View > "Region Grid" and "Trigger Labels", over the tiles.
    void drawMapLabels(QPainter& painter);
    // The cells of a "Select Same Tile" selection, tinted and framed.
    void drawSelectedCells(QPainter& painter);
    // A trigger "Pointer" dragged lands on `cell` as one step.
    void dropTrigger(QPoint cell);
    // Runs an edit of the tools and shows what it changed.
    void editTools(const std::function<void(MapTools&)>& edit);

    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void buildToolWindows();
    void connectActions();
    // One event for the current tool at a window point.
    void sendToolEvent(MapEvent event, QPoint position);
    // Shows and reports what the last events and commands changed.
    void applyChanges();
    QRegion outlineRegion() const;
    void updateOutlines();
    // Zoom In and Zoom Out as far as the view zooms.
    void updateZoomActions();
    void updateEditActions();
    void updateCursor();
    void onDocumentChanged(const DocumentChange& change);
    // Puts a floating block back; true when there was one.
    bool putFloatingBlockBack();
    void updateOverviewFrame();

    bool isOpen() const override;
    bool finish() override;

    // The tools store their cells through the sink, which goes after them.
    std::unique_ptr<DocumentCellSink> sink_;
    std::unique_ptr<MapTools> tools_;
    // Shared settings may go before the view does; the view then keeps nothing.
    QPointer<MapViewSettings> settings_;
    MapViewActions* actions_;
    QDockWidget* overviewWindow_ = nullptr;
    CMapOverview* overview_ = nullptr;
    QPointer<CTileMapSpaceMeter> spaceMeter_;
    QPointer<QLabel> cellStatus_;
    int draggedTrigger_ = -1;  // the trigger "Pointer" was pressed on  // the cell under the cursor, its tile, block and trigger
    QPointer<QToolBar> toolBar_;
    QList<QPointer<QDockWidget>> toolWindowDocks_;
    MapToolWindows* toolWindows_ = nullptr;
    platform::FileChooser systemFiles_;
    std::optional<QPoint> locatedCell_;
    mutable CellTints tints_;
    QPoint selectedTriggerCell_;
    QPoint lastCell_;
    quint32 clipboardFormat_;
    bool captured_ = false;
    QRegion outlinesShown_;
};

}  // namespace tessel
