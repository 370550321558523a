#pragma once

#include "rom/romaddress.h"

#include <QByteArray>

class RomImage;

// Reads one message from `start` up to and including its closing 0x00: the
// first 0x00 that is not an operand (the value after 0x14, or inside a
// 0x11 / 0x16 list up to its 0x12). The read stops before `limit` (when it
// is above start) and at the end of the file; a message cut off there gets
// a 0x00 appended.
QByteArray readDialogueMessage(const RomImage& rom, SnesAddress start, SnesAddress limit);
