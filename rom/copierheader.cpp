#include "rom/copierheader.h"

#include "rom/romidentity.h"

#include <cstring>

namespace tessel {

namespace rom {

bool isHeaderlessImage(QByteArrayView file)
{
    if (file.size() < kImageSize || file.size() + kHeaderSize > kMaxFileSize)
        return false;
    const qint64 title = fileOffset(kTitleAddress) - kHeaderSize;
    const qint64 version = fileOffset(kVersionAddress) - kHeaderSize;
    return std::memcmp(file.data() + title, kExpectedTitle, kTitleLength) == 0 &&
           quint8(file[version]) == kExpectedVersion;
}

QByteArray withCopierHeader(QByteArrayView image)
{
    QByteArray file(kHeaderSize, '\0');
    file.append(image);
    return file;
}

QByteArray withoutCopierHeader(QByteArrayView file)
{
    return file.size() <= kHeaderSize ? QByteArray() : file.sliced(kHeaderSize).toByteArray();
}

}  // namespace rom

}  // namespace tessel
