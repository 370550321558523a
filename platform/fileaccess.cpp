#include "platform/fileaccess.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace tessel {

namespace platform {

FileReadResult readFileHead(const QString& path, qint64 maxBytes)
{
    FileReadResult result;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        result.reason = file.errorString();
        return result;
    }
    result.fileLength = file.size();
    result.data = file.read(qMin(maxBytes, result.fileLength));
    if (file.error() != QFileDevice::NoError) {
        result.reason = file.errorString();
        result.data.clear();
        return result;
    }
    result.ok = true;
    return result;
}

bool checkExistingWritable(const QString& path, QString* reason)
{
    const QFileInfo info(path);
    if (!info.exists()) {
        *reason = QCoreApplication::translate("FileAccess", "The file does not exist.");
        return false;
    }
    if (!info.isFile()) {
        *reason = QCoreApplication::translate("FileAccess", "It is not a regular file.");
        return false;
    }
    // The read-only mark is honoured even where the system would let us write.
    if (!(info.permissions() & QFile::WriteOwner)) {
        *reason = QCoreApplication::translate("FileAccess", "The file is read-only.");
        return false;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadWrite | QIODevice::ExistingOnly)) {
        *reason = file.errorString();
        return false;
    }
    return true;
}

bool replaceFileAtomically(const QString& path, const QByteArray& data, QString* reason)
{
    const QFile::Permissions permissions = QFileInfo(path).permissions();
    QSaveFile out(path);
    out.setDirectWriteFallback(false);
    if (!out.open(QIODevice::WriteOnly)) {
        *reason = out.errorString();
        return false;
    }
    if (out.write(data) != data.size()) {
        *reason = out.errorString();
        out.cancelWriting();
        return false;
    }
    if (!out.commit()) {
        *reason = out.errorString();
        return false;
    }
    QFile::setPermissions(path, permissions);
    return true;
}

}  // namespace platform

}  // namespace tessel
