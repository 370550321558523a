#include "shell/cworkspaceview.h"

#include "document/cff3doc.h"
#include "shell/ctabbedframe.h"
#include "shell/documentviews.h"
#include "shell/editorregistry.h"
#include "shell/workspaceitem.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QTreeWidgetItemIterator>

namespace tessel {

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
    clearSelection();
    clear();
    if (!doc_.isLoaded()) {
        addRoot(tr("No file loaded"));
        return;
    }
    for (const EditorDescriptor& editor : views_.registry().editors()) {
        QTreeWidgetItem* folder = editor.treeFolder.isEmpty() ? nullptr : addRoot(editor.treeFolder);
        for (const TreeEntry& entry : editor.entries(doc_)) {
            auto* item = folder ? new QTreeWidgetItem(folder, QStringList{entry.title}) : addRoot(entry.title);
            item->setData(0, kItemRole, QVariant::fromValue(WorkspaceItem{entry.subject}));
        }
    }
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
    CTabbedFrame* frame = views_.openAt(data.subject);
    if (frame)
        frame->initialUpdate();
    return frame;
}

QTreeWidgetItem* CWorkspaceView::itemFor(const RecordRef& subject) const
{
    for (QTreeWidgetItemIterator it(const_cast<CWorkspaceView*>(this)); *it; ++it) {
        const WorkspaceItem data = (*it)->data(0, kItemRole).value<WorkspaceItem>();
        if (data.opensSomething() && data.subject == subject)
            return *it;
    }
    return nullptr;
}

void CWorkspaceView::keyPressEvent(QKeyEvent* event)
{
    // Enter opens an item as a double-click does.
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && currentItem() &&
        currentItem()->data(0, kItemRole).value<WorkspaceItem>().opensSomething()) {
        openItem(currentItem());
        return;
    }
    QTreeWidget::keyPressEvent(event);
}

}  // namespace tessel
