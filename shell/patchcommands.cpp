#include "shell/patchcommands.h"

#include "document/cff3doc.h"
#include "patch/patchfiles.h"
#include "platform/gui/waitcursor.h"
#include "platform/messageservice.h"
#include "shell/capplypatchdialog.h"
#include "shell/ccreatepatchdialog.h"
#include "shell/comparecommands.h"
#include "shell/cmainframe.h"
#include "shell/documentviews.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QStatusBar>

namespace tessel {

namespace {
const QString kCaption = QStringLiteral("Tessel");
constexpr int kStatusMilliseconds = 10000;
}

bool PatchCommands::offerToSave(const QString& why)
{
    if (!frame_.editorViews().commitPendingEdits())
        return false;
    if (!doc_.isLoaded() || !doc_.isModified())
        return true;
    const QString name = QFileInfo(doc_.pathName()).fileName();
    if (!frame_.messages().askYesNo(
            QCoreApplication::translate("PatchCommands", "%1\nSave the changes to %2 first?").arg(why, name), kCaption))
        return true;
    return frame_.saveDocument();
}

bool PatchCommands::mayReplace(const QString& path)
{
    return !QFileInfo::exists(path) ||
           frame_.messages().askYesNo(QCoreApplication::translate("PatchCommands", "%1 already exists.\nReplace it?")
                                          .arg(QDir::toNativeSeparators(path)),
                                      kCaption);
}

void PatchCommands::createPatch()
{
    if (!doc_.isLoaded() ||
        !offerToSave(QCoreApplication::translate("PatchCommands", "The patch is made from the saved file.")))
        return;
    CCreatePatchDialog dialog(doc_.pathName(), !doc_.openedBytes().isEmpty(), frame_.fileChooser(), &frame_);
    if (dialog.exec() != QDialog::Accepted || !mayReplace(dialog.patchPath()))
        return;
    QString error;
    QByteArray original = doc_.openedBytes();
    if (!dialog.useOpenedOriginal() && !PatchFiles::read(dialog.originalPath(), PatchFiles::kMaxRomFileSize, &original, &error)) {
        frame_.messages().showMessage(error, kCaption, platform::MessageIcon::Warning);
        return;
    }
    if (!CompareCommands(frame_, doc_).confirmPatchContents(original, doc_.pathName()))
        return;
    bool made = false;
    {
        platform::WaitCursor wait;
        made = dialog.useOpenedOriginal()
                   ? PatchFiles::create(doc_.openedBytes(), doc_.pathName(), dialog.patchPath(), &error)
                   : PatchFiles::createFromFiles(dialog.originalPath(), doc_.pathName(), dialog.patchPath(), &error);
    }
    if (!made) {
        frame_.messages().showMessage(error, kCaption, platform::MessageIcon::Warning);
        return;
    }
    frame_.statusBar()->showMessage(QCoreApplication::translate("PatchCommands", "Patch written to %1 (%2 bytes).")
                                        .arg(QDir::toNativeSeparators(dialog.patchPath()),
                                             QLocale().toString(QFileInfo(dialog.patchPath()).size())),
                                    kStatusMilliseconds);
}

void PatchCommands::applyPatch()
{
    if (!offerToSave(QCoreApplication::translate("PatchCommands", "The patch is applied to the saved file.")))
        return;
    const QString openPath = doc_.isLoaded() ? doc_.pathName() : QString();
    CApplyPatchDialog dialog(openPath, frame_.fileChooser(), &frame_);
    // A refusal leaves the dialog open with what the user chose, to correct it.
    dialog.setApply([this, &dialog] {
        if (!mayReplace(dialog.outputPath()))
            return false;
        QString error;
        QByteArray result;
        if (PatchFiles::patched(dialog.romPath(), dialog.patchPath(), &result, &error) &&
            !CompareCommands(frame_, doc_).confirmPatchResult(dialog.romPath(), result))
            return false;
        bool applied = false;
        {
            platform::WaitCursor wait;
            applied = PatchFiles::apply(dialog.romPath(), dialog.patchPath(), dialog.outputPath(), &error);
        }
        if (!applied)
            frame_.messages().showMessage(error, kCaption, platform::MessageIcon::Warning);
        return applied;
    });
    if (dialog.exec() != QDialog::Accepted)
        return;
    const QString question =
        QCoreApplication::translate("PatchCommands", "The patched file was written to %1.\nOpen it now?")
            .arg(QDir::toNativeSeparators(dialog.outputPath()));
    if (frame_.messages().askYesNo(question, kCaption))
        frame_.openDocument(dialog.outputPath());
}

}  // namespace tessel
