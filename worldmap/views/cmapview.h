#pragma once

#include "document/cff3doc.h"
#include "worldmap/celltints.h"
#include "worldmap/editing/maptools.h"
#include "worldmap/views/cworldbaseview.h"

#include <QPointer>
#include <QRegion>
#include <QTimer>

#include <memory>

class CMapOverview;
class CTileMapSpaceMeter;
class MapViewActions;
class MapViewSettings;
class QDockWidget;
class QToolBar;

// The world-map editor: one map drawn with its trigger tints, floating
// block, grid and outlines, edited with the tools of the Tools menu. It
// keeps an undo list of its own, which drives the frame's Edit > Undo and
// Redo, and exchanges blocks of cells through the clipboard. Every change
// of the map, and every undo or redo of one, is reported to the document.
//
// Its tool windows are docks of the frame: "Overview" here; the tile
// palette, the triggers list and the tile editor join them through
// addToolWindow().
class CMapView : public CWorldBaseView {
    Q_OBJECT

public:
    explicit CMapView(CFF3Doc& doc, QWidget* parent = nullptr);
    ~CMapView() override;

    QSize sizeHint() const override { return {560, 440}; }
    bool queryShows(quintptr subject) const override;
    void setSubject(quintptr subject) override;

    // The program's grid-line and zoom settings (not owned; the view keeps
    // its own until given these).
    void setSettings(MapViewSettings* settings);
    MapViewSettings& settings() const { return *settings_; }

    QList<QAction*> editActions() override;
    QList<QMenu*> menus() override;
    QList<QToolBar*> toolBars() override;
    QList<QDockWidget*> dockWidgets() override;
    QList<QWidget*> statusWidgets() override;

    bool hasOwnHistory() const override { return tools_ != nullptr; }
    bool canUndo() const override;
    bool canRedo() const override;
    QString undoText() const override;
    QString redoText() const override;
    void undo() override;
    void redo() override;

    void cut();
    void copy();
    // Waits for a click to paste the clipboard's block; again: no paste.
    void paste();

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
    CMapOverview* overview() const { return overview_; }
    CTileMapSpaceMeter* spaceMeter() const;

signals:
    void currentTileChanged(int tile);

protected:
    void attachMap(WorldMap* map, int index) override;
    const CellTints* tints() const override;
    std::vector<const TileOverlay*> overlays() const override;
    void drawOverTiles(PixelBuffer& target, const QRect& cells, const MapPainter& painter) override;
    void drawOverlay(QPainter& painter) override;
    void scrolled(QPoint from) override;
    void autoScrolled() override;

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
    void updateEditActions();
    void updateCursor();
    void onMapCellsChanged(int map, const QRect& cells);
    void onDataChanged(CFF3Doc::Area area, int index);
    void onAboutToSave();
    void putFloatingBlockBack();
    void updateOverviewFrame();
    void centreOn(QPoint cell);

    std::unique_ptr<MapTools> tools_;
    MapViewSettings* settings_;
    MapViewActions* actions_;
    QDockWidget* overviewWindow_ = nullptr;
    CMapOverview* overview_ = nullptr;
    QPointer<CTileMapSpaceMeter> spaceMeter_;
    QPointer<QToolBar> toolBar_;
    QList<QPointer<QDockWidget>> toolWindows_;
    mutable CellTints tints_;
    QPoint selectedTriggerCell_;
    quint32 clipboardFormat_;
    bool captured_ = false;
    // The next data notice of this map repeats a cells notice just shown.
    bool cellsJustShown_ = false;
    QRegion outlinesShown_;
};
