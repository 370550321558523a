#include "document/savebackup.h"

#include "document/rombackups.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

namespace tessel {

SaveBackup::SaveBackup(const QString& romPath, const SaveOptions& options, QDateTime now)
    : romPath_(romPath), options_(options), now_(std::move(now))
{
}

bool SaveBackup::make(QString* message)
{
    if (!options_.keepBackups)
        return true;
    QString reason;
    if (RomBackups(romPath_).add(now_, &made_, &reason))
        return true;
    *message =
        QCoreApplication::translate("SaveBackup",
                                    "Could not make a backup of %1 before saving:\n%2\n\nNothing was saved. Turn off "
                                    "Options > Keep Backups on Save to save without a backup.")
            .arg(QDir::toNativeSeparators(romPath_), reason);
    return false;
}

void SaveBackup::discard()
{
    if (!made_.isEmpty())
        QFile::remove(made_);
    made_.clear();
}

void SaveBackup::finish()
{
    if (options_.keepBackups)
        RomBackups(romPath_).prune(options_.backupCount);
}

}  // namespace tessel
