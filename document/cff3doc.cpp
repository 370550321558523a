#include "document/cff3doc.h"

#include "document/parts/dialoguepart.h"
#include "document/parts/expansionareapart.h"
#include "document/parts/scriptpart.h"
#include "document/recordtablepart.h"
#include "document/pendingedit.h"
#include "document/savebackup.h"
#include "document/savecontext.h"
#include "document/standardparts.h"
#include "rom/romchecksum.h"
#include "rom/romidentity.h"
#include "rom/romimage.h"
#include "platform/fileaccess.h"
#include "platform/filereport.h"
#include "platform/messageservice.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <algorithm>

namespace tessel {

namespace {

const QString kCaption = QStringLiteral("Tessel");

// What a save to another file builds on: the document's file as it is now,
// as a save in place would (parts write only what changed since the last
// save). False, with the reason, when it cannot be read.
bool readSaveAsBase(const QString& documentPath, QByteArray* base, QString* reason)
{
    if (!QFileInfo(documentPath).isFile()) {
        *reason = QCoreApplication::translate("CFF3Doc", "%1 is no longer a file that can be read.")
                      .arg(QDir::toNativeSeparators(documentPath));
        return false;
    }
    platform::FileReadResult current = platform::readFileBounded(documentPath, rom::kMaxFileSize);
    if (!current.ok) {
        *reason = QCoreApplication::translate("CFF3Doc", "%1 could not be read: %2")
                      .arg(QDir::toNativeSeparators(documentPath), current.reason);
        return false;
    }
    *base = std::move(current.data);
    return true;
}

}  // namespace

CFF3Doc::CFF3Doc(QObject* parent) : QObject(parent)
{
    addStandardParts(*this, parts_);
    QString problem;
    if (!parts_.arrange(&problem))
        qFatal("The document's parts cannot be ordered: %s", qPrintable(problem));
    connect(&undoStack_, &QUndoStack::cleanChanged, this, &CFF3Doc::updateModified);
}

CFF3Doc::~CFF3Doc()
{
    // The commands point into the parts.
    undoStack_.clear();
}

void CFF3Doc::report(const QString& text)
{
    if (messages_)
        messages_->showMessage(text, kCaption, platform::MessageIcon::Warning);
}

void CFF3Doc::reportFileError(bool saving, const QString& path, const QString& reason)
{
    if (messages_)
        messages_->showMessage(
            platform::fileErrorReport(saving ? platform::FileAction::Save : platform::FileAction::Open, path,
                                      reason),
            kCaption, platform::MessageIcon::Error);
}

void CFF3Doc::updateModified()
{
    const bool modified = !undoStack_.isClean();
    if (modified_ == modified)
        return;
    modified_ = modified;
    emit modifiedChanged(modified);
}

void CFF3Doc::resetHistory()
{
    undoStack_.setClean();
    updateModified();
}

QString CFF3Doc::title() const
{
    QString name = pathName_.isEmpty() ? kCaption : QFileInfo(pathName_).fileName();
    return modified_ ? name + QLatin1Char('*') : name;
}

RecordTablePart* CFF3Doc::recordTable(RecordKind kind) const
{
    return dynamic_cast<RecordTablePart*>(parts_.holding(kind));
}

std::vector<RecordTablePart*> CFF3Doc::recordTables() const
{
    std::vector<RecordTablePart*> tables;
    for (DocumentPart* part : parts_.ordered())
        if (auto* table = dynamic_cast<RecordTablePart*>(part))
            tables.push_back(table);
    return tables;
}

void CFF3Doc::notifyChanged(const DocumentChange& change)
{
    // The script listing shows the messages' texts: it reads them again
    // before any view hears of the change.
    if (loaded_ && change.touches(RecordKind::Message))
        part<ScriptPart>().followDialogue(part<DialoguePart>().dialogue(), change.ref);
    emit changed(change);
}

const ExpansionArea& CFF3Doc::expansionArea() const
{
    return part<ExpansionAreaPart>().area();
}

quint32 CFF3Doc::foreignBytesPastImage() const
{
    return expansionArea().foreignBytes();
}

void CFF3Doc::setUndoLimit(int steps)
{
    undoLimit_ = qMax(0, steps);
    if (undoStack_.count() == 0)
        undoStack_.setUndoLimit(undoLimit_);
}

void CFF3Doc::addPendingEdit(PendingEdit* edit)
{
    if (edit && std::find(pendingEdits_.begin(), pendingEdits_.end(), edit) == pendingEdits_.end())
        pendingEdits_.push_back(edit);
}

void CFF3Doc::removePendingEdit(PendingEdit* edit)
{
    std::erase(pendingEdits_, edit);
}

CFF3Doc::Finished CFF3Doc::finishPendingEdits()
{
    Finished finished;
    // Finishing may register or remove edits; the list as it was is worked through.
    const std::vector<PendingEdit*> edits = pendingEdits_;
    for (PendingEdit* edit : edits) {
        if (std::find(pendingEdits_.begin(), pendingEdits_.end(), edit) == pendingEdits_.end() || !edit->isOpen())
            continue;
        finished.anyOpen = true;
        finished.leftNewestStep = edit->finish() || finished.leftNewestStep;
    }
    return finished;
}

void CFF3Doc::undo()
{
    const Finished finished = finishPendingEdits();
    // Putting a block back is the undo; what it left, if anything, goes too.
    if (!finished.anyOpen || finished.leftNewestStep)
        undoStack_.undo();
}

void CFF3Doc::redo()
{
    finishPendingEdits();
    undoStack_.redo();
}

void CFF3Doc::clear()
{
    const bool wasLoaded = loaded_;
    loaded_ = false;
    pathName_.clear();
    openedBytes_.clear();
    recoveredBase_.clear();
    // The commands point into the parts about to be emptied.
    undoStack_.clear();
    for (DocumentPart* part : parts_.ordered())
        part->clear();
    for (RecordTablePart* table : recordTables())
        table->rememberFileBytes();
    undoStack_.setUndoLimit(undoLimit_);
    resetHistory();
    if (wasLoaded)
        emit documentCleared();
}

bool CFF3Doc::newDocument()
{
    clear();
    emit documentCleared();
    return true;
}

bool CFF3Doc::open(const QString& path)
{
    RomImage rom;
    QString reason;
    if (!rom.openForLoading(path, &reason)) {
        reportFileError(false, path, reason);
        return false;  // the previous document stays
    }
    clear();
    if (rom.length() == 0) {
        reportFileError(false, path, QCoreApplication::translate("RomIdentity", rom::kEmptyFileReason));
        emit documentCleared();
        return false;
    }
    if (!validate(rom)) {
        emit documentCleared();
        return false;
    }
    if (rom.length() == rom.data().size())
        openedBytes_ = rom.data();
    load(rom, path);
    resetHistory();
    emit documentLoaded();
    return true;
}

bool CFF3Doc::openRecovered(const QString& path, const QByteArray& image)
{
    RomImage rom;
    rom.openInMemory(image, RomImage::Mode::Loading);
    if (!validate(rom))
        return false;  // the previous document stays
    clear();
    // A patch's default original is the file as it lies on disk.
    platform::FileReadResult file = platform::readFileBounded(path, rom::kMaxFileSize);
    openedBytes_ = file.ok ? std::move(file.data) : image;
    load(rom, path);
    recoveredBase_ = image;
    // Nothing on the stack, yet the document differs from its file.
    undoStack_.resetClean();
    updateModified();
    emit documentLoaded();
    return true;
}

void CFF3Doc::load(RomImage& rom, const QString& path)
{
    for (DocumentPart* part : parts_.ordered())
        part->load(rom);
    for (RecordTablePart* table : recordTables())
        table->rememberFileBytes();
    rom.close();
    pathName_ = path;
    loaded_ = true;
}

bool CFF3Doc::validate(RomImage& rom)
{
    if (const char* problem = rom::identityProblem(rom)) {
        report(QCoreApplication::translate("RomIdentity", problem));
        return false;
    }
    return true;
}

bool CFF3Doc::saveBase(QByteArray* base, QString* reason) const
{
    return saveBaseSource().read(base, reason);
}

CFF3Doc::SaveBaseSource CFF3Doc::saveBaseSource() const
{
    SaveBaseSource source;
    source.path_ = pathName_;
    source.recovered_ = recoveredBase_;
    return source;
}

bool CFF3Doc::SaveBaseSource::read(QByteArray* base, QString* reason) const
{
    if (!recovered_.isEmpty()) {
        *base = recovered_;
        return true;
    }
    return readSaveAsBase(path_, base, reason);
}

bool CFF3Doc::encodeParts(SaveContext& save)
{
    for (DocumentPart* part : parts_.ordered())
        part->beginSave(save);
    for (DocumentPart* part : parts_.ordered())
        if (!part->encode(save))
            return false;
    save.runDeferred();
    for (DocumentPart* part : parts_.ordered())
        if (!part->finishEncode(save))
            return false;
    if (saveOptions_.fixChecksum)
        RomChecksum::write(save.rom);
    return true;
}

bool CFF3Doc::encodeSaveImage(QByteArray* image, QString* reason)
{
    if (!loaded_)
        return false;
    QByteArray base;
    if (!saveBase(&base, reason))
        return false;
    return encodeSaveImage(std::move(base), image, reason);
}

bool CFF3Doc::encodeSaveImage(QByteArray base, QByteArray* image, QString* reason)
{
    if (!loaded_)
        return false;
    RomImage rom;
    rom.openInMemory(std::move(base), RomImage::Mode::Saving);
    SaveContext save(rom);
    if (!encodeParts(save)) {
        *reason = save.reason;
        return false;
    }
    *image = rom.data();
    return true;
}

bool CFF3Doc::save(const QString& path)
{
    if (!loaded_)
        return false;
    finishPendingEdits();
    emit aboutToSave();
    // Saving to the document's own file rewrites it in place; another path
    // is File > Save As, which never touches the document's file.
    const QFileInfo target(path);
    const bool inPlace = path == pathName_ || (target.exists() &&
                                               target.canonicalFilePath() == QFileInfo(pathName_).canonicalFilePath());
    // A recovered document builds on its image, not on the file.
    const bool fromFile = inPlace && recoveredBase_.isEmpty();
    RomImage rom;
    QString reason;
    if (fromFile) {
        if (!rom.openForSaving(path, &reason)) {
            reportFileError(true, path, reason);
            return false;
        }
    } else {
        // A file that is there is replaced only where a save in place could write it.
        QByteArray base;
        if ((target.exists() && !platform::checkExistingWritable(path, &reason)) || !saveBase(&base, &reason)) {
            reportFileError(true, path, reason);
            return false;
        }
        rom.openInMemory(std::move(base), RomImage::Mode::Saving);
    }

    SaveContext save(rom);
    if (!encodeParts(save)) {
        report(save.reason);
        return false;
    }
    // A new file has nothing to keep a backup of.
    SaveOptions backupOptions = saveOptions_;
    backupOptions.keepBackups = backupOptions.keepBackups && target.exists();
    SaveBackup backup(path, backupOptions);
    if (!backup.make(&reason)) {
        report(reason);
        return false;
    }
    const bool committed =
        fromFile ? rom.commit(&reason) : platform::replaceFileAtomically(path, rom.data(), &reason);
    if (!committed) {
        backup.discard();
        reportFileError(true, path, reason);
        return false;
    }
    backup.finish();
    for (DocumentPart* part : parts_.ordered())
        part->saved(save);
    for (RecordTablePart* table : recordTables())
        table->rememberFileBytes();
    pathName_ = path;
    recoveredBase_.clear();
    resetHistory();
    emit documentSaved();
    return true;
}

}  // namespace tessel
