#pragma once

#include "document/saveoptions.h"
#include "rom/editorflags.h"
#include "rom/expansionarea.h"
#include "records/charactertables.h"
#include "records/espertable.h"
#include "records/formationtables.h"
#include "records/itemtable.h"
#include "records/magictable.h"
#include "records/monstertables.h"
#include "records/shoptable.h"
#include "text/dialoguestorage.h"
#include "text/gamefonts.h"
#include "worldmap/worldmaps.h"

#include <QByteArray>
#include <QObject>
#include <QRect>
#include <QString>
#include <QUndoStack>

#include <vector>

class PendingEdit;

namespace platform {
class MessageService;
}

// The one document: the open ROM file's decoded tables. Open validates the
// file and reads every table in a fixed order; save writes the saved tables
// back into the same file, atomically.
//
// Editors change the tables only through commands on undoStack()
// (document/editcommands.h); a command changes a table and calls
// markChanged(), which tells every open view. The document is modified while
// the stack is away from its clean state (the last open or save).
class CFF3Doc : public QObject {
    Q_OBJECT

public:
    // What changed, for views that only care about some data.
    enum class Area { Any, Dialogue, Fonts, Items, Shops, Espers, Magic, Monsters, Formations,
                      Characters, WorldMap };

    explicit CFF3Doc(QObject* parent = nullptr);
    ~CFF3Doc() override;

    // Where refusals and failures are reported (not owned).
    void setMessageService(platform::MessageService* messages) { messages_ = messages; }
    // The same service serves the editors' messages; null when none was set.
    platform::MessageService* messageService() const { return messages_; }

    bool open(const QString& path);
    bool save(const QString& path);
    void clear();
    bool newDocument();

    bool isLoaded() const { return loaded_; }
    bool isModified() const { return modified_; }
    QString pathName() const { return pathName_; }
    // "Tessel" for an untitled document, else the file name; "*" when modified.
    QString title() const;

    // Backups and the checksum at save; all off unless set.
    void setSaveOptions(const SaveOptions& options) { saveOptions_ = options; }
    const SaveOptions& saveOptions() const { return saveOptions_; }
    // The file's bytes as they were when it was opened (empty when the
    // file was too large to hold), the default original of a patch.
    const QByteArray& openedBytes() const { return openedBytes_; }

    QUndoStack* undoStack() { return &undoStack_; }
    // How many steps the stack keeps (0: all). The stack takes a new limit
    // only while empty: at once when it is, else the next time it is cleared.
    void setUndoLimit(int steps);

    // Edit > Undo and Redo of every window. Open edits are finished first;
    // an undo that finds one open undoes no more than what finishing it
    // left as the newest step, never an older edit.
    void undo();
    void redo();
    // Editors register their open edits here for the time they live (not owned).
    void addPendingEdit(PendingEdit* edit);
    void removePendingEdit(PendingEdit* edit);

    // What commands call once they changed a table: notifies the views.
    void markChanged(Area area, int index = -1);
    // The same for cells of a world map's tile map (also a WorldMap change).
    void markMapCellsChanged(int map, const QRect& cells);

    // The file past the 3 MB image as it was at open: Tessel's own bytes,
    // other tools' bytes (kept by every save) and the room left.
    const ExpansionArea& expansionArea() const { return expansion_; }
    quint32 foreignBytesPastImage() const { return expansion_.foreignBytes(); }

    // Saved tables
    EditorFlags flags;
    GameFonts fonts;
    ItemTable items;
    ShopTable shops;
    EsperTable espers;
    DialogueList dialogue;
    WorldMaps worldMaps;
    // Saved where they changed since the last open or save
    MagicTable magic;
    CharacterTables characters;
    FormationTables formations;
    MonsterTables monsters;

signals:
    void documentLoaded();
    void documentCleared();
    void dataChanged(CFF3Doc::Area area, int index);
    void mapCellsChanged(int map, const QRect& cells);
    void modifiedChanged(bool modified);
    void documentSaved();
    // Emitted by save() before anything is encoded, once open edits are
    // finished: editors put back what else they hold outside the tables.
    void aboutToSave();

private:
    bool validate(RomImage& rom);
    void decode(RomImage& rom);
    bool encode(RomImage& rom, QString* reason);
    void report(const QString& text);
    void reportFileError(bool saving, const QString& path, const QString& reason);
    void updateModified();
    // Forgets every edit: the state now loaded or saved is the clean one.
    void resetHistory();
    // Finishes every open edit; whether one was open, and whether one left
    // the newest step.
    struct Finished {
        bool anyOpen = false;
        bool leftNewestStep = false;
    };
    Finished finishPendingEdits();

    platform::MessageService* messages_ = nullptr;
    bool loaded_ = false;
    bool modified_ = false;
    QUndoStack undoStack_;
    int undoLimit_ = 0;
    std::vector<PendingEdit*> pendingEdits_;
    QString pathName_;
    SaveOptions saveOptions_;
    QByteArray openedBytes_;
    ExpansionArea expansion_;
};
