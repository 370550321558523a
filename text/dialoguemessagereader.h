#pragma once

#include "rom/romaddress.h"

#include <QByteArray>

#include <optional>

namespace tessel {

class RomImage;

// The length of the message at the start of `bytes` through its closing
// 0x00: the first 0x00 that is not an operand (the value after 0x14, or a
// value of a 0x11 / 0x16 list up to its 0x12); none when `size` bytes hold
// no closing 0x00.
std::optional<qsizetype> dialogueMessageLength(const char* bytes, qsizetype size);

// True when the bytes are one whole message: their closing 0x00 is their
// last byte. Only such a message reads back as it was written.
bool isWholeDialogueMessage(const QByteArray& bytes);

// Reads one message from `start` up to and including its closing 0x00.
// The read stops before `limit`, at the end of the file and after the
// longest message a save can write. A message cut off there keeps its
// whole codes (a code missing an operand is dropped) and gets a 0x00, so
// that every message read is whole.
QByteArray readDialogueMessage(const RomImage& rom, SnesAddress start, SnesAddress limit);

}  // namespace tessel
