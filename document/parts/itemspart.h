#pragma once

#include "document/recordtablepart.h"
#include "records/itemtable.h"
#include "records/savedcopy.h"

#include <QCoreApplication>

namespace tessel {

// The 256 items: a 13-byte name and a 30-byte record each. Saved whole.
class ItemsPart : public RecordTablePart {
public:
    using RecordTablePart::RecordTablePart;

    ItemTable& table() { return table_; }
    const ItemTable& table() const { return table_; }

    RecordKind kind() const override { return RecordKind::Item; }
    QString tableName() const override { return QStringLiteral("items"); }
    QString recordWord() const override { return QCoreApplication::translate("ItemsPart", "Item"); }
    int count() const override { return records::kItemCount; }
    int nameWidth(int) const override { return records::kItemNameWidth; }
    TableBytes bytes(RecordPart run, int index) const override;
    PropertyList properties(int index, std::span<const quint8> name, std::span<const quint8> record,
                            const PropertyContext& context) const override;

    void load(RomImage& rom) override;
    void clear() override;
    bool encode(SaveContext& save) override;
    void saved(const SaveContext& save) override { inFile_.remember(table_.items); }
    bool isModified() const override { return inFile_.differs(table_.items); }

private:
    ItemTable table_;
    SavedCopy<decltype(ItemTable::items)> inFile_;
};

}  // namespace tessel
