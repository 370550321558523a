#include "shell/crestorebackupdialog.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace tessel {

CRestoreBackupDialog::CRestoreBackupDialog(const QList<RomBackups::Entry>& backups, const QString& romName,
                                           const QString& folder, QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("CRestoreBackupDialog"));
    setWindowTitle(tr("Restore Backup"));

    auto* intro = new QLabel(tr("Backups of %1 in %2:").arg(romName, QDir::toNativeSeparators(folder)),
                             this);
    list_ = new QTreeWidget(this);
    list_->setObjectName(QStringLiteral("backupList"));
    list_->setHeaderLabels({tr("Date"), tr("Size")});
    list_->setRootIsDecorated(false);
    list_->setUniformRowHeights(true);
    const QLocale locale;
    for (const RomBackups::Entry& backup : backups) {
        auto* item = new QTreeWidgetItem(list_, {shownTime(backup),
                                                 tr("%1 bytes").arg(locale.toString(backup.size))});
        item->setTextAlignment(1, Qt::AlignRight | Qt::AlignVCenter);
    }
    list_->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    list_->header()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
    list_->header()->setStretchLastSection(false);
    list_->setCurrentItem(list_->topLevelItem(0));

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(tr("Restore"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(list_, &QTreeWidget::itemDoubleClicked, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(intro);
    layout->addWidget(list_);
    layout->addWidget(buttons);
    resize(460, 300);
}

int CRestoreBackupDialog::chosenIndex() const
{
    QTreeWidgetItem* item = list_->currentItem();
    return item ? list_->indexOfTopLevelItem(item) : -1;
}

QString CRestoreBackupDialog::shownTime(const RomBackups::Entry& backup)
{
    return backup.time.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
}

}  // namespace tessel
