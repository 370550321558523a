#pragma once

#include "rom/romaddress.h"

#include <QByteArray>
#include <QString>

#include <array>
#include <span>

namespace tessel {

// A ROM file open for one load or one save, read and written at SNES
// addresses. The content lives in memory while open; a save builds the new
// content there and commit() swaps it into the file atomically, so a failed
// save never leaves the file half-written. Reads past the end yield zeros
// and report how many real bytes were read.
class RomImage {
public:
    enum class Mode { Closed, Loading, Saving };

    // Reads the file (up to the largest size a ROM can have).
    bool openForLoading(const QString& path, QString* reason);
    // Opens an existing, writable file; never creates one.
    bool openForSaving(const QString& path, QString* reason);
    // Saving only: replaces the file with the image built so far.
    bool commit(QString* reason);
    void close();

    // An image in memory, for building and testing without a file.
    void openInMemory(QByteArray data, Mode mode = Mode::Saving);
    const QByteArray& data() const { return data_; }

    Mode mode() const { return mode_; }
    bool isOpen() const { return mode_ != Mode::Closed; }
    QString path() const { return path_; }

    // The file's length in bytes (for loading: its length on disk).
    qint64 length() const { return fileLength_; }

    void SeekSnes(SnesAddress address) { pos_ = rom::fileOffset(address); }
    void seekOffset(qint64 offset) { pos_ = offset; }
    SnesAddress TellSnes() const { return rom::snesAddress(pos_); }
    qint64 position() const { return pos_; }

    // Reads up to count bytes and advances; missing bytes are zero.
    qint64 read(void* buffer, qint64 count);
    quint8 readByte();
    quint16 readWord();
    template <std::size_t N>
    qint64 readInto(std::array<quint8, N>& out) { return read(out.data(), qint64(N)); }
    QByteArray readBytes(qint64 count);

    // Writes at the position, growing the file (zero-filled) as needed.
    void write(const void* buffer, qint64 count);
    void write(std::span<const quint8> bytes) { write(bytes.data(), qint64(bytes.size())); }
    void write(const QByteArray& bytes) { write(bytes.constData(), bytes.size()); }
    void writeByte(quint8 value) { write(&value, 1); }
    void writeWord(quint16 value);
    void writePointer24(SnesAddress value);
    void writeFill(quint8 value, qint64 count);

    quint32 ReadPointer24(SnesAddress address);
    // Makes the given address the end of the file.
    void TruncateAtSnes(SnesAddress address);

private:
    Mode mode_ = Mode::Closed;
    QString path_;
    QByteArray data_;
    qint64 fileLength_ = 0;
    qint64 pos_ = 0;
};

}  // namespace tessel
