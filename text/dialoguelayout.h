#pragma once

#include "rom/romaddress.h"

#include <QString>

#include <optional>
#include <vector>

namespace tessel {

// Where the relocated layout puts each message: one 16-bit pointer per
// message, the word after them (where the last message ends), and the
// groups that give the bank of each run of messages.
struct DialogueGroup {
    quint16 bound;  // first message number after the group
    quint8 bank;
};

struct DialogueLayout {
    std::vector<quint16> pointers;
    quint16 endPointer = 0;             // written after the pointers
    std::vector<quint8> banks;          // the bank of each message
    std::vector<DialogueGroup> groups;  // the last one has bound 0xFFFF
    // End of the text placed in the overflow banks; 0 when all of it fits
    // the game's text area.
    SnesAddress overflowEnd = 0;

    bool overflowed() const { return overflowEnd != 0; }
    SnesAddress address(std::size_t message) const
    {
        return rom::inBank(banks[message], pointers[message]);
    }
};

// Lays out messages of the given lengths (0 = empty) in number order: the
// game's text area first, bank by bank, then the overflow banks in the
// order given. A message never straddles a bank, and the text never passes
// the end of the text area. An empty last message still takes one byte,
// for a 0x00 that the game can show. Fails with a reason when the text
// does not fit, a message is too long, or the group table would overflow.
std::optional<DialogueLayout> layOutDialogue(const std::vector<quint32>& lengths,
                                             const std::vector<quint8>& overflowBanks, QString* reason);

}  // namespace tessel
