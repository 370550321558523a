#include "worldmap/views/maptoolwindows.h"

#include "worldmap/editing/palettestamp.h"
#include "worldmap/views/cmapview.h"
#include "worldmap/views/ctileeditor.h"
#include "worldmap/views/ctilelist.h"
#include "worldmap/views/ctriggerwindow.h"
#include "worldmap/views/mapcommandids.h"
#include "worldmap/views/mapcursors.h"
#include "worldmap/views/mapviewactions.h"
#include "worldmap/views/toolwindowplacement.h"

#include <QAction>
#include <QDockWidget>

namespace tessel {

namespace {

constexpr int kTilePaletteListId = 1066;

using ToolWindow = MapViewSettings::ToolWindow;

void nameCommand(QAction* action, int id, const QString& text, mapcursors::Picture picture)
{
    action->setObjectName(QString::number(id));
    action->setText(text);
    action->setIcon(mapcursors::icon(picture));
}

}  // namespace

MapToolWindows::MapToolWindows(CMapView& view, MapViewActions& actions, platform::FileChooser& files)
    : QObject(&view), view_(view)
{
    tilePalette_ = new CTileList(CTileList::Content::Tiles, 2);
    tilePalette_->setObjectName(QString::number(kTilePaletteListId));
    tilesWindow_ = dock(tr("Tiles"), QStringLiteral("tilesWindow"), tilePalette_, Qt::RightDockWidgetArea);
    QAction* tilesToggle = tilesWindow_->toggleViewAction();
    nameCommand(tilesToggle, mapcommands::kTilePalette, tr("Tile &Palette"), mapcursors::Picture::TilePalette);
    view.addToolWindow(tilesWindow_, tilesToggle);

    triggers_ = new CTriggerWindow(view);
    triggersWindow_ = dock(tr("Triggers"), QStringLiteral("triggersWindow"), triggers_, Qt::BottomDockWidgetArea);
    QAction* triggersToggle = triggersWindow_->toggleViewAction();
    nameCommand(triggersToggle, mapcommands::kTriggers, tr("T&riggers"), mapcursors::Picture::Triggers);
    view.addToolWindow(triggersWindow_, triggersToggle);

    tileEditor_ = new CTileEditor(view, files, &view);
    tileEditor_->hide();
    tileEditorToggle_ = new QAction(&view);
    tileEditorToggle_->setCheckable(true);
    nameCommand(tileEditorToggle_, mapcommands::kTileEditor, tr("Tile &Editor"), mapcursors::Picture::TileEditor);
    actions.addToolWindow(tileEditorToggle_);
    connect(tileEditorToggle_, &QAction::toggled, tileEditor_, &QWidget::setVisible);
    connect(tileEditor_, &CTileEditor::shownChanged, tileEditorToggle_, &QAction::setChecked);

    connect(tilePalette_, &CTileList::picked, &view, &CMapView::setCurrentTile);
    connect(tilePalette_, &CTileList::rectangleDragged, &view, [this](int from, int to) {
        view_.useStamp(paletteStamp(from, to, tilePalette_->columns()));
    });
    connect(&view, &CMapView::currentTileChanged, tilePalette_, &CTileList::setCurrent);
    connect(&view.document(), &CFF3Doc::changed, tilePalette_, [this](const DocumentChange& change) {
        if (view_.showsChangeOf(change))
            tilePalette_->refresh();
    });
}

MapToolWindows::~MapToolWindows() = default;

QDockWidget* MapToolWindows::dock(const QString& title, const QString& name, QWidget* contents, Qt::DockWidgetArea area)
{
    auto* window = new QDockWidget(title);
    window->setObjectName(name);
    window->setWidget(contents);
    window->setProperty(CEditorView::kDockAreaProperty, int(area));
    return window;
}

void MapToolWindows::attach()
{
    tilePalette_->setMap(view_.map());
    tilePalette_->setCurrent(view_.currentTile());
    triggers_->fill();
    tileEditor_->attach();
}

void MapToolWindows::setFileChooser(platform::FileChooser& files)
{
    tileEditor_->setFileChooser(files);
}

void MapToolWindows::applyPlacements(MapViewSettings& settings)
{
    ToolWindowPlacement::applyToDock(*tilesWindow_, settings.placement(ToolWindow::Tiles));
    ToolWindowPlacement::applyToDock(*triggersWindow_, settings.placement(ToolWindow::Triggers));
    ToolWindowPlacement::applyToWindow(*tileEditor_, settings.placement(ToolWindow::TileEditor));
}

void MapToolWindows::storePlacements(MapViewSettings& settings) const
{
    if (tilesWindow_)
        ToolWindowPlacement::storeDock(*tilesWindow_, settings.placement(ToolWindow::Tiles), false);
    if (triggersWindow_)
        ToolWindowPlacement::storeDock(*triggersWindow_, settings.placement(ToolWindow::Triggers), true);
    ToolWindowPlacement::storeWindow(*tileEditor_, tileEditor_->everShown(), settings.placement(ToolWindow::TileEditor));
}

}  // namespace tessel
