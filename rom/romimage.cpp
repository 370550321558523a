#include "rom/romimage.h"

#include "platform/fileaccess.h"

#include <cstring>

#include <QCoreApplication>
#include <QLocale>

namespace tessel {

namespace {

// Why a file cannot be a ROM image: larger than any that a save could write.
QString tooLargeForRom(const platform::FileReadResult& file)
{
    const QLocale locale;
    const QString limit = locale.toString(rom::kMaxFileSize);
    if (file.fileLength < 0)
        return QCoreApplication::translate("RomImage",
                                           "It holds more than %1 bytes, more than any ROM file Tessel can save (a "
                                           "4 MB image behind its 512-byte header).")
            .arg(limit);
    return QCoreApplication::translate("RomImage",
                                       "The file is %1 bytes long, more than any ROM file Tessel can save (at most %2 "
                                       "bytes: a 4 MB image behind its 512-byte header).")
        .arg(locale.toString(file.fileLength), limit);
}

}  // namespace

bool RomImage::openForLoading(const QString& path, QString* reason)
{
    close();
    platform::FileReadResult file = platform::readFileBounded(path, rom::kMaxFileSize);
    if (!file.ok) {
        *reason = file.tooLarge ? tooLargeForRom(file) : file.reason;
        return false;
    }
    data_ = std::move(file.data);
    fileLength_ = data_.size();
    path_ = path;
    mode_ = Mode::Loading;
    return true;
}

bool RomImage::openForSaving(const QString& path, QString* reason)
{
    close();
    if (!platform::checkExistingWritable(path, reason))
        return false;
    platform::FileReadResult file = platform::readFileBounded(path, rom::kMaxFileSize);
    if (!file.ok) {
        *reason = file.tooLarge ? tooLargeForRom(file) : file.reason;
        return false;
    }
    data_ = std::move(file.data);
    fileLength_ = data_.size();
    path_ = path;
    mode_ = Mode::Saving;
    return true;
}

void RomImage::openInMemory(QByteArray data, Mode mode)
{
    close();
    data_ = std::move(data);
    fileLength_ = data_.size();
    mode_ = mode;
}

bool RomImage::commit(QString* reason)
{
    if (mode_ != Mode::Saving) {
        *reason = QCoreApplication::translate("RomImage", "The file is not open for saving.");
        return false;
    }
    if (path_.isEmpty())
        return true;  // an in-memory image has nothing to commit
    return platform::replaceFileAtomically(path_, data_, reason);
}

void RomImage::close()
{
    mode_ = Mode::Closed;
    path_.clear();
    data_.clear();
    fileLength_ = 0;
    pos_ = 0;
}

qint64 RomImage::read(void* buffer, qint64 count)
{
    if (count <= 0)
        return 0;
    const qint64 available = qBound<qint64>(0, data_.size() - pos_, count);
    auto* out = static_cast<char*>(buffer);
    if (available > 0)
        std::memcpy(out, data_.constData() + pos_, size_t(available));
    std::memset(out + available, 0, size_t(count - available));
    pos_ += count;
    return available;
}

quint8 RomImage::readByte()
{
    quint8 value = 0;
    read(&value, 1);
    return value;
}

quint16 RomImage::readWord()
{
    quint8 bytes[2];
    read(bytes, 2);
    return quint16(bytes[0] | (bytes[1] << 8));
}

QByteArray RomImage::readBytes(qint64 count)
{
    QByteArray bytes(qMax<qint64>(count, 0), '\0');
    read(bytes.data(), bytes.size());
    return bytes;
}

void RomImage::write(const void* buffer, qint64 count)
{
    if (count <= 0)
        return;
    if (pos_ + count > data_.size()) {
        data_.resize(pos_ + count, '\0');
        fileLength_ = data_.size();
    }
    std::memcpy(data_.data() + pos_, buffer, size_t(count));
    pos_ += count;
}

void RomImage::writeWord(quint16 value)
{
    const quint8 bytes[2] = {quint8(value), quint8(value >> 8)};
    write(bytes, 2);
}

void RomImage::writePointer24(SnesAddress value)
{
    const quint8 bytes[3] = {quint8(value), quint8(value >> 8), quint8(value >> 16)};
    write(bytes, 3);
}

void RomImage::writeFill(quint8 value, qint64 count)
{
    if (count <= 0)
        return;
    const QByteArray fill(count, char(value));
    write(fill);
}

quint32 RomImage::ReadPointer24(SnesAddress address)
{
    SeekSnes(address);
    quint8 bytes[3];
    read(bytes, 3);
    return quint32(bytes[0]) | (quint32(bytes[1]) << 8) | (quint32(bytes[2]) << 16);
}

void RomImage::TruncateAtSnes(SnesAddress address)
{
    SeekSnes(address);
    data_.resize(pos_, '\0');
    fileLength_ = data_.size();
}

}  // namespace tessel
