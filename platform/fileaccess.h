#pragma once

#include <QByteArray>
#include <QString>

namespace tessel {

// File access used by the ROM image: whole-file reads and atomic
// replacement. Every failure comes back as a human-readable reason.
namespace platform {

struct FileReadResult {
    bool ok = false;
    QByteArray data;       // at most the requested number of bytes
    qint64 fileLength = 0; // the file's full length on disk
    QString reason;        // why it failed, when !ok
};

// Reads up to maxBytes from the start of an existing file.
FileReadResult readFileHead(const QString& path, qint64 maxBytes);

// Checks that path names an existing regular file that may be opened for
// writing, without creating or changing it.
bool checkExistingWritable(const QString& path, QString* reason);

// Replaces the content of an existing file with data. The new content is
// written beside the file and swapped in only once complete, so on any
// failure the original stays byte for byte as it was. The file's
// permissions are kept.
bool replaceFileAtomically(const QString& path, const QByteArray& data, QString* reason);

}  // namespace platform

}  // namespace tessel
