#pragma once

#include "document/rombackups.h"

#include <QDialog>

class QTreeWidget;

namespace tessel {

// File > Restore Backup: the backups of the open file, newest first, with
// their date and size; the chosen one replaces the file.
class CRestoreBackupDialog : public QDialog {
    Q_OBJECT

public:
    CRestoreBackupDialog(const QList<RomBackups::Entry>& backups, const QString& romName, const QString& folder,
                         QWidget* parent = nullptr);

    // The chosen entry's index in the list given, -1 for none.
    int chosenIndex() const;
    QTreeWidget* list() const { return list_; }

    // "2024-05-01 13:45:02", as recorded when the copy was made.
    static QString shownTime(const RomBackups::Entry& backup);

private:
    QTreeWidget* list_;
};

}  // namespace tessel
