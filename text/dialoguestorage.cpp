#include "text/dialoguestorage.h"

#include "rom/editorflags.h"
#include "rom/freespace.h"
#include "rom/romimage.h"
#include "text/dialogueaddresses.h"
#include "text/dialoguelayout.h"
#include "text/dialoguemessagereader.h"

#include <QCoreApplication>

namespace tessel {

using namespace dialogue;

namespace {

std::vector<quint16> readWords(RomImage& rom, SnesAddress address, int count)
{
    std::vector<quint16> words(std::size_t(qMax(count, 0)));
    rom.SeekSnes(address);
    for (quint16& word : words)
        word = rom.readWord();
    return words;
}

SnesAddress bankEnd(SnesAddress address)
{
    return (address & 0xFF0000) + kBankSize;
}

// Where reading a message of the game's layout stops: the next message's
// start when that lies above it, else the end of the text area (or of the
// bank, for a message that starts past the area).
SnesAddress gameLayoutLimit(SnesAddress start, SnesAddress next)
{
    if (next > start)
        return next;
    return start < kTextAreaEnd ? kTextAreaEnd : bankEnd(start);
}

// The same for the relocated layout, whose saves never let a message cross
// a bank: the next message's start when it lies above it in the same bank,
// else the end of the bank.
SnesAddress relocatedLimit(SnesAddress start, SnesAddress next)
{
    return (next > start && (next >> 16) == (start >> 16)) ? next : bankEnd(start);
}

// The tables of the relocated layout: where each message starts, and the
// pointers (one more than there are messages) that tell empty ones.
struct RelocatedTables {
    std::vector<quint16> pointers;
    std::vector<SnesAddress> starts;

