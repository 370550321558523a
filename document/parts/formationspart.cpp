#include "document/parts/formationspart.h"

#include "document/savecontext.h"
#include "records/formationproperties.h"

namespace tessel {

TableBytes FormationsPart::bytes(RecordPart run, int index) const
{
    if (run == RecordPart::Name)
        return noRun(index);
    auto* self = const_cast<FormationsPart*>(this);
    return runOf(run, index, [self, index] { return std::span<quint8>(self->table_.formations[std::size_t(index)].bytes); });
}

PropertyList FormationsPart::properties(int, std::span<const quint8>, std::span<const quint8> record,
                                        const PropertyContext& context) const
{
    return formationprops::build(record, context);
}

void FormationsPart::load(RomImage& rom)
{
    table_.loadFormations(rom);
    table_.loadSizeTemplates(rom);
}

bool FormationsPart::encode(SaveContext& save)
{
    table_.saveChanges(save.rom);
    return true;
}

}  // namespace tessel
