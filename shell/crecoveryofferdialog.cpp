#include "shell/crecoveryofferdialog.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QFormLayout>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QVBoxLayout>

namespace tessel {

namespace {

QString shownTime(const QDateTime& time)
{
    return QLocale().toString(time.toLocalTime(), QLocale::LongFormat);
}

QLabel* selectableLabel(const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

}  // namespace

CRecoveryOfferDialog::CRecoveryOfferDialog(const RecoveryCopy& copy, QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("CRecoveryOfferDialog"));
    setWindowTitle(tr("Recover Unsaved Changes"));
    auto* layout = new QVBoxLayout(this);
    const QString name = QFileInfo(copy.romPath).fileName();
    auto* intro = new QLabel(tr("Tessel ended while %1 had unsaved changes. A recovery copy of them was kept.")
                                 .arg(name.toHtmlEscaped()),
                             this);
    intro->setWordWrap(true);
    layout->addWidget(intro);

    auto* form = new QFormLayout;
    form->addRow(tr("ROM file:"), selectableLabel(QDir::toNativeSeparators(copy.romPath), this));
    form->addRow(tr("Copy made:"),
                 selectableLabel(copy.copied.isValid() ? shownTime(copy.copied) : tr("unknown"), this));
    const QFileInfo rom(copy.romPath);
    form->addRow(tr("ROM file written:"),
                 selectableLabel(rom.isFile() ? shownTime(rom.lastModified()) : tr("the file is not there"), this));
    layout->addLayout(form);

    if (romChangedSinceCopy(copy)) {
        auto* warning = new QLabel(
            rom.isFile() ? tr("The ROM file has changed since it was opened for the copied edits. Recovering "
                              "and saving replaces those changes with the copy.")
                         : tr("The ROM file is no longer there. Saving the recovered document writes it anew."),
            this);
        warning->setObjectName(QStringLiteral("romChanged"));
        warning->setWordWrap(true);
        warning->setStyleSheet(QStringLiteral("color: #b00000; font-weight: bold;"));
        layout->addWidget(warning);
    }

    auto* buttons = new QDialogButtonBox(this);
    recover_ = buttons->addButton(tr("Recover"), QDialogButtonBox::AcceptRole);
    openSaved_ = buttons->addButton(tr("Open the File as Saved"), QDialogButtonBox::ActionRole);
    delete_ = buttons->addButton(tr("Delete the Recovery Copy"), QDialogButtonBox::DestructiveRole);
    openSaved_->setEnabled(rom.isFile());
    recover_->setDefault(true);
    connect(recover_, &QPushButton::clicked, this, [this] { choose(RecoveryChoice::Recover); });
    connect(openSaved_, &QPushButton::clicked, this, [this] { choose(RecoveryChoice::OpenSaved); });
    connect(delete_, &QPushButton::clicked, this, [this] { choose(RecoveryChoice::Delete); });
    layout->addWidget(buttons);
}

QPushButton* CRecoveryOfferDialog::button(RecoveryChoice choice) const
{
    switch (choice) {
    case RecoveryChoice::Recover: return recover_;
    case RecoveryChoice::OpenSaved: return openSaved_;
    case RecoveryChoice::Delete: return delete_;
    case RecoveryChoice::Cancel: break;
    }
    return nullptr;
}

void CRecoveryOfferDialog::choose(RecoveryChoice choice)
{
    choice_ = choice;
    accept();
}

}  // namespace tessel
