#include "worldmap/bmpfile.h"

#include <QCoreApplication>
#include <QtEndian>

#include <algorithm>
#include <cstdlib>

namespace tessel {

namespace {

constexpr int kFileHeaderSize = 14;
constexpr int kInfoHeaderSize = 40;
constexpr int kCoreHeaderSize = 12;
constexpr quint32 kUncompressed = 0;  // BI_RGB
constexpr quint32 kRunLength8 = 1;    // BI_RLE8

// Reads little-endian values at offsets the caller checked.
quint16 word(const QByteArray& bytes, qsizetype at)
{
    return qFromLittleEndian<quint16>(bytes.constData() + at);
}

quint32 dword(const QByteArray& bytes, qsizetype at)
{
    return qFromLittleEndian<quint32>(bytes.constData() + at);
}

void putWord(QByteArray& bytes, quint16 value)
{
    char out[2];
    qToLittleEndian(value, out);
    bytes.append(out, 2);
}

void putDword(QByteArray& bytes, quint32 value)
{
    char out[4];
    qToLittleEndian(value, out);
    bytes.append(out, 4);
}

int rowStride(int width)
{
    return (width + 3) & ~3;
}

bool refuse(QString* reason, const QString& text)
{
    if (reason)
        *reason = text;
    return false;
}

// Expands an RLE8 stream into the picture (bottom-up rows); pixels the
// stream skips stay 0. False when the stream runs past the file.
bool expandRunLength(const QByteArray& file, qsizetype at, IndexedPicture& picture, QString* reason)
{
    const qsizetype end = file.size();
    int x = 0;
    int row = 0;  // counted from the bottom
    auto put = [&](int value) {
        if (x < picture.width && row < picture.height)
            picture.setIndex(x, picture.height - 1 - row, value);
        ++x;
    };
    while (at + 1 < end) {
        const int count = quint8(file[at]);
        const int value = quint8(file[at + 1]);
        at += 2;
        if (count > 0) {
            for (int i = 0; i < count; ++i)
                put(value);
        } else if (value == 0) {  // end of line
            x = 0;
            ++row;
        } else if (value == 1) {  // end of picture
            return true;
        } else if (value == 2) {  // move right and up
            if (at + 1 >= end)
                break;
            x += quint8(file[at]);
            row += quint8(file[at + 1]);
            at += 2;
        } else {  // `value` literal pixels, padded to an even count
            if (at + value > end)
                break;
            for (int i = 0; i < value; ++i)
                put(quint8(file[at + i]));
            at += value + (value & 1);
        }
        if (row >= picture.height)
            return true;  // nothing more can land in the picture
    }
    return refuse(reason, QCoreApplication::translate("BmpFile", "the run-length encoded pixels are cut short"));
}

// The picture, unless a pixel takes a colour past the end of its table
// (which no reader can show as the painter meant).
std::optional<IndexedPicture> checkedColors(const IndexedPicture& picture, int entries, QString* reason)
{
    const std::optional<QPoint> past = picture.firstIndexPast(entries);
    if (!past)
        return picture;
    refuse(reason, QCoreApplication::translate("BmpFile", "pixel (%1, %2) has colour %3, past the %4 colours of its "
                                                          "colour table")
                       .arg(past->x())
                       .arg(past->y())
                       .arg(picture.index(past->x(), past->y()))
                       .arg(entries));
    return std::nullopt;
}

}  // namespace

bool BmpFile::looksLike(const QByteArray& file)
{
    return file.startsWith("BM");
}

QByteArray BmpFile::encode(const IndexedPicture& picture)
{
    const int stride = rowStride(picture.width);
    const quint32 tableSize = 4 * IndexedPicture::kColors;
    const quint32 pixelOffset = kFileHeaderSize + kInfoHeaderSize + tableSize;
    const quint32 imageSize = quint32(stride) * quint32(picture.height);

    QByteArray file;
    file.reserve(qsizetype(pixelOffset + imageSize));
    file.append("BM", 2);
    putDword(file, pixelOffset + imageSize);
    putDword(file, 0);
    putDword(file, pixelOffset);
    putDword(file, kInfoHeaderSize);
    putDword(file, quint32(picture.width));
    putDword(file, quint32(picture.height));  // positive: bottom-up
    putWord(file, 1);                          // planes
    putWord(file, 8);                          // bits per pixel
    putDword(file, kUncompressed);
    putDword(file, imageSize);
    putDword(file, 2835);  // 72 dots per inch
    putDword(file, 2835);
    putDword(file, IndexedPicture::kColors);
    putDword(file, 0);
    for (const quint32 color : picture.colors) {
        file.append(char(color & 0xFF));
        file.append(char((color >> 8) & 0xFF));
        file.append(char((color >> 16) & 0xFF));
        file.append('\0');
    }
    for (int y = picture.height - 1; y >= 0; --y) {
        file.append(picture.pixels.constData() + qsizetype(y) * picture.width, picture.width);
        file.append(stride - picture.width, '\0');
    }
    return file;
}

std::optional<IndexedPicture> BmpFile::decode(const QByteArray& file, QString* reason)
{
    if (!looksLike(file) || file.size() < kFileHeaderSize + 4) {
        refuse(reason, QCoreApplication::translate("BmpFile", "it is not a Windows bitmap file"));
        return std::nullopt;
    }
    const quint32 pixelOffset = dword(file, 10);
    const quint32 headerSize = dword(file, kFileHeaderSize);
    const bool core = headerSize == kCoreHeaderSize;
    if (!core && headerSize < kInfoHeaderSize) {
        refuse(reason,
               QCoreApplication::translate("BmpFile", "its header of %1 bytes is of no known kind").arg(headerSize));
        return std::nullopt;
    }
    if (file.size() < kFileHeaderSize + qsizetype(headerSize)) {
        refuse(reason, QCoreApplication::translate("BmpFile", "the file is cut short in its header"));
        return std::nullopt;
    }
    qint64 width = core ? word(file, 18) : qint32(dword(file, 18));
    qint64 height = core ? word(file, 20) : qint32(dword(file, 22));
    const int bits = core ? word(file, 24) : word(file, 28);
    const quint32 compression = core ? kUncompressed : dword(file, 30);
    const quint32 colorsUsed = core ? 0 : dword(file, 46);
    const bool topDown = height < 0;
    height = std::llabs(height);

    if (bits != 8) {
        refuse(reason, QCoreApplication::translate("BmpFile", "it has %1 bits per pixel, not 8").arg(bits));
        return std::nullopt;
    }
    if (width <= 0 || height <= 0 || width > kMaxSide || height > kMaxSide) {
        refuse(reason, QCoreApplication::translate("BmpFile", "its size of %1 x %2 pixels is out of range")
                           .arg(width)
                           .arg(height));
        return std::nullopt;
    }
    if (compression != kUncompressed && compression != kRunLength8) {
        refuse(reason,
               QCoreApplication::translate("BmpFile", "its pixels are compressed in a way that is not read (method %1)")
                   .arg(compression));
        return std::nullopt;
    }

    IndexedPicture picture{int(width), int(height)};
    const int entrySize = core ? 3 : 4;
    const qsizetype tableStart = kFileHeaderSize + qsizetype(headerSize);
    // The table lies between the headers and the pixels: a file that
    // leaves no room there has none, whatever its header claims.
    const qint64 room = qint64(pixelOffset) > tableStart ? (qint64(pixelOffset) - tableStart) / entrySize : 0;
    const qint64 entries = std::min(room, colorsUsed == 0 || colorsUsed > IndexedPicture::kColors
                                              ? qint64(IndexedPicture::kColors)
                                              : qint64(colorsUsed));
    if (entries == 0) {
        refuse(reason, QCoreApplication::translate("BmpFile", "it has no colour table"));
        return std::nullopt;
    }
    for (int i = 0; i < entries; ++i) {
        const qsizetype at = tableStart + qsizetype(i) * entrySize;
        if (at + 3 > file.size()) {
            refuse(reason, QCoreApplication::translate("BmpFile", "the file is cut short in its colour table"));
            return std::nullopt;
        }
        picture.colors[std::size_t(i)] =
            quint32(quint8(file[at + 2])) << 16 | quint32(quint8(file[at + 1])) << 8 | quint8(file[at]);
    }

    if (pixelOffset >= quint32(file.size())) {
        refuse(reason, QCoreApplication::translate("BmpFile", "the file holds no pixels"));
        return std::nullopt;
    }
    if (compression == kRunLength8) {
        if (!expandRunLength(file, qsizetype(pixelOffset), picture, reason))
            return std::nullopt;
        return checkedColors(picture, int(entries), reason);
    }
    const int stride = rowStride(int(width));
    // The last row needs only its pixels, not its padding.
    if (qint64(pixelOffset) + qint64(stride) * (height - 1) + width > file.size()) {
        refuse(reason, QCoreApplication::translate("BmpFile", "the file is cut short in its pixels"));
        return std::nullopt;
    }
    for (int row = 0; row < height; ++row) {
        const int y = topDown ? row : int(height) - 1 - row;
        std::copy_n(file.constData() + pixelOffset + qsizetype(row) * stride, width,
                    picture.pixels.data() + qsizetype(y) * width);
    }
    return checkedColors(picture, int(entries), reason);
}

}  // namespace tessel
