#include "text/dialoguestorage.h"

#include "document/editorflags.h"
#include "document/freespace.h"
#include "document/romimage.h"
#include "text/dialogueaddresses.h"
#include "text/dialoguelayout.h"
#include "text/dialoguemessagereader.h"

#include <algorithm>

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

// The limit for reading a message: the next message's start when that lies
// after it in the same bank.
SnesAddress readLimit(SnesAddress start, SnesAddress next)
{
    return (next > start && (next >> 16) == (start >> 16)) ? next : 0;
}

void loadRelocated(RomImage& rom, DialogueList& dialogue)
{
    std::vector<DialogueGroup> groups;
    rom.SeekSnes(kGroupTableAddress);
    while (true) {
        if (groups.size() == std::size_t(kMaxGroupEntries))
            return;  // no closing entry where there must be one: not our layout
        const quint16 bound = rom.readWord();
        const quint8 bank = rom.readByte();
        groups.push_back({bound, bank});
        if (bound == kLastGroupBound)
            break;
    }
    const int count = rom.readWord();
    if (count > kMaxMessageCount)
        return;
    const std::vector<quint16> pointers = readWords(rom, kPointerTableAddress, count);

    std::vector<SnesAddress> starts(std::size_t(count), 0);
    std::size_t group = 0;
    for (int i = 0; i < count; ++i) {
        while (i >= groups[group].bound)
            ++group;
        starts[std::size_t(i)] = rom::inBank(groups[group].bank, pointers[std::size_t(i)]);
    }

    dialogue.messages.resize(std::size_t(count));
    for (int i = 0; i < count; ++i) {
        const bool last = i + 1 == count;
        if (!last && pointers[std::size_t(i)] == pointers[std::size_t(i) + 1])
            continue;
        const SnesAddress start = starts[std::size_t(i)];
        QByteArray bytes = readDialogueMessage(rom, start, last ? 0 : readLimit(start, starts[std::size_t(i) + 1]));
        // An empty last message is saved as a lone 0x00.
        if (last && bytes.size() == 1)
            continue;
        if (start >= rom::kExpansionStart) {
            const SnesAddress end = start + SnesAddress(bytes.size());
            dialogue.overflowStart = dialogue.overflowStart ? qMin(dialogue.overflowStart, start) : start;
            dialogue.overflowEnd = qMax(dialogue.overflowEnd, end);
        }
        dialogue.messages[std::size_t(i)].bytes = std::move(bytes);
    }
    dialogue.loaded = true;
}

// End of the last nonzero byte in the expansion area outside the given
// range, or the start of the area when there is none.
SnesAddress endOfForeignData(const RomImage& rom, SnesAddress skipStart, SnesAddress skipEnd)
{
    const QByteArray& data = rom.data();
    const qint64 first = rom::fileOffset(rom::kExpansionStart);
    for (qint64 at = data.size() - 1; at >= first; --at) {
        const SnesAddress address = rom::snesAddress(at);
        if (address >= skipStart && address < skipEnd) {
            at = rom::fileOffset(skipStart);  // the loop steps below the range
            continue;
        }
        if (data[at] != 0)
            return address + 1;
    }
    return rom::kExpansionStart;
}

// Lays the messages out so that text overflowing the text area touches
// nothing an earlier save put into the expansion area but its own old text.
std::optional<DialogueLayout> layOutAroundOtherData(const RomImage& rom, const DialogueList& dialogue,
                                                    const std::vector<quint32>& lengths, QString* reason)
{
    const quint8 firstExpansionBank = quint8(rom::kExpansionStart >> 16);
    std::optional<DialogueLayout> layout = layOutDialogue(lengths, firstExpansionBank, reason);
    if (!layout || !layout->overflowed())
        return layout;
    const SnesAddress foreignEnd = endOfForeignData(rom, dialogue.overflowStart, dialogue.overflowEnd);
    if (foreignEnd == rom::kExpansionStart)
        return layout;  // nothing but earlier dialogue text out there
    // Other data lies out there (world-map blocks of an earlier save): reuse
    // the earlier overflow room when nothing else lies behind it or the text
    // still fits it; otherwise start in the first bank past everything.
    if (dialogue.overflowStart && foreignEnd <= dialogue.overflowStart)
        return layOutDialogue(lengths, quint8(dialogue.overflowStart >> 16), reason);
    if (dialogue.overflowStart) {
        std::optional<DialogueLayout> reuse = layOutDialogue(lengths, quint8(dialogue.overflowStart >> 16), reason);
        if (reuse && reuse->overflowEnd <= dialogue.overflowEnd)
            return reuse;
    }
    const quint32 bank = (foreignEnd + 0xFFFF) >> 16;
    if (bank > 0xFF) {
        *reason = QStringLiteral("The dialogue does not fit below $1000000.");
        return std::nullopt;
    }
    return layOutDialogue(lengths, quint8(bank), reason);
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
        dialogue.messages[std::size_t(i)].bytes = readDialogueMessage(rom, from, readLimit(from, next));
    }
    dialogue.loaded = true;
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
    std::vector<quint32> lengths;
    lengths.reserve(dialogue.messages.size());
    for (const DialogueMessage& message : dialogue.messages)
        lengths.push_back(message.length());
    const std::optional<DialogueLayout> layout = layOutAroundOtherData(rom, dialogue, lengths, reason);
    if (!layout)
        return false;

    rom.SeekSnes(kTextAreaStart);
    rom.writeFill(0xFF, kTextAreaSize);
    rom.SeekSnes(kPointerTableAddress);
    for (quint16 pointer : layout->pointers)
        rom.writeWord(pointer);

    const std::size_t count = dialogue.messages.size();
    for (std::size_t i = 0; i < count; ++i) {
        const bool last = i + 1 == count;
        if (dialogue.messages[i].isEmpty() && !last)
            continue;
        rom.SeekSnes(layout->address(i));
        if (dialogue.messages[i].isEmpty())
            rom.writeByte(0x00);
        else
            rom.write(dialogue.messages[i].bytes);
    }
    if (layout->overflowed())
        space.raiseTo(layout->overflowEnd);

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
