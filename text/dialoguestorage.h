#pragma once

#include "rom/addressrange.h"

#include <QByteArray>
#include <QString>

#include <vector>

namespace tessel {

class RomImage;
class FreeSpace;
struct EditorFlags;

// One dialogue message: its bytes in the dialogue encoding including the
// closing 0x00; empty messages have no bytes at all.
struct DialogueMessage {
    QByteArray bytes;
    quint32 length() const { return quint32(bytes.size()); }
    bool isEmpty() const { return bytes.isEmpty(); }
};

// The game's dialogue as the document holds it. `loaded` is false when the
// ROM's layout marker was not recognised: then a save leaves the dialogue
// area exactly as it was.
struct DialogueList {
    std::vector<DialogueMessage> messages;
    bool loaded = false;
};

// Reads the messages in whichever layout the marker byte names.
void LoadDialogue(RomImage& rom, DialogueList& dialogue);

// Reads the messages in the game's own layout, whatever the marker says.
void LoadGameLayoutDialogue(RomImage& rom, DialogueList& dialogue);

// Where the messages of a relocated dialogue lie at or above `from`, each
// through its closing 0x00; none when the ROM has another layout.
std::vector<AddressRange> RelocatedDialogueRanges(RomImage& rom, SnesAddress from);

// Writes the messages in the relocated layout with the message-address
// routine. Text past the game's area continues in the wholly free banks of
// `space`, which it takes. Returns false with a reason, having written
// nothing, when the text cannot be placed.
bool SaveDialogue(RomImage& rom, const DialogueList& dialogue, FreeSpace& space, EditorFlags& flags,
                  QString* reason);

}  // namespace tessel
