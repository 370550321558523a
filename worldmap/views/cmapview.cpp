#include "worldmap/views/cmapview.h"

#include "worldmap/cellstatus.h"
#include "document/settriggercommand.h"

#include "platform/gui/clipboardformat.h"
#include "platform/gui/waitcursor.h"
#include "worldmap/views/cmapoverview.h"
#include "worldmap/views/ctilemapspacemeter.h"
#include "worldmap/views/ctriggerwindow.h"
#include "worldmap/views/maptoolwindows.h"
#include "worldmap/views/mapcursors.h"
#include "worldmap/views/mapoutlines.h"
#include "worldmap/views/mapviewactions.h"
#include "worldmap/views/mapviewsettings.h"
#include "worldmap/worldmap.h"
#include "document/parts/worldmappart.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QClipboard>
#include <QDockWidget>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QHash>
#include <QInputDialog>
#include <QFont>
#include <QFontMetrics>
#include <QMenu>
#include <QPainter>
#include <QPen>
#include <QToolBar>

#include <algorithm>
#include <utility>

namespace tessel {

namespace {

using mapoutlines::drawDragFrame;
using mapoutlines::drawLocatedFrame;

QString cellText(QPoint cell)
{
    return QStringLiteral("%1, %2").arg(cell.x()).arg(cell.y());
}

}  // namespace

CMapView::CMapView(CFF3Doc& doc, QWidget* parent)
    : CWorldBaseView(doc, parent),
      settings_(new MapViewSettings(this)),
      actions_(new MapViewActions(this)),
      clipboardFormat_(platform::registerClipboardFormat(QString::fromLatin1(platform::kWorldMapClipboardFormat)))
{
    setMouseTracking(true);

    buildToolWindows();
    toolWindows_ = new MapToolWindows(*this, *actions_, systemFiles_);
    connectActions();
    setZoom(settings_->zoom());
    updateEditActions();

    connect(&doc, &CFF3Doc::changed, this, &CMapView::onDocumentChanged);
    connect(&doc, &CFF3Doc::documentCleared, this, [this] { attachMap(nullptr, -1); });
    doc.addPendingEdit(this);
    connect(this, &CDirectDrawView::visibleCellsChanged, this, &CMapView::updateOverviewFrame);
}

CMapView::~CMapView()
{
    document().removePendingEdit(this);
    document().disconnect(this);
    // The lift and the drop stay on the stack as one step (or none).
    putFloatingBlockBack();
    if (settings_)
        toolWindows_->storePlacements(*settings_);
    // The tool windows, tool bar and meter may sit in the frame; they go with the view.
    for (const QPointer<QDockWidget>& window : toolWindowDocks_)
        delete window.data();
    delete toolBar_.data();
    delete spaceMeter_.data();
    delete cellStatus_.data();
}

void CMapView::buildToolWindows()
{
    overview_ = new CMapOverview;
    overviewWindow_ = new QDockWidget(tr("Overview"));
    overviewWindow_->setObjectName(QStringLiteral("overviewWindow"));
    overviewWindow_->setWidget(overview_);
    overviewWindow_->setAllowedAreas(Qt::LeftDockWidgetArea | Qt::RightDockWidgetArea);
    QAction* toggle = overviewWindow_->toggleViewAction();
    toggle->setText(tr("&Overview"));
    toggle->setIcon(mapcursors::icon(mapcursors::Picture::Overview));
    toggle->setObjectName(QStringLiteral("overview"));
    addToolWindow(overviewWindow_, toggle);
    connect(overview_, &CMapOverview::centreRequested, this, &CMapView::centreOn);

    spaceMeter_ = new CTileMapSpaceMeter;
    cellStatus_ = new QLabel;
    cellStatus_->setObjectName(QStringLiteral("cellStatus"));
    toolBar_ = actions_->toolBar;
}

CTileMapSpaceMeter* CMapView::spaceMeter() const
{
    return spaceMeter_.data();
}

void CMapView::addToolWindow(QDockWidget* window, QAction* toggle)
{
    toolWindowDocks_.append(window);
    actions_->addToolWindow(toggle);
}

void CMapView::connectActions()
{
    MapViewActions& a = *actions_;
    connect(a.toolGroup, &QActionGroup::triggered, this,
            [this](QAction* action) { selectTool(MapToolId(action->data().toInt())); });
    connect(a.cut, &QAction::triggered, this, &CMapView::cut);
    connect(a.copy, &QAction::triggered, this, &CMapView::copy);
    connect(a.paste, &QAction::triggered, this, &CMapView::paste);
    connect(a.gridLines, &QAction::triggered, this, [this](bool on) { settings_->setGridLines(on); });
    connect(a.selectAll, &QAction::triggered, this, [this] { editTools([](MapTools& t) { t.selectAll(); }); });
    connect(a.deleteSelection, &QAction::triggered, this,
            [this] { editTools([](MapTools& t) { t.fillSelection(); }); });
    connect(a.useAsStamp, &QAction::triggered, this, &CMapView::useSelectionAsStamp);
    connect(a.selectSameTile, &QAction::triggered, this, [this] { selectSameTile(lastCell_); });
    connect(a.replaceTile, &QAction::triggered, this, &CMapView::replaceTile);
    connect(a.regionGrid, &QAction::toggled, this, [this] { update(clientRect()); });
    connect(a.triggerLabels, &QAction::toggled, this, [this] { update(clientRect()); });
    connect(a.highlightSelectedTile, &QAction::toggled, this, [this] { update(clientRect()); });
    connect(a.zoomIn, &QAction::triggered, this, [this] { zoomBy(1); });
    connect(a.zoomOut, &QAction::triggered, this, [this] { zoomBy(-1); });
    connect(a.actualSize, &QAction::triggered, this, [this] { setZoom(mapzoom::kActualSize); });
    connect(this, &CDirectDrawView::zoomChanged, this, [this](int zoom) {
        settings_->setZoom(zoom);
        updateZoomActions();
        updateOutlines();
    });
    connect(QGuiApplication::clipboard(), &QClipboard::dataChanged, this, &CMapView::updateEditActions);
    a.gridLines->setChecked(settings_->gridLines());
    updateZoomActions();
}

void CMapView::updateZoomActions()
{
    actions_->zoomIn->setEnabled(zoom() < kMaxZoom);
    actions_->zoomOut->setEnabled(zoom() > smallestZoom());
}

void CMapView::setSettings(MapViewSettings* settings)
{
    if (!settings || settings == settings_)
        return;
    if (settings_->parent() == this)
        delete settings_;
    settings_ = settings;
    connect(settings_, &MapViewSettings::gridLinesChanged, this, [this](bool on) {
        actions_->gridLines->setChecked(on);
        update();
    });
    actions_->gridLines->setChecked(settings_->gridLines());
    setZoom(settings_->zoom());
    toolWindows_->applyPlacements(*settings_);
    update();
}

void CMapView::setFileChooser(platform::FileChooser* files)
{
    CEditorView::setFileChooser(files);
    toolWindows_->setFileChooser(files ? *files : systemFiles_);
}

bool CMapView::queryShows(const RecordRef& subject) const
{
    const bool ofMap = subject.kind == RecordKind::WorldMap || subject.isMapElement();
    return map() && ofMap && subject.index == mapIndex();
}

void CMapView::setSubject(const RecordRef& subject)
{
    if (subject.kind != RecordKind::WorldMap && !subject.isMapElement())
        return;
    WorldMap* subjectMap = worldMapOf(document(), subject.index);
    if (!subjectMap)
        return;
    if (subjectMap != map())
        attachMap(subjectMap, subject.index);
    if (subject.kind == RecordKind::MapCell && subject.element >= 0)
        locateCell({subject.element % subjectMap->width, subject.element / subjectMap->width});
    else if (subject.kind == RecordKind::MapTrigger && subject.element >= 0 && subject.element < subjectMap->triggers.size()) {
        const MapTrigger& trigger = subjectMap->triggers[subject.element];
        locateCell({trigger.x, trigger.y});
    }
}

bool CMapView::putFloatingBlockBack()
{
    // Only into a map the document still holds: after a clear it is gone.
    if (!tools_ || !map() || worldMapOf(document(), mapIndex()) != map())
        return false;
    // The document tells every view of the map which cells changed.
    return tools_->dropFloatingBlock();
}

bool CMapView::isOpen() const
{
    return tools_ && tools_->session().hasFloatingBlock();
}

bool CMapView::finish()
{
    if (!putFloatingBlockBack())
        return false;
    applyChanges();
    return sink_->holdsNewestStep();
}

void CMapView::pushEdit(QUndoCommand* command)
{
    if (putFloatingBlockBack())
        applyChanges();
    document().undoStack()->push(command);
}

void CMapView::attachMap(WorldMap* map, int index)
{
    // Lifted cells must not stay tile 255 once the view lets go of the block.
    putFloatingBlockBack();
    stopAutoScroll();
    captured_ = false;
    tools_.reset();
    sink_ = map ? std::make_unique<DocumentCellSink>(document(), index) : nullptr;
    tools_ = map ? std::make_unique<MapTools>(*map, *sink_) : nullptr;
    selectedTriggerCell_ = {};
    locatedCell_.reset();
    outlinesShown_ = {};
    CWorldBaseView::attachMap(map, index);
    if (tools_) {
        tools_->selectTool(MapToolId(actions_->toolGroup->checkedAction()->data().toInt()));
        tools_->takeChanges();
    }
    const int room = map && map->layout ? int(map->layout->tileMapRoom) : 0;
    if (room > 0)
        spaceMeter_->setSource([this] { return tools_ ? tools_->tileMapAsSaved() : QByteArray(); }, room);
    else
        spaceMeter_->setSource({}, 0);
    updateCursor();
    updateEditActions();
    if (tools_)
        overview_->setSource(map, [this](int column, int row) { return tools_->session().shownTileAt({column, row}); });
    else
        overview_->setSource(nullptr, {});
    updateOverviewFrame();
    toolWindows_->attach();
}

QList<QAction*> CMapView::editActions()
{
    return {actions_->cut,       actions_->copy,       actions_->paste,           actions_->selectAll,
            actions_->useAsStamp, actions_->replaceTile, actions_->deleteSelection, actions_->selectSameTile};
}

QList<QMenu*> CMapView::menus()
{
    return {actions_->viewMenu, actions_->toolsMenu};
}

QList<QToolBar*> CMapView::toolBars()
{
    return {actions_->toolBar};
}

QList<QDockWidget*> CMapView::dockWidgets()
{
    QList<QDockWidget*> windows;
    for (const QPointer<QDockWidget>& window : toolWindowDocks_)
        if (window)
            windows.append(window);
    return windows;
}

QList<QWidget*> CMapView::statusWidgets()
{
    return {cellStatus_, spaceMeter_};
}

void CMapView::cut()
{
    if (!tools_ || !tools_->canCut())
        return;
    platform::putClipboardBlock(clipboardFormat_, tools_->cut());
    applyChanges();
}

void CMapView::copy()
{
    if (!tools_ || !tools_->canCopy())
        return;
    platform::putClipboardBlock(clipboardFormat_, tools_->copy());
    applyChanges();
}

void CMapView::paste()
{
    if (!tools_)
        return;
    if (tools_->session().pastePending())
        tools_->cancelPaste();
    else if (!tools_->beginPaste(platform::clipboardBlock(clipboardFormat_)))
        QApplication::beep();
    applyChanges();
    // Show the preview at once when the cursor is already over the map.
    const QPoint cursor = mapFromGlobal(QCursor::pos());
    if (tools_->session().pastePending() && clientRect().contains(cursor))
        sendToolEvent(MapEvent::Hover, cursor);
}

MapToolId CMapView::currentTool() const
{
    return MapToolId(actions_->toolGroup->checkedAction()->data().toInt());
}

void CMapView::selectTool(MapToolId tool)
{
    actions_->tool(tool)->setChecked(true);
    if (!tools_)
        return;
    const bool pointerBefore = tools_->currentTool() == MapToolId::Pointer;
    tools_->selectTool(tool);
    applyChanges();
    // The trigger tints come and go with "Pointer".
    if (pointerBefore != (tool == MapToolId::Pointer))
        update(clientRect());
    updateCursor();
}

int CMapView::currentTile() const
{
    return tools_ ? tools_->session().currentTile() : 0;
}

void CMapView::setCurrentTile(int tile)
{
    if (!tools_)
        return;
    tools_->session().setCurrentTile(tile & 0xFF);
    applyChanges();
}

std::optional<int> CMapView::highlightedTile() const
{
    if (!tools_ || !actions_->highlightSelectedTile->isChecked())
        return std::nullopt;
    return tools_->session().currentTile();
}

void CMapView::selectTriggerCell(QPoint cell)
{
    if (cell == selectedTriggerCell_)
        return;
    const QPoint old = selectedTriggerCell_;
    selectedTriggerCell_ = cell;
    const MapGeometry cells = cellGeometry();
    update(cells.cellRect(old.x(), old.y()) & clientRect());
    update(cells.cellRect(cell.x(), cell.y()) & clientRect());
}

const CellTints* CMapView::tints() const
{
    if (!map())
        return nullptr;
    tints_.build(*map(), currentTool() == MapToolId::Pointer, selectedTriggerCell_);
    return &tints_;
}

std::vector<const TileOverlay*> CMapView::overlays() const
{
    return tools_ ? tools_->overlays() : std::vector<const TileOverlay*>{};
}

void CMapView::drawOverTiles(PixelBuffer& target, const QRect& cells, const MapPainter& painter)
{
    if (settings_->gridLines())
        painter.drawGrid(target, cells, QPoint(0, 0));
}

void CMapView::drawOverlay(QPainter& painter)
{
    if (!tools_)
        return;
    const MapEditSession& session = tools_->session();
    drawSelectionTracker(painter, session.selection());
    drawSelectedCells(painter);
    // The tool's outlines: the cell under the cursor, the rubber band.
    const MapTool& tool = tools_->tool();
    if (tool.outlinesHoverCell() && !session.pastePending() && !session.hoverCell().isEmpty()) {
        const int size = screenCellSize();
        drawDragFrame(painter, QRect(session.hoverCell().topLeft() * size, QSize(size, size)));
    }
    if (tool.framesRubberBand() || session.pastePending())
        drawDragFrame(painter, cellGeometry().cellsRect(session.rubberBand()));
    if (locatedCell_)
        drawLocatedFrame(painter, cellGeometry().cellsRect(QRect(*locatedCell_, QSize(1, 1))));
    drawMapLabels(painter);
}

void CMapView::drawSelectedCells(QPainter& painter)
{
    const CellSet& selected = tools_->session().selectedCells();
    if (selected.isEmpty())
        return;
    const MapGeometry cells = cellGeometry();
    const QRect visible = cells.cellsCovering(clientRect()) & selected.bounds();
    painter.setPen(QPen(QColor(255, 255, 255, 220), 1));
    for (int row = visible.top(); row <= visible.bottom(); ++row)
        for (int column = visible.left(); column <= visible.right(); ++column)
            if (selected.contains({column, row})) {
                const QRect cell = cells.cellRect(column, row);
                painter.fillRect(cell, QColor(80, 140, 255, 110));
                painter.drawRect(cell.adjusted(0, 0, -1, -1));
            }
}

void CMapView::drawMapLabels(QPainter& painter)
{
    const WorldMap* shown = map();
    if (!shown)
        return;
    const MapGeometry cells = cellGeometry();
    const int size = screenCellSize();
    const QRect visible = clientRect();
    if (actions_->regionGrid->isChecked()) {
        // Every fourth cell boundary: the blocks of the region summary.
        painter.setPen(QPen(QColor(255, 255, 0, 160), 1));
        const QPoint origin = cells.cellsRect(QRect(0, 0, 1, 1)).topLeft();
        for (int x = origin.x(); x <= visible.right(); x += 4 * size)
            if (x >= visible.left())
                painter.drawLine(x, visible.top(), x, visible.bottom());
        for (int y = origin.y(); y <= visible.bottom(); y += 4 * size)
            if (y >= visible.top())
                painter.drawLine(visible.left(), y, visible.right(), y);
    }
    if (actions_->triggerLabels->isChecked()) {
        QFont font = painter.font();
        font.setPixelSize(std::max(8, size * 5 / 8));
        painter.setFont(font);
        for (const MapTrigger& t : shown->triggers) {
            const QRect cell = cells.cellsRect(QRect(t.x, t.y, 1, 1));
            if (!cell.intersects(visible))
                continue;
            const QString label = triggerLabel(t);
            const QRect box = painter.fontMetrics().boundingRect(label).adjusted(-2, 0, 2, 0);
            // Beside the cell, or above it when the next cell holds a trigger of its own.
            const bool crowded = t.x + 1 < shown->width && shown->firstTriggerAt(t.x + 1, t.y) >= 0;
            const QRect at = crowded ? QRect(cell.left(), cell.top() - box.height() - 1, box.width(), box.height())
                                     : QRect(cell.right() + 2, cell.center().y() - box.height() / 2, box.width(),
                                             box.height());
            painter.fillRect(at, QColor(0, 0, 0, 170));
            painter.setPen(t.kind == MapTrigger::Entrance ? QColor(150, 190, 255) : QColor(255, 150, 150));
            painter.drawText(at, Qt::AlignCenter, label);
        }
    }
}

QRegion CMapView::outlineRegion() const
{
    QRegion region;
    if (!tools_)
        return region;
    const MapEditSession& session = tools_->session();
    const MapGeometry cells = cellGeometry();
    const int size = screenCellSize();
    if (!session.selection().isEmpty()) {
        const QRect tracker = cells.cellsRect(session.selection());
        const int reach = kTrackerBorder + 1;
        region += QRegion(tracker.adjusted(-reach, -reach, reach, reach)) - QRegion(tracker.adjusted(1, 1, -1, -1));
    }
    if (!session.hoverCell().isEmpty())
        region += QRect(session.hoverCell().topLeft() * size, QSize(size, size));
    if (!session.rubberBand().isEmpty()) {
        const QRect band = cells.cellsRect(session.rubberBand());
        region += QRegion(band) - QRegion(band.adjusted(2, 2, -2, -2));
    }
    if (locatedCell_)
        region += cells.cellsRect(QRect(*locatedCell_, QSize(1, 1)));
    return region;
}

void CMapView::updateOutlines()
{
    const QRegion now = outlineRegion();
    update(outlinesShown_ + now);
    outlinesShown_ = now;
}

void CMapView::scrolled(QPoint from)
{
    CWorldBaseView::scrolled(from);
    // The window's contents moved, outlines with them; the ones that stay
    // put (the hovered cell) are drawn again.
    update(outlinesShown_.translated((from - scrollPosition()) * screenCellSize()));
    updateOutlines();
}

void CMapView::sendToolEvent(MapEvent event, QPoint position)
{
    if (!tools_)
        return;
    const MapGeometry cells = cellGeometry();
    tools_->handle(event, {cells.cellAt(position), cells.visibleCellAt(position)});
    applyChanges();
}

void CMapView::applyChanges()
{
    if (!tools_)
        return;
    const MapChanges changes = tools_->takeChanges();
    const MapGeometry cells = cellGeometry();
    if (!changes.shownCells.isEmpty()) {
        update(cells.cellsRect(changes.shownCells) & clientRect());
        overview_->scheduleRedraw();
    }
    if (changes.outlinesChanged || changes.mapChanged || !changes.shownCells.isEmpty())
        updateOutlines();
    if (changes.marqueeSizeChanged) {
        const QSize size = tools_->session().rubberBand().size();
        actions_->sizeField->setText(cellText({size.width(), size.height()}));
    }
    if (changes.currentTileChanged) {
        emit currentTileChanged(tools_->session().currentTile());
        if (actions_->highlightSelectedTile->isChecked())
            update(clientRect());
    }
    if (changes.pointedCell)
        toolWindows_->triggers()->pointAt(*changes.pointedCell);
    updateEditActions();
}

void CMapView::updateEditActions()
{
    const bool pending = tools_ && tools_->session().pastePending();
    actions_->cut->setEnabled(tools_ && tools_->canCut());
    actions_->copy->setEnabled(tools_ && tools_->canCopy());
    actions_->paste->setEnabled(tools_ && (pending || platform::clipboardHasBlock(clipboardFormat_)));
    actions_->paste->setChecked(pending);
}

void CMapView::updateCursor()
{
    setCursor(mapcursors::toolCursor(currentTool()));
}

void CMapView::mousePressEvent(QMouseEvent* event)
{
    if (handlePanningPress(event) || !tools_)
        return;
    const QPoint position = event->position().toPoint();
    if (!clientRect().contains(position))
        return;
    setFocus(Qt::MouseFocusReason);
    if (locatedCell_) {
        locatedCell_.reset();
        updateOutlines();
    }
    if (event->button() == Qt::LeftButton) {
        captured_ = true;
        // "Pointer" pressed on a trigger's cell may drag the trigger elsewhere.
        const QPoint cell = cellGeometry().cellAt(position);
        draggedTrigger_ = currentTool() == MapToolId::Pointer && map() ? map()->firstTriggerAt(cell.x(), cell.y()) : -1;
        if (!tools_->session().pastePending()) {
            // A flood fill may cover the whole map.
            std::optional<platform::WaitCursor> wait;
            if (currentTool() == MapToolId::FloodFill)
                wait.emplace();
            sendToolEvent(MapEvent::Press, position);
        }
    } else if (event->button() == Qt::RightButton) {
        // Outside a drag the right button picks up the tile under the cursor.
        const QPoint cell = cellGeometry().cellAt(position);
        if (!captured_ && !tools_->session().pastePending() && map() && cell.x() >= 0 && cell.y() >= 0 &&
            cell.x() < map()->width && cell.y() < map()->height)
            setCurrentTile(map()->tileAt(cell.x(), cell.y()));
        captured_ = false;
        draggedTrigger_ = -1;
        stopAutoScroll();
        sendToolEvent(MapEvent::RightPress, position);
    }
}

void CMapView::mouseMoveEvent(QMouseEvent* event)
{
    if (isPanning() || !tools_)
        return;
    const QPoint position = event->position().toPoint();
    if (captured_) {
        autoScrollTowards(position);
        sendToolEvent(MapEvent::Drag, position);
    }
    sendToolEvent(MapEvent::Hover, position);
    const QPoint cell = cellGeometry().cellAt(position);
    lastCell_ = cell;
    actions_->positionField->setText(cellText(cell));
    cellStatus_->setText(map() ? cellStatusText(*map(), cell) : QString());
}

void CMapView::mouseReleaseEvent(QMouseEvent* event)
{
    if (isPanning() || event->button() != Qt::LeftButton) {
        CWorldBaseView::mouseReleaseEvent(event);
        return;
    }
    stopAutoScroll();
    if (!captured_ || !tools_)
        return;
    captured_ = false;
    platform::WaitCursor wait;
    sendToolEvent(MapEvent::Release, event->position().toPoint());
    dropTrigger(cellGeometry().cellAt(event->position().toPoint()));
}

void CMapView::leaveEvent(QEvent* event)
{
    if (tools_ && !captured_) {
        tools_->session().setHoverCell({});
        applyChanges();
    }
    CWorldBaseView::leaveEvent(event);
}

void CMapView::contextMenuEvent(QContextMenuEvent* event)
{
    sendToolEvent(MapEvent::ContextMenu, event->pos());
    const QPoint cell = cellGeometry().cellAt(event->pos());
    if (!map() || !QRect(0, 0, map()->width, map()->height).contains(cell))
        return;
    lastCell_ = cell;
    // Under "Marquee" the map offers the selection commands for the cell.
    if (currentTool() == MapToolId::Marquee) {
        QMenu menu(this);
        menu.addAction(actions_->selectSameTile);
        menu.addAction(actions_->replaceTile);
        menu.addAction(actions_->deleteSelection);
        menu.exec(event->globalPos());
        return;
    }
    // Under "Pointer" it offers the trigger commands for the cell.
    if (currentTool() != MapToolId::Pointer)
        return;
    CTriggerWindow* triggers = toolWindows_->triggers();
    selectTriggerCell(cell);
    const int found = map()->firstTriggerAt(cell.x(), cell.y());
    if (found >= 0)
        triggers->selectTrigger(found);
    QMenu menu(this);
    menu.addAction(tr("Add Entrance Trigger..."), triggers, [triggers] { triggers->addTrigger(MapTrigger::Entrance); });
    menu.addAction(tr("Add Event Trigger..."), triggers, [triggers] { triggers->addTrigger(MapTrigger::Event); });
    if (found >= 0) {
        menu.addAction(tr("Duplicate Trigger"), triggers, &CTriggerWindow::duplicateSelected);
        menu.addAction(tr("Delete Trigger"), triggers, &CTriggerWindow::deleteSelected);
    }
    menu.exec(event->globalPos());
}

void CMapView::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape && tools_ && tools_->session().pastePending()) {
        tools_->cancelPaste();
        applyChanges();
        return;
    }
    if (event->key() == Qt::Key_Escape && tools_ && tools_->hasStamp()) {
        editTools([](MapTools& t) { t.clearStamp(); });
        return;
    }
    // With a selection under "Marquee" the arrow keys move its block (Shift: eight cells).
    static const QHash<int, QPoint> kArrows = {
        {Qt::Key_Left, {-1, 0}}, {Qt::Key_Right, {1, 0}}, {Qt::Key_Up, {0, -1}}, {Qt::Key_Down, {0, 1}}};
    if (kArrows.contains(event->key()) && tools_ && currentTool() == MapToolId::Marquee &&
        !tools_->session().selection().isEmpty() && !(event->modifiers() & Qt::ControlModifier)) {
        const int step = event->modifiers() & Qt::ShiftModifier ? 8 : 1;
        const QPoint by = kArrows.value(event->key()) * step;
        editTools([by](MapTools& t) { t.nudgeSelection(by); });
        return;
    }
    CWorldBaseView::keyPressEvent(event);
}

