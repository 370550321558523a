#pragma once

#include <QDateTime>
#include <QList>
#include <QString>

namespace tessel {

// Copies of a ROM file kept in a folder beside it, NAME-backups, as
// NAME-YYYYMMDD-HHMMSS.smc (local time; a second copy within the same
// second gets -2, a third -3, and so on). Only files named that way count
// as backups: nothing else in the folder is ever listed or removed.
class RomBackups {
public:
    struct Entry {
        QString path;
        QDateTime time;
        int sequence = 1;  // 1, or the number after the time
        qint64 size = 0;
    };

    explicit RomBackups(const QString& romPath);

    QString folder() const { return folder_; }
    // Newest first.
    QList<Entry> list() const;

    // Copies the ROM file as it is now into the folder, made if missing;
    // the copy's path goes to createdPath.
    bool add(const QDateTime& when, QString* createdPath, QString* reason) const;
    // Removes the oldest copies beyond keep (at least one is kept).
    void prune(int keep) const;
    // Replaces the ROM file with the backup's bytes, atomically.
    bool restore(const Entry& backup, QString* reason) const;

private:
    QString romPath_;
    QString name_;
    QString folder_;
};

}  // namespace tessel
