#pragma once

#include "document/recordtablepart.h"
#include "records/espertable.h"
#include "records/savedcopy.h"

#include <QCoreApplication>

namespace tessel {

// The 27 espers: an 8-byte name and an 11-byte record each. Saved whole.
// Their names are also the names of spells 54-80, which the spells part
// shows from here.
class EspersPart : public RecordTablePart {
public:
    using RecordTablePart::RecordTablePart;

    EsperTable& table() { return table_; }
    const EsperTable& table() const { return table_; }

    RecordKind kind() const override { return RecordKind::Esper; }
    QString tableName() const override { return QStringLiteral("espers"); }
    QString recordWord() const override { return QCoreApplication::translate("EspersPart", "Esper"); }
    int count() const override { return records::kEsperCount; }
    int nameWidth(int) const override { return records::kEsperNameWidth; }
    TableBytes bytes(RecordPart run, int index) const override;
    PropertyList properties(int index, std::span<const quint8> name, std::span<const quint8> record,
                            const PropertyContext& context) const override;

    void load(RomImage& rom) override;
    void clear() override;
    bool encode(SaveContext& save) override;
    void saved(const SaveContext& save) override { inFile_.remember(table_.espers); }
    bool isModified() const override { return inFile_.differs(table_.espers); }

private:
    EsperTable table_;
    SavedCopy<decltype(EsperTable::espers)> inFile_;
};

}  // namespace tessel
