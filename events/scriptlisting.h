#pragma once

#include "events/eventlister.h"
#include "rom/recordref.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace tessel {

class RomImage;
struct EventTables;

namespace events {

// New bytes for one entry of the listing (a command, a queue header or
// command, a row of a map chunk), at the entry's address.
struct ScriptEdit {
    SnesAddress address = 0;
    QByteArray bytes;
};

// The whole script area as a list of entries: one for every line of the
// listing that starts with an address (a command, an action queue's header
// and each of its commands, each row of a map chunk), in address order.
// The entries' bytes tile the area without gaps, and `text()` is the
// listing exactly as evdump writes it.
class ScriptListing {
public:
    // Walks the area of `rom` once.
    static ScriptListing build(RomImage& rom, const EventTables& tables);

    int size() const { return int(entries_.size()); }
    std::string_view text() const { return text_; }

    EntryKind kind(int i) const { return entries_[std::size_t(i)].kind; }
    SnesAddress address(int i) const { return entries_[std::size_t(i)].address; }
    // The entry's own bytes, opcode first.
    std::span<const quint8> bytes(int i) const;
    QByteArray byteArray(int i) const;
    quint8 opcode(int i) const { return bytes(i).empty() ? 0 : bytes(i)[0]; }
    // The text after the address prefix, continuation lines joined with a
    // line feed, without the message a dialogue command shows.
    QString commandText(int i) const;
    // The plain text of the message a dialogue command shows (or
    // "<Invalid Dialogue>"); empty for other entries.
    QString messageText(int i) const;
    // The entry's whole lines in the listing, message line included.
    std::string_view lines(int i) const;
    QList<RecordRef> references(int i) const;

    // The entry whose bytes hold `address`; -1 outside the listed area.
    int indexAt(SnesAddress address) const;
    // The entries that refer to `ref` (covering references: {Message, 5}
    // finds every command that shows message 5).
    QList<int> referencing(const RecordRef& ref) const;

private:
    struct Entry {
        EntryKind kind;
        SnesAddress address;
        quint32 byteStart;    // into bytes_
        quint32 lineStart;    // into text_
        quint32 messageLine;  // into text_; 0 without one
    };
    class Recorder;

    std::size_t lineEnd(int i) const;

    std::vector<Entry> entries_;
    QByteArray bytes_;  // the bytes of the listed area, from the first entry
    quint32 bytesEnd_ = 0;
    std::string text_;
};

}  // namespace events

}  // namespace tessel
