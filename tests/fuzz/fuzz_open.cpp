// Feeds arbitrary files to the document's open. Odd first bytes patch the
// input into the sample ROM instead, so the table decoders behind the
// title and version checks see garbage too; with bit 1 set as well the
// sample is grown to 4 MB first and the patch lands past the image, where
// a save must keep every byte of other tools: the image is the sample's,
// which keeps all of its own data inside the image, so every byte past it
// belongs to another tool and must come back as it was.
#include "document/cff3doc.h"
#include "tests/support/recordingmessageservice.h"
#include "tools/samplerom/samplerom.h"

#include <QFile>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdlib>

using namespace tessel;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const QByteArray sample = buildSampleRom();
    static QTemporaryDir dir;
    static const QString path = dir.filePath(QStringLiteral("fuzz.smc"));

    QByteArray file;
    bool patchedPastImage = false;
    if (size >= 4 && (data[0] & 1)) {
        patchedPastImage = data[0] & 2;
        file = patchedPastImage ? sample + QByteArray(0x100000, '\0') : sample;
        const qint64 from = patchedPastImage ? sample.size() : 0;
        const qint64 at = from + (qint64(data[1]) << 16 | qint64(data[2]) << 8 | data[3]) % (file.size() - from);
        const QByteArray patch(reinterpret_cast<const char*>(data + 4), qsizetype(size - 4));
        file.replace(at, qMin<qint64>(patch.size(), file.size() - at), patch);
    } else {
        file = QByteArray(reinterpret_cast<const char*>(data), qsizetype(size));
    }
    QFile out(path);
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return 0;
    out.write(file);
    out.close();

    platform::RecordingMessageService messages;
    CFF3Doc doc;
    doc.setMessageService(&messages);
    if (doc.open(path) && doc.save(path)) {
        QFile saved(path);
        if (!saved.open(QIODevice::ReadOnly))
            return 0;
        const QByteArray after = saved.readAll();
        // A save never shortens the file.
        if (after.size() < file.size())
            std::abort();
        if (patchedPastImage && after.mid(sample.size(), file.size() - sample.size()) != file.mid(sample.size()))
            std::abort();
    }
    return 0;
}
