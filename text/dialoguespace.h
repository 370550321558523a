#pragma once

#include "text/dialoguestorage.h"

#include <QString>

namespace tessel {

// How much room the messages take, as the next save would lay them out.
struct DialogueSpace {
    quint64 bytes = 0;           // every message's bytes, closing 0x00 included
    quint32 textAreaBytes = 0;   // what the game's own text area holds
    quint32 pastExpansion = 0;   // bytes a save would place from $F0:0000 on
    bool placeable = true;       // false: a save would refuse the text
    QString reason;              // why not, when not placeable
};

DialogueSpace MeasureDialogueSpace(const DialogueList& dialogue);

}  // namespace tessel
