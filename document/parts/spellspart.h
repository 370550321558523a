#pragma once

#include "document/recordtablepart.h"
#include "records/magictable.h"

#include <QCoreApplication>

namespace tessel {

class EspersPart;

// The 256 spells: a name of 7, 8, 10 or 12 bytes (none for spell 255) and
// a 14-byte record. The names of spells 54-80 are the esper names, shown
// from the espers part. Saved where they changed.
class SpellsPart : public RecordTablePart {
public:
    using RecordTablePart::RecordTablePart;

    MagicTable& table() { return table_; }
    const MagicTable& table() const { return table_; }
    // Spell n's name at its width (empty for spell 255).
    std::span<const quint8> name(int spell) const;

    RecordKind kind() const override { return RecordKind::Spell; }
    QString tableName() const override { return QStringLiteral("spells"); }
    QString recordWord() const override { return QCoreApplication::translate("SpellsPart", "Spell"); }
    int count() const override { return records::kMagicCount; }
    int nameWidth(int index) const override { return records::magicNameWidth(index); }
    TableBytes bytes(RecordPart run, int index) const override;
    PropertyList properties(int index, std::span<const quint8> name, std::span<const quint8> record,
                            const PropertyContext& context) const override;

    void load(RomImage& rom) override { table_.load(rom); }
    void clear() override { table_ = {}; }
    bool encode(SaveContext& save) override;
    void saved(const SaveContext& save) override { table_.markSaved(); }
    bool isModified() const override { return table_.isChanged(); }

private:
    EspersPart& espers() const;

    MagicTable table_;
};

}  // namespace tessel
