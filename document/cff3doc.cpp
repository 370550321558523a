#include "document/cff3doc.h"

#include "document/pendingedit.h"
#include "document/savebackup.h"
#include "rom/romchecksum.h"
#include "rom/romidentity.h"
#include "rom/romimage.h"
#include "platform/filereport.h"
#include "platform/messageservice.h"

#include <QFileInfo>

#include <algorithm>
#include <cstring>

namespace {

const QString kCaption = QStringLiteral("Tessel");
const QString kForeignDataChanged = QStringLiteral(
    "The save would have changed data of other tools past the 3 MB image.\nNothing was saved.");

// Where Tessel's own data lies past the image: the messages of a relocated
// dialogue there and the world-map blocks moved there.
std::vector<AddressRange> ownDataPastImage(RomImage& rom)
{
    std::vector<AddressRange> owned = RelocatedDialogueRanges(rom, rom::kExpansionStart);
    for (const AddressRange& block : WorldMaps::compressedBlocks(rom))
        if (block.start >= rom::kExpansionStart)
            owned.push_back(block);
    return owned;
}

}  // namespace

CFF3Doc::CFF3Doc(QObject* parent) : QObject(parent)
{
    connect(&undoStack_, &QUndoStack::cleanChanged, this, &CFF3Doc::updateModified);
}

CFF3Doc::~CFF3Doc() = default;

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

void CFF3Doc::markChanged(Area area, int index)
{
    emit dataChanged(area, index);
}

void CFF3Doc::markMapCellsChanged(int map, const QRect& cells)
{
    emit mapCellsChanged(map, cells);
    emit dataChanged(Area::WorldMap, map);
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
    flags = {};
    fonts = {};
    items = {};
    shops = {};
    espers = {};
    dialogue = {};
    worldMaps.clear();
    characters = {};
    formations = {};
    monsters = {};
    magic = {};
    expansion_ = {};
    // The commands point into the tables just cleared.
    undoStack_.clear();
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
        reportFileError(false, path, QString::fromLatin1(rom::kEmptyFileReason));
        emit documentCleared();
        return false;
    }
    if (!validate(rom)) {
        emit documentCleared();
        return false;
    }
    decode(rom);
    if (rom.length() == rom.data().size())
        openedBytes_ = rom.data();
    expansion_ = ExpansionArea::scan(rom.data(), ownDataPastImage(rom));
    rom.close();
    pathName_ = path;
    loaded_ = true;
    resetHistory();
    emit documentLoaded();
    return true;
}

bool CFF3Doc::validate(RomImage& rom)
{
    rom.seekOffset(EditorFlags::kFileOffset);
    rom.readInto(flags.bytes);

    char title[rom::kTitleLength];
    rom.SeekSnes(rom::kTitleAddress);
    rom.read(title, rom::kTitleLength);
    if (std::memcmp(title, rom::kExpectedTitle, rom::kTitleLength) != 0) {
        report(QString::fromLatin1(rom::kWrongTitleMessage));
        return false;
    }
    rom.SeekSnes(rom::kVersionAddress);
    if (rom.readByte() != rom::kExpectedVersion) {
        report(QString::fromLatin1(rom::kWrongVersionMessage));
        return false;
    }
    // Nothing is decoded from a file cut short: the tables would be read past its end.
    if (rom.length() < rom::kRomFileSize) {
        report(QString::fromLatin1(rom::kShortFileMessage));
        return false;
    }
    return true;
}

void CFF3Doc::decode(RomImage& rom)
{
    worldMaps.load(rom);
    fonts.load(rom);
    characters.load(rom);
    formations.loadFormations(rom);
    monsters.loadMonsters(rom);
    monsters.loadPackages(rom);
    formations.loadSizeTemplates(rom);
    monsters.loadGraphics(rom);
    items.load(rom);
    shops.load(rom);
    espers.load(rom);
    magic.load(rom);
    characters.loadCommandNames(rom);
    LoadDialogue(rom, dialogue);
}

bool CFF3Doc::save(const QString& path)
{
    if (!loaded_)
        return false;
    finishPendingEdits();
    emit aboutToSave();
    RomImage rom;
    QString reason;
    if (!rom.openForSaving(path, &reason)) {
        reportFileError(true, path, reason);
        return false;
    }
    // Work on a copy of the flags so that a refused save changes nothing.
    const EditorFlags savedFlags = flags;
    if (!encode(rom, &reason)) {
        flags = savedFlags;
        report(reason);
        return false;
    }
    if (saveOptions_.fixChecksum)
        RomChecksum::write(rom);
    SaveBackup backup(path, saveOptions_);
    if (!backup.make(&reason)) {
        flags = savedFlags;
        report(reason);
        return false;
    }
    if (!rom.commit(&reason)) {
        backup.discard();
        flags = savedFlags;
        reportFileError(true, path, reason);
        return false;
    }
    backup.finish();
    magic.markSaved();
    monsters.markSaved();
    formations.markSaved();
    characters.markSaved();
    pathName_ = path;
    resetHistory();
    emit documentSaved();
    return true;
}

bool CFF3Doc::encode(RomImage& rom, QString* reason)
{
    // Past the image, Tessel's own bytes as the file holds them now are
    // released (cleared) and everything is placed anew in free space;
    // the bytes of other tools stay where they are.
    const QByteArray original = rom.data();
    const ExpansionArea area = ExpansionArea::scan(original, ownDataPastImage(rom));
    for (const AddressRange& range : area.ownedRanges()) {
        rom.SeekSnes(range.start);
        rom.writeFill(0, range.size());
    }
    FreeSpace space = area.freeSpace();

    if (dialogue.loaded && !SaveDialogue(rom, dialogue, space, flags, reason))
        return false;

    fonts.save(rom);
    items.save(rom);
    shops.save(rom);
    // Spells only where they changed; before the espers, whose names are
    // the same bytes as spells 54-80 and are always written.
    magic.saveChanges(rom);
    espers.save(rom);
    monsters.saveChanges(rom);
    formations.saveChanges(rom);
    characters.saveChanges(rom);

    if (!worldMaps.save(rom, space, reason))
        return false;

    // Grow the file to the next 1 MB of address space past the data. What
    // lies past the data is zero already (released bytes were cleared) or
    // foreign, so only bytes past the file's end are written.
    const SnesAddress end = space.dataEnd();
    if (end > rom::kExpansionStart && end % 0x100000 != 0) {
        const qint64 padded = rom::fileOffset((end / 0x100000 + 1) * 0x100000);
        if (rom.length() < padded) {
            rom.seekOffset(rom.length());
            rom.writeFill(0, padded - rom.length());
        }
    }

    if (!area.foreignBytesKept(original, rom.data())) {
        *reason = kForeignDataChanged;
        return false;
    }
    rom.seekOffset(EditorFlags::kFileOffset);
    rom.write(flags.bytes);
    return true;
}
