#pragma once

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

#include <QObject>
#include <QString>

namespace platform {
class MessageService;
}

// The one document: the open ROM file's decoded tables. Open validates the
// file and reads every table in a fixed order; save writes the saved tables
// back into the same file, atomically. Editors change the tables in place
// and then call markChanged(), which marks the document modified and tells
// every open view.
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

    bool open(const QString& path);
    bool save(const QString& path);
    void clear();
    bool newDocument();

    bool isLoaded() const { return loaded_; }
    bool isModified() const { return modified_; }
    void setModified(bool modified);
    QString pathName() const { return pathName_; }
    // "Tessel" for an untitled document, else the file name; "*" when modified.
    QString title() const;

    // The one path for edits: marks the document modified and notifies views.
    void markChanged(Area area, int index = -1);

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
    // Tables shown and edited in memory only
    CharacterTables characters;
    FormationTables formations;
    MonsterTables monsters;
    MagicTable magic;

signals:
    void documentLoaded();
    void documentCleared();
    void dataChanged(CFF3Doc::Area area, int index);
    void modifiedChanged(bool modified);
    void documentSaved();

private:
    bool validate(RomImage& rom);
    void decode(RomImage& rom);
    bool encode(RomImage& rom, QString* reason);
    void report(const QString& text);
    void reportFileError(bool saving, const QString& path, const QString& reason);

    platform::MessageService* messages_ = nullptr;
    bool loaded_ = false;
    bool modified_ = false;
    QString pathName_;
    ExpansionArea expansion_;
};
