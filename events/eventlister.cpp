#include "events/eventlister.h"

#include "events/commandformat.h"
#include "events/listingwriter.h"
#include "rom/romimage.h"
#include "text/dialoguescript.h"

namespace tessel {

namespace events {

namespace {

constexpr int kContinuation = 15;
constexpr std::string_view kInvalidCharacter = "<Invalid Character>";
constexpr std::string_view kInvalidEsper = "<Invalid Esper>";

std::string utf8(const QString& text)
{
    return text.toStdString();
}

// Room for the values of the longest command text.
class FormatValues {
public:
    void add(FormatValue value) { values_[count_++] = value; }
    std::span<const FormatValue> all() const { return {values_.data(), count_}; }

private:
    std::array<FormatValue, 12> values_;
    std::size_t count_ = 0;
};

}  // namespace

void writePrefix(ListingWriter& out, SnesAddress address, quint8 opcode, int spaces)
{
    out.hex(address >> 16, 2);
    out.put('/');
    out.hex(address & 0xFFFF, 4);
    out.put(": ");
    out.hex(opcode, 2);
    out.spaces(spaces);
}

EventLister::EventLister(RomImage& rom, const EventTables& tables)
    : rom_(rom), tables_(tables), messages_(tables.dialogue.messages.size())
{
    for (int value = 0; value < 256; ++value) {
        if (value < 16)
            references_[std::size_t(value)] = utf8(tables.characters[std::size_t(value)]);
        else if (value <= 48)
            references_[std::size_t(value)] = utf8(QStringLiteral("NPC $%1").arg(value, 2, 16, QLatin1Char('0')).toUpper());
        else if (value <= 52)
            references_[std::size_t(value)] = "Party Character " + std::to_string(value - 49);
        else
            references_[std::size_t(value)] = kInvalidCharacter;
    }
    for (std::size_t i = 0; i < characters_.size(); ++i)
        characters_[i] = utf8(tables.characters[i]);
    for (std::size_t i = 0; i < items_.size(); ++i)
        items_[i] = utf8(tables.items[i]);
    for (std::size_t i = 0; i < espers_.size(); ++i)
        espers_[i] = utf8(tables.espers[i]);
}

EventLister::Operands EventLister::readOperands(int count)
{
    Operands operands;
    const int inBuffer = qMin(count, int(operands.bytes.size()));
    rom_.read(operands.bytes.data(), inBuffer);
    if (count > inBuffer)
        rom_.seekOffset(rom_.position() + (count - inBuffer));
    return operands;
}

void EventLister::listAll(ListingWriter& out)
{
    rom_.SeekSnes(kScriptAreaStart);
    SnesAddress start = 0;
    do {
        start = rom_.TellSnes();
        listCommand(out);
        out.flushIfFull();
    } while (start < kScriptAreaEnd);
}

void EventLister::listCommand(ListingWriter& out)
{
    const SnesAddress address = rom_.TellSnes();
    const qint64 position = rom_.position();
    const quint8 opcode = rom_.readByte();
    const EventCommand& command = mainCommands()[opcode];
    notify(out, command.kind == Kind::QueueHeader ? EntryKind::QueueHeader : EntryKind::Command, address, position);
    writePrefix(out, address, opcode, 4);
    switch (command.kind) {
    case Kind::None:
        break;
    case Kind::QueueHeader:
        listQueue(opcode, out);
        return;
    case Kind::MapChunk: {
        const Operands operands = readOperands(command.operandBytes);
        writeCommandText(out, command, opcode, operands, address);
        const int rows = int(operands.byte(2));
        const int width = int(operands.byte(3));
        for (int row = 0; row < rows; ++row) {
            const SnesAddress at = rom_.TellSnes();
            out.put('\n');
            notify(out, EntryKind::DataRow, at, rom_.position());
            out.hex(at >> 16, 2);
            out.put('/');
            out.hex(at & 0xFFFF, 4);
            out.put(":       dc.b ");
            for (int i = 0; i < width; ++i) {
                out.put(i ? ", $" : "$");
                out.hex(rom_.readByte(), 2);
            }
        }
        break;
    }
    case Kind::IndexedBranch: {
        // The last two characters go, so with no targets the " [" goes too.
        out.put("Indexed branch based on prior dialogue selection [");
        for (int c = 0; c < choices_; ++c) {
            out.put('$');
            out.hex(readOperands(3).target(0), 6);
            out.put(", ");
        }
        out.chop(2);
        out.put(']');
        break;
    }
    case Kind::TriggerSubroutines: {
        const quint8 count = rom_.readByte();
        for (int e = 0; e < (count & 0x7F); ++e) {
            const Operands entry = readOperands(3);
            const quint32 v = entry.byte(0) | entry.byte(1) << 8 | entry.byte(2) << 16;
            if (e > 0) {
                out.put('\n');
                out.spaces(kContinuation);
            }
            writeTriggerEntry(out, int(v >> 20), kScriptAreaStart + (v & 0xFFFFF));
        }
        if (count & 0x7F)
            out.chop(2);  // the last entry's "; "
        if (count & 0x80)
            out.put(" (0x80 is set)");
        break;
    }
    case Kind::Conditions:
        writeConditions(out, opcode, readOperands(command.operandBytes));
        break;
    case Kind::PartyMember: {
        const Operands operands = readOperands(2);
        const quint8 character = quint8(operands.byte(0));
        const quint8 party = quint8(operands.byte(1));
        const FormatValue values[] = {qint64(character), characterReference(character), qint64(party)};
        formatCommand(out,
                      party ? "Assign character $%02X (%s) to party %d" : "Remove character $%02X (%s) from the party",
                      values);
        break;
    }
    case Kind::Dialogue: {
        const Operands operands = readOperands(command.operandBytes);
        writeCommandText(out, command, opcode, operands, address);
        out.put('\n');
        writeDialogueLine(out, int(operands.word(0) & 0x3FFF));
        break;
    }
    case Kind::Text:
        writeCommandText(out, command, opcode, readOperands(command.operandBytes), address);
        break;
    }
    out.put('\n');
}

void EventLister::listQueue(quint8 opcode, ListingWriter& out)
{
    const quint8 header = rom_.readByte();
    const int length = header & 0x7F;
    const FormatValue values[] = {qint64(opcode), characterReference(opcode), qint64(length),
                                  (header & 0x80) ? std::string_view("(Wait until complete)") : std::string_view()};
    formatCommand(out, mainCommands()[opcode].text, values);
    out.put('\n');
    const qint64 end = rom_.position() + length;
    while (rom_.position() < end) {
        const SnesAddress address = rom_.TellSnes();
        notify(out, EntryKind::QueueCommand, address, rom_.position());
        const quint8 code = rom_.readByte();
        writePrefix(out, address, code, 7);
        const EventCommand& command = queueCommands()[code];
        if (command.kind != Kind::None)
            writeCommandText(out, command, code, readOperands(command.operandBytes), address);
        out.put('\n');
    }
}

void EventLister::notify(ListingWriter& out, EntryKind kind, SnesAddress address, qint64 position)
{
    if (observer_)
        observer_->beginEntry(kind, address, position, out.text().size());
}

void EventLister::writeDialogueLine(ListingWriter& out, int number)
{
    if (observer_)
        observer_->beginMessageLine(out.text().size());
    out.spaces(kContinuation);
    if (number >= int(messages_.size())) {
        choices_ = 0;
        out.put("<Invalid Dialogue>");
        return;
    }
    MessageLine& line = messages_[std::size_t(number)];
    if (!line.ready) {
        const QString text = dialoguescript::plainText(tables_.dialogue.messages[std::size_t(number)]);
        line.text = text.toUtf8();
        line.choices = int(text.count(QLatin1Char('^')));
        line.ready = true;
    }
    choices_ = line.choices;
    out.put(std::string_view(line.text.constData(), std::size_t(line.text.size())));
}

void EventLister::writeConditions(ListingWriter& out, quint8 opcode, const Operands& operands) const
{
    const int count = (opcode & 7) + 1;
    const std::string_view joiner = opcode < 0xC8 ? " or " : " and ";
    out.put("If ");
    for (int i = 0; i < count; ++i) {
        const quint32 v = operands.word(2 * i);
        const quint32 bit = v & 0x7FFF;
        if (i > 0)
            out.put(joiner);
        const FormatValue values[] = {qint64(bit), qint64(0x1E80 + (bit >> 3)), qint64(v & 7),
                                      (v & 0x8000) ? std::string_view("is clear") : std::string_view("is set")};
        formatCommand(out, "($1E80($%03X) [$%04X, bit %d] %s)", values);
    }
    const FormatValue target[] = {qint64(operands.target(2 * count))};
    formatCommand(out, ", branch to $%06X", target);
}

void EventLister::writeCommandText(ListingWriter& out, const EventCommand& command, quint8 opcode,
                                   const Operands& operands, SnesAddress address) const
{
    FormatValues values;
    const quint32 b0 = operands.byte(0);
    const quint32 b1 = operands.byte(1);
    for (Arg arg : command.args) {
        switch (arg) {
        case Arg::B0: case Arg::B1: case Arg::B2: case Arg::B3: case Arg::B4:
            values.add(qint64(operands.byte(int(arg) - int(Arg::B0))));
            break;
        case Arg::Word0: values.add(qint64(operands.word(0))); break;
        case Arg::Word1: values.add(qint64(operands.word(1))); break;
        case Arg::Word2: values.add(qint64(operands.word(2))); break;
        case Arg::Word4: values.add(qint64(operands.word(4))); break;
        case Arg::Ref0: case Arg::Ref1: case Arg::Ref2: case Arg::Ref3:
            values.add(characterReference(quint8(operands.byte(int(arg) - int(Arg::Ref0)))));
            break;
        case Arg::Target0: values.add(qint64(operands.target(0))); break;
        case Arg::Target1: values.add(qint64(operands.target(1))); break;
        case Arg::Item0: values.add(std::string_view(items_[b0])); break;
        case Arg::Esper0:
            values.add(b0 >= 54 && b0 <= 80 ? std::string_view(espers_[b0 - 54]) : kInvalidEsper);
            break;
        case Arg::CharacterName1:
            values.add(b1 < characters_.size() ? std::string_view(characters_[b1]) : kInvalidCharacter);
            break;
        case Arg::Low7B1: values.add(qint64(b1 & 0x7F)); break;
        case Arg::VehicleB1: values.add(vehicleName(int(b1 & 0x7F))); break;
        case Arg::ShownB1:
            values.add((b1 & 0x80) ? std::string_view(" (Character is shown)")
                                    : std::string_view(" (Character is not shown)"));
            break;
        case Arg::BitB0: values.add(qint64(b0 & 7)); break;
        case Arg::Address1DC9B0: values.add(qint64(0x1DC9 + (b0 >> 3))); break;
        case Arg::Address1E80B0: values.add(qint64(0x1E80 + (b0 >> 3))); break;
        case Arg::Address1FC2B0: values.add(qint64(0x1FC2 + 2 * b0)); break;
        case Arg::EventBitAddress: values.add(qint64(0x1E80 + 0x20 * command.eventBank + (b0 >> 3))); break;
        case Arg::Times15B0: values.add(qint64(15 * b0)); break;
        case Arg::ColourComponents: values.add(qint64(b0 >> 4)); break;
        case Arg::ColourName: values.add(colourComponentName(int(b0 >> 4))); break;
        case Arg::ColourIntensity: values.add(qint64(b0 & 15)); break;
        case Arg::Code: values.add(qint64(opcode)); break;
        case Arg::CodeLow6: values.add(qint64(opcode & 0x3F)); break;
        case Arg::BackTarget: values.add(qint64(address - b0)); break;
        case Arg::ForwardTarget: values.add(qint64(address + b0)); break;
        case Arg::DialogueNumber: values.add(qint64(operands.word(0) & 0x3FFF)); break;
        case Arg::ShowTextOnly:
            values.add((operands.word(0) & 0x4000) ? std::string_view(" (Show text only)") : std::string_view());
            break;
        case Arg::AtBottom:
            values.add((operands.word(0) & 0x8000) ? std::string_view(" (At bottom of screen)") : std::string_view());
            break;
        }
    }
    formatCommand(out, command.text, values.all());
}

}  // namespace events

}  // namespace tessel
