#pragma once

#include "evdump/eventcommandtable.h"
#include "evdump/eventtables.h"

#include <QString>

class RomImage;

namespace evdump {

// The script area the lister walks, as SNES addresses.
inline constexpr SnesAddress kScriptAreaStart = 0xCA0000;
inline constexpr SnesAddress kScriptAreaEnd = 0xCCE600;

// Walks the event-script area linearly and lists one line per command, with
// the dialogue a command shows and the commands of each action queue.
// Targets are printed, never followed.
class EventLister {
public:
    EventLister(RomImage& rom, const EventTables& tables) : rom_(rom), tables_(tables) {}

    // Lists from the start of the area up to and including the first
    // command that starts at or after its end.
    QString listAll();
    // Lists one command at the current position (for tests).
    void listCommand(QString& out);

private:
    void listQueue(quint8 opcode, QString& out);
    QString commandText(const EventCommand& command, quint8 opcode, const QByteArray& operands,
                        SnesAddress address) const;
    QString characterReference(quint8 value) const;
    QString conditionsText(quint8 opcode, const QByteArray& operands) const;
    QString dialogueLine(int number);

    RomImage& rom_;
    const EventTables& tables_;
    int choices_ = 0;  // of the most recently listed dialogue message
};

QString prefix(SnesAddress address, quint8 opcode, int spaces);

}  // namespace evdump
