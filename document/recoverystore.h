#pragma once

#include "rom/recordref.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

namespace tessel {

// What a recovery copy holds besides the image: the ROM it belongs to, the
// ROM file as it was at Open, when the copy was made and the editor frames
// that were open (each by the subject it was opened at).
struct RecoveryCopy {
    QString id;
    QString romPath;
    qint64 romSize = -1;
    QDateTime romModified;
    QDateTime copied;
    std::vector<RecordRef> frames;
    // The image as written, to tell a damaged copy: its size and CRC-32
    // (8 hex digits); copies written by earlier versions carry a SHA-256
    // (64 hex digits) instead.
    qint64 imageSize = 0;
    QByteArray imageCrc32;
    QByteArray imageSha256;
};

// Whether the ROM file is gone, or its size or time differ from those it
// had when the copied document was opened (someone wrote it since).
bool romChangedSinceCopy(const RecoveryCopy& copy);

// The recovery copies of unsaved documents: for each ROM path an image (the
// bytes Save would write) and a JSON side file, in one folder, named after a
// hash of the path. Both are written atomically, the image first; a copy
// whose image is missing, shorter or otherwise not what the side file
// records is refused when read and left where it is.
class RecoveryStore {
public:
    // The application's data folder's "recovery" folder (QStandardPaths).
    static QString defaultFolder();
    explicit RecoveryStore(QString folder = defaultFolder());

    const QString& folder() const { return folder_; }
    // The copy's name for a ROM path: the same path always gives the same id.
    static QString idFor(const QString& romPath);
    // The image of a copy is named after its hash too, so a new image never
    // replaces the one the side file names until the side file is written.
    QString imagePath(const RecoveryCopy& copy) const;
    QString sidePath(const QString& id) const;

    // Writes the image and the side file of the copy of copy.romPath, and
    // fills in the id, size and hash; false, with the reason, on failure.
    bool write(RecoveryCopy& copy, const QByteArray& image, QString* reason) const;
    // The side file of every copy that can be read, newest first.
    std::vector<RecoveryCopy> list() const;
    // The side file of the copy of a ROM path, when there is one.
    std::optional<RecoveryCopy> find(const QString& romPath) const;
    // Reads a copy and checks its image against the side file; false, with
    // the reason, when either is missing or damaged (nothing is deleted).
    bool read(const QString& id, RecoveryCopy* copy, QByteArray* image, QString* reason) const;
    // Deletes both files of a copy; true when none is left.
    bool remove(const QString& id) const;

    // The side file's JSON text, and the copy read back from it.
    static QByteArray sideText(const RecoveryCopy& copy);
    static bool parseSide(const QByteArray& text, RecoveryCopy* copy, QString* reason);

private:
    // Every image file of a copy (normally one).
    QStringList imagesOf(const QString& id) const;

    QString folder_;
};

}  // namespace tessel