void CMapView::dropTrigger(QPoint cell)
{
    const int trigger = std::exchange(draggedTrigger_, -1);
    const WorldMap* shown = map();
    if (trigger < 0 || !shown || trigger >= shown->triggers.size() ||
        !QRect(0, 0, shown->width, shown->height).contains(cell))
        return;
    MapTrigger moved = shown->triggers[trigger];
    if (QPoint(moved.x, moved.y) == cell)
        return;
    moved.x = quint8(cell.x());
    moved.y = quint8(cell.y());
    pushEdit(new SetTriggerCommand(document(), mapIndex(), trigger, moved, tr("Move Trigger")));
    selectTriggerCell(cell);
    update(clientRect());
}

void CMapView::editTools(const std::function<void(MapTools&)>& edit)
{
    if (!tools_)
        return;
    edit(*tools_);
    applyChanges();
}

void CMapView::useSelectionAsStamp()
{
    if (!tools_ || !tools_->useSelectionAsStamp()) {
        QApplication::beep();
        return;
    }
    // The block goes back and the stamp is ready to paint.
    editTools([](MapTools& t) { t.session().setSelection({}); });
    selectTool(MapToolId::Brush);
}

void CMapView::useStamp(const MapBlock& stamp)
{
    if (!tools_ || stamp.isEmpty())
        return;
    editTools([&stamp](MapTools& t) { t.session().setStamp(stamp); });
    selectTool(MapToolId::Brush);
}

