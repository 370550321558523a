#pragma once

#include "evdump/eventcommandtable.h"
#include "evdump/eventtables.h"

#include <QByteArray>

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace tessel {

class RomImage;

namespace evdump {

class ListingWriter;

// The script area the lister walks, as SNES addresses.
inline constexpr SnesAddress kScriptAreaStart = 0xCA0000;
inline constexpr SnesAddress kScriptAreaEnd = 0xCCE600;

// Walks the event-script area linearly and lists one line per command, with
// the dialogue a command shows and the commands of each action queue.
// Targets are printed, never followed. Names and message texts are turned
// into UTF-8 once, so listing a command allocates nothing.
class EventLister {
public:
    EventLister(RomImage& rom, const EventTables& tables);

    // Lists from the start of the area up to and including the first
    // command that starts at or after its end.
    void listAll(ListingWriter& out);
    // Lists one command at the current position (for tests).
    void listCommand(ListingWriter& out);

private:
    // A command's operand bytes; missing ones (past the file) are zero.
    struct Operands {
        std::array<quint8, 32> bytes{};
        quint32 byte(int i) const { return i >= 0 && i < int(bytes.size()) ? bytes[std::size_t(i)] : 0; }
        quint32 word(int i) const { return byte(i) | byte(i + 1) << 8; }
        quint32 target(int i) const { return kScriptAreaStart + (byte(i) | byte(i + 1) << 8 | byte(i + 2) << 16); }
    };
    // A message's plain text and how many choices it offers.
    struct MessageLine {
        bool ready = false;
        QByteArray text;
        int choices = 0;
    };

    Operands readOperands(int count);
    void listQueue(quint8 opcode, ListingWriter& out);
    void writeCommandText(ListingWriter& out, const EventCommand& command, quint8 opcode, const Operands& operands,
                          SnesAddress address) const;
    void writeConditions(ListingWriter& out, quint8 opcode, const Operands& operands) const;
    void writeDialogueLine(ListingWriter& out, int number);
    std::string_view characterReference(quint8 value) const { return references_[value]; }

    RomImage& rom_;
    const EventTables& tables_;
    std::array<std::string, 256> references_;
    std::array<std::string, 64> characters_;
    std::array<std::string, 256> items_;
    std::array<std::string, 27> espers_;
    std::vector<MessageLine> messages_;
    int choices_ = 0;  // of the most recently listed dialogue message
};

// "CA/1234: 4B" followed by `spaces` spaces.
void writePrefix(ListingWriter& out, SnesAddress address, quint8 opcode, int spaces);

}  // namespace evdump

}  // namespace tessel
