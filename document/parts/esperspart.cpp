#include "document/parts/esperspart.h"

#include "document/savecontext.h"
#include "document/parts/partbytes.h"
#include "records/esperproperties.h"

namespace tessel {

TableBytes EspersPart::bytes(RecordPart run, int index) const
{
    auto* self = const_cast<EspersPart*>(this);
    TableBytes bytes = runOf(run, index, [self, run, index] {
        EsperEntry& esper = self->table_.espers[std::size_t(index)];
        return run == RecordPart::Name ? std::span<quint8>(esper.name) : std::span<quint8>(esper.record);
    });
    if (run == RecordPart::Name)
        bytes.alias = RecordRef(RecordKind::Spell, records::kEsperSpellFirst + index);
    return bytes;
}

PropertyList EspersPart::properties(int, std::span<const quint8> name, std::span<const quint8> record,
                                    const PropertyContext& context) const
{
    EsperEntry esper;
    partbytes::fill(esper.name, name);
    partbytes::fill(esper.record, record);
    return esperprops::build(esper, context);
}

void EspersPart::load(RomImage& rom)
{
    table_.load(rom);
    inFile_.remember(table_.espers);
}

void EspersPart::clear()
{
    table_ = {};
    inFile_.remember(table_.espers);
}

bool EspersPart::encode(SaveContext& save)
{
    table_.save(save.rom);
    return true;
}

}  // namespace tessel
