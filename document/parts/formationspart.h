#pragma once

#include "document/recordtablepart.h"
#include "records/formationtables.h"

#include <QCoreApplication>

namespace tessel {

// The 576 formations (a 15-byte record and a 4-byte extra record, one run
// of 19 bytes) and their size templates. Saved where they changed; the
// size templates are never written.
class FormationsPart : public RecordTablePart {
public:
    using RecordTablePart::RecordTablePart;

    FormationTables& table() { return table_; }
    const FormationTables& table() const { return table_; }

    RecordKind kind() const override { return RecordKind::Formation; }
    QString tableName() const override { return QStringLiteral("formations"); }
    QString recordWord() const override { return QCoreApplication::translate("FormationsPart", "Formation"); }
    int count() const override { return records::kFormationCount; }
    TableBytes bytes(RecordPart run, int index) const override;
    PropertyList properties(int index, std::span<const quint8> name, std::span<const quint8> record,
                            const PropertyContext& context) const override;

    void load(RomImage& rom) override;
    void clear() override { table_ = {}; }
    bool encode(SaveContext& save) override;
    void saved(const SaveContext& save) override { table_.markSaved(); }
    bool isModified() const override { return table_.isChanged(); }

private:
    FormationTables table_;
};

}  // namespace tessel