void CMapView::selectSameTile(QPoint cell)
{
    editTools([cell](MapTools& t) { t.selectSameTile(cell); });
}

void CMapView::replaceTile()
{
    if (!tools_)
        return;
    const QString where = tools_->session().hasSelection() ? tr("in the selection") : tr("on the whole map");
    bool ok = false;
    const int with = QInputDialog::getInt(this, tr("Replace Tile"),
                                          tr("Replace every tile %1 %2 with tile:").arg(currentTile()).arg(where),
                                          0, 0, 255, 1, &ok);
    if (ok)
        replaceTileWith(currentTile(), with);
}

void CMapView::replaceTileWith(int from, int to)
{
    editTools([from, to](MapTools& t) { t.replaceTile(from, to); });
}

void CMapView::autoScrolled()
{
    if (captured_)
        sendToolEvent(MapEvent::Drag, mapFromGlobal(QCursor::pos()));
}

WorldMapPart& CMapView::mapPart() const
{
    return *worldMapPartOf(document(), mapIndex());
}

bool CMapView::showsChangeOf(const DocumentChange& change) const
{
    return (change.ref.kind == RecordKind::WorldMap || change.ref.isMapElement()) &&
           (change.ref.index == mapIndex() || change.ref.index == RecordRef::kWhole);
}

