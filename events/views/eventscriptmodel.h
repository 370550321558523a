#pragma once

#include "events/scriptlisting.h"

#include <QAbstractTableModel>

#include <vector>

namespace tessel {

// The script listing as a table: one row per entry (address, bytes, text)
// and, under each dialogue command, one muted row with its message.
// Queue commands are indented; entries the command table has no text for
// (likely data) are muted. A command longer than the bytes column shows
// its first bytes and an ellipsis, and all its bytes in the tooltip.
class EventScriptModel : public QAbstractTableModel {
    Q_OBJECT

public:
    enum Column { AddressColumn, BytesColumn, TextColumn, ColumnCount };
    // The entry a row belongs to (an int).
    static constexpr int EntryRole = Qt::UserRole + 1;
    // Whether a row is a dialogue command's message line (a bool).
    static constexpr int MessageRowRole = Qt::UserRole + 2;

    explicit EventScriptModel(QObject* parent = nullptr);

    // Shows `listing` (null: nothing); the listing must outlive its use.
    void setListing(const events::ScriptListing* listing);
    const events::ScriptListing* listing() const { return listing_; }

    int entryOfRow(int row) const;
    int rowOfEntry(int entry) const;
    bool isMessageRow(int row) const;
    // Whether the command table gives the entry no text: bytes where data is likely.
    bool isUnknown(int entry) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    static constexpr quint32 kMessageFlag = 0x80000000u;

    const events::ScriptListing* listing_ = nullptr;
    std::vector<quint32> rows_;      // entry index, with kMessageFlag for a message row
    std::vector<int> rowOfEntry_;
};

}  // namespace tessel
