#pragma once

#include <QByteArrayView>

namespace tessel {

namespace patch {

// The CRC32 of zip and PNG (polynomial 0xEDB88320), as BPS patches use it.
quint32 crc32(QByteArrayView data);

}  // namespace patch

}  // namespace tessel
