#include "worldmap/views/ctilelist.h"

#include "worldmap/worldmap.h"

#include <QAbstractListModel>
#include <QMouseEvent>
#include <QPainter>
#include <QStyledItemDelegate>

#include <utility>

namespace tessel {

namespace {

// Grey (16, 16, 16) and red (31, 0, 0) in the map's 5-bit components.
const QColor kFrameColor(16 * 8, 16 * 8, 16 * 8);
const QColor kSelectedFrameColor(31 * 8, 0, 0);

// Entries in a full row: one hexadecimal digit's worth.
constexpr int kFullRow = 16;

int sideOf(CTileList::Content content)
{
    return content == CTileList::Content::Tiles ? 16 : 8;
}

// 256 rows whose only data is their tool tip; the delegate draws them.
class EntryModel : public QAbstractListModel {
public:
    EntryModel(CTileList::Content content, QObject* parent) : QAbstractListModel(parent), content_(content) {}

    void setFilled(bool filled)
    {
        beginResetModel();
        filled_ = filled;
        endResetModel();
    }
    void changedAll()
    {
        if (filled_)
            emit dataChanged(index(0), index(CTileList::kEntries - 1));
    }

    int rowCount(const QModelIndex& parent) const override
    {
        return parent.isValid() || !filled_ ? 0 : CTileList::kEntries;
    }
    QVariant data(const QModelIndex& index, int role) const override
    {
        if (role != Qt::ToolTipRole || !index.isValid())
            return {};
        const QString kind = content_ == CTileList::Content::Tiles ? tr("Tile") : tr("Tile piece");
        return QStringLiteral("%1 %2 ($%3)")
            .arg(kind)
            .arg(index.row())
            .arg(QString::number(index.row(), 16).toUpper().rightJustified(2, QLatin1Char('0')));
    }

private:
    CTileList::Content content_;
    bool filled_ = false;
};

class EntryDelegate : public QStyledItemDelegate {
public:
    explicit EntryDelegate(CTileList* list) : QStyledItemDelegate(list), list_(list) {}

    QSize sizeHint(const QStyleOptionViewItem&, const QModelIndex&) const override
    {
        const int side = sideOf(list_->content()) * list_->scale() + 2 * CTileList::kFrame;
        return {side, side};
    }

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        const WorldMap* map = list_->map();
        if (!map)
            return;
        const int side = sideOf(list_->content());
        QImage image(side, side, QImage::Format_RGB32);
        PixelBuffer buffer{image.bits(), image.bytesPerLine(), 32, side, side};
        if (list_->content() == CTileList::Content::Tiles)
            map->drawTile(buffer, 0, 0, index.row());
        else
            map->drawPiece(buffer, 0, 0, index.row());
        const QRect cell(option.rect.topLeft(), sizeHint(option, index));
        const bool selected = option.state & QStyle::State_Selected;
        painter->fillRect(cell, selected ? kSelectedFrameColor : kFrameColor);
        painter->drawImage(cell.adjusted(CTileList::kFrame, CTileList::kFrame, -CTileList::kFrame, -CTileList::kFrame),
                           image);
    }

private:
    CTileList* list_;
};

}  // namespace

CTileList::CTileList(Content content, int scale, QWidget* parent)
    : QListView(parent), content_(content), scale_(std::max(1, scale))
{
    setModel(new EntryModel(content, this));
    setItemDelegate(new EntryDelegate(this));
    setViewMode(QListView::ListMode);
    setFlow(QListView::LeftToRight);
    setWrapping(true);
    setResizeMode(QListView::Adjust);
    setUniformItemSizes(true);
    setMovement(QListView::Static);
    setSpacing(0);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // A scroll bar that came and went would change the room for a row.
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    connect(selectionModel(), &QItemSelectionModel::currentChanged, this, [this](const QModelIndex& now) {
        if (!settingCurrent_ && now.isValid())
            emit picked(now.row());
    });
}

CTileList::~CTileList() = default;

void CTileList::setMap(const WorldMap* map)
{
    const int keep = current();
    map_ = map;
    static_cast<EntryModel*>(model())->setFilled(map != nullptr);
    if (map)
        setCurrent(keep < 0 ? 0 : keep);
}