void CMapView::onDocumentChanged(const DocumentChange& change)
{
    if (!showsChangeOf(change) || !tools_)
        return;
    if (change.ref.kind == RecordKind::MapCell && !change.cells.isNull()) {
        update(cellGeometry().cellsRect(change.cells) & clientRect());
        overview_->scheduleRedraw();
        spaceMeter_->schedule();
        return;
    }
    // Colours, pieces or triggers: everything may look different.
    invalidateColors();
    update(clientRect());
    overview_->scheduleRedraw(true);
    spaceMeter_->schedule();
}

void CMapView::updateOverviewFrame()
{
    const MapGeometry cells = cellGeometry();
    overview_->setVisibleCells(
        QRect(cells.scroll(), QSize(cells.visibleColumns() + 1, cells.visibleRows() + 1)) &
        QRect(QPoint(0, 0), contentSize()));
}

void CMapView::centreOn(QPoint cell)
{
    const MapGeometry cells = cellGeometry();
    scrollTo(cell - QPoint(cells.visibleColumns() / 2, cells.visibleRows() / 2));
}

void CMapView::locateCell(QPoint cell)
{
    if (!map())
        return;
    cell = QPoint(qBound(0, cell.x(), map()->width - 1), qBound(0, cell.y(), map()->height - 1));
    centreOn(cell);
    locatedCell_ = cell;
    selectTriggerCell(cell);
    updateOutlines();
}

void CMapView::requestDestination(int mapNumber, QPoint cell)
{
    if (mapNumber == mapIndex())
        locateCell(cell);
    else
        emit destinationRequested(mapNumber, cell);
}

}  // namespace tessel
