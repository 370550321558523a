#include "events/views/eventscriptmodel.h"

#include "events/eventcommandtable.h"

#include <QColor>
#include <QFont>
#include <QGuiApplication>
#include <QPalette>

namespace tessel {

namespace {

// The bytes the column has room for; a longer command shows its first
// ones and an ellipsis, with all of them in the tooltip.
constexpr std::size_t kShownBytes = 6;
constexpr std::size_t kTipBytesPerLine = 16;

QString bytesText(std::span<const quint8> bytes, std::size_t perLine = 0)
{
    static const char digits[] = "0123456789ABCDEF";
    QString text;
    text.reserve(qsizetype(bytes.size()) * 3);
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (i > 0)
            text += perLine && i % perLine == 0 ? QLatin1Char('\n') : QLatin1Char(' ');
        text += QLatin1Char(digits[bytes[i] >> 4]);
        text += QLatin1Char(digits[bytes[i] & 15]);
    }
    return text;
}

QString shownBytesText(std::span<const quint8> bytes)
{
    if (bytes.size() <= kShownBytes)
        return bytesText(bytes);
    return bytesText(bytes.first(kShownBytes - 1)) + QStringLiteral(" \u2026");
}

QColor mutedColour()
{
    return QGuiApplication::palette().color(QPalette::Disabled, QPalette::Text);
}

}  // namespace

EventScriptModel::EventScriptModel(QObject* parent) : QAbstractTableModel(parent) {}

void EventScriptModel::setListing(const events::ScriptListing* listing)
{
    beginResetModel();
    listing_ = listing;
    rows_.clear();
    rowOfEntry_.clear();
    if (listing_) {
        const int n = listing_->size();
        rows_.reserve(std::size_t(n) + std::size_t(n) / 8);
        rowOfEntry_.resize(std::size_t(n));
        for (int i = 0; i < n; ++i) {
            rowOfEntry_[std::size_t(i)] = int(rows_.size());
            rows_.push_back(quint32(i));
            if (listing_->kind(i) == events::EntryKind::Command &&
                events::mainCommands()[listing_->opcode(i)].kind == events::Kind::Dialogue)
                rows_.push_back(quint32(i) | kMessageFlag);
        }
    }
    endResetModel();
}

int EventScriptModel::entryOfRow(int row) const
{
    if (row < 0 || row >= int(rows_.size()))
        return -1;
    return int(rows_[std::size_t(row)] & ~kMessageFlag);
}

int EventScriptModel::rowOfEntry(int entry) const
{
    if (entry < 0 || entry >= int(rowOfEntry_.size()))
        return -1;
    return rowOfEntry_[std::size_t(entry)];
}

bool EventScriptModel::isMessageRow(int row) const
{
    return row >= 0 && row < int(rows_.size()) && (rows_[std::size_t(row)] & kMessageFlag) != 0;
}

bool EventScriptModel::isUnknown(int entry) const
{
    if (!listing_ || entry < 0 || entry >= listing_->size())
        return false;
    const events::EntryKind kind = listing_->kind(entry);
    if (kind == events::EntryKind::Command)
        return events::mainCommands()[listing_->opcode(entry)].kind == events::Kind::None;
    if (kind == events::EntryKind::QueueCommand)
        return events::queueCommands()[listing_->opcode(entry)].kind == events::Kind::None;
    return false;
}

int EventScriptModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(rows_.size());
}

int EventScriptModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant EventScriptModel::data(const QModelIndex& index, int role) const
{
    if (!listing_ || !index.isValid())
        return {};
    const int row = index.row();
    const int entry = entryOfRow(row);
    if (entry < 0)
        return {};
    const bool message = isMessageRow(row);
    switch (role) {
    case EntryRole: return entry;
    case MessageRowRole: return message;
    case Qt::ForegroundRole:
        if (message || isUnknown(entry))
            return mutedColour();
        return {};
    case Qt::FontRole:
        if (message) {
            QFont font;
            font.setItalic(true);
            return font;
        }
        return {};
    case Qt::ToolTipRole:
        if (!message && index.column() == BytesColumn && listing_->bytes(entry).size() > kShownBytes)
            return tr("%n bytes:", nullptr, int(listing_->bytes(entry).size())) + QLatin1Char('\n') +
                   bytesText(listing_->bytes(entry), kTipBytesPerLine);
        return {};
    case Qt::DisplayRole: break;
    default: return {};
    }
    if (message)
        return index.column() == TextColumn ? QStringLiteral("    ") + listing_->messageText(entry) : QVariant();
    switch (index.column()) {
    case AddressColumn: {
        const SnesAddress a = listing_->address(entry);
        return QStringLiteral("%1/%2")
            .arg(a >> 16, 2, 16, QLatin1Char('0'))
            .arg(a & 0xFFFF, 4, 16, QLatin1Char('0'))
            .toUpper();
    }
    case BytesColumn: return shownBytesText(listing_->bytes(entry));
    case TextColumn: {
        QString text = listing_->commandText(entry);
        text.replace(QLatin1Char('\n'), QStringLiteral("  |  "));
        const events::EntryKind kind = listing_->kind(entry);
        if (kind == events::EntryKind::QueueCommand || kind == events::EntryKind::DataRow)
            text.prepend(QStringLiteral("        "));
        return text;
    }
    default: return {};
    }
}

QVariant EventScriptModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    switch (section) {
    case AddressColumn: return tr("Address");
    case BytesColumn: return tr("Bytes");
    case TextColumn: return tr("Text");
    default: return {};
    }
}

}  // namespace tessel
