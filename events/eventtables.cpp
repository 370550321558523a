#include "events/eventtables.h"

#include "rom/romimage.h"
#include "records/recordaddresses.h"
#include "text/menutext.h"

namespace tessel {

namespace {

template <std::size_t N>
void loadNames(RomImage& rom, SnesAddress address, int width, std::array<QString, N>& names)
{
    rom.SeekSnes(address);
    for (QString& name : names) {
        const QByteArray field = rom.readBytes(width);
        name = menutext::DecodeListingName(reinterpret_cast<const quint8*>(field.constData()), width);
    }
}

}  // namespace

void EventTables::load(RomImage& rom)
{
    LoadGameLayoutDialogue(rom, dialogue);
    loadNames(rom, records::kItemNamesAddress, records::kItemNameWidth, items);
    loadNames(rom, records::kEsperNamesAddress, records::kEsperNameWidth, espers);
    loadNames(rom, records::kCharacterNamesAddress, records::kCharacterNameWidth, characters);
}

}  // namespace tessel
