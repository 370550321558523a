#pragma once

#include <QtGlobal>

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace tessel {

// The event commands the lister knows: how many operand bytes follow each
// opcode and the text written for it. Two sets: the main script commands
// and the commands inside a character action queue.
namespace events {

// Where a value of a command's text comes from.
enum class Arg {
    B0, B1, B2, B3, B4,          // operand bytes
    Word0, Word1, Word2, Word4,  // little-endian words starting at that operand byte
    Ref0, Ref1, Ref2, Ref3,      // character reference of that operand byte
    Target0, Target1,            // 3-byte script pointer at that operand byte, shown from $CA:0000
    Item0,                       // item name of b0
    Esper0,                      // esper name of b0 (54-80)
    CharacterName1,              // character name of b1
    Low7B1, VehicleB1, ShownB1,  // 0x44: b1 & 0x7F, its vehicle, the shown flag
    BitB0,                       // b0 & 7
    Address1DC9B0,               // 0x1DC9 + (b0 >> 3)
    Address1E80B0,               // 0x1E80 + (b0 >> 3)
    Address1FC2B0,               // 0x1FC2 + 2 * b0
    EventBitAddress,             // 0x1E80 + 0x20 * bank + (b0 >> 3)
    Times15B0,                   // 15 * b0
    ColourComponents, ColourName, ColourIntensity,  // the colour byte b0
    Code, CodeLow6,              // queue commands: the code, code & 0x3F
    BackTarget, ForwardTarget,   // queue branches: the command's address -/+ b0
    DialogueNumber, ShowTextOnly, AtBottom,  // the dialogue word
};

enum class Kind {
    None,                // no operands, no text (the prefix only)
    Text,                // fixed operands and a text
    QueueHeader,         // 0x00-0x34: an action queue follows
    Dialogue,            // text, then the message's plain text on a line of its own
    PartyMember,         // 0x3F: assign to a party or remove
    MapChunk,            // 0x73, 0x74: rows of tiles follow
    IndexedBranch,       // 0xB6: one target per choice of the last message
    TriggerSubroutines,  // 0xBE
    Conditions,          // 0xC0-0xCF
};

struct EventCommand {
    Kind kind = Kind::None;
    int operandBytes = 0;
    std::string text;
    std::vector<Arg> args;
    int eventBank = 0;  // for EventBitAddress
};

const std::array<EventCommand, 256>& mainCommands();
const std::array<EventCommand, 256>& queueCommands();

class ListingWriter;

// The colour components named by the high nibble of a colour byte.
std::string_view colourComponentName(int highNibble);
// The vehicle of command 0x44 (b1 & 0x7F); empty for unknown values.
std::string_view vehicleName(int value);
// One entry of 0xBE: the fixed text chosen by V >> 20 with its target.
void writeTriggerEntry(ListingWriter& out, int side, quint32 target);

}  // namespace events

}  // namespace tessel
