#include "uikit/cpropertytree.h"

#include "uikit/gamenamepicker.h"
#include "uikit/propertyvaluedelegate.h"

#include <QHeaderView>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>

namespace tessel {

namespace {

// Room between the longest label and the values.
constexpr int kLabelGap = 24;

}  // namespace

CPropertyTree::CPropertyTree(QWidget* parent) : QTreeWidget(parent)
{
    setColumnCount(2);
    setHeaderLabels({tr("Property"), tr("Value")});
    setItemDelegateForColumn(ValueColumn, new PropertyValueDelegate(this));
    setEditTriggers(NoEditTriggers);  // a click on a value edits it (mousePressEvent)
    setSelectionMode(SingleSelection);
    setAllColumnsShowFocus(true);
    setUniformRowHeights(true);
    header()->setStretchLastSection(true);
    connect(this, &QTreeWidget::itemCollapsed, this, [this](QTreeWidgetItem* item) {
        if (!rebuilding_ && item->data(LabelColumn, kIsGroupRole).toBool())
            folded_.insert(idOf(item));
    });
    connect(this, &QTreeWidget::itemExpanded, this, [this](QTreeWidgetItem* item) {
        if (!rebuilding_ && item->data(LabelColumn, kIsGroupRole).toBool())
            folded_.remove(idOf(item));
    });
}

CPropertyTree::~CPropertyTree() = default;

void CPropertyTree::setDocument(CFF3Doc* doc)
{
    doc_ = doc;
    viewport()->update();
}

int CPropertyTree::idOf(const QTreeWidgetItem* item) const
{
    return item ? item->data(LabelColumn, kIdRole).toInt() : -1;
}

QTreeWidgetItem* CPropertyTree::groupItem(int groupId) const
{
    for (int g = 0; g < topLevelItemCount(); ++g)
        if (idOf(topLevelItem(g)) == groupId)
            return topLevelItem(g);
    return nullptr;
}

QTreeWidgetItem* CPropertyTree::propertyItem(int id) const
{
    for (int g = 0; g < topLevelItemCount(); ++g) {
        QTreeWidgetItem* group = topLevelItem(g);
        for (int r = 0; r < group->childCount(); ++r)
            if (idOf(group->child(r)) == id)
                return group->child(r);
    }
    return nullptr;
}

bool CPropertyTree::hasSameRows(const PropertyList& list) const
{
    if (list.groups.size() != list_.groups.size() || topLevelItemCount() != int(list_.groups.size()))
        return false;
    for (std::size_t g = 0; g < list.groups.size(); ++g) {
        const PropertyGroup& a = list.groups[g];
        const PropertyGroup& b = list_.groups[g];
        if (a.id != b.id || a.label != b.label || a.properties.size() != b.properties.size())
            return false;
        for (std::size_t p = 0; p < a.properties.size(); ++p) {
            const Property& x = a.properties[p];
            const Property& y = b.properties[p];
            if (x.id != y.id || x.label != y.label || x.kind != y.kind)
                return false;
        }
    }
    return true;
}

void CPropertyTree::setProperties(PropertyList list)
{
    const bool same = hasSameRows(list);
    list_ = std::move(list);
    if (same)
        refreshValues();
    else
        rebuild();
}

void CPropertyTree::setChangedProperties(const QSet<int>& ids)
{
    if (ids == changed_)
        return;
    changed_ = ids;
    markChanged();
}

void CPropertyTree::markChanged()
{
    for (int g = 0; g < topLevelItemCount(); ++g) {
        QTreeWidgetItem* group = topLevelItem(g);
        for (int r = 0; r < group->childCount(); ++r) {
            QTreeWidgetItem* row = group->child(r);
            const bool changed = changed_.contains(idOf(row));
            if (row->font(LabelColumn).bold() == changed)
                continue;
            QFont font = row->font(LabelColumn);
            font.setBold(changed);
            row->setFont(LabelColumn, font);
            row->setFont(ValueColumn, font);
        }
    }
}

int CPropertyTree::currentPropertyId() const
{
    const QTreeWidgetItem* item = currentItem();
    return item && !item->data(LabelColumn, kIsGroupRole).toBool() ? idOf(item) : -1;
}

int CPropertyTree::currentGroupId() const
{
    const QTreeWidgetItem* item = currentItem();
    if (!item)
        return -1;
    return item->data(LabelColumn, kIsGroupRole).toBool() ? idOf(item) : idOf(item->parent());
}

void CPropertyTree::refreshValues()
{
    // Only rows whose text changed are touched, so only they repaint.
    for (const PropertyGroup& group : list_.groups)
        for (const Property& p : group.properties)
            if (QTreeWidgetItem* item = propertyItem(p.id)) {
                const QString text = p.displayText();
                if (item->text(ValueColumn) != text)
                    item->setText(ValueColumn, text);
                else
                    viewport()->update(visualItemRect(item));  // a name drawn in the menu font may have changed
            }
}

void CPropertyTree::rebuild()
{
    const QTreeWidgetItem* current = currentItem();
    const int currentId = idOf(current);
    const bool currentIsGroup = current && current->data(LabelColumn, kIsGroupRole).toBool();
    const bool firstBuild = topLevelItemCount() == 0;

    rebuilding_ = true;
    setUpdatesEnabled(false);
    clear();
    for (const PropertyGroup& group : list_.groups) {
        auto* groupRow = new QTreeWidgetItem(this, {shownRecordText(group.label)});
        groupRow->setData(LabelColumn, kIdRole, group.id);
        groupRow->setData(LabelColumn, kIsGroupRole, true);
        groupRow->setFirstColumnSpanned(true);
        QFont bold = groupRow->font(LabelColumn);
        bold.setBold(true);
        groupRow->setFont(LabelColumn, bold);
        groupRow->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
        for (const Property& p : group.properties) {
            auto* row = new QTreeWidgetItem(groupRow, {shownRecordText(p.label), p.displayText()});
            row->setData(LabelColumn, kIdRole, p.id);
            Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
            if (p.kind == PropertyKind::Number || p.kind == PropertyKind::Choice || p.kind == PropertyKind::GameText)
                flags |= Qt::ItemIsEditable;
            row->setFlags(flags);
        }
    }
    // Built open, then the groups the user folded are folded again.
    expandAll();
    for (int id : std::as_const(folded_))
        if (QTreeWidgetItem* group = groupItem(id))
            group->setExpanded(false);
    if (QTreeWidgetItem* again = currentIsGroup ? groupItem(currentId) : propertyItem(currentId))
        setCurrentItem(again);
    if (firstBuild)
        setColumnWidth(LabelColumn, sizeHintForColumn(LabelColumn) + kLabelGap);
    markChanged();
    setUpdatesEnabled(true);
    rebuilding_ = false;
}

void CPropertyTree::activate(int id)
{
    const Property* p = property(id);
    QTreeWidgetItem* item = propertyItem(id);
    if (!p || !item)
        return;
    setCurrentItem(item);
    scrollToItem(item);
    switch (p->kind) {
    case PropertyKind::Flag:
        commitValue(id, p->value ? 0 : 1);
        break;
    case PropertyKind::NameChoice:
        openPicker(*p);
        break;
    default:
        edit(indexFromItem(item, ValueColumn));
        break;
    }
}

void CPropertyTree::openPicker(const Property& p)
{
    const std::shared_ptr<const NameTable> names = p.names;
    if (!names)
        return;
    pickerSource_.document = doc_;
    pickerSource_.count = names->count();
    pickerSource_.nameOf = [names](int index) { return names->bytes(index); };
    pickerSource_.noneAllowed = p.noneAllowed;
    if (!picker_) {
        picker_ = new GameNamePicker(pickerSource_, this);
        connect(picker_, &GameNamePicker::picked, this, [this](int value) {
            if (pickingId_ >= 0)
                commitValue(pickingId_, quint32(value));
            pickingId_ = -1;
        });
        connect(picker_, &GameNamePicker::dismissed, this, [this] { pickingId_ = -1; });
    }
    pickingId_ = p.id;
    const QRect cell = visualRect(indexFromItem(propertyItem(p.id), ValueColumn));
    picker_->popUp(QRect(viewport()->mapToGlobal(cell.topLeft()), cell.size()), int(p.value), names->width());
}

void CPropertyTree::commitValue(int id, quint32 value)
{
    QMetaObject::invokeMethod(this, [this, id, value] { emit valueCommitted(id, value); }, Qt::QueuedConnection);
}

void CPropertyTree::commitName(int id, const QByteArray& bytes)
{
    QMetaObject::invokeMethod(this, [this, id, bytes] { emit nameCommitted(id, bytes); }, Qt::QueuedConnection);
}

bool CPropertyTree::edit(const QModelIndex& index, EditTrigger trigger, QEvent* event)
{
    return index.column() == ValueColumn && QTreeWidget::edit(index, trigger, event);
}

void CPropertyTree::mousePressEvent(QMouseEvent* event)
{
    QTreeWidget::mousePressEvent(event);
    const QModelIndex index = indexAt(event->position().toPoint());
    if (event->button() != Qt::LeftButton || !index.isValid() || index.column() != ValueColumn)
        return;
    if (const QTreeWidgetItem* item = itemFromIndex(index); item && !item->data(LabelColumn, kIsGroupRole).toBool())
        activate(idOf(item));
}

void CPropertyTree::keyPressEvent(QKeyEvent* event)
{
    const QTreeWidgetItem* item = currentItem();
    const bool onProperty = item && !item->data(LabelColumn, kIsGroupRole).toBool();
    const int key = event->key();
    if (onProperty && state() != EditingState &&
        (key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_F2)) {
        activate(idOf(item));
        return;
    }
    QTreeWidget::keyPressEvent(event);
}

std::optional<RecordRef> CPropertyTree::goToTarget(int id) const
{
    const Property* p = property(id);
    if (!p || p->kind != PropertyKind::NameChoice || !p->names || p->names->kind() == RecordKind::None)
        return std::nullopt;
    if ((p->noneAllowed && p->value == 0xFF) || !p->names->contains(int(p->value)))
        return std::nullopt;
    return RecordRef(p->names->kind(), int(p->value));
}

void CPropertyTree::contextMenuEvent(QContextMenuEvent* event)
{
    const bool byKey = event->reason() == QContextMenuEvent::Keyboard;
    QTreeWidgetItem* item = byKey ? currentItem() : itemAt(event->pos());
    const int id = item && !item->data(LabelColumn, kIsGroupRole).toBool() ? idOf(item) : -1;
    const std::optional<RecordRef> target = goToTarget(id);
    if (!target)
        return;
    setCurrentItem(item);
    QMenu menu(this);
    const QString name = property(id)->names->text(target->index).trimmed();
    connect(menu.addAction(tr("Go to %1").arg(name)), &QAction::triggered, this,
            [this, ref = *target] { emit subjectRequested(ref); });
    menu.exec(byKey ? viewport()->mapToGlobal(visualItemRect(item).center()) : event->globalPos());
}

}  // namespace tessel
