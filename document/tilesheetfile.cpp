#include "document/tilesheetfile.h"

#include "platform/fileaccess.h"
#include "worldmap/bmpfile.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QImage>
#include <QImageWriter>
#include <QtEndian>

#include <zlib.h>

namespace tessel {

namespace {

constexpr char kPngSignature[] = "\x89PNG\r\n\x1a\n";
constexpr int kPngSignatureSize = 8;
// The first chunk of every PNG image is its header: width, height, depth, colour type.
constexpr int kIhdrWidthAt = 16;
constexpr int kIhdrHeightAt = 20;
constexpr int kIhdrDepthAt = 24;
constexpr int kIhdrColorTypeAt = 25;
constexpr int kPngIndexed = 3;
// A chunk's length, type and CRC around its data.
constexpr int kChunkOverhead = 12;

bool looksLikePng(const QByteArray& bytes)
{
    return bytes.startsWith(QByteArray(kPngSignature, kPngSignatureSize));
}

QByteArray encodePng(const IndexedPicture& picture)
{
    QImage image(picture.width, picture.height, QImage::Format_Indexed8);
    QList<QRgb> table;
    for (const quint32 color : picture.colors)
        table.append(0xFF000000u | color);
    image.setColorTable(table);
    for (int y = 0; y < picture.height; ++y)
        std::copy_n(picture.pixels.constData() + qsizetype(y) * picture.width, picture.width, image.scanLine(y));
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter(&buffer, "png").write(image);
    return bytes;
}

// Qt's reader turns indexes past the end of a short palette into 0 without
// a word. The image is read with its palette padded to 256 colours (the
// chunk's CRC made anew), so that such pixels can be found and refused.
// `entries` receives the palette's own length (-1 when there is none).
QByteArray withFullPalette(const QByteArray& bytes, int* entries)
{
    *entries = -1;
    QByteArray out = bytes.left(kPngSignatureSize);
    qsizetype at = kPngSignatureSize;
    while (at + kChunkOverhead <= bytes.size()) {
        const quint32 length = qFromBigEndian<quint32>(bytes.constData() + at);
        if (length > quint32(bytes.size() - at - kChunkOverhead))
            return bytes;  // cut short: the reader says so
        const QByteArray type = bytes.mid(at + 4, 4);
        if (type == "PLTE" && *entries < 0 && length % 3 == 0) {
            *entries = int(length / 3);
            const QByteArray colors = bytes.mid(at + 8, length).leftJustified(3 * IndexedPicture::kColors, '\0');
            const QByteArray chunk = type + colors;
            char header[4];
            char crc[4];
            qToBigEndian(quint32(colors.size()), header);
            qToBigEndian(quint32(crc32(0, reinterpret_cast<const Bytef*>(chunk.constData()), uInt(chunk.size()))), crc);
            out += QByteArray(header, 4) + chunk + QByteArray(crc, 4);
        } else {
            out += bytes.mid(at, kChunkOverhead + length);
        }
        at += kChunkOverhead + length;
    }
    out += bytes.mid(at);
    return out;
}

std::optional<IndexedPicture> decodePng(const QByteArray& bytes, QString* reason)
{
    if (bytes.size() < kIhdrColorTypeAt + 1 || bytes.mid(12, 4) != "IHDR") {
        *reason = QCoreApplication::translate("TileSheetFile", "the PNG image is cut short in its header");
        return std::nullopt;
    }
    const quint32 width = qFromBigEndian<quint32>(bytes.constData() + kIhdrWidthAt);
    const quint32 height = qFromBigEndian<quint32>(bytes.constData() + kIhdrHeightAt);
    const int depth = quint8(bytes[kIhdrDepthAt]);
    const int colorType = quint8(bytes[kIhdrColorTypeAt]);
    if (colorType != kPngIndexed || depth != 8) {
        *reason =
            colorType == kPngIndexed
                ? QCoreApplication::translate("TileSheetFile", "it is a %1-bit indexed PNG image, not an 8-bit one")
                      .arg(depth)
                : QCoreApplication::translate("TileSheetFile",
                                              "it is a PNG image without a colour table, not an 8-bit indexed one");
        return std::nullopt;
    }
    if (width == 0 || height == 0 || width > quint32(BmpFile::kMaxSide) || height > quint32(BmpFile::kMaxSide)) {
        *reason = QCoreApplication::translate("TileSheetFile", "its size of %1 x %2 pixels is out of range")
                      .arg(width)
                      .arg(height);
        return std::nullopt;
    }
    int entries = -1;
    const QImage image = QImage::fromData(withFullPalette(bytes, &entries), "PNG");
    if (image.isNull() || image.format() != QImage::Format_Indexed8) {
        *reason = QCoreApplication::translate("TileSheetFile", "the PNG image cannot be decoded");
        return std::nullopt;
    }
    IndexedPicture picture(image.width(), image.height());
    const QList<QRgb> table = image.colorTable();
    for (qsizetype i = 0; i < table.size() && i < IndexedPicture::kColors && i < entries; ++i)
        picture.colors[std::size_t(i)] = table[i] & 0xFFFFFF;
    for (int y = 0; y < image.height(); ++y)
        std::copy_n(image.constScanLine(y), image.width(), picture.pixels.data() + qsizetype(y) * image.width());
    if (const std::optional<QPoint> past = picture.firstIndexPast(entries)) {
        *reason = QCoreApplication::translate("TileSheetFile", "pixel (%1, %2) has colour %3, past the %4 colours of "
                                                               "its palette")
                      .arg(past->x())
                      .arg(past->y())
                      .arg(picture.index(past->x(), past->y()))
                      .arg(entries);
        return std::nullopt;
    }
    return picture;
}

}  // namespace

TileSheetFile::Format TileSheetFile::formatForPath(const QString& path)
{
    return path.endsWith(QLatin1String(".png"), Qt::CaseInsensitive) ? Format::Png : Format::Bmp;
}

QByteArray TileSheetFile::encode(const IndexedPicture& picture, Format format)
{
    return format == Format::Png ? encodePng(picture) : BmpFile::encode(picture);
}

std::optional<IndexedPicture> TileSheetFile::decode(const QByteArray& bytes, QString* reason)
{
    QString why;
    std::optional<IndexedPicture> picture;
    if (looksLikePng(bytes))
        picture = decodePng(bytes, &why);
    else if (BmpFile::looksLike(bytes))
        picture = BmpFile::decode(bytes, &why);
    else
        why = QCoreApplication::translate("TileSheetFile", "it is neither a Windows bitmap nor a PNG image");
    if (!picture && reason)
        *reason = why;
    return picture;
}

bool TileSheetFile::write(const IndexedPicture& picture, const QString& path, QString* reason)
{
    const QByteArray bytes = encode(picture, formatForPath(path));
    QString why = QCoreApplication::translate("TileSheetFile", "the picture could not be encoded");
    if (!bytes.isEmpty() && platform::replaceFileAtomically(path, bytes, &why))
        return true;
    if (reason)
        *reason = why;
    return false;
}

std::optional<IndexedPicture> TileSheetFile::read(const QString& path, QString* reason, bool* unreadable)
{
    platform::FileReadResult file = platform::readFileBounded(path, kMaxFileSize);
    if (unreadable)
        *unreadable = !file.ok && !file.tooLarge;
    if (!file.ok) {
        if (reason)
            *reason = !file.tooLarge ? file.reason
                      : file.fileLength < 0
                          ? QCoreApplication::translate("TileSheetFile", "the file holds more than any sheet")
                          : QCoreApplication::translate("TileSheetFile", "the file is larger than any sheet (%1 bytes)")
                                .arg(file.fileLength);
        return std::nullopt;
    }
    return decode(file.data, reason);
}

}  // namespace tessel
