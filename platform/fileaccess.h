#pragma once

#include <QByteArray>
#include <QString>

namespace tessel {

// File access for every file the programs read or write: bounded whole-file
// reads and atomic writes. Every failure comes back as a human-readable
// reason.
namespace platform {

struct FileReadResult {
    bool ok = false;
    QByteArray data;        // the whole file, when ok
    bool tooLarge = false;  // the file holds more than the limit
    qint64 fileLength = -1; // its length; -1 when too large and not a regular file
    QString reason;         // why it failed, when !ok
};

// Reads a whole file of at most maxBytes bytes. Whatever the path names (a
// regular file, a pipe, a device) no more than maxBytes + 1 bytes are
// read, so an endless source such as /dev/zero is refused as too large
// instead of filling memory; a regular file over the limit is refused
// before any of it is read.
FileReadResult readFileBounded(const QString& path, qint64 maxBytes);

// The reason readFileBounded gives for a file over the limit; fileLength
// is -1 when the length is unknown.
QString tooLargeReason(qint64 fileLength, qint64 maxBytes);

// Checks that path names an existing regular file that may be opened for
// writing, without creating or changing it.
bool checkExistingWritable(const QString& path, QString* reason);

// Writes data as the whole content of path: a new file, or in place of an
// existing one, whose permissions are kept. The content is written beside
// the file and swapped in only once complete, so on any failure the old
// file stays byte for byte as it was and no partial file is left. A device
// or a pipe (/dev/stdout) is written directly, as nothing can be swapped in
// for it.
bool replaceFileAtomically(const QString& path, const QByteArray& data, QString* reason);

}  // namespace platform

}  // namespace tessel
