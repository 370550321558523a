#pragma once

#include "document/recordtablepart.h"
#include "records/savedcopy.h"
#include "records/shoptable.h"

#include <QCoreApplication>

namespace tessel {

// The 128 shops of 9 bytes. Saved whole.
class ShopsPart : public RecordTablePart {
public:
    using RecordTablePart::RecordTablePart;

    ShopTable& table() { return table_; }
    const ShopTable& table() const { return table_; }

    RecordKind kind() const override { return RecordKind::Shop; }
    QString tableName() const override { return QStringLiteral("shops"); }
    QString recordWord() const override { return QCoreApplication::translate("ShopsPart", "Shop"); }
    int count() const override { return records::kShopCount; }
    TableBytes bytes(RecordPart run, int index) const override;
    PropertyList properties(int index, std::span<const quint8> name, std::span<const quint8> record,
                            const PropertyContext& context) const override;

    void load(RomImage& rom) override;
    void clear() override;
    bool encode(SaveContext& save) override;
    void saved(const SaveContext& save) override { inFile_.remember(table_.bytes); }
    bool isModified() const override { return inFile_.differs(table_.bytes); }

private:
    ShopTable table_;
    SavedCopy<decltype(ShopTable::bytes)> inFile_;
};

}  // namespace tessel
