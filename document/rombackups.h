#pragma once

#include <QDateTime>
#include <QList>
#include <QString>

namespace tessel {

// Copies of one ROM file kept in a folder beside it named after the file's
// whole name, FILE-backups, as FILE-N-YYYYMMDD-HHMMSS.EXT: N counts the
// copies made (the newest has the highest), the time is the local time it
// was made, EXT is the file's own extension. The order is N's, so a clock
// set back never makes the copy just made look oldest. Only files named
// that way count as backups: nothing else in the folder is listed or
// removed, and backups of another file never are.
class RomBackups {
public:
    struct Entry {
        QString path;
        QDateTime time;  // as recorded in the name
        int number = 1;  // N: the order in which the copies were made
        qint64 size = 0;
    };

    explicit RomBackups(const QString& romPath);

    QString folder() const { return folder_; }
    // Newest first.
    QList<Entry> list() const;

    // Copies the ROM file as it is now into the folder, made if missing;
    // the copy's path goes to createdPath. A file byte-identical to the
    // newest backup needs no copy: true with createdPath empty.
    bool add(const QDateTime& when, QString* createdPath, QString* reason) const;
    // Removes the oldest copies beyond keep (at least one is kept).
    void prune(int keep) const;
    // Replaces the ROM file with the backup's bytes, atomically.
    bool restore(const Entry& backup, QString* reason) const;

    // Where earlier versions kept backups, NAME-backups/NAME-YYYYMMDD-HHMMSS.smc
    // for every file named NAME.*, when it holds any: they are only pointed
    // to, never listed (they may be another file's) nor removed.
    QString olderBackupsFolder() const;

private:
    QString romPath_;
    QString fileName_;
    QString suffix_;  // ".sfc", or empty for a file without an extension
    QString folder_;
};

}  // namespace tessel
