#include "document/editcommands.h"

#include <bit>

namespace tessel {

namespace {

// The `width`-byte little-endian value at offset; false when out of the run.
bool readValue(const TableBytes& target, int offset, int width, quint32* value)
{
    const std::span<quint8> run = target.locate();
    if (width < 1 || width > 4 || offset < 0 || std::size_t(offset + width) > run.size())
        return false;
    *value = 0;
    for (int i = 0; i < width; ++i)
        *value |= quint32(run[std::size_t(offset + i)]) << (8 * i);
    return true;
}

QByteArray littleEndian(quint32 value, int width)
{
    QByteArray bytes(width, '\0');
    for (int i = 0; i < width; ++i)
        bytes[i] = char(value >> (8 * i));
    return bytes;
}

}  // namespace

SetBytesCommand* makeSetByte(CFF3Doc& doc, const TableBytes& target, int offset, quint8 value, const QString& text,
                             int mergeKey)
{
    return new SetBytesCommand(doc, target, offset, littleEndian(value, 1), text, mergeKey);
}

SetBytesCommand* makeSetWord(CFF3Doc& doc, const TableBytes& target, int offset, quint16 value, const QString& text,
                             int mergeKey)
{
    return new SetBytesCommand(doc, target, offset, littleEndian(value, 2), text, mergeKey);
}

SetBytesCommand* makeSetBitField(CFF3Doc& doc, const TableBytes& target, int offset, int width, quint32 mask,
                                 quint32 value, const QString& text, int mergeKey)
{
    quint32 current = 0;
    if (!readValue(target, offset, width, &current) || mask == 0)
        return new SetBytesCommand(doc, target, -1, {}, text, mergeKey);  // invalid: dropped when pushed
    const quint32 shifted = (value << std::countr_zero(mask)) & mask;
    return new SetBytesCommand(doc, target, offset, littleEndian((current & ~mask) | shifted, width), text, mergeKey);
}

quint32 bitFieldValue(const TableBytes& target, int offset, int width, quint32 mask)
{
    quint32 current = 0;
    if (!readValue(target, offset, width, &current) || mask == 0)
        return 0;
    return (current & mask) >> std::countr_zero(mask);
}

}  // namespace tessel
