#pragma once

#include "document/saveoptions.h"

#include <QDateTime>
#include <QString>

namespace tessel {

// The backup one save makes when backups are on: made before the file is
// replaced, taken back if the save fails after all, and the oldest copies
// beyond the count removed once it succeeded. With backups off every step
// does nothing.
class SaveBackup {
public:
    SaveBackup(const QString& romPath, const SaveOptions& options, QDateTime now = QDateTime::currentDateTime());

    // False (with the message for the user) when no backup could be made.
    bool make(QString* message);
    void discard();
    void finish();

private:
    QString romPath_;
    SaveOptions options_;
    QDateTime now_;
    QString made_;
};

}  // namespace tessel
