#include "shell/backuprestore.h"

#include "document/cff3doc.h"
#include "document/rombackups.h"
#include "platform/messageservice.h"
#include "shell/cmainframe.h"
#include "shell/crestorebackupdialog.h"
#include "shell/csettings.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace tessel {

namespace {
const QString kCaption = QStringLiteral("Tessel");
}

void BackupRestore::run()
{
    if (!doc_.isLoaded())
        return;
    const QString path = doc_.pathName();
    const QString name = QFileInfo(path).fileName();
    const RomBackups backups(path);
    const QList<RomBackups::Entry> entries = backups.list();
    platform::MessageService& messages = frame_.messages();
    if (entries.isEmpty()) {
        QString text = QCoreApplication::translate("BackupRestore",
                                                   "There are no backups of %1 in %2.\nWith Options > Keep Backups on "
                                                   "Save turned on, every save keeps one there.")
                           .arg(name, QDir::toNativeSeparators(backups.folder()));
        // Earlier versions shared one folder among files of one name; its
        // copies are left for the user to open, never restored over this file.
        const QString older = backups.olderBackupsFolder();
        if (!older.isEmpty())
            text += QCoreApplication::translate("BackupRestore",
                                                "\n\nBackups made by earlier versions of Tessel are in %1; open "
                                                "one with File > Open to look at it.")
                        .arg(QDir::toNativeSeparators(older));
        messages.showMessage(text, kCaption, platform::MessageIcon::Information);
        return;
    }
    CRestoreBackupDialog dialog(entries, name, backups.folder(), &frame_);
    if (dialog.exec() != QDialog::Accepted || dialog.chosenIndex() < 0)
        return;
    const RomBackups::Entry chosen = entries[dialog.chosenIndex()];

    const SaveOptions options = settings_.saveOptions();
    QString question = QCoreApplication::translate("BackupRestore", "Replace %1 with the backup of %2?")
                           .arg(name, CRestoreBackupDialog::shownTime(chosen));
    if (doc_.isModified())
        question += QCoreApplication::translate("BackupRestore", "\nChanges not yet saved are lost.");
    if (options.keepBackups)
        question += QCoreApplication::translate("BackupRestore", "\nThe file as it is now is kept as a backup first.");
    if (!messages.askYesNo(question, kCaption))
        return;

    QString created;
    QString reason;
    if (options.keepBackups && !backups.add(QDateTime::currentDateTime(), &created, &reason)) {
        messages.showMessage(QCoreApplication::translate(
                                 "BackupRestore", "Could not make a backup of %1:\n%2\n\nThe file was not replaced.")
                                 .arg(name, reason),
                             kCaption, platform::MessageIcon::Warning);
        return;
    }
    if (!backups.restore(chosen, &reason)) {
        messages.showMessage(QCoreApplication::translate(
                                 "BackupRestore", "Could not replace %1 with the backup:\n%2\n\nThe file is as it was.")
                                 .arg(name, reason),
                             kCaption, platform::MessageIcon::Warning);
        return;
    }
    if (options.keepBackups)
        backups.prune(options.backupCount);
    frame_.reopenDocument();  // the user agreed to drop unsaved changes
}

}  // namespace tessel
