#include "document/cff3doc.h"

#include "rom/romidentity.h"
#include "rom/romimage.h"
#include "platform/filereport.h"
#include "platform/messageservice.h"

#include <QFileInfo>

#include <cstring>

namespace {
const QString kCaption = QStringLiteral("Tessel");
}

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
    const bool modified = changedOutsideStack_ || !undoStack_.isClean();
    if (modified_ == modified)
        return;
    modified_ = modified;
    emit modifiedChanged(modified);
}

void CFF3Doc::resetHistory()
{
    changedOutsideStack_ = false;
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

void CFF3Doc::noteChangeOutsideStack(Area area, int index)
{
    changedOutsideStack_ = true;
    updateModified();
    emit dataChanged(area, index);
}

void CFF3Doc::noteMapCellsChangedOutsideStack(int map, const QRect& cells)
{
    changedOutsideStack_ = true;
    updateModified();
    markMapCellsChanged(map, cells);
}

void CFF3Doc::clear()
{
    const bool wasLoaded = loaded_;
    loaded_ = false;
    pathName_.clear();
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
    // The commands point into the tables just cleared.
    undoStack_.clear();
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
    if (!rom.commit(&reason)) {
        flags = savedFlags;
        reportFileError(true, path, reason);
        return false;
    }
    pathName_ = path;
    resetHistory();
    emit documentSaved();
    return true;
}

bool CFF3Doc::encode(RomImage& rom, QString* reason)
{
    freeSpace_.reset();
    if (dialogue.loaded && !SaveDialogue(rom, dialogue, freeSpace_, flags, reason))
        return false;

    fonts.save(rom);
    items.save(rom);
    shops.save(rom);
    espers.save(rom);

    if (!worldMaps.save(rom, freeSpace_, reason))
        return false;

    if (freeSpace_.exceedsAddressSpace()) {
        *reason = QString::fromLatin1(rom::kOutOfSpaceMessage);
        return false;
    }

    // Grow the file to the next 1 MB of address space past the data. The
    // expansion area holds only what this save placed there (everything
    // relocated is placed again at every save), so all past it is zeroed.
    const SnesAddress end = freeSpace_.address();
    if (end % 0x100000 != 0) {
        const SnesAddress padded = (end / 0x100000 + 1) * 0x100000;
        rom.SeekSnes(end);
        rom.writeFill(0, padded - end);
        rom.TruncateAtSnes(padded);
    }

    rom.seekOffset(EditorFlags::kFileOffset);
    rom.write(flags.bytes);
    return true;
}
