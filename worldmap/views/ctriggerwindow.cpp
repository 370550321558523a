#include "worldmap/views/ctriggerwindow.h"

#include "document/editcommands.h"
#include "document/triggeredits.h"
#include "worldmap/entrancedestination.h"
#include "worldmap/eventtriggerscript.h"
#include "worldmap/triggerrowtexts.h"
#include "worldmap/views/ceventtriggerpage.h"
#include "worldmap/views/cmapview.h"
#include "worldmap/views/ctriggerpropertiessheet.h"
#include "worldmap/worldmap.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QMenu>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace tessel {

namespace {

constexpr int kTriggerRole = Qt::UserRole;

}  // namespace

CTriggerWindow::CTriggerWindow(CMapView& view, QWidget* parent) : QWidget(parent), view_(view)
{
    list_ = new QTreeWidget(this);
    list_->setObjectName(QString::number(List));
    list_->setRootIsDecorated(false);
    list_->setUniformRowHeights(true);
    list_->setAllColumnsShowFocus(true);
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    list_->setSelectionBehavior(QAbstractItemView::SelectRows);
    list_->setColumnCount(TriggerRowTexts::kColumns);
    QStringList titles;
    for (int column = 0; column < TriggerRowTexts::kColumns; ++column)
        titles.append(QCoreApplication::translate("TriggerRowTexts", TriggerRowTexts::title(column)));
    list_->setHeaderLabels(titles);
    list_->headerItem()->setToolTip(0, tr("Checked: the trigger marks its block of 4 x 4 cells in the "
                                                      "region summary"));

    auto* buttons = new QVBoxLayout;
    auto addButton = [&](Control id, const QString& text) {
        auto* button = new QPushButton(text, this);
        button->setObjectName(QString::number(id));
        buttons->addWidget(button);
        return button;
    };
    QPushButton* source = addButton(GoToSource, tr("Go to Source"));
    QPushButton* destination = addButton(GoToDestination, tr("Go to Destination"));
    QPushButton* script = addButton(GoToScript, tr("Go to Script"));
    QPushButton* add = addButton(Add, tr("Add"));
    auto* addMenu = new QMenu(add);
    QAction* addEntrance = addMenu->addAction(tr("Entrance Trigger..."));
    addEntrance->setObjectName(QString::number(kAddEntranceCommand));
    connect(addEntrance, &QAction::triggered, this, [this] { addTrigger(MapTrigger::Entrance); });
    QAction* addEvent = addMenu->addAction(tr("Event Trigger..."));
    addEvent->setObjectName(QString::number(kAddEventCommand));
    connect(addEvent, &QAction::triggered, this, [this] { addTrigger(MapTrigger::Event); });
    add->setMenu(addMenu);
    QPushButton* edit = addButton(Edit, tr("Edit..."));
    QPushButton* duplicate = addButton(Duplicate, tr("Duplicate"));
    QPushButton* remove = addButton(Delete, tr("Delete"));
    QPushButton* removeAll = addButton(DeleteAll, tr("Delete All"));
    connect(duplicate, &QPushButton::clicked, this, &CTriggerWindow::duplicateSelected);
    connect(remove, &QPushButton::clicked, this, &CTriggerWindow::deleteSelected);
    connect(removeAll, &QPushButton::clicked, this, &CTriggerWindow::deleteAll);
    buttons->addStretch(1);

    auto* layout = new QHBoxLayout(this);
    layout->addWidget(list_, 1);
    layout->addLayout(buttons);

    connect(source, &QPushButton::clicked, this, &CTriggerWindow::goToSource);
    connect(destination, &QPushButton::clicked, this, &CTriggerWindow::goToDestination);
    connect(script, &QPushButton::clicked, this, &CTriggerWindow::goToScript);
    connect(edit, &QPushButton::clicked, this, &CTriggerWindow::editSelected);
    connect(list_, &QTreeWidget::itemDoubleClicked, this, [this](QTreeWidgetItem* item) {
        list_->setCurrentItem(item);
        editSelected();
    });
    connect(list_, &QTreeWidget::itemChanged, this, [this](QTreeWidgetItem* item, int column) {
        if (!filling_ && column == 0)
            checkChanged(item);
    });
    connect(list_, &QTreeWidget::itemSelectionChanged, this, &CTriggerWindow::selectionChanged);

    // The context menu repeats the buttons that act on the row under the pointer.
    contextMenu_ = new QMenu(this);
    for (QPushButton* twin : {source, destination, script, edit, duplicate, remove}) {
        QAction* action = contextMenu_->addAction(twin->text());
        action->setObjectName(twin->objectName());
        connect(action, &QAction::triggered, twin, &QPushButton::click);
    }
    list_->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(list_, &QWidget::customContextMenuRequested, this, [this](QPoint at) {
        QTreeWidgetItem* item = list_->itemAt(at);
        if (!item)
            return;
        selectTrigger(list_->indexOfTopLevelItem(item));
        contextMenu_->popup(list_->viewport()->mapToGlobal(at));
    });
    connect(&view.document(), &CFF3Doc::changed, this, [this](const DocumentChange& change) {
        if (view_.showsChangeOf(change))
            refreshRows();
    });
    updateButtons();
}

