#pragma once

#include "events/eventcommandtable.h"
#include "events/eventtables.h"

#include <QByteArray>

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace tessel {

class RomImage;

namespace events {

class ListingWriter;

// What a line of the listing that starts with an address holds.
enum class EntryKind : quint8 {
    Command,       // a main script command
    QueueHeader,   // the header of a character action queue
    QueueCommand,  // a command inside an action queue
    DataRow,       // a row of tiles after a map-chunk command
};

// Told where each entry of the listing begins while the lister walks, so a
// model of the commands can be built from the one walk that writes the text.
class EntryObserver {
public:
    virtual ~EntryObserver() = default;
    // `lineStart` is where the entry's line begins in the writer's text,
    // `position` the file offset of its first byte.
    virtual void beginEntry(EntryKind kind, SnesAddress address, qint64 position, std::size_t lineStart) = 0;
    // The line that shows a dialogue command's message begins at `lineStart`.
    virtual void beginMessageLine(std::size_t lineStart) = 0;
};

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
    // Told of every entry from now on; the observer reads offsets into the
    // writer's text, so it needs a writer without a device.
    void setObserver(EntryObserver* observer) { observer_ = observer; }
    // How many targets the next indexed branch reads, as if the message
    // before it offered that many choices (for listing one command alone).
    void setChoices(int choices) { choices_ = choices; }

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
    void notify(ListingWriter& out, EntryKind kind, SnesAddress address, qint64 position);
    std::string_view characterReference(quint8 value) const { return references_[value]; }

    RomImage& rom_;
    const EventTables& tables_;
    std::array<std::string, 256> references_;
    std::array<std::string, 64> characters_;
    std::array<std::string, 256> items_;
    std::array<std::string, 27> espers_;
    std::vector<MessageLine> messages_;
    int choices_ = 0;  // of the most recently listed dialogue message
    EntryObserver* observer_ = nullptr;
};

// "CA/1234: 4B" followed by `spaces` spaces.
void writePrefix(ListingWriter& out, SnesAddress address, quint8 opcode, int spaces);

}  // namespace events

}  // namespace tessel
