#include "events/scriptreferences.h"

#include "events/eventcommandtable.h"

namespace tessel {

namespace events {

namespace {

class Operands {
public:
    explicit Operands(std::span<const quint8> bytes) : bytes_(bytes) {}
    // Operand i is the byte after the opcode; missing bytes read as zero,
    // as the lister reads them.
    quint32 byte(std::size_t i) const { return i + 1 < bytes_.size() ? bytes_[i + 1] : 0; }
    quint32 word(std::size_t i) const { return byte(i) | byte(i + 1) << 8; }
    quint32 pointer(std::size_t i) const { return word(i) | byte(i + 2) << 16; }
    std::size_t count() const { return bytes_.empty() ? 0 : bytes_.size() - 1; }

private:
    std::span<const quint8> bytes_;
};

RecordRef script(quint32 offset)
{
    return RecordRef::event(kScriptAreaStart + offset);
}

// The references a command's table entry gives through its values.
void addTableReferences(QList<RecordRef>& refs, const EventCommand& command, const Operands& o, SnesAddress address)
{
    for (Arg arg : command.args) {
        switch (arg) {
        case Arg::Item0: refs.append({RecordKind::Item, int(o.byte(0))}); break;
        case Arg::Esper0:
            if (o.byte(0) >= 54 && o.byte(0) <= 80)
                refs.append({RecordKind::Esper, int(o.byte(0) - 54)});
            break;
        case Arg::DialogueNumber: refs.append({RecordKind::Message, int(o.word(0) & 0x3FFF)}); break;
        case Arg::Target0: refs.append(script(o.pointer(0))); break;
        case Arg::Target1: refs.append(script(o.pointer(1))); break;
        case Arg::BackTarget: refs.append(RecordRef::event(address - o.byte(0))); break;
        case Arg::ForwardTarget: refs.append(RecordRef::event(address + o.byte(0))); break;
        default: break;
        }
    }
}

}  // namespace

QList<RecordRef> referencesOf(EntryKind kind, SnesAddress address, std::span<const quint8> bytes)
{
    QList<RecordRef> refs;
    if (bytes.empty() || kind == EntryKind::DataRow || kind == EntryKind::QueueHeader)
        return refs;
    const quint8 opcode = bytes[0];
    const Operands o(bytes);
    if (kind == EntryKind::QueueCommand) {
        addTableReferences(refs, queueCommands()[opcode], o, address);
        return refs;
    }
    const EventCommand& command = mainCommands()[opcode];
    switch (command.kind) {
    case Kind::IndexedBranch:
        for (std::size_t i = 0; i + 3 <= o.count(); i += 3)
            refs.append(script(o.pointer(i)));
        break;
    case Kind::TriggerSubroutines:
        for (std::size_t i = 1; i + 3 <= o.count(); i += 3)
            refs.append(script(o.pointer(i) & 0xFFFFF));
        break;
    case Kind::Conditions:
        refs.append(script(o.pointer(2 * std::size_t((opcode & 7) + 1))));
        break;
    default:
        addTableReferences(refs, command, o, address);
        break;
    }
    switch (opcode) {
    case 0x4D: refs.append({RecordKind::Battle, int(o.byte(0))}); break;
    case 0x6A:
    case 0x6B: refs.append({RecordKind::Location, int(o.word(0) & 0x1FF)}); break;
    case 0x9B: refs.append({RecordKind::Shop, int(o.byte(0))}); break;
    default: break;
    }
    return refs;
}

}  // namespace events

}  // namespace tessel
