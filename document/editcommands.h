#pragma once

// The commands through which editors change the document. Push them on
// CFF3Doc::undoStack(); a command that changes nothing is dropped by the
// stack, so editors need not compare values first.
#include "document/replacemessagecommand.h"
#include "document/setbytescommand.h"
#include "document/setmapcellscommand.h"
#include "document/settriggercommand.h"

namespace tessel {

// One byte, or a little-endian word, of a table.
SetBytesCommand* makeSetByte(CFF3Doc& doc, const TableBytes& target, int offset, quint8 value, const QString& text,
                             int mergeKey = SetBytesCommand::kNoMerge);
SetBytesCommand* makeSetWord(CFF3Doc& doc, const TableBytes& target, int offset, quint16 value, const QString& text,
                             int mergeKey = SetBytesCommand::kNoMerge);

// The bits of `mask` in the `width`-byte little-endian value at offset
// (width 1 to 4) set from value, which is shifted to the mask's lowest bit
// and cut to the mask; every other bit stays as it is.
SetBytesCommand* makeSetBitField(CFF3Doc& doc, const TableBytes& target, int offset, int width, quint32 mask,
                                 quint32 value, const QString& text, int mergeKey = SetBytesCommand::kNoMerge);

// The value such a field holds now (0 when the bytes are not there).
quint32 bitFieldValue(const TableBytes& target, int offset, int width, quint32 mask);

}  // namespace tessel
