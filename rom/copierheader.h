#pragma once

#include "rom/romaddress.h"

#include <QByteArray>
#include <QByteArrayView>

namespace tessel {

// The 512-byte copier header in front of the game image. Copiers of the
// time wrote it; most copies of the game today have none.
namespace rom {

// The usual rule: a file with a header is 512 bytes over a whole number of
// kilobytes.
constexpr bool hasCopierHeader(qint64 fileSize)
{
    return fileSize % 0x400 == kHeaderSize;
}

// True when file is the accepted game without its header: the title and
// version byte at their headerless places, at least the whole 3 MB image,
// and room for a header within the largest ROM file.
bool isHeaderlessImage(QByteArrayView file);

// The image behind a header of zeros (the editor flags block starts empty).
QByteArray withCopierHeader(QByteArrayView image);
// The file without its first 512 bytes.
QByteArray withoutCopierHeader(QByteArrayView file);

}  // namespace rom

}  // namespace tessel