QPushButton* CTriggerWindow::button(Control id) const
{
    return findChild<QPushButton*>(QString::number(id));
}

void CTriggerWindow::fill()
{
    filling_ = true;
    list_->clear();
    if (const WorldMap* map = view_.map()) {
        for (int i = 0; i < map->triggers.size(); ++i) {
            auto* item = new QTreeWidgetItem(list_);
            item->setData(0, kTriggerRole, i);
            item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
            showRow(item, i);
        }
    }
    // The columns' own widths, or wider where the texts (and the check box) need it.
    for (int column = 0; column < TriggerRowTexts::kColumns; ++column) {
        list_->resizeColumnToContents(column);
        list_->setColumnWidth(column, std::max(TriggerRowTexts::width(column), list_->columnWidth(column)));
    }
    filling_ = false;
    updateButtons();
}

void CTriggerWindow::showRow(QTreeWidgetItem* item, int trigger)
{
    const MapTrigger& t = view_.map()->triggers[trigger];
    const auto texts = TriggerRowTexts::of(t);
    for (int column = 0; column < TriggerRowTexts::kColumns; ++column)
        item->setText(column, texts[std::size_t(column)]);
    item->setCheckState(0, t.marksRegion() ? Qt::Checked : Qt::Unchecked);
}

void CTriggerWindow::refreshRows()
{
    const WorldMap* map = view_.map();
    if (!map || list_->topLevelItemCount() != map->triggers.size()) {
        fill();
        return;
    }
    filling_ = true;
    for (int i = 0; i < list_->topLevelItemCount(); ++i)
        showRow(list_->topLevelItem(i), i);
    filling_ = false;
    updateButtons();
}

int CTriggerWindow::selectedTrigger() const
{
    const QList<QTreeWidgetItem*> selected = list_->selectedItems();
    return selected.isEmpty() ? -1 : selected.first()->data(0, kTriggerRole).toInt();
}

void CTriggerWindow::selectTrigger(int trigger)
{
    QTreeWidgetItem* item = list_->topLevelItem(trigger);
    if (!item)
        return;
    list_->clearSelection();
    list_->setCurrentItem(item);
    item->setSelected(true);
    list_->scrollToItem(item);
}

void CTriggerWindow::selectionChanged()
{
    const int trigger = selectedTrigger();
    if (trigger >= 0 && view_.map()) {
        const MapTrigger& t = view_.map()->triggers[trigger];
        view_.selectTriggerCell({t.x, t.y});
    }
    updateButtons();
}

void CTriggerWindow::checkChanged(QTreeWidgetItem* item)
{
    const int trigger = item->data(0, kTriggerRole).toInt();
    const WorldMap* map = view_.map();
    if (!map || trigger < 0 || trigger >= map->triggers.size())
        return;
    MapTrigger changed = map->triggers[trigger];
    const bool checked = item->checkState(0) == Qt::Checked;
    changed.flags = checked ? (changed.flags | MapTrigger::kMarksRegion) : (changed.flags & ~MapTrigger::kMarksRegion);
    view_.pushEdit(new SetTriggerCommand(view_.document(), view_.mapIndex(), trigger, changed,
                                         checked ? tr("Check Trigger") : tr("Uncheck Trigger")));
}

void CTriggerWindow::pointAt(QPoint cell)
{
    const WorldMap* map = view_.map();
    const int selected = selectedTrigger();
    if (!map || selected < 0)
        return;
    const int found = map->firstTriggerAt(cell.x(), cell.y());
    if (found >= 0 && found != selected)
        selectTrigger(found);
}

void CTriggerWindow::goToSource()
{
    const int trigger = selectedTrigger();
    if (trigger < 0)
        return;
    const MapTrigger& t = view_.map()->triggers[trigger];
    view_.centreOn({t.x, t.y});
}

void CTriggerWindow::goToDestination()
{
    const int trigger = selectedTrigger();
    if (trigger < 0 || view_.map()->triggers[trigger].kind != MapTrigger::Entrance)
        return;
    const EntranceDestination d = EntranceDestination::of(view_.map()->triggers[trigger]);
    if (d.worldMap() >= 0)
        view_.requestDestination(d.worldMap(), QPoint(d.x, d.y));
}

