#include "events/commandoperands.h"

#include <QCoreApplication>

#include <algorithm>
#include <bit>
#include <vector>

namespace tessel {

namespace events {

namespace {

struct NamedField {
    OperandKind kind;
    const char* label;
    int byte;
    int size;
    quint32 mask;
    bool hex;
};

using enum OperandKind;

// The operands the command table gives a meaning, by main opcode.
std::vector<NamedField> namedFields(quint8 opcode)
{
    switch (opcode) {
    case 0x48: case 0x4B:
        return {{Message, QT_TRANSLATE_NOOP("CommandOperands", "Message"), 1, 2, 0x3FFF, true},
                {Flag, QT_TRANSLATE_NOOP("CommandOperands", "Show text only"), 1, 2, 0x4000, false},
                {Flag, QT_TRANSLATE_NOOP("CommandOperands", "At bottom of screen"), 1, 2, 0x8000, false}};
    case 0x4D:
        return {{BattleSet, QT_TRANSLATE_NOOP("CommandOperands", "Enemy set"), 1, 1, 0xFF, true},
                {BattleBackground, QT_TRANSLATE_NOOP("CommandOperands", "Background"), 2, 1, 0xFF, true}};
    case 0x50: case 0x52:
        return {{Colour, QT_TRANSLATE_NOOP("CommandOperands", "Colour"), 1, 1, 0xFF, true}};
    case 0x55: case 0x56: case 0x57:
        return {{Colour, QT_TRANSLATE_NOOP("CommandOperands", "Colour components"), 1, 1, 0xF0, false},
                {Colour, QT_TRANSLATE_NOOP("CommandOperands", "Intensity"), 1, 1, 0x0F, false}};
    case 0x6A: case 0x6B:
        return {{Map, QT_TRANSLATE_NOOP("CommandOperands", "Map"), 1, 2, 0xFFFF, true},
                {X, QT_TRANSLATE_NOOP("CommandOperands", "X"), 3, 1, 0xFF, false},
                {Y, QT_TRANSLATE_NOOP("CommandOperands", "Y"), 4, 1, 0xFF, false},
                {MapFlags, QT_TRANSLATE_NOOP("CommandOperands", "Flags"), 5, 1, 0xFF, true}};
    case 0x80: case 0x81:
        return {{Item, QT_TRANSLATE_NOOP("CommandOperands", "Item"), 1, 1, 0xFF, true}};
    case 0x84: case 0x85:
        return {{Gold, QT_TRANSLATE_NOOP("CommandOperands", "GP"), 1, 2, 0xFFFF, false}};
    case 0x86: case 0x87:
        return {{Esper, QT_TRANSLATE_NOOP("CommandOperands", "Esper"), 1, 1, 0xFF, true}};
    case 0x9B:
        return {{Shop, QT_TRANSLATE_NOOP("CommandOperands", "Shop"), 1, 1, 0xFF, true}};
    default:
        return {};
    }
}

quint32 valueOf(std::span<const quint8> bytes, int byte, int size)
{
    quint32 v = 0;
    for (int i = size - 1; i >= 0; --i)
        v = v << 8 | bytes[std::size_t(byte + i)];
    return v;
}

QString valueText(const OperandField& field, int value)
{
    if (!field.hex)
        return QString::number(value);
    const int digits = field.maximum > 0xFF ? 4 : 2;
    return QLatin1Char('$') + QStringLiteral("%1").arg(value, digits, 16, QLatin1Char('0')).toUpper();
}

}  // namespace

QList<OperandField> operandFields(EntryKind kind, std::span<const quint8> bytes)
{
    QList<OperandField> fields;
    if (bytes.empty())
        return fields;
    std::vector<bool> named(bytes.size(), false);
    if (kind == EntryKind::Command) {
        for (const NamedField& n : namedFields(bytes[0])) {
            if (std::size_t(n.byte + n.size) > bytes.size())
                continue;
            const int shift = std::countr_zero(n.mask);
            OperandField f;
            f.kind = n.kind;
            f.label = QCoreApplication::translate("CommandOperands", n.label);
            f.byte = n.byte;
            f.size = n.size;
            f.mask = n.mask;
            f.value = int((valueOf(bytes, n.byte, n.size) & n.mask) >> shift);
            f.maximum = int(n.mask >> shift);
            f.hex = n.hex;
            fields.append(f);
            for (int i = n.byte; i < n.byte + n.size; ++i)
                named[std::size_t(i)] = true;
        }
    }
    // A chunk's row has no opcode: all its bytes are tiles.
    const std::size_t first = kind == EntryKind::DataRow ? 0 : 1;
    for (std::size_t i = first; i < bytes.size(); ++i) {
        if (named[i])
            continue;
        OperandField f;
        f.label = QCoreApplication::translate("CommandOperands", "Byte %1").arg(i);
        f.byte = int(i);
        f.value = bytes[i];
        f.hex = true;
        fields.append(f);
    }
    std::stable_sort(fields.begin(), fields.end(),
                     [](const OperandField& a, const OperandField& b) { return a.byte < b.byte; });
    return fields;
}

bool writeOperand(QByteArray& bytes, const OperandField& field, int value, QString* error)
{
    if (field.byte < (field.kind == OperandKind::Raw ? 0 : 1) || field.byte + field.size > bytes.size()) {
        *error = QCoreApplication::translate("CommandOperands", "%1 lies outside the command's %2 bytes.")
                     .arg(field.label)
                     .arg(bytes.size());
        return false;
    }
    if (value < field.minimum || value > field.maximum) {
        *error = QCoreApplication::translate("CommandOperands", "%1 must be from %2 to %3 (%4 given).")
                     .arg(field.label, valueText(field, field.minimum), valueText(field, field.maximum),
                          value < 0 ? QString::number(value) : valueText(field, value));
        return false;
    }
    const int shift = std::countr_zero(field.mask);
    auto* data = reinterpret_cast<const quint8*>(bytes.constData());
    const quint32 old = valueOf({data, std::size_t(bytes.size())}, field.byte, field.size);
    const quint32 now = (old & ~field.mask) | ((quint32(value) << shift) & field.mask);
    for (int i = 0; i < field.size; ++i)
        bytes[field.byte + i] = char((now >> (8 * i)) & 0xFF);
    return true;
}

}  // namespace events

}  // namespace tessel
