#include "shell/cworkspaceview.h"

#include <QTreeWidgetItemIterator>

#include "document/cff3doc.h"
#include "uikit/ceditorview.h"
#include "shell/ctabbedframe.h"
#include "shell/documentviews.h"
#include "shell/frameresources.h"
#include "uikit/subjecttags.h"
#include "shell/workspaceitem.h"

#include <QHeaderView>

namespace {

const QString kTabbedFrame = QStringLiteral("CTabbedFrame");

QVariant itemData(const QString& group, quint32 resourceId, quintptr parameter)
{
    return QVariant::fromValue(WorkspaceItem{kTabbedFrame, group, resourceId, parameter});
}

}  // namespace

CWorkspaceView::CWorkspaceView(CFF3Doc& doc, DocumentViews& views, QWidget* parent)
    : QTreeWidget(parent), doc_(doc), views_(views)
{
    setObjectName(QStringLiteral("CWorkspaceView"));
    setHeaderHidden(true);
    setColumnCount(1);
    setRootIsDecorated(true);
    setUniformRowHeights(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setIconSize(QSize(0, 0));
    connect(this, &QTreeWidget::itemDoubleClicked, this, [this](QTreeWidgetItem* item) { openItem(item); });
    connect(&doc_, &CFF3Doc::documentLoaded, this, &CWorkspaceView::refresh);
    connect(&doc_, &CFF3Doc::documentCleared, this, &CWorkspaceView::refresh);
    refresh();
}

QTreeWidgetItem* CWorkspaceView::addRoot(const QString& title)
{
    auto* item = new QTreeWidgetItem(this, QStringList{title});
    return item;
}

void CWorkspaceView::refresh()
{
    if (!doc_.isLoaded()) {
        clearSelection();
        clear();
        addRoot(QStringLiteral("No file loaded"));
        return;
    }
    clear();

    QTreeWidgetItem* maps = addRoot(QStringLiteral("World Maps"));
    WorldMaps& worldMaps = doc_.worldMaps;
    for (int i = 0; i < worldMaps.count(); ++i) {
        auto* child = new QTreeWidgetItem(maps, QStringList{worldMaps.name(i)});
        child->setData(0, kItemRole,
                       itemData(QStringLiteral("TVGWorldMapGroup"), kWorldMapFrameResource,
                                reinterpret_cast<quintptr>(worldMaps.map(i))));
    }
    addRoot(QStringLiteral("Dialogue and Fonts"))
        ->setData(0, kItemRole, itemData(QStringLiteral("TVGDialogueGroup"), kDialogueFrameResource, kDialogueTag));
    addRoot(QStringLiteral("Items and Magic"))
        ->setData(0, kItemRole, itemData(QStringLiteral("TVGItemGroup"), kItemFrameResource, kItemsTag));
    addRoot(QStringLiteral("Monsters"))
        ->setData(0, kItemRole, itemData(QStringLiteral("TVGMonsterGroup"), kMonsterFrameResource, kMonstersTag));
    addRoot(QStringLiteral("Characters"))
        ->setData(0, kItemRole,
                  itemData(QStringLiteral("TVGCharacterGroup"), kCharacterFrameResource, kCharactersTag));

    expandAll();
    if (currentItem())
        scrollToItem(currentItem());
}

CTabbedFrame* CWorkspaceView::openItem(QTreeWidgetItem* item)
{
    if (!item || !doc_.isLoaded())
        return nullptr;
    const WorkspaceItem data = item->data(0, kItemRole).value<WorkspaceItem>();
    if (!data.opensSomething())
        return nullptr;
    CTabbedFrame* frame = views_.openEditorFrame(data);
    if (!frame)
        return nullptr;
    for (CEditorView* view : frame->views())
        view->message(WM_SETSUBJECT, data.parameter);
    frame->initialUpdate();
    return frame;
}

QTreeWidgetItem* CWorkspaceView::itemFor(quintptr subject) const
{
    for (QTreeWidgetItemIterator it(const_cast<CWorkspaceView*>(this)); *it; ++it) {
        const WorkspaceItem data = (*it)->data(0, kItemRole).value<WorkspaceItem>();
        if (data.opensSomething() && data.parameter == subject)
            return *it;
    }
    return nullptr;
}