void CTriggerWindow::goToScript()
{
    const int trigger = selectedTrigger();
    if (trigger < 0 || !view_.map() || view_.map()->triggers[trigger].kind != MapTrigger::Event)
        return;
    const MapTrigger& t = view_.map()->triggers[trigger];
    if (const std::optional<SnesAddress> script = eventTriggerScript(t))
        view_.requestSubject(RecordRef::event(*script));
    else
        view_.showMessage(CEventTriggerPage::outsideScriptsMessage(t.data), QStringLiteral("Tessel"),
                          platform::MessageIcon::Warning);
}

void CTriggerWindow::editSelected()
{
    const int trigger = selectedTrigger();
    if (trigger < 0 || !view_.map())
        return;
    const MapTrigger before = view_.map()->triggers[trigger];
    CTriggerPropertiesSheet sheet(before, view_, this);
    connect(&sheet, &CTriggerPropertiesSheet::scriptRequested, this,
            [this](SnesAddress script) { view_.requestSubject(RecordRef::event(script)); });
    if (sheet.exec() == QDialog::Accepted) {
        view_.pushEdit(new SetTriggerCommand(view_.document(), view_.mapIndex(), trigger, sheet.result(),
                                             tr("Edit Trigger")));
    }
    if (view_.map() && trigger < view_.map()->triggers.size()) {
        const MapTrigger& now = view_.map()->triggers[trigger];
        view_.selectTriggerCell({now.x, now.y});
    }
}

void CTriggerWindow::changeList(const QList<MapTrigger>& triggers, const QString& text, int select)
{
    QString refusal;
    QUndoCommand* command = triggeredits::listCommand(view_.document(), view_.mapIndex(), triggers, text, &refusal);
    if (!command) {
        view_.showMessage(refusal, QStringLiteral("Tessel"), platform::MessageIcon::Warning);
        return;
    }
    view_.pushEdit(command);
    if (select >= 0)
        selectTrigger(select);
}

void CTriggerWindow::addTrigger(MapTrigger::Kind kind)
{
    const WorldMap* map = view_.map();
    if (!map)
        return;
    MapTrigger fresh;
    fresh.kind = kind;
    fresh.x = quint8(view_.selectedTriggerCell().x());
    fresh.y = quint8(view_.selectedTriggerCell().y());
    CTriggerPropertiesSheet sheet(fresh, view_, this);
    if (sheet.exec() != QDialog::Accepted)
        return;
    MapTrigger added = sheet.result();
    added.kind = kind;
    added.flags = MapTrigger::kMarksRegion;
    int at = -1;
    const QList<MapTrigger> triggers = triggeredits::withAdded(map->triggers, added, &at);
    changeList(triggers, kind == MapTrigger::Entrance ? tr("Add Entrance Trigger") : tr("Add Event Trigger"), at);
}

void CTriggerWindow::duplicateSelected()
{
    const int trigger = selectedTrigger();
    if (trigger < 0 || !view_.map())
        return;
    changeList(triggeredits::withDuplicate(view_.map()->triggers, trigger), tr("Duplicate Trigger"), trigger + 1);
}

void CTriggerWindow::deleteSelected()
{
    const int trigger = selectedTrigger();
    if (trigger < 0 || !view_.map())
        return;
    const QList<MapTrigger> triggers = triggeredits::without(view_.map()->triggers, trigger);
    changeList(triggers, tr("Delete Trigger"), triggers.isEmpty() ? -1 : std::min(trigger, int(triggers.size()) - 1));
}

void CTriggerWindow::deleteAll()
{
    if (view_.map() && !view_.map()->triggers.isEmpty())
        changeList({}, tr("Delete All Triggers"), -1);
}

void CTriggerWindow::updateButtons()
{
    const int trigger = selectedTrigger();
    const WorldMap* map = view_.map();
    const bool selected = map && trigger >= 0;
    button(GoToSource)->setEnabled(selected);
    button(Edit)->setEnabled(selected);
    button(Duplicate)->setEnabled(selected);
    button(Delete)->setEnabled(selected);
    button(Add)->setEnabled(map);
    button(DeleteAll)->setEnabled(map && !map->triggers.isEmpty());
    bool toWorldMap = false;
    if (selected && map->triggers[trigger].kind == MapTrigger::Entrance)
        toWorldMap = EntranceDestination::of(map->triggers[trigger]).worldMap() >= 0;
    button(GoToDestination)->setEnabled(toWorldMap);
    button(GoToScript)->setEnabled(selected && map->triggers[trigger].kind == MapTrigger::Event);
    for (QAction* action : contextMenu_->actions())
        action->setEnabled(button(Control(action->objectName().toInt()))->isEnabled());
}

}  // namespace tessel
