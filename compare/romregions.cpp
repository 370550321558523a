#include "compare/romregions.h"

#include "document/cff3doc.h"
#include "document/parts/worldmappart.h"
#include "events/eventlister.h"
#include "records/recordaddresses.h"
#include "rom/editorflags.h"
#include "rom/expansionarea.h"
#include "text/dialogueaddresses.h"
#include "text/gamefonts.h"
#include "worldmap/worldmapaddresses.h"

#include <algorithm>
#include <limits>

namespace tessel {

namespace romregions {

namespace {

constexpr SnesAddress kInternalHeaderStart = 0xC0FFB0;
constexpr SnesAddress kInternalHeaderEnd = 0xC10000;

void addAddresses(std::vector<FileRange>& out, SnesAddress start, qint64 size)
{
    if (size > 0)
        out.push_back({rom::fileOffset(start), rom::fileOffset(start) + size});
}

quint32 wordAt(const QByteArray& file, qint64 offset)
{
    if (offset < 0 || offset + 2 > file.size())
        return 0;
    return quint8(file[offset]) | (quint32(quint8(file[offset + 1])) << 8);
}

quint32 pointerAt(const QByteArray& file, SnesAddress location)
{
    const qint64 offset = rom::fileOffset(location);
    if (offset < 0 || offset + 3 > file.size())
        return 0;
    return wordAt(file, offset) | (quint32(quint8(file[offset + 2])) << 16);
}

void addRecordTables(std::vector<FileRange>& out)
{
    using namespace records;
    addAddresses(out, kItemNamesAddress, kItemCount * kItemNameWidth);
    addAddresses(out, kItemRecordsAddress, kItemCount * kItemRecordSize);
    addAddresses(out, kShopsAddress, kShopTableSize);
    addAddresses(out, kEsperNamesAddress, kEsperCount * kEsperNameWidth);
    addAddresses(out, kEsperRecordsAddress, kEsperCount * kEsperRecordSize);
    addAddresses(out, kMagicRecordsAddress, kMagicCount * kMagicRecordSize);
    for (const MagicNameRun& run : kMagicNameRuns)
        addAddresses(out, run.address, run.count * run.width);
    addAddresses(out, kCharacterRecordsAddress, kCharacterCount * kCharacterRecordSize);
    addAddresses(out, kCharacterNamesAddress, kCharacterCount * kCharacterNameWidth);
    addAddresses(out, kMonsterStatsAddress, kMonsterCount * kMonsterStatsSize);
    addAddresses(out, kMonsterNamesAddress, kMonsterCount * kMonsterNameWidth);
    addAddresses(out, kMonsterAttackNamesAddress, kMonsterCount * kMonsterNameWidth);
    addAddresses(out, kMonsterItemsAddress, kMonsterCount * kMonsterItemsSize);
    addAddresses(out, kFormationRecordsAddress, kFormationCount * kFormationRecordSize);
    addAddresses(out, kFormationExtrasAddress, kFormationCount * kFormationExtraSize);
}

void addDialogue(std::vector<FileRange>& out)
{
    using namespace dialogue;
    addAddresses(out, kMarkerAddress, qint64(kMessageAddressRoutine.size()));
    addAddresses(out, kGroupTableAddress, kMaxGroupEntries * kGroupEntrySize + 2);
    addAddresses(out, kBankSplitAddress, 2 + 2 * kPointerTableRoom);
    addAddresses(out, kTextAreaStart, kTextAreaSize);
}

void addFonts(std::vector<FileRange>& out)
{
    addAddresses(out, GameFonts::kDialogueWidthsAddress, 128);
    addAddresses(out, GameFonts::kDialogueGlyphsAddress, 128 * GameFonts::kDialogueGlyphSize);
    addAddresses(out, GameFonts::kMenuGlyphsAddress, 128 * GameFonts::kMenuGlyphSize);
}

// A map's blocks where its pointers say they lie (in their rooms within the
// image; past it, Tessel's own ranges hold them), its palette, tile
// properties, trigger tables and the pointers themselves.
void addWorldMaps(std::vector<FileRange>& out, const QByteArray& file)
{
    using namespace worldmap;
    auto addBlock = [&](PointerLocations pointers, quint32 room) {
        for (SnesAddress location : {pointers.first, pointers.second})
            if (location)
                addAddresses(out, location, 3);
        const SnesAddress block = pointerAt(file, pointers.first);
        if (block >= rom::kImageStart && block < rom::kExpansionStart)
            addAddresses(out, block, std::min<qint64>(room, rom::kExpansionStart - block));
    };
    auto addTriggers = [&](SnesAddress index, SnesAddress base) {
        const quint32 first = wordAt(file, rom::fileOffset(index));
        const quint32 end = wordAt(file, rom::fileOffset(index) + 2);
        addAddresses(out, index, 4);
        if (end > first)
            addAddresses(out, base + first, end - first);
    };
    for (const MapLayout* layout : kLayouts) {
        addBlock(layout->tileMapPointers, layout->tileMapRoom);
        addBlock(layout->summaryPointers, layout->summaryRoom);
        addBlock(layout->graphicsPointers, layout->graphicsRoom);
        addAddresses(out, layout->paletteAddress, kPaletteSize);
        addAddresses(out, layout->propertiesAddress, kPropertiesSize);
        addTriggers(layout->entranceIndexAddress, kEntranceTriggerBase);
        addTriggers(layout->eventIndexAddress, kEventTriggerBase);
    }
}

}  // namespace

void merge(std::vector<FileRange>& ranges)
{
    std::sort(ranges.begin(), ranges.end(), [](const FileRange& a, const FileRange& b) { return a.start < b.start; });
    std::vector<FileRange> merged;
    for (const FileRange& r : ranges) {
        if (r.end <= r.start)
            continue;
        if (!merged.empty() && r.start <= merged.back().end)
            merged.back().end = std::max(merged.back().end, r.end);
        else
            merged.push_back(r);
    }
    ranges = std::move(merged);
}

std::vector<FileRange> decodedRanges(const CFF3Doc& doc, const QByteArray& file)
{
    std::vector<FileRange> out;
    addRecordTables(out);
    addDialogue(out);
    addFonts(out);
    addWorldMaps(out, file);
    addAddresses(out, events::kScriptAreaStart, events::kScriptAreaEnd - events::kScriptAreaStart);
    for (const AddressRange& own : doc.expansionArea().ownedRanges())
        addAddresses(out, own.start, own.size());
    merge(out);
    return out;
}

QString regionAt(qint64 offset, qint64* regionEnd)
{
    struct Region {
        qint64 start;
        qint64 end;
        const char* name;
    };
    static const Region kRegions[] = {
        {0, EditorFlags::kFileOffset, "header"},
        {EditorFlags::kFileOffset, EditorFlags::kFileOffset + EditorFlags::kSize, "editor flags"},
        {EditorFlags::kFileOffset + EditorFlags::kSize, rom::kHeaderSize, "header"},
        {rom::fileOffset(kInternalHeaderStart), rom::fileOffset(kInternalHeaderEnd), "internal header"},
        {rom::fileOffset(rom::kExpansionStart), std::numeric_limits<qint64>::max(), "expansion area"},
    };
    qint64 next = std::numeric_limits<qint64>::max();
    for (const Region& r : kRegions) {
        if (offset >= r.start && offset < r.end) {
            *regionEnd = r.end;
            return QString::fromLatin1(r.name);
        }
        if (r.start > offset)
            next = std::min(next, r.start);
    }
    *regionEnd = next;
    return QStringLiteral("unknown");
}

}  // namespace romregions

}  // namespace tessel
