#include "document/parts/spellspart.h"

#include "document/cff3doc.h"
#include "document/parts/esperspart.h"
#include "document/parts/partbytes.h"
#include "document/savecontext.h"
#include "records/magicproperties.h"

namespace tessel {

EspersPart& SpellsPart::espers() const
{
    return document().part<EspersPart>();
}

std::span<const quint8> SpellsPart::name(int spell) const
{
    return bytes(RecordPart::Name, spell).locate();
}

TableBytes SpellsPart::bytes(RecordPart run, int index) const
{
    if (run == RecordPart::Name && records::isEsperSpell(index)) {
        TableBytes esperName = espers().bytes(RecordPart::Name, index - records::kEsperSpellFirst);
        TableBytes bytes = runOf(run, index, std::move(esperName.locate));
        bytes.alias = esperName.ref;
        return bytes;
    }
    auto* self = const_cast<SpellsPart*>(this);
    return runOf(run, index, [self, run, index] {
        MagicEntry& spell = self->table_.spells[std::size_t(index)];
        if (run == RecordPart::Record)
            return std::span<quint8>(spell.record);
        return std::span<quint8>(spell.name).first(std::size_t(records::magicNameWidth(index)));
    });
}

PropertyList SpellsPart::properties(int index, std::span<const quint8> name, std::span<const quint8> record,
                                    const PropertyContext&) const
{
    MagicEntry spell;
    partbytes::fill(spell.name, name);
    partbytes::fill(spell.record, record);
    return magicprops::build(index, spell);
}

bool SpellsPart::encode(SaveContext& save)
{
    table_.saveChanges(save.rom);
    return true;
}

}  // namespace tessel
