#include "text/dialoguespace.h"

#include "rom/romaddress.h"
#include "text/dialogueaddresses.h"
#include "text/dialoguelayout.h"

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
    // Laid out exactly as a save lays it out.
    const std::optional<DialogueLayout> layout = layOutDialogue(lengths, quint8(rom::kExpansionStart >> 16), &space.reason);
    space.placeable = layout.has_value();
    if (layout && layout->overflowed())
        space.pastExpansion = layout->overflowEnd - rom::kExpansionStart;
    return space;
}
