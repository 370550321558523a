#pragma once

#include "document/recordtablepart.h"
#include "records/charactertables.h"

#include <QCoreApplication>

namespace tessel {

// The 64 characters (a 6-byte name and a 22-byte starting record, with
// sprites and palettes for characters 0-31), the level gains and the
// battle command names. The starting records are saved where they
// changed; nothing else of the characters is written.
class CharactersPart : public RecordTablePart {
public:
    using RecordTablePart::RecordTablePart;

    CharacterTables& table() { return table_; }
    const CharacterTables& table() const { return table_; }

    RecordKind kind() const override { return RecordKind::Character; }
    QString tableName() const override { return QStringLiteral("characters"); }
    QString recordWord() const override { return QCoreApplication::translate("CharactersPart", "Character"); }
    int count() const override { return records::kCharacterCount; }
    int nameWidth(int) const override { return records::kCharacterNameWidth; }
    TableBytes bytes(RecordPart run, int index) const override;
    PropertyList properties(int index, std::span<const quint8> name, std::span<const quint8> record,
                            const PropertyContext& context) const override;

    void load(RomImage& rom) override;
    void clear() override { table_ = {}; }
    bool encode(SaveContext& save) override;
    void saved(const SaveContext& save) override { table_.markSaved(); }
    bool isModified() const override { return table_.isChanged(); }

private:
    CharacterTables table_;
};

}  // namespace tessel