int CTileList::current() const
{
    const QModelIndex index = currentIndex();
    return index.isValid() ? index.row() : -1;
}

void CTileList::setCurrent(int entry)
{
    if (!map_ || entry < 0 || entry >= kEntries || entry == current())
        return;
    settingCurrent_ = true;
    const QModelIndex index = model()->index(entry, 0);
    selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
    scrollTo(index);
    settingCurrent_ = false;
}

QRect CTileList::entryRect(int entry) const
{
    return visualRect(model()->index(entry, 0));
}

void CTileList::refresh()
{
    static_cast<EntryModel*>(model())->changedAll();
    viewport()->update();
}

void CTileList::setPreferredGrid(int columns, int rows)
{
    preferredColumns_ = columns;
    preferredRows_ = rows;
    if (columns >= kFullRow)
        setMinimumWidth(sizeHint().width());
    updateGeometry();
}

QSize CTileList::sizeHint() const
{
    const int side = cellSide();
    const int frame = 2 * frameWidth();
    return {preferredColumns_ * side + 1 + frame + style()->pixelMetric(QStyle::PM_ScrollBarExtent),
            preferredRows_ * side + frame};
}

int CTileList::cellSide() const
{
    return sideOf(content_) * scale_ + 2 * kFrame;
}

int CTileList::columns() const
{
    return std::max(1, viewport()->width() / cellSide());
}

void CTileList::resizeEvent(QResizeEvent* event)
{
    fitRows();
    QListView::resizeEvent(event);
}

QRect CTileList::dragFrame() const
{
    if (dragFrom_ < 0 || dragTo_ < 0 || dragFrom_ == dragTo_)
        return {};
    const int across = columns();
    const int left = std::min(dragFrom_ % across, dragTo_ % across);
    const int right = std::max(dragFrom_ % across, dragTo_ % across);
    const int top = std::min(dragFrom_ / across, dragTo_ / across);
    const int bottom = std::max(dragFrom_ / across, dragTo_ / across);
    return entryRect(top * across + left) | entryRect(bottom * across + right);
}

void CTileList::mousePressEvent(QMouseEvent* event)
{
    QListView::mousePressEvent(event);
    const QModelIndex index = indexAt(event->position().toPoint());
    const bool dragging = content_ == Content::Tiles && event->button() == Qt::LeftButton && index.isValid();
    dragFrom_ = dragTo_ = dragging ? index.row() : -1;
}

void CTileList::mouseMoveEvent(QMouseEvent* event)
{
    QListView::mouseMoveEvent(event);
    if (dragFrom_ < 0)
        return;
    const QModelIndex index = indexAt(event->position().toPoint());
    if (index.isValid() && index.row() != dragTo_) {
        dragTo_ = index.row();
        viewport()->update();
    }
}

void CTileList::mouseReleaseEvent(QMouseEvent* event)
{
    QListView::mouseReleaseEvent(event);
    const int from = std::exchange(dragFrom_, -1);
    const int to = std::exchange(dragTo_, -1);
    if (from >= 0 && to >= 0 && from != to) {
        viewport()->update();
        emit rectangleDragged(from, to);
    }
}

void CTileList::paintEvent(QPaintEvent* event)
{
    QListView::paintEvent(event);
    const QRect frame = dragFrame();
    if (frame.isEmpty())
        return;
    QPainter painter(viewport());
    painter.setPen(QPen(Qt::yellow, 2));
    painter.drawRect(frame.adjusted(1, 1, -1, -1));
}

void CTileList::fitRows()
{
    // The list view wraps before an entry that would touch the last pixel
    // column, so a row needs one pixel more than its entries.
    const int room = viewport()->width() + viewportMargins().right();
    int fitting = kFullRow;
    while (fitting > 1 && fitting * cellSide() + 1 > room)
        fitting /= 2;
    const int margin = std::max(0, room - fitting * cellSide() - 1);
    if (margin != viewportMargins().right())
        setViewportMargins(0, 0, margin, 0);
}

}  // namespace tessel
