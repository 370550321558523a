#include "evdump/eventlister.h"

#include "rom/romimage.h"
#include "evdump/commandformat.h"
#include "text/dialoguescript.h"

namespace evdump {

namespace {

const QString kContinuation(15, QLatin1Char(' '));

quint32 byteAt(const QByteArray& operands, int i)
{
    return i < operands.size() ? quint8(operands[i]) : 0;
}

quint32 wordAt(const QByteArray& operands, int i)
{
    return byteAt(operands, i) | byteAt(operands, i + 1) << 8;
}

quint32 targetAt(const QByteArray& operands, int i)
{
    return kScriptAreaStart + (byteAt(operands, i) | byteAt(operands, i + 1) << 8 | byteAt(operands, i + 2) << 16);
}

QString hex(quint32 value, int width)
{
    return QStringLiteral("%1").arg(value, width, 16, QLatin1Char('0')).toUpper();
}

}  // namespace

QString prefix(SnesAddress address, quint8 opcode, int spaces)
{
    return QStringLiteral("%1/%2: %3").arg(hex(address >> 16, 2), hex(address & 0xFFFF, 4), hex(opcode, 2)) +
           QString(spaces, QLatin1Char(' '));
}

QString EventLister::listAll()
{
    QString out;
    rom_.SeekSnes(kScriptAreaStart);
    SnesAddress start = 0;
    do {
        start = rom_.TellSnes();
        listCommand(out);
    } while (start < kScriptAreaEnd);
    return out;
}

void EventLister::listCommand(QString& out)
{
    const SnesAddress address = rom_.TellSnes();
    const quint8 opcode = rom_.readByte();
    out += prefix(address, opcode, 4);
    const EventCommand& command = mainCommands()[opcode];
    switch (command.kind) {
    case Kind::None:
        break;
    case Kind::QueueHeader:
        listQueue(opcode, out);
        return;
    case Kind::MapChunk: {
        const QByteArray operands = rom_.readBytes(command.operandBytes);
        out += commandText(command, opcode, operands, address);
        const int rows = int(byteAt(operands, 2));
        const int width = int(byteAt(operands, 3));
        for (int row = 0; row < rows; ++row) {
            out += QLatin1Char('\n');
            out += QStringLiteral("%1/%2:       dc.b ").arg(hex(rom_.TellSnes() >> 16, 2), hex(rom_.TellSnes() & 0xFFFF, 4));
            for (int i = 0; i < width; ++i)
                out += (i ? QStringLiteral(", $") : QStringLiteral("$")) + hex(rom_.readByte(), 2);
        }
        break;
    }
    case Kind::IndexedBranch: {
        // The last two characters go, so with no targets the " [" goes too.
        QString text = QStringLiteral("Indexed branch based on prior dialogue selection [");
        for (int c = 0; c < choices_; ++c)
            text += QLatin1Char('$') + hex(targetAt(rom_.readBytes(3), 0), 6) + QStringLiteral(", ");
        text.chop(2);
        out += text + QLatin1Char(']');
        break;
    }
    case Kind::TriggerSubroutines: {
        const quint8 count = rom_.readByte();
        QString text;
        for (int e = 0; e < (count & 0x7F); ++e) {
            const QByteArray entry = rom_.readBytes(3);
            const quint32 v = byteAt(entry, 0) | byteAt(entry, 1) << 8 | byteAt(entry, 2) << 16;
            if (e > 0)
                text += QLatin1Char('\n') + kContinuation;
            text += triggerEntryText(int(v >> 20), kScriptAreaStart + (v & 0xFFFFF));
        }
        text.chop(2);
        if (count & 0x80)
            text += QStringLiteral(" (0x80 is set)");
        out += text;
        break;
    }
    case Kind::Conditions:
        out += conditionsText(opcode, rom_.readBytes(command.operandBytes));
        break;
    case Kind::PartyMember: {
        const QByteArray operands = rom_.readBytes(2);
        const quint8 character = quint8(byteAt(operands, 0));
        const quint8 party = quint8(byteAt(operands, 1));
        out += party ? formatCommand("Assign character $%02X (%s) to party %d",
                                     {qint64(character), characterReference(character), qint64(party)})
                     : formatCommand("Remove character $%02X (%s) from the party",
                                     {qint64(character), characterReference(character)});
        break;
    }
    case Kind::Dialogue: {
        const QByteArray operands = rom_.readBytes(command.operandBytes);
        out += commandText(command, opcode, operands, address);
        out += QLatin1Char('\n') + dialogueLine(int(wordAt(operands, 0) & 0x3FFF));
        break;
    }
    case Kind::Text:
        out += commandText(command, opcode, rom_.readBytes(command.operandBytes), address);
        break;
    }
    out += QLatin1Char('\n');
}

void EventLister::listQueue(quint8 opcode, QString& out)
{
    const quint8 header = rom_.readByte();
    const int length = header & 0x7F;
    out += formatCommand(mainCommands()[opcode].text.c_str(),
                         {qint64(opcode), characterReference(opcode), qint64(length),
                          (header & 0x80) ? QStringLiteral("(Wait until complete)") : QString()});
    out += QLatin1Char('\n');
    const qint64 end = rom_.position() + length;
    while (rom_.position() < end) {
        const SnesAddress address = rom_.TellSnes();
        const quint8 code = rom_.readByte();
        out += prefix(address, code, 7);
        const EventCommand& command = queueCommands()[code];
        if (command.kind != Kind::None)
            out += commandText(command, code, rom_.readBytes(command.operandBytes), address);
        out += QLatin1Char('\n');
    }
}

QString EventLister::dialogueLine(int number)
{
    const std::vector<DialogueMessage>& messages = tables_.dialogue.messages;
    if (number >= int(messages.size())) {
        choices_ = 0;
        return kContinuation + QStringLiteral("<Invalid Dialogue>");
    }
    const QString text = dialoguescript::plainText(messages[std::size_t(number)]);
    choices_ = int(text.count(QLatin1Char('^')));
    return kContinuation + text;
}

QString EventLister::characterReference(quint8 value) const
{
    if (value < 16)
        return tables_.characters[value];
    if (value <= 48)
        return QStringLiteral("NPC $") + hex(value, 2);
    if (value <= 52)
        return QStringLiteral("Party Character %1").arg(value - 49);
    return QStringLiteral("<Invalid Character>");
}

QString EventLister::conditionsText(quint8 opcode, const QByteArray& operands) const
{
    const int count = (opcode & 7) + 1;
    const QString joiner = opcode < 0xC8 ? QStringLiteral(" or ") : QStringLiteral(" and ");
    QString text = QStringLiteral("If ");
    for (int i = 0; i < count; ++i) {
        const quint32 v = wordAt(operands, 2 * i);
        const quint32 bit = v & 0x7FFF;
        if (i > 0)
            text += joiner;
        text += formatCommand("($1E80($%03X) [$%04X, bit %d] %s)",
                              {qint64(bit), qint64(0x1E80 + (bit >> 3)), qint64(v & 7),
                               (v & 0x8000) ? QStringLiteral("is clear") : QStringLiteral("is set")});
    }
    return text + formatCommand(", branch to $%06X", {qint64(targetAt(operands, 2 * count))});
}

QString EventLister::commandText(const EventCommand& command, quint8 opcode, const QByteArray& operands,
                                 SnesAddress address) const
{
    std::vector<FormatValue> values;
    const quint32 b0 = byteAt(operands, 0);
    const quint32 b1 = byteAt(operands, 1);
    for (Arg arg : command.args) {
        switch (arg) {
        case Arg::B0: case Arg::B1: case Arg::B2: case Arg::B3: case Arg::B4:
            values.emplace_back(qint64(byteAt(operands, int(arg) - int(Arg::B0))));
            break;
        case Arg::Word0: values.emplace_back(qint64(wordAt(operands, 0))); break;
        case Arg::Word1: values.emplace_back(qint64(wordAt(operands, 1))); break;
        case Arg::Word2: values.emplace_back(qint64(wordAt(operands, 2))); break;
        case Arg::Word4: values.emplace_back(qint64(wordAt(operands, 4))); break;
        case Arg::Ref0: case Arg::Ref1: case Arg::Ref2: case Arg::Ref3:
            values.emplace_back(characterReference(quint8(byteAt(operands, int(arg) - int(Arg::Ref0)))));
            break;
        case Arg::Target0: values.emplace_back(qint64(targetAt(operands, 0))); break;
        case Arg::Target1: values.emplace_back(qint64(targetAt(operands, 1))); break;
        case Arg::Item0: values.emplace_back(tables_.items[b0]); break;
        case Arg::Esper0:
            values.emplace_back(b0 >= 54 && b0 <= 80 ? tables_.espers[b0 - 54] : QStringLiteral("<Invalid Esper>"));
            break;
        case Arg::CharacterName1:
            values.emplace_back(b1 < tables_.characters.size() ? tables_.characters[b1]
                                                               : QStringLiteral("<Invalid Character>"));
            break;
        case Arg::Low7B1: values.emplace_back(qint64(b1 & 0x7F)); break;
        case Arg::VehicleB1: values.emplace_back(vehicleName(int(b1 & 0x7F))); break;
        case Arg::ShownB1:
            values.emplace_back((b1 & 0x80) ? QStringLiteral(" (Character is shown)")
                                             : QStringLiteral(" (Character is not shown)"));
            break;
        case Arg::BitB0: values.emplace_back(qint64(b0 & 7)); break;
        case Arg::Address1DC9B0: values.emplace_back(qint64(0x1DC9 + (b0 >> 3))); break;
        case Arg::Address1E80B0: values.emplace_back(qint64(0x1E80 + (b0 >> 3))); break;
        case Arg::Address1FC2B0: values.emplace_back(qint64(0x1FC2 + 2 * b0)); break;
        case Arg::EventBitAddress: values.emplace_back(qint64(0x1E80 + 0x20 * command.eventBank + (b0 >> 3))); break;
        case Arg::Times15B0: values.emplace_back(qint64(15 * b0)); break;
        case Arg::ColourComponents: values.emplace_back(qint64(b0 >> 4)); break;
        case Arg::ColourName: values.emplace_back(colourComponentName(int(b0 >> 4))); break;
        case Arg::ColourIntensity: values.emplace_back(qint64(b0 & 15)); break;
        case Arg::Code: values.emplace_back(qint64(opcode)); break;
        case Arg::CodeLow6: values.emplace_back(qint64(opcode & 0x3F)); break;
        case Arg::BackTarget: values.emplace_back(qint64(address - b0)); break;
        case Arg::ForwardTarget: values.emplace_back(qint64(address + b0)); break;
        case Arg::DialogueNumber: values.emplace_back(qint64(wordAt(operands, 0) & 0x3FFF)); break;
        case Arg::ShowTextOnly:
            values.emplace_back((wordAt(operands, 0) & 0x4000) ? QStringLiteral(" (Show text only)") : QString());
            break;
        case Arg::AtBottom:
            values.emplace_back((wordAt(operands, 0) & 0x8000) ? QStringLiteral(" (At bottom of screen)") : QString());
            break;
        }
    }
    return formatCommand(command.text.c_str(), values);
}

}  // namespace evdump
