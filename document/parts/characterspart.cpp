#include "document/parts/characterspart.h"

#include "document/savecontext.h"
#include "records/characterproperties.h"

namespace tessel {

TableBytes CharactersPart::bytes(RecordPart run, int index) const
{
    auto* self = const_cast<CharactersPart*>(this);
    return runOf(run, index, [self, run, index] {
        CharacterEntry& character = self->table_.characters[std::size_t(index)];
        return run == RecordPart::Name ? std::span<quint8>(character.name) : std::span<quint8>(character.record);
    });
}

PropertyList CharactersPart::properties(int, std::span<const quint8> name, std::span<const quint8> record,
                                        const PropertyContext& context) const
{
    return characterprops::build(name, record, context);
}

void CharactersPart::load(RomImage& rom)
{
    table_.load(rom);
    table_.loadCommandNames(rom);
}

bool CharactersPart::encode(SaveContext& save)
{
    table_.saveChanges(save.rom);
    return true;
}

}  // namespace tessel
