#include "shell/ccreatepatchdialog.h"

#include "patch/patcher.h"
#include "uikit/cfilefield.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace tessel {

namespace {
const char* const kPatchFilter = QT_TRANSLATE_NOOP("CCreatePatchDialog", "BPS patches (*.bps);;IPS patches (*.ips)");
}

CCreatePatchDialog::CCreatePatchDialog(const QString& modifiedPath, bool openedBytesKept,
                                       platform::FileChooser& files, QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("CCreatePatchDialog"));
    setWindowTitle(tr("Create Patch"));

    auto* originalBox = new QGroupBox(tr("Original"), this);
    opened_ = new QRadioButton(tr("The file as it was when it was &opened"), originalBox);
    opened_->setObjectName(QStringLiteral("openedOriginal"));
    other_ = new QRadioButton(tr("&Another file:"), originalBox);
    other_->setObjectName(QStringLiteral("otherOriginal"));
    original_ = new CFileField(CFileField::Mode::Open, tr("Original"),
                               tr("ROM images (*.smc *.sfc);;All Files (*)"), files, originalBox);
    original_->setObjectName(QStringLiteral("originalPath"));
    auto* originalLayout = new QVBoxLayout(originalBox);
    originalLayout->addWidget(opened_);
    originalLayout->addWidget(other_);
    originalLayout->addWidget(original_);

    auto* modified = new QLabel(QDir::toNativeSeparators(modifiedPath), this);
    modified->setObjectName(QStringLiteral("modifiedPath"));
    patch_ = new CFileField(CFileField::Mode::Save, tr("Patch File"), tr(kPatchFilter), files, this);
    patch_->setObjectName(QStringLiteral("patchPath"));
    const QFileInfo rom(modifiedPath);
    patch_->setPath(rom.dir().filePath(rom.completeBaseName() + QStringLiteral(".bps")));
    auto* form = new QFormLayout;
    form->addRow(tr("Modified:"), modified);
    form->addRow(tr("&Patch file:"), patch_);

    auto* note = new QLabel(tr("An .ips patch covers the whole file, copier header included; a .bps "
                                           "patch between two\nfiles with headers covers the images without them "
                                           "and applies to copies with or without one."),
                            this);
    note->setEnabled(false);
    problem_ = new QLabel(this);
    problem_->setObjectName(QStringLiteral("problem"));

    buttons_ = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons_->button(QDialogButtonBox::Ok)->setText(tr("Create"));
    connect(buttons_, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons_, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(originalBox);
    layout->addLayout(form);
    layout->addWidget(note);
    layout->addWidget(problem_);
    layout->addWidget(buttons_);

    opened_->setEnabled(openedBytesKept);
    (openedBytesKept ? opened_ : other_)->setChecked(true);
    connect(opened_, &QRadioButton::toggled, this, &CCreatePatchDialog::updateState);
    connect(original_, &CFileField::pathChanged, this, &CCreatePatchDialog::updateState);
    connect(patch_, &CFileField::pathChanged, this, &CCreatePatchDialog::updateState);
    updateState();
}

bool CCreatePatchDialog::useOpenedOriginal() const
{
    return opened_->isChecked();
}

QString CCreatePatchDialog::originalPath() const
{
    return original_->path();
}

QString CCreatePatchDialog::patchPath() const
{
    return patch_->path();
}

void CCreatePatchDialog::updateState()
{
    original_->setEnabled(other_->isChecked());
    QString problem;
    if (other_->isChecked() && original_->path().isEmpty())
        problem = tr("Choose the original file.");
    else if (!Patcher::formatOfFileName(patch_->path()))
        problem = tr("The patch file's name must end in .ips or .bps.");
    problem_->setText(problem);
    buttons_->button(QDialogButtonBox::Ok)->setEnabled(problem.isEmpty());
}

}  // namespace tessel
