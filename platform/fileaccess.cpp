#include "platform/fileaccess.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QSaveFile>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace tessel {

namespace platform {

namespace {

constexpr qint64 kReadChunk = 1 << 20;

QString tr(const char* text)
{
    return QCoreApplication::translate("FileAccess", text);
}

#ifdef Q_OS_UNIX

// Closes a descriptor when it goes out of scope.
struct Descriptor {
    int fd = -1;
    ~Descriptor()
    {
        if (fd >= 0)
            ::close(fd);
    }
};

QString systemReason()
{
    return qt_error_string(errno);
}

bool openDescriptor(const QString& path, int flags, Descriptor* file, QString* reason)
{
    do
        file->fd = ::open(QFile::encodeName(path).constData(), flags | O_CLOEXEC);
    while (file->fd < 0 && errno == EINTR);
    if (file->fd < 0) {
        *reason = systemReason();
        return false;
    }
    return true;
}

FileReadResult readBounded(const QString& path, qint64 maxBytes)
{
    FileReadResult result;
    Descriptor file;
    if (!openDescriptor(path, O_RDONLY, &file, &result.reason))
        return result;
    struct stat info {};
    if (::fstat(file.fd, &info) != 0) {
        result.reason = systemReason();
        return result;
    }
    if (S_ISDIR(info.st_mode)) {
        result.reason = tr("It is a folder.");
        return result;
    }
    if (S_ISREG(info.st_mode)) {
        result.fileLength = info.st_size;
        if (info.st_size > maxBytes) {
            result.tooLarge = true;
            result.reason = tooLargeReason(info.st_size, maxBytes);
            return result;
        }
        result.data.reserve(qsizetype(info.st_size) + 1);
    }
    // One byte past the limit tells a file of exactly maxBytes from a longer one.
    const qint64 limit = maxBytes + 1;
    while (result.data.size() < limit) {
        const qsizetype at = result.data.size();
        const qint64 wanted = qMin(kReadChunk, limit - at);
        result.data.resize(at + qsizetype(wanted));
        ssize_t got = 0;
        do
            got = ::read(file.fd, result.data.data() + at, size_t(wanted));
        while (got < 0 && errno == EINTR);
        if (got < 0) {
            result.reason = systemReason();
            result.data.clear();
            return result;
        }
        result.data.resize(at + got);
        if (got == 0)
            break;
    }
    if (result.data.size() > maxBytes) {
        result.tooLarge = true;
        if (!S_ISREG(info.st_mode))
            result.fileLength = -1;
        result.reason = tooLargeReason(result.fileLength, maxBytes);
        result.data.clear();
        return result;
    }
    result.fileLength = result.data.size();
    result.ok = true;
    return result;
}

bool writeDirectly(const QString& path, const QByteArray& data, QString* reason)
{
    Descriptor file;
    if (!openDescriptor(path, O_WRONLY, &file, reason))
        return false;
    qsizetype done = 0;
    while (done < data.size()) {
        const ssize_t written = ::write(file.fd, data.constData() + done, size_t(data.size() - done));
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0) {
            *reason = systemReason();
            return false;
        }
        done += written;
    }
    const int fd = file.fd;
    file.fd = -1;
    if (::close(fd) != 0) {
        *reason = systemReason();
        return false;
    }
    return true;
}

#else

FileReadResult readBounded(const QString& path, qint64 maxBytes)
{
    FileReadResult result;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        result.reason = file.errorString();
        return result;
    }
    if (!file.isSequential()) {
        result.fileLength = file.size();
        if (file.size() > maxBytes) {
            result.tooLarge = true;
            result.reason = tooLargeReason(file.size(), maxBytes);
            return result;
        }
    }
    result.data = file.read(maxBytes + 1);
    if (file.error() != QFileDevice::NoError) {
        result.reason = file.errorString();
        result.data.clear();
        return result;
    }
    if (result.data.size() > maxBytes) {
        result.tooLarge = true;
        result.fileLength = file.isSequential() ? -1 : file.size();
        result.reason = tooLargeReason(result.fileLength, maxBytes);
        result.data.clear();
        return result;
    }
    result.fileLength = result.data.size();
    result.ok = true;
    return result;
}

bool writeDirectly(const QString& path, const QByteArray& data, QString* reason)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered) || file.write(data) != data.size()) {
        *reason = file.errorString();
        return false;
    }
    return true;
}

#endif

}  // namespace

FileReadResult readFileBounded(const QString& path, qint64 maxBytes)
{
    return readBounded(path, qMax<qint64>(maxBytes, 0));
}

QString tooLargeReason(qint64 fileLength, qint64 maxBytes)
{
    const QLocale locale;
    if (fileLength < 0)
        return tr("The file holds more than the %1 bytes allowed.").arg(locale.toString(maxBytes));
    return tr("The file is %1 bytes long, more than the %2 bytes allowed.")
        .arg(locale.toString(fileLength), locale.toString(maxBytes));
}

bool checkExistingWritable(const QString& path, QString* reason)
{
    const QFileInfo info(path);
    if (!info.exists()) {
        *reason = tr("The file does not exist.");
        return false;
    }
    if (!info.isFile()) {
        *reason = tr("It is not a regular file.");
        return false;
    }
    // The read-only mark is honoured even where the system would let us write.
    if (!(info.permissions() & QFile::WriteOwner)) {
        *reason = tr("The file is read-only.");
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
    const QFileInfo existing(path);
    if (existing.isDir()) {
        *reason = tr("It is a folder.");
        return false;
    }
    if (existing.exists() && !existing.isFile())
        return writeDirectly(path, data, reason);
    if (existing.exists() && !(existing.permissions() & QFile::WriteOwner)) {
        *reason = tr("The file is read-only.");
        return false;
    }
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
    if (existing.exists())
        QFile::setPermissions(path, existing.permissions());
    return true;
}

}  // namespace platform

}  // namespace tessel
