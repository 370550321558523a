#include "text/dialoguestorage.h"

#include "rom/editorflags.h"
#include "rom/freespace.h"
#include "rom/romimage.h"
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
        dialogue.messages[std::size_t(i)].bytes = std::move(bytes);
    }
    dialogue.loaded = true;
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
    // The expansion area is laid out afresh at every save, overflowing text
    // first: moved world-map blocks are appended behind it afterwards.
    const std::optional<DialogueLayout> layout = layOutDialogue(lengths, quint8(rom::kExpansionStart >> 16), reason);
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
