#pragma once

#include "document/recordtablepart.h"
#include "records/monstertables.h"

#include <QCoreApplication>

namespace tessel {

// The 384 monsters and the tables their pictures are built from. A
// monster's name run holds its two names (20 bytes), its record run the
// item slots and statistics (36 bytes). Saved where they changed; the
// picture tables are never written.
class MonstersPart : public RecordTablePart {
public:
    using RecordTablePart::RecordTablePart;

    MonsterTables& table() { return table_; }
    const MonsterTables& table() const { return table_; }

    RecordKind kind() const override { return RecordKind::Monster; }
    QString tableName() const override { return QStringLiteral("monsters"); }
    QString recordWord() const override { return QCoreApplication::translate("MonstersPart", "Monster"); }
    int count() const override { return records::kMonsterCount; }
    int nameWidth(int) const override { return records::kMonsterNameWidth; }
    TableBytes bytes(RecordPart run, int index) const override;
    PropertyList properties(int index, std::span<const quint8> name, std::span<const quint8> record,
                            const PropertyContext& context) const override;

    void load(RomImage& rom) override;
    void clear() override { table_ = {}; }
    bool encode(SaveContext& save) override;
    void saved(const SaveContext& save) override { table_.markSaved(); }
    bool isModified() const override { return table_.isChanged(); }

private:
    MonsterTables table_;
};

}  // namespace tessel
