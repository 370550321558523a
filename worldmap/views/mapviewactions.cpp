#include "worldmap/views/mapviewactions.h"

#include "worldmap/views/mapcommandids.h"
#include "worldmap/views/mapcursors.h"

#include <QAction>
#include <QActionGroup>
#include <QLineEdit>
#include <QMenu>
#include <QToolBar>

namespace tessel {

namespace {

QAction* command(QWidget* owner, int id, const QString& text, const QIcon& icon = {})
{
    auto* action = new QAction(icon, text, owner);
    action->setObjectName(QString::number(id));
    return action;
}

QLineEdit* field(QWidget* parent, int id)
{
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QString::number(id));
    edit->setReadOnly(true);
    edit->setFocusPolicy(Qt::NoFocus);
    edit->setAlignment(Qt::AlignCenter);
    edit->setFixedWidth(edit->fontMetrics().horizontalAdvance(QStringLiteral("0000, 0000")) + 12);
    return edit;
}

}  // namespace

MapViewActions::MapViewActions(QWidget* owner) : QObject(owner)
{
    using mapcursors::Picture;
    cut = command(owner, mapcommands::kCut, tr("Cu&t"), mapcursors::icon(Picture::Cut));
    cut->setShortcuts(QKeySequence::Cut);
    copy = command(owner, mapcommands::kCopy, tr("&Copy"), mapcursors::icon(Picture::Copy));
    copy->setShortcuts(QKeySequence::Copy);
    paste = command(owner, mapcommands::kPaste, tr("&Paste"), mapcursors::icon(Picture::Paste));
    paste->setShortcuts(QKeySequence::Paste);
    paste->setCheckable(true);

    selectAll = command(owner, 0, tr("Select &All"));
    selectAll->setObjectName(QStringLiteral("selectAll"));
    selectAll->setShortcut(QKeySequence::SelectAll);
    useAsStamp = command(owner, 0, tr("Use as &Stamp"));
    useAsStamp->setObjectName(QStringLiteral("useAsStamp"));
    useAsStamp->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_B));
    replaceTile = command(owner, 0, tr("&Replace Tile..."));
    replaceTile->setObjectName(QStringLiteral("replaceTile"));
    selectSameTile = command(owner, 0, tr("Select Sa&me Tile"));
    selectSameTile->setObjectName(QStringLiteral("selectSameTile"));
    deleteSelection = command(owner, 0, tr("&Delete"));
    deleteSelection->setObjectName(QStringLiteral("deleteSelection"));
    deleteSelection->setShortcut(QKeySequence::Delete);
    // Delete and Select All act on the map only while it has the focus (not in its tool windows).
    for (QAction* action : {selectAll, deleteSelection}) {
        action->setShortcutContext(Qt::WidgetShortcut);
        owner->addAction(action);
    }

    // The tools' keys, shown in the menus and the tool bar's tips.
    const std::array<QKeySequence, kMapToolCount> keys = {
        QKeySequence(Qt::Key_P), QKeySequence(Qt::Key_I), QKeySequence(Qt::Key_M), QKeySequence(Qt::Key_B),
        QKeySequence(Qt::Key_L), QKeySequence(),         QKeySequence(Qt::Key_R), QKeySequence(Qt::Key_F)};
    toolGroup = new QActionGroup(this);
    toolGroup->setExclusive(true);
    for (int i = 0; i < kMapToolCount; ++i) {
        const MapToolId id = mapToolAt(i);
        QAction* action = command(owner, int(id), mapToolName(id), mapcursors::toolIcon(id));
        action->setCheckable(true);
        action->setData(int(id));
        const QKeySequence key = keys[std::size_t(i)];
        if (!key.isEmpty()) {
            action->setShortcut(key);
            action->setToolTip(tr("%1 (%2)").arg(mapToolName(id), key.toString(QKeySequence::NativeText)));
        }
        toolGroup->addAction(action);
        tools[std::size_t(i)] = action;
    }
    tool(MapToolId::Pointer)->setChecked(true);

    gridLines = command(owner, mapcommands::kGridLines, tr("&Grid Lines"),
                        mapcursors::icon(Picture::GridLines));
    gridLines->setCheckable(true);
    highlightSelectedTile = command(owner, mapcommands::kHighlightSelectedTile, tr("&Highlight Selected Tile"),
                                    mapcursors::icon(Picture::HighlightTile));
    highlightSelectedTile->setCheckable(true);
    regionGrid = command(owner, 0, tr("&Region Grid"));
    regionGrid->setObjectName(QStringLiteral("regionGrid"));
    regionGrid->setCheckable(true);
    triggerLabels = command(owner, 0, tr("&Trigger Labels"));
    triggerLabels->setObjectName(QStringLiteral("triggerLabels"));
    triggerLabels->setCheckable(true);
    zoomIn = command(owner, 0, tr("Zoom &In"));
    zoomIn->setObjectName(QStringLiteral("zoomIn"));
    zoomIn->setShortcuts({QKeySequence::ZoomIn, QKeySequence(Qt::CTRL | Qt::Key_Equal)});
    zoomOut = command(owner, 0, tr("Zoom &Out"));
    zoomOut->setObjectName(QStringLiteral("zoomOut"));
    zoomOut->setShortcuts(QKeySequence::ZoomOut);
    actualSize = command(owner, 0, tr("&Actual Size"));
    actualSize->setObjectName(QStringLiteral("actualSize"));
    actualSize->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_0));

    viewMenu = new QMenu(tr("&View"), owner);
    viewMenu->addAction(gridLines);
    viewMenu->addAction(highlightSelectedTile);
    viewMenu->addAction(regionGrid);
    viewMenu->addAction(triggerLabels);
    viewMenu->addSeparator();
    viewMenu->addAction(zoomIn);
    viewMenu->addAction(zoomOut);
    viewMenu->addAction(actualSize);

    toolsMenu = new QMenu(tr("&Tools"), owner);
    for (QAction* action : tools)
        toolsMenu->addAction(action);

    toolBar = new QToolBar(tr("Map"), owner);
    toolBar->setObjectName(QStringLiteral("mapToolBar"));
    toolBar->setMovable(false);
    toolBar->addAction(cut);
    toolBar->addAction(copy);
    toolBar->addAction(paste);
    toolBar->addSeparator();
    toolBar->addAction(gridLines);
    toolBar->addAction(highlightSelectedTile);
    toolBar->addSeparator();
    for (QAction* action : tools)
        toolBar->addAction(action);
    toolBar->addSeparator();
    positionField = field(toolBar, mapcommands::kPositionField);
    sizeField = field(toolBar, mapcommands::kSizeField);
    toolBar->addWidget(positionField);
    toolBar->addWidget(sizeField);
}

MapViewActions::~MapViewActions() = default;

void MapViewActions::addToolWindow(QAction* toggle)
{
    viewMenu->insertAction(gridLines, toggle);
    toolBar->insertAction(gridLines, toggle);
}

}  // namespace tessel
