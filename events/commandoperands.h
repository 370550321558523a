#pragma once

#include "events/eventlister.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <span>

namespace tessel {

namespace events {

// What an operand of an event command means, so an editor can offer the
// right control for it.
enum class OperandKind {
    Message,           // dialogue message number
    Flag,              // one bit, on or off
    Item,              // item number, named from the item names
    Esper,             // esper number as the listing shows it (54-80 name espers 0-26)
    Gold,              // GP amount
    Shop,              // shop number
    BattleSet,         // enemy set of a battle
    BattleBackground,  // background of a battle
    Map,               // map number
    X,                 // map position
    Y,
    MapFlags,          // flags byte of a map load
    Colour,            // colour byte, or its components or intensity
    Raw,               // a byte without a known meaning, in hexadecimal
};

// One editable field of an entry's bytes: the bits `mask` of the
// little-endian value of `size` bytes from `byte` (the opcode is byte 0).
struct OperandField {
    OperandKind kind = OperandKind::Raw;
    QString label;
    int byte = 1;
    int size = 1;
    quint32 mask = 0xFF;
    int value = 0;
    int minimum = 0;
    int maximum = 0xFF;
    bool hex = false;  // the listing writes the value in hexadecimal
};

// The operands of an entry (its kind and its bytes, opcode first), in byte
// order: named fields where the command table gives the bytes a meaning and
// one raw byte for every other operand byte. The opcode is never a field;
// every byte of a map chunk's row is a raw one.
QList<OperandField> operandFields(EntryKind kind, std::span<const quint8> bytes);

// `bytes` with `value` written into the field's bits, everything else kept.
// False, with a reason naming the field and its range, when the value is
// out of range (or the field lies outside the bytes).
bool writeOperand(QByteArray& bytes, const OperandField& field, int value, QString* error);

}  // namespace events

}  // namespace tessel
