#include "shell/capplypatchdialog.h"

#include "uikit/cfilefield.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace tessel {

namespace {

const char* const kRomFilter = QT_TRANSLATE_NOOP("CApplyPatchDialog", "ROM images (*.smc *.sfc);;All Files (*)");

bool samePath(const QString& a, const QString& b)
{
    return !a.isEmpty() && !b.isEmpty() && QFileInfo(a).absoluteFilePath() == QFileInfo(b).absoluteFilePath();
}

}  // namespace

CApplyPatchDialog::CApplyPatchDialog(const QString& openPath, platform::FileChooser& files, QWidget* parent)
    : QDialog(parent), openPath_(openPath)
{
    setObjectName(QStringLiteral("CApplyPatchDialog"));
    setWindowTitle(tr("Apply Patch"));

    rom_ = new CFileField(CFileField::Mode::Open, tr("ROM to Patch"), tr(kRomFilter), files, this);
    rom_->setObjectName(QStringLiteral("romPath"));
    rom_->setPath(openPath);
    patch_ = new CFileField(CFileField::Mode::Open, tr("Patch"),
                            tr("Patches (*.ips *.bps);;All Files (*)"), files, this);
    patch_->setObjectName(QStringLiteral("patchPath"));
    output_ = new CFileField(CFileField::Mode::Save, tr("Patched File"), tr(kRomFilter), files, this);
    output_->setObjectName(QStringLiteral("outputPath"));

    auto* form = new QFormLayout;
    form->addRow(tr("&ROM:"), rom_);
    form->addRow(tr("&Patch:"), patch_);
    form->addRow(tr("Patched &file:"), output_);

    auto* note = new QLabel(tr("The patched file is a new file; the ROM itself is not changed."), this);
    note->setEnabled(false);
    problem_ = new QLabel(this);
    problem_->setObjectName(QStringLiteral("problem"));

    buttons_ = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons_->button(QDialogButtonBox::Ok)->setText(tr("Apply"));
    connect(buttons_, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons_, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(note);
    layout->addWidget(problem_);
    layout->addWidget(buttons_);

    connect(rom_, &CFileField::pathChanged, this, &CApplyPatchDialog::suggestOutput);
    connect(patch_, &CFileField::pathChanged, this, &CApplyPatchDialog::suggestOutput);
    connect(output_, &CFileField::pathChanged, this, &CApplyPatchDialog::updateState);
    updateState();
}

QString CApplyPatchDialog::romPath() const
{
    return rom_->path();
}

QString CApplyPatchDialog::patchPath() const
{
    return patch_->path();
}

QString CApplyPatchDialog::outputPath() const
{
    return output_->path();
}

// Names the output after the patch, beside the ROM, until the user types
// a name of their own.
void CApplyPatchDialog::suggestOutput()
{
    if (!romPath().isEmpty() && !patchPath().isEmpty() && (outputPath().isEmpty() || outputPath() == suggested_)) {
        const QFileInfo rom(romPath());
        const QString suffix = rom.suffix().isEmpty() ? QStringLiteral("smc") : rom.suffix();
        suggested_ = rom.dir().filePath(QFileInfo(patchPath()).completeBaseName() + QLatin1Char('.') + suffix);
        output_->setPath(suggested_);
    }
    updateState();
}

void CApplyPatchDialog::accept()
{
    if (apply_ && !apply_())
        return;
    QDialog::accept();
}

void CApplyPatchDialog::updateState()
{
    QString problem;
    if (romPath().isEmpty())
        problem = tr("Choose the ROM to patch.");
    else if (patchPath().isEmpty())
        problem = tr("Choose the patch.");
    else if (outputPath().isEmpty())
        problem = tr("Choose where to write the patched file.");
    else if (samePath(outputPath(), openPath_))
        problem = tr("The patched file must be a new file, not the open file.");
    else if (samePath(outputPath(), romPath()) || samePath(outputPath(), patchPath()))
        problem = tr("The patched file must be a new file, not the ROM or the patch.");
    problem_->setText(problem);
    buttons_->button(QDialogButtonBox::Ok)->setEnabled(problem.isEmpty());
}

}  // namespace tessel
