#include "uikit/gamenamelist.h"

#include "document/cff3doc.h"
#include "uikit/gamenamedelegate.h"
#include "uikit/gamenamepicker.h"
#include "uikit/namechanges.h"

#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>

namespace tessel {

GameNameList::GameNameList(QWidget* parent) : QListWidget(parent)
{
    setUniformItemSizes(true);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    applyMode();
}

GameNameList::~GameNameList() = default;

void GameNameList::setNames(int count, std::function<QByteArray(int index)> nameOf)
{
    source_.count = count;
    source_.nameOf = std::move(nameOf);
    viewport()->update();
}

void GameNameList::setDocument(CFF3Doc* doc)
{
    disconnect(documentConnection_);
    source_.document = doc;
    if (doc)
        documentConnection_ = connect(doc, &CFF3Doc::changed, viewport(), [this](const DocumentChange& change) {
            if (mayChangeGameNames(change))
                viewport()->update();
        });
    viewport()->update();
}

void GameNameList::setMode(int mode)
{
    mode_ = mode;
    applyMode();
}

void GameNameList::applyMode()
{
    source_.noneAllowed = mode_ & NoneAllowed;
    const bool plain = mode_ & PlainMode;
    auto* old = delegate_;
    delegate_ = new GameNameDelegate(source_, plain ? GameNameDelegate::Style::List : GameNameDelegate::Style::Slot,
                                     kRowHeight, this);
    setItemDelegate(delegate_);
    delete old;
    if (!plain && !picker_) {
        picker_ = new GameNamePicker(source_, this);
        connect(picker_, &GameNamePicker::picked, this, &GameNameList::pick);
        connect(picker_, &GameNamePicker::dismissed, this, [this] { pickingRow_ = -1; });
    }
    viewport()->update();
}

int GameNameList::addRow(int value, int width)
{
    auto* item = new QListWidgetItem(this);
    item->setData(GameNameDelegate::kDataRole, GameNameDelegate::rowData(value, width));
    return row(item);
}

quint32 GameNameList::rowData(int row) const
{
    const QListWidgetItem* entry = item(row);
    return entry ? entry->data(GameNameDelegate::kDataRole).toUInt() : 0;
}

int GameNameList::rowValue(int row) const
{
    return GameNameDelegate::valueOf(rowData(row));
}

int GameNameList::rowWidth(int row) const
{
    return GameNameDelegate::widthOf(rowData(row));
}

void GameNameList::setRowValue(int row, int value)
{
    if (QListWidgetItem* entry = item(row))
        entry->setData(GameNameDelegate::kDataRole, GameNameDelegate::rowData(value, rowWidth(row)));
}

void GameNameList::openPicker(int row)
{
    if ((mode_ & PlainMode) || !item(row))
        return;
    pickingRow_ = row;
    const QRect slot = visualItemRect(item(row));
    const QRect global(viewport()->mapToGlobal(slot.topLeft()), slot.size());
    picker_->popUp(global, rowValue(row), rowWidth(row));
}

void GameNameList::pick(int value)
{
    const int row = pickingRow_;
    pickingRow_ = -1;
    if (!item(row))
        return;
    setRowValue(row, value);
    emit nameChanged(row, value);
}

void GameNameList::mousePressEvent(QMouseEvent* event)
{
    QListWidget::mousePressEvent(event);
    if (event->button() == Qt::LeftButton && !(mode_ & PlainMode)) {
        if (QListWidgetItem* entry = itemAt(event->position().toPoint()))
            openPicker(row(entry));
    }
}

void GameNameList::keyPressEvent(QKeyEvent* event)
{
    // The keyboard way to open a slot, as with a combo box.
    const bool opens = event->key() == Qt::Key_F4 || (event->key() == Qt::Key_Down && (event->modifiers() & Qt::AltModifier))
                       || event->key() == Qt::Key_Space;
    if (opens && !(mode_ & PlainMode) && currentRow() >= 0) {
        openPicker(currentRow());
        return;
    }
    QListWidget::keyPressEvent(event);
}

std::optional<RecordRef> GameNameList::goToTarget(int row) const
{
    if ((mode_ & PlainMode) || goToKind_ == RecordKind::None || !item(row))
        return std::nullopt;
    const int value = rowValue(row);
    if (value < 0 || value >= source_.count || source_.isNone(value))
        return std::nullopt;
    return RecordRef(goToKind_, value);
}

void GameNameList::contextMenuEvent(QContextMenuEvent* event)
{
    const bool byKey = event->reason() == QContextMenuEvent::Keyboard;
    QListWidgetItem* entry = byKey ? currentItem() : itemAt(event->pos());
    const std::optional<RecordRef> target = entry ? goToTarget(row(entry)) : std::nullopt;
    if (!target)
        return;
    QMenu menu(this);
    connect(menu.addAction(tr("Go to")), &QAction::triggered, this, [this, ref = *target] { emit subjectRequested(ref); });
    menu.exec(byKey ? viewport()->mapToGlobal(visualItemRect(entry).center()) : event->globalPos());
}

}  // namespace tessel