    std::size_t count() const { return starts.size(); }
    bool isEmpty(std::size_t i) const { return pointers[i] == pointers[i + 1]; }
    SnesAddress limit(std::size_t i) const
    {
        return i + 1 == count() ? bankEnd(starts[i]) : relocatedLimit(starts[i], starts[i + 1]);
    }
};

std::optional<RelocatedTables> readRelocatedTables(RomImage& rom)
{
    std::vector<DialogueGroup> groups;
    rom.SeekSnes(kGroupTableAddress);
    while (true) {
        if (groups.size() == std::size_t(kMaxGroupEntries))
            return std::nullopt;  // no closing entry where there must be one: not our layout
        const quint16 bound = rom.readWord();
        const quint8 bank = rom.readByte();
        groups.push_back({bound, bank});
        if (bound == kLastGroupBound)
            break;
    }
    const int count = rom.readWord();
    if (count > kMaxMessageCount)
        return std::nullopt;
    RelocatedTables tables;
    // The word after the last pointer tells whether the last message is empty.
    tables.pointers = readWords(rom, kPointerTableAddress, count + 1);
    tables.starts.resize(std::size_t(count));
    std::size_t group = 0;
    for (int i = 0; i < count; ++i) {
        while (i >= groups[group].bound)
            ++group;
        tables.starts[std::size_t(i)] = rom::inBank(groups[group].bank, tables.pointers[std::size_t(i)]);
    }
    return tables;
}

void loadRelocated(RomImage& rom, DialogueList& dialogue)
{
    const std::optional<RelocatedTables> tables = readRelocatedTables(rom);
    if (!tables)
        return;
    dialogue.messages.resize(tables->count());
    for (std::size_t i = 0; i < tables->count(); ++i)
        if (!tables->isEmpty(i))
            dialogue.messages[i].bytes = readDialogueMessage(rom, tables->starts[i], tables->limit(i));
    dialogue.loaded = true;
}

bool isRelocated(RomImage& rom)
{
    rom.SeekSnes(kMarkerAddress);
    return rom.readByte() == kRelocatedMarker;
}

// A message that a save could not read back as it is.
std::optional<std::size_t> firstBrokenMessage(const DialogueList& dialogue)
{
    for (std::size_t i = 0; i < dialogue.messages.size(); ++i) {
        const QByteArray& bytes = dialogue.messages[i].bytes;
        if (!bytes.isEmpty() && !isWholeDialogueMessage(bytes))
            return i;
    }
    return std::nullopt;
}

}  // namespace

void LoadGameLayoutDialogue(RomImage& rom, DialogueList& dialogue)
{
    dialogue = {};
    rom.SeekSnes(kBankSplitAddress);
    const quint16 split = rom.readWord();
    const std::vector<quint16> pointers = readWords(rom, kPointerTableAddress, kGameMessageCount + 1);
    auto start = [&](int i) {
        return kTextAreaStart + pointers[std::size_t(i)] + (i >= split ? kBankSize : 0);
    };
    dialogue.messages.resize(kGameMessageCount);
    for (int i = 0; i < kGameMessageCount; ++i) {
        const SnesAddress from = start(i);
        const SnesAddress next = start(i + 1);
        if (from == next)
            continue;
        dialogue.messages[std::size_t(i)].bytes = readDialogueMessage(rom, from, gameLayoutLimit(from, next));
    }
    dialogue.loaded = true;
}

std::vector<AddressRange> RelocatedDialogueRanges(RomImage& rom, SnesAddress from)
{
    std::vector<AddressRange> ranges;
    const std::optional<RelocatedTables> tables = isRelocated(rom) ? readRelocatedTables(rom) : std::nullopt;
    if (!tables)
        return ranges;
    for (std::size_t i = 0; i < tables->count(); ++i) {
        const SnesAddress start = tables->starts[i];
        if (start >= from && !tables->isEmpty(i))
            ranges.push_back({start, start + quint32(readDialogueMessage(rom, start, tables->limit(i)).size())});
    }
    return ranges;
}

void LoadDialogue(RomImage& rom, DialogueList& dialogue)
{
    dialogue = {};
    rom.SeekSnes(kMarkerAddress);
    const quint8 marker = rom.readByte();
    if (marker == kGameLayoutMarker)
        LoadGameLayoutDialogue(rom, dialogue);
    else if (marker == kRelocatedMarker)
        loadRelocated(rom, dialogue);
}

bool SaveDialogue(RomImage& rom, const DialogueList& dialogue, FreeSpace& space, EditorFlags& flags,
                  QString* reason)
{
    if (const std::optional<std::size_t> broken = firstBrokenMessage(dialogue)) {
        *reason = QCoreApplication::translate(
                      "DialogueStorage", "Dialogue message %1 does not end with its closing code; it cannot be saved.")
                      .arg(QStringLiteral("%1").arg(*broken, 4, 16, QLatin1Char('0')).toUpper());
        return false;
    }
    std::vector<quint32> lengths;
    lengths.reserve(dialogue.messages.size());
    for (const DialogueMessage& message : dialogue.messages)
        lengths.push_back(message.length());
    const std::optional<DialogueLayout> layout = layOutDialogue(lengths, space.wholeFreeBanks(), reason);
    if (!layout)
        return false;

    rom.SeekSnes(kTextAreaStart);
    rom.writeFill(0xFF, kTextAreaSize);
    rom.SeekSnes(kPointerTableAddress);
    for (quint16 pointer : layout->pointers)
        rom.writeWord(pointer);
    if (!lengths.empty())
        rom.writeWord(layout->endPointer);

    const std::size_t count = dialogue.messages.size();
    for (std::size_t i = 0; i < count; ++i) {
        const bool last = i + 1 == count;
        if (dialogue.messages[i].isEmpty() && !last)
            continue;
        rom.SeekSnes(layout->address(i));
        if (dialogue.messages[i].isEmpty())
            rom.writeByte(0x00);  // an empty last message shows nothing in the game
        else
            rom.write(dialogue.messages[i].bytes);
    }
    // Text past the game's area takes its banks: whole ones, and the last
    // up to the text's end.
    for (const DialogueGroup& group : layout->groups) {
        const SnesAddress bank = rom::inBank(group.bank, 0);
        if (bank >= rom::kExpansionStart)
            space.take({bank, (layout->overflowEnd >> 16) == group.bank ? layout->overflowEnd : bank + kBankSize});
    }

    rom.SeekSnes(kGroupTableAddress);
    for (const DialogueGroup& group : layout->groups) {
        rom.writeWord(group.bound);
        rom.writeByte(group.bank);
    }
    rom.writeWord(quint16(count));

    rom.SeekSnes(kMarkerAddress);
    rom.write(kMessageAddressRoutine);
    flags.markRoutineInstalled();
    return true;
}

}  // namespace tessel
