#include "text/dialoguelayout.h"

#include "text/dialogueaddresses.h"

std::optional<DialogueLayout> layOutDialogue(const std::vector<quint32>& lengths, quint8 overflowBank,
                                             QString* reason)
{
    using namespace dialogue;
    DialogueLayout layout;
    const std::size_t count = lengths.size();
    layout.pointers.assign(count, 0);
    layout.banks.assign(count, kFirstTextBank);

    if (count > std::size_t(kMaxMessageCount)) {
        *reason = QStringLiteral("There are %1 dialogue messages; the pointer table holds at most %2.")
                      .arg(count)
                      .arg(kMaxMessageCount);
        return std::nullopt;
    }

    quint32 bank = kFirstTextBank;
    quint32 offset = 0;
    bool inTextArea = true;
    std::optional<quint32> previousPointer;  // of the last message that took room
    std::vector<std::size_t> pendingEmpty;   // empty messages waiting for the next pointer

    for (std::size_t i = 0; i < count; ++i) {
        // The last message takes at least one byte so that an empty one can
        // be read back as a lone 0x00 without a following pointer.
        const quint32 length = (i + 1 == count) ? qMax<quint32>(lengths[i], 1) : lengths[i];
        if (length == 0) {
            pendingEmpty.push_back(i);
            continue;
        }
        if (length > kMaxMessageLength) {
            *reason = QStringLiteral("Dialogue message %1 is %2 bytes long; at most %3 can be saved.")
                          .arg(QStringLiteral("%1").arg(i, 4, 16, QLatin1Char('0')).toUpper())
                          .arg(length)
                          .arg(kMaxMessageLength);
            return std::nullopt;
        }

        quint32 newBank = bank;
        quint32 newOffset = offset;
        if (newOffset + length >= kBankSize) {
            ++newBank;
            newOffset = 0;
        }
        // The text area's end counts from $CD:0000, unused bank tails included.
        if (inTextArea && (newBank - kFirstTextBank) * kBankSize + newOffset + length >= kTextAreaLimit) {
            newBank = overflowBank;
            newOffset = 0;
            inTextArea = false;
        }
        if (newBank != bank) {
            if (layout.groups.size() + 1 >= std::size_t(kMaxGroupEntries)) {
                *reason = QStringLiteral("The dialogue needs more than %1 banks; shorten it to save.")
                              .arg(kMaxGroupEntries);
                return std::nullopt;
            }
            layout.groups.push_back({quint16(i), quint8(bank)});
            // A message alone at the start of its bank must not share its
            // pointer with the next one, or it would read back as empty.
            if (previousPointer == newOffset)
                newOffset = 1;
            bank = newBank;
            offset = newOffset;
        }
        if (bank > 0xFF) {
            *reason = QStringLiteral("The dialogue does not fit below $1000000.");
            return std::nullopt;
        }

        for (std::size_t empty : pendingEmpty)
            layout.pointers[empty] = quint16(offset);
        pendingEmpty.clear();
        layout.pointers[i] = quint16(offset);
        layout.banks[i] = quint8(bank);
        previousPointer = offset;
        offset += length;
        if (!inTextArea)
            layout.overflowEnd = rom::inBank(quint8(bank), 0) + offset;
    }
    layout.groups.push_back({kLastGroupBound, quint8(bank)});

    // Banks of empty messages follow their groups.
    std::size_t group = 0;
    for (std::size_t i = 0; i < count; ++i) {
        while (group + 1 < layout.groups.size() && i >= layout.groups[group].bound)
            ++group;
        layout.banks[i] = layout.groups[group].bank;
    }
    return layout;
}
