#include "events/eventcommandtable.h"

#include "events/listingwriter.h"

namespace tessel {

namespace events {

namespace {

using enum Arg;

struct Row {
    int opcode;
    int operandBytes;
    const char* text;
    std::vector<Arg> args;
    Kind kind = Kind::Text;
};

// Main commands with a text. Opcodes missing here (and 0xFF) have none.
const std::vector<Row>& mainRows()
{
    static const std::vector<Row> rows = {
        {0x35, 1, "Command $35, $%02X", {B0}},
        {0x36, 1, "Command $36, $%02X", {B0}},
        {0x37, 2, "Assign graphics $%02X to object $%02X (%s)", {B1, B0, Ref0}},
        {0x38, 0, "Hold screen", {}},
        {0x39, 0, "Free screen", {}},
        {0x3A, 0, "Command $3A", {}},
        {0x3B, 0, "Position character in a \"ready-to-go\" stance", {}},
        {0x3C, 4, "Add the following characters to the party: $%02X (%s), $%02X (%s), $%02X (%s), $%02X (%s)",
         {B0, Ref0, B1, Ref1, B2, Ref2, B3, Ref3}},
        {0x3D, 1, "Create object $%02X", {B0}},
        {0x3E, 1, "Delete object $%02X", {B0}},
        {0x3F, 2, "", {}, Kind::PartyMember},
        {0x40, 2, "Assign properties $%02X to character $%02X (%s)", {B1, B0, Ref0}},
        {0x41, 1, "Show object $%02X", {B0}},
        {0x42, 1, "Hide object $%02X", {B0}},
        {0x43, 2, "Assign palette $%02X to character $%02X (%s)", {B1, B0, Ref0}},
        {0x44, 2, "Place character $%02X (%s) on vehicle $%02X (%s)%s", {B0, Ref0, Low7B1, VehicleB1, ShownB1}},
        {0x45, 0, "Refresh objects", {}},
        {0x46, 1, "Make party %d the current party", {B0}},
        {0x47, 0, "Command $47", {}},
        {0x48, 2, "Display dialogue message $%04X, continue executing commands%s%s",
         {DialogueNumber, ShowTextOnly, AtBottom}, Kind::Dialogue},
        {0x49, 0, "If dialogue window is up, wait for keypress then dismiss", {}},
        {0x4A, 0, "Command $4A", {}},
        {0x4B, 2, "Display dialogue message $%04X, wait for button press%s%s",
         {DialogueNumber, ShowTextOnly, AtBottom}, Kind::Dialogue},
        {0x4C, 2, "Command $4C, $%02X, $%02X", {B0, B1}},
        {0x4D, 2, "Invoke battle, enemy set $%02X, background $%02X", {B0, B1}},
        {0x4E, 0, "Command $4E", {}},
        {0x4F, 0, "Exit the current location", {}},
        {0x50, 1, "Tint screen (cumulative) with color $%02X", {B0}},
        {0x51, 3, "Command $51, %02X, %02X, %02X", {B0, B1, B2}},
        {0x52, 1, "Tint characters (cumulative) with color $%02X", {B0}},
        {0x53, 3, "Command $53, %02X, %02X, %02X", {B0, B1, B2}},
        {0x54, 0, "Command $54", {}},
        {0x55, 1, "Flash screen with color component(s) %d (%s), at intensity %d",
         {ColourComponents, ColourName, ColourIntensity}},
        {0x56, 1, "Increase color component(s) %d (%s), at intensity %d",
         {ColourComponents, ColourName, ColourIntensity}},
        {0x57, 1, "Decrease color component(s) %d (%s), at intensity %d",
         {ColourComponents, ColourName, ColourIntensity}},
        {0x58, 1, "Shake screen ($%02X)", {B0}},
        {0x59, 1, "Unfade screen at speed $%02X", {B0}},
        {0x5A, 1, "Fade screen at speed $%02X", {B0}},
        {0x5B, 0, "Command $5B", {}},
        {0x5C, 0, "Command $5C", {}},
        {0x5D, 2, "Scroll BG0, speed %d x %d", {B0, B1}},
        {0x5E, 2, "Scroll BG1, speed %d x %d", {B0, B1}},
        {0x5F, 2, "Scroll BG2, speed %d x %d", {B0, B1}},
        {0x60, 2, "Command $60, $%02X, $%02X", {B0, B1}},
        {0x61, 3, "Command $61, $%02X, $%02X, $%02X", {B0, B1, B2}},
        {0x62, 1, "Mosaic screen, speed %d", {B0}},
        {0x63, 1, "Command $63, $%02X", {B0}},
        {0x64, 2, "Command $64, $%02X, $%02X", {B0, B1}},
        {0x65, 2, "Command $65, $%02X, $%02X", {B0, B1}},
        {0x6A, 5, "Load map $%04X (%d, %d), flags $%02X", {Word0, B2, B3, B4}},
        {0x6B, 5, "Load map $%04X (%d, %d), flags $%02X", {Word0, B2, B3, B4}},
        {0x6C, 6, "Command $6C, $%04X, $%04X, $%04X", {Word0, Word2, Word4}},
        {0x70, 2, "Scroll BG0 (%d, %d)", {B0, B1}},
        {0x71, 2, "Scroll BG1 (%d, %d)", {B0, B1}},
        {0x72, 2, "Scroll BG2 (%d, %d)", {B0, B1}},
        {0x73, 4, "Replace current map's BG0 at (%d, %d) with the following (%d x %d) chunk, refresh immediately",
         {B0, B1, B3, B2}, Kind::MapChunk},
        {0x74, 4, "Replace current map's BG0 at (%d, %d) with the following (%d x %d) chunk",
         {B0, B1, B3, B2}, Kind::MapChunk},
        {0x75, 0, "Refresh map after alteration", {}},
        {0x77, 1, "Command $77, $%02X", {B0}},
        {0x78, 1, "Command $78, $%02X", {B0}},
        {0x79, 3, "Command $79, $%02X, $%02X, $%02X", {B0, B1, B2}},
        {0x7A, 4, "Command $7A, $%02X, $%02X, $%02X, $%02X", {B0, B1, B2, B3}},
        {0x7B, 0, "Command $7B", {}},
        {0x7C, 1, "Command $7C, $%02X", {B0}},
        {0x7D, 1, "Command $7D, $%02X", {B0}},
        {0x7E, 2, "Move characters to (%d, %d)", {B0, B1}},
        {0x7F, 2, "Change character $%02X's name to $%02X (%s)", {B0, B1, CharacterName1}},
        {0x80, 1, "Add item $%02X (%s) to inventory", {B0, Item0}},
        {0x81, 1, "Remove item $%02X (%s) from inventory", {B0, Item0}},
        {0x82, 0, "Command $82", {}},
        {0x84, 2, "Give %d GP to party", {Word0}},
        {0x85, 2, "Take %d GP from party", {Word0}},
        {0x86, 1, "Give esper $%02X (%s) to party", {B0, Esper0}},
        {0x87, 1, "Take esper $%02X (%s) from party", {B0, Esper0}},
        {0x88, 3, "Remove the following status ailments from character $%02X (%s): $%02X, $%02X", {B0, Ref0, B1, B2}},
        {0x89, 3, "Inflict the following status ailments on character $%02X (%s): $%02X, $%02X", {B0, Ref0, B1, B2}},
        {0x8A, 3, "Toggle the following status ailments for character $%02X (%s): $%02X, $%02X", {B0, Ref0, B1, B2}},
        {0x8B, 2, "Command $8B, $%02X, $%02X", {B0, B1}},
        {0x8C, 2, "Command $8C, $%02X, $%02X", {B0, B1}},
        {0x8D, 1, "Remove all equipment from character $%02X (%s)", {B0, Ref0}},
        {0x8E, 0, "Command $8E", {}},
        {0x8F, 0, "Command $8F", {}},
        {0x90, 0, "Command $90", {}},
        {0x91, 0, "Pause for 15 units", {}},
        {0x92, 0, "Pause for 30 units", {}},
        {0x93, 0, "Pause for 45 units", {}},
        {0x94, 0, "Pause for 60 units", {}},
        {0x95, 0, "Pause for 120 units", {}},
        {0x96, 0, "Restore screen from fade", {}},
        {0x97, 0, "Fade screen to black", {}},
        {0x98, 1, "Invoke name change screen for character $%02X (%s)", {B0, Ref0}},
        {0x99, 3, "Invoke party selection screen (%d groups) ($%02X, $%02X)", {B0, B1, B2}},
        {0x9A, 0, "Invoke Coliseum item selection screen", {}},
        {0x9B, 1, "Invoke shop $%02X", {B0}},
        {0x9C, 1, "Command $9C, $%02X", {B0}},
        {0x9D, 0, "Invoke party fighting order screen (from final battle)", {}},
        {0xA0, 5, "Command $A0, $%02X, $%02X, $%02X, $%02X, $%02X", {B0, B1, B2, B3, B4}},
        {0xA1, 1, "Command $A1, $%02X", {B0}},
        {0xA2, 0, "Command $A2", {}},
        {0xA6, 0, "Command $A6", {}},
        {0xA7, 1, "Command $A7, $%02X", {B0}},
        {0xA8, 0, "Show floating island soaring into the sky", {}},
        {0xA9, 0, "Show title screen", {}},
        {0xAA, 0, "Show intro with Magitek Armor walking through snowfields", {}},
        {0xAB, 0, "Invoke game loading screen", {}},
        {0xAC, 0, "Command $AC", {}},
        {0xAD, 0, "Show world getting torn apart", {}},
        {0xAE, 0, "Show train car ride out of Magitek Factory", {}},
        {0xAF, 0, "Invoke random Coliseum battle", {}},
        {0xB0, 1, "Execute the following commands until $B1 %d times", {B0}},
        {0xB1, 0, "End block of repeating commands", {}},
        {0xB2, 3, "Jump to subroutine $%06X", {Target0}},
        {0xB3, 4, "Command $B3 ($%02X, $%06X)", {B0, Target1}},
        {0xB4, 1, "Pause for %d units", {B0}},
        {0xB5, 1, "Pause for 15 * %d (%d) units", {B0, Times15B0}},
        {0xB6, 0, "Indexed branch based on prior dialogue selection", {}, Kind::IndexedBranch},
        {0xB7, 4, "If bit $1DC9($%02X) [$%04X, bit %d] is clear, branch to $%06X", {B0, Address1DC9B0, BitB0, Target1}},
        {0xB8, 1, "Set bit $1DC9($%02X) [$%04X, bit %d]", {B0, Address1DC9B0, BitB0}},
        {0xB9, 1, "Clear bit $1DC9($%02X) [$%04X, bit %d]", {B0, Address1DC9B0, BitB0}},
        {0xBA, 1, "Command $BA, $%02X", {B0}},
        {0xBB, 0, "Command $BB", {}},
        {0xBC, 2, "If bit $1E80($%02X) [$%04X, bit %d] is clear, return ($%02X)", {B0, Address1E80B0, BitB0, B1}},
        {0xBD, 3, "Increment $1F6D and branch to $%06X if $C0FD00 + ($1F6D) >= $80", {Target0}},
        {0xBE, 1, "", {}, Kind::TriggerSubroutines},
        {0xBF, 0, "Show airship scene from ending", {}},
        {0xDE, 0, "Command $DE", {}},
        {0xDF, 0, "Command $DF", {}},
        {0xE0, 0, "Command $E0", {}},
        {0xE1, 0, "Command $E1", {}},
        {0xE2, 0, "Command $E2", {}},
        {0xE3, 0, "Command $E3", {}},
        {0xE4, 0, "Command $E4", {}},
        {0xE7, 0, "Command $E7", {}},
        {0xE8, 3, "Set word $1FC2($%02X) [$%04X] to $%04X", {B0, Address1FC2B0, Word1}},
        {0xE9, 3, "Command $E9, $%02X, $%04X", {B0, Word1}},
        {0xEA, 3, "Command $EA, $%02X, $%04X", {B0, Word1}},
        {0xEB, 3, "Command $EB, $%02X, $%04X", {B0, Word1}},
        {0xEF, 2, "Command $EF, $%02X, $%02X", {B0, B1}},
        {0xF0, 1, "Play song %d", {B0}},
        {0xF1, 2, "Fade in song %d with speed %d", {B0, B1}},
        {0xF2, 1, "Fade out current song with speed %d", {B0}},
        {0xF3, 1, "Command $F3, $%02X", {B0}},
        {0xF4, 1, "Play sound effect %d", {B0}},
        {0xF5, 3, "Command $F5, $%02X, $%02X, $%02X", {B0, B1, B2}},
        {0xF6, 3, "Command $F6, $%02X, $%02X, $%02X", {B0, B1, B2}},
        {0xF7, 0, "Command $F7", {}},
        {0xF8, 0, "Command $F8", {}},
        {0xF9, 1, "Command $F9, $%02X", {B0}},
        {0xFA, 0, "Command $FA", {}},
        {0xFE, 0, "Return", {}},
    };
    return rows;
}

std::string eventBitText(const char* verb, int bank)
{
    return std::string(verb) + " event bit $1E80($" + char('0' + bank) + "%02X) [$%04X, bit %d]";
}

}  // namespace

const std::array<EventCommand, 256>& mainCommands()
{
    static const std::array<EventCommand, 256> table = [] {
        std::array<EventCommand, 256> t;
        for (int op = 0x00; op <= 0x34; ++op)
            t[op] = {Kind::QueueHeader, 1, "Begin action queue for character $%02X (%s), %d bytes long %s", {}};
        for (const Row& row : mainRows())
            t[row.opcode] = {row.kind, row.operandBytes, row.text, row.args};
        for (int op = 0xC0; op <= 0xCF; ++op)
            t[op] = {Kind::Conditions, 2 * ((op & 7) + 1) + 3, "", {}};
        for (int op = 0xD0; op <= 0xDD; ++op) {
            const int bank = (op - 0xD0) >> 1;
            t[op] = {Kind::Text, 1, eventBitText(op % 2 ? "Clear" : "Set", bank), {B0, EventBitAddress, BitB0}, bank};
        }
        return t;
    }();
    return table;
}

const std::array<EventCommand, 256>& queueCommands()
{
    static const std::array<EventCommand, 256> table = [] {
        std::array<EventCommand, 256> t;
        auto text = [&](int code, int operands, std::string s, std::vector<Arg> args = {}, int bank = 0) {
            t[code] = {Kind::Text, operands, std::move(s), std::move(args), bank};
        };
        for (int code = 0x00; code <= 0x3F; ++code)
            text(code, 0, "Character Graphical Action $%02X", {Code});
        for (int code = 0x40; code <= 0x7F; ++code)
            text(code, 0, "Character Graphical Action $%02X, flipped horizontally", {CodeLow6});
        const char* const directions[] = {"up", "right", "down", "left"};
        for (int code = 0x80; code <= 0x9F; ++code) {
            const int tiles = (code - 0x80) / 4 + 1;
            text(code, 0, std::string("Move character ") + directions[code % 4] + " " + std::to_string(tiles) +
                              (tiles == 1 ? " tile" : " tiles"));
        }
        const char* const diagonals[] = {
            "right/up 1x1", "right/down 1x1", "left/down 1x1", "left/up 1x1", "right/up 1x2", "right/up 2x1",
            "right/down 2x1", "right/down 1x2", "left/down 1x2", "left/down 2x1", "left/up 2x1", "left/up 1x2",
        };
        for (int i = 0; i < 12; ++i)
            text(0xA0 + i, 0, std::string("Move character ") + diagonals[i] + " tiles");
        const char* const speeds[] = {"slowest", "slow", "normal", "fast", "fastest"};
        for (int i = 0; i < 5; ++i)
            text(0xC0 + i, 0, std::string("Set character's event speed to ") + speeds[i]);
        text(0xC6, 0, "Set character to walk when moving");
        text(0xC7, 0, "Set character to stay still when moving");
        text(0xC8, 1, "Queue command $C8, $%02X", {B0});
        text(0xC9, 1, "Queue command $C9, $%02X", {B0});
        const char* const turns[] = {"up", "right", "down", "left"};
        for (int i = 0; i < 4; ++i)
            text(0xCC + i, 0, std::string("Turn character ") + turns[i]);
        text(0xD0, 0, "Queue command $D0");
        text(0xD1, 0, "Make character disappear");
        text(0xD5, 2, "Set character position to (%d, %d)", {B0, B1});
        text(0xD7, 0, "Queue command $D7");
        text(0xDC, 0, "Make character jump (low)");
        text(0xDD, 0, "Make character jump (high)");
        text(0xE0, 1, "Pause for %d units", {B0});
        for (int bank = 0; bank < 3; ++bank) {
            text(0xE1 + bank, 1, eventBitText("Set", bank), {B0, EventBitAddress, BitB0}, bank);
            text(0xE4 + bank, 1, eventBitText("Clear", bank), {B0, EventBitAddress, BitB0}, bank);
        }
        text(0xF9, 3, "Branch to $%06X", {Target0});
        text(0xFA, 1, "Increment $1F6D and branch %d bytes backwards ($%06X) if ($C0FD00 + ($1F6D)) >= $80",
             {B0, BackTarget});
        text(0xFB, 1, "Increment $1F6D and branch %d bytes forwards ($%06X) if ($C0FD00 + ($1F6D)) >= $80",
             {B0, ForwardTarget});
        text(0xFC, 1, "Branch %d bytes backwards ($%06X)", {B0, BackTarget});
        text(0xFD, 1, "Branch %d bytes forwards ($%06X)", {B0, ForwardTarget});
        text(0xFF, 0, "End queue");
        return t;
    }();
    return table;
}

std::string_view colourComponentName(int highNibble)
{
    static constexpr std::string_view names[] = {
        "None", "None", "Red", "Red", "Green", "Green", "Yellow [Red + Green]", "Yellow [Red + Green]",
        "Blue", "Blue", "Magenta [Red + Blue]", "Magenta [Red + Blue]", "Cyan [Green + Blue]",
        "Cyan [Green + Blue]", "White [Red + Green + Blue]", "White [Red + Green + Blue]",
    };
    return names[highNibble & 15];
}

std::string_view vehicleName(int value)
{
    switch (value) {
    case 0x00: return "No vehicle";
    case 0x20: return "Chocobo";
    case 0x40: return "Magitek Armor";
    case 0x60: return "Raft";
    default: return {};
    }
}

void writeTriggerEntry(ListingWriter& out, int side, quint32 target)
{
    static constexpr std::string_view sides[] = {"below", "left of", "above", "right of"};
    out.put("If standing ");
    if (side < 4) {
        out.put(sides[side]);
    } else {
        out.put("0x");
        out.hex(quint64(side), 0);
        out.put("0 of");
    }
    out.put(" the trigger, jump to subroutine $");
    out.hex(target, 6);
    out.put("; ");
}

}  // namespace events

}  // namespace tessel
