#include "text/dialoguespace.h"

#include "rom/romaddress.h"
#include "text/dialogueaddresses.h"
#include "text/dialoguelayout.h"

namespace tessel {

DialogueSpace MeasureDialogueSpace(const DialogueList& dialogue)
{
    DialogueSpace space;
    space.textAreaBytes = dialogue::kTextAreaLimit;
    std::vector<quint32> lengths;
    lengths.reserve(dialogue.messages.size());
    for (const DialogueMessage& message : dialogue.messages) {
        lengths.push_back(message.length());
        space.bytes += message.length();
    }
    // Laid out as a save lays it out when no other tool's data lies past
    // the image: overflow from $F0:0000 on, bank after bank.
    std::vector<quint8> overflowBanks;
    for (SnesAddress bank = rom::kExpansionStart; bank < rom::kAddressLimit; bank += 0x10000)
        overflowBanks.push_back(quint8(bank >> 16));
    const std::optional<DialogueLayout> layout = layOutDialogue(lengths, overflowBanks, &space.reason);
    space.placeable = layout.has_value();
    if (layout && layout->overflowed())
        space.pastExpansion = layout->overflowEnd - rom::kExpansionStart;
    return space;
}

}  // namespace tessel
