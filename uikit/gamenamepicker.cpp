#include "uikit/gamenamepicker.h"

#include "uikit/gamenamedelegate.h"
#include "uikit/gamenamesource.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QListWidget>
#include <QScreen>
#include <QStyle>
#include <QVBoxLayout>

namespace tessel {

GameNamePicker::GameNamePicker(const GameNameSource& source, QWidget* parent)
    : QFrame(parent, Qt::Popup), source_(source)
{
    setObjectName(QStringLiteral("GameNamePicker"));
    setFrameShape(QFrame::Box);
    setLineWidth(1);
    list_ = new QListWidget(this);
    list_->setObjectName(QStringLiteral("pickerList"));
    list_->setFrameShape(QFrame::NoFrame);
    list_->setUniformItemSizes(true);
    list_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    delegate_ = new GameNameDelegate(source_, GameNameDelegate::Style::Picker, kRowHeight, list_);
    list_->setItemDelegate(delegate_);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(1, 1, 1, 1);
    layout->addWidget(list_);
    connect(list_, &QListWidget::itemClicked, this, &GameNamePicker::accept);
    connect(list_, &QListWidget::itemActivated, this, &GameNamePicker::accept);
}

int GameNamePicker::rowCount() const
{
    return list_->count();
}

void GameNamePicker::fill(int current, int width)
{
    list_->clear();
    auto addRow = [&](int value) {
        auto* item = new QListWidgetItem(list_);
        item->setData(GameNameDelegate::kDataRole, GameNameDelegate::rowData(value, width));
        return item;
    };
    QListWidgetItem* selected = nullptr;
    if (source_.noneAllowed) {
        QListWidgetItem* none = addRow(GameNameSource::kNone);
        if (current == GameNameSource::kNone)
            selected = none;
    }
    for (int index = 0; index < source_.count; ++index) {
        QListWidgetItem* item = addRow(index);
        if (index == current && !selected)
            selected = item;
    }
    if (selected) {
        list_->setCurrentItem(selected);
        list_->scrollToItem(selected, QAbstractItemView::PositionAtTop);
    }
}

void GameNamePicker::place(const QRect& slot)
{
    const bool capped = list_->count() > kMaxVisibleRows;
    const int rows = capped ? kMaxVisibleRows : list_->count();
    int width = slot.width();
    if (capped)
        width += style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
    list_->setVerticalScrollBarPolicy(capped ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    const int height = rows * kRowHeight + 2;
    QPoint topLeft = slot.bottomLeft() + QPoint(0, 1);
    // Open upward when there is no room below the slot.
    if (const QScreen* screen = QGuiApplication::screenAt(slot.center())) {
        const QRect room = screen->availableGeometry();
        if (topLeft.y() + height > room.bottom() && slot.top() - height >= room.top())
            topLeft.setY(slot.top() - height);
    }
    setGeometry(QRect(topLeft, QSize(width, height)));
}

void GameNamePicker::popUp(const QRect& slot, int current, int width)
{
    accepted_ = false;
    fill(current, width);
    place(slot);
    show();
    list_->setFocus();
    if (QListWidgetItem* item = list_->currentItem())
        list_->scrollToItem(item, QAbstractItemView::PositionAtTop);
}

void GameNamePicker::accept(QListWidgetItem* item)
{
    if (!item || accepted_ || !isVisible())
        return;
    accepted_ = true;
    const int value = GameNameDelegate::valueOf(item->data(GameNameDelegate::kDataRole).toUInt());
    hide();
    emit picked(value);
}

void GameNamePicker::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape) {
        hide();
        return;
    }
    QFrame::keyPressEvent(event);
}

void GameNamePicker::hideEvent(QHideEvent* event)
{
    QFrame::hideEvent(event);
    if (!accepted_)
        emit dismissed();
}

}  // namespace tessel
