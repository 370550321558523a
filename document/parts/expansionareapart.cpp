#include "document/parts/expansionareapart.h"

#include "document/savecontext.h"
#include "rom/romimage.h"
#include "text/dialoguestorage.h"
#include "worldmap/mapblockssave.h"

#include <QCoreApplication>

namespace tessel {

namespace {

const char* const kForeignDataChanged = QT_TRANSLATE_NOOP(
    "ExpansionAreaPart", "The save would have changed data of other tools past the 3 MB image.\nNothing was saved.");

}  // namespace

std::vector<AddressRange> ExpansionAreaPart::ownData(RomImage& rom)
{
    std::vector<AddressRange> owned = RelocatedDialogueRanges(rom, rom::kExpansionStart);
    for (const AddressRange& block : MapBlocksSave::storedBlocks(rom))
        if (block.start >= rom::kExpansionStart)
            owned.push_back(block);
    return owned;
}

void ExpansionAreaPart::load(RomImage& rom)
{
    area_ = ExpansionArea::scan(rom.data(), ownData(rom));
}

void ExpansionAreaPart::beginSave(SaveContext& save)
{
    save.original = save.rom.data();
    save.expansion = ExpansionArea::scan(save.original, ownData(save.rom));
    save.space = save.expansion.freeSpace();
}

bool ExpansionAreaPart::encode(SaveContext& save)
{
    // Tessel's own bytes as the file holds them now are released; every
    // part places its data anew, and other tools' bytes stay where they are.
    for (const AddressRange& range : save.expansion.ownedRanges()) {
        save.rom.SeekSnes(range.start);
        save.rom.writeFill(0, range.size());
    }
    return true;
}

bool ExpansionAreaPart::finishEncode(SaveContext& save)
{
    // Grow the file to the next 1 MB of address space past the data. What
    // lies past the data is zero already (released bytes were cleared) or
    // foreign, so only bytes past the file's end are written.
    const SnesAddress end = save.space.dataEnd();
    if (end > rom::kExpansionStart && end % 0x100000 != 0) {
        const qint64 padded = rom::fileOffset((end / 0x100000 + 1) * 0x100000);
        if (save.rom.length() < padded) {
            save.rom.seekOffset(save.rom.length());
            save.rom.writeFill(0, padded - save.rom.length());
        }
    }
    if (!save.expansion.foreignBytesKept(save.original, save.rom.data()))
        return save.refuse(QCoreApplication::translate("ExpansionAreaPart", kForeignDataChanged));
    return true;
}

std::vector<PartField> ExpansionAreaPart::fields() const
{
    const RecordRef ref = RecordRef::address(rom::kExpansionStart);
    return {
        {ref, 0, QCoreApplication::translate("ExpansionAreaPart", "Bytes of other tools"),
         QString::number(area_.foreignBytes())},
        {ref, 1, QCoreApplication::translate("ExpansionAreaPart", "Bytes of Tessel"),
         QString::number(area_.ownBytes())},
        {ref, 2, QCoreApplication::translate("ExpansionAreaPart", "Free bytes"), QString::number(area_.freeBytes())}};
}

}  // namespace tessel
