#include "rom/romchecksum.h"

#include "rom/romimage.h"

namespace tessel {

namespace {

// Image offsets of the pair.
constexpr qint64 kComplementOffset = RomChecksum::kComplementAddress - rom::kImageStart;
constexpr qint64 kChecksumOffset = RomChecksum::kChecksumAddress - rom::kImageStart;

quint64 plainSum(const quint8* data, qint64 size)
{
    quint64 sum = 0;
    for (qint64 i = 0; i < size; ++i)
        sum += data[i];
    return sum;
}

// The sum of size bytes mirrored to fill bytes (a power of two, >= size):
// the first half counts once and whatever lies beyond it is mirrored to
// fill the second half.
quint64 mirroredSum(const quint8* data, qint64 size, qint64 fill)
{
    if (size == fill)
        return plainSum(data, size);
    const qint64 half = fill / 2;
    if (size <= half)
        return 2 * mirroredSum(data, size, half);
    return plainSum(data, half) + mirroredSum(data + half, size - half, half);
}

quint16 wordAt(QByteArrayView image, qint64 offset)
{
    if (image.size() < offset + 2)
        return 0;
    return quint16(quint8(image[offset]) | quint8(image[offset + 1]) << 8);
}

}  // namespace

quint16 RomChecksum::compute(QByteArrayView image)
{
    if (image.isEmpty())
        return 0;
    qint64 fill = 1;
    while (fill < image.size())
        fill *= 2;
    const auto* data = reinterpret_cast<const quint8*>(image.data());
    quint64 sum = mirroredSum(data, image.size(), fill);
    // Count the stored pair as any consistent pair: 0xFF + 0xFF. (In an
    // image of 64 KB or more the pair lies in the part counted once.)
    if (image.size() >= 0x10000) {
        sum -= plainSum(data + kComplementOffset, 4);
        sum += 2 * 0xFF;
    }
    return quint16(sum);
}

quint16 RomChecksum::storedChecksum(QByteArrayView image)
{
    return wordAt(image, kChecksumOffset);
}

quint16 RomChecksum::storedComplement(QByteArrayView image)
{
    return wordAt(image, kComplementOffset);
}

bool RomChecksum::matches(QByteArrayView image)
{
    const quint16 sum = compute(image);
    return storedChecksum(image) == sum && storedComplement(image) == quint16(~sum);
}

void RomChecksum::write(RomImage& rom)
{
    const QByteArray& file = rom.data();
    const quint16 sum = compute(QByteArrayView(file).sliced(qMin<qint64>(rom::kHeaderSize, file.size())));
    rom.SeekSnes(kComplementAddress);
    rom.writeWord(quint16(~sum));
    rom.writeWord(sum);
}

}  // namespace tessel
