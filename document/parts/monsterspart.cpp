#include "document/parts/monsterspart.h"

#include "document/savecontext.h"
#include "records/monsterproperties.h"

namespace tessel {

TableBytes MonstersPart::bytes(RecordPart run, int index) const
{
    auto* self = const_cast<MonstersPart*>(this);
    return runOf(run, index, [self, run, index] {
        const std::span<quint8> all(self->table_.monsters[std::size_t(index)].bytes);
        if (run == RecordPart::Name)
            return all.subspan(MonsterEntry::kNameOffset, MonsterEntry::kItemsOffset - MonsterEntry::kNameOffset);
        return all.subspan(MonsterEntry::kItemsOffset);
    });
}

PropertyList MonstersPart::properties(int, std::span<const quint8> name, std::span<const quint8> record,
                                      const PropertyContext& context) const
{
    return monsterprops::build(name, record, context);
}

void MonstersPart::load(RomImage& rom)
{
    table_.loadMonsters(rom);
    table_.loadPackages(rom);
    table_.loadGraphics(rom);
}

bool MonstersPart::encode(SaveContext& save)
{
    table_.saveChanges(save.rom);
    return true;
}

}  // namespace tessel
