#pragma once

#include "document/documentchange.h"
#include "document/documentparts.h"
#include "document/saveoptions.h"

#include <QByteArray>
#include <QObject>
#include <QRect>
#include <QString>
#include <QUndoStack>

#include <vector>

namespace tessel {

class ExpansionArea;
class RecordTablePart;
class RomImage;
class PendingEdit;
struct SaveContext;

namespace platform {
class MessageService;
}

// The one document: the open ROM file, decoded into parts (the dialogue,
// the fonts, each record table, each world map, the editor flags, the area
// past the image). Open validates the file and has every part load itself;
// save has every part encode itself into a copy of the file, which is then
// committed atomically. The parts run in the order their dependencies give.
//
// Editors change the parts only through commands on undoStack(); a command
// changes a part and calls notifyChanged(), which tells every open view
// what changed. The document is modified while the stack is away from its
// clean state (the last open or save).
class CFF3Doc : public QObject {
    Q_OBJECT

public:
    explicit CFF3Doc(QObject* parent = nullptr);
    ~CFF3Doc() override;

    // Where refusals and failures are reported (not owned).
    void setMessageService(platform::MessageService* messages) { messages_ = messages; }
    // The same service serves the editors' messages; null when none was set.
    platform::MessageService* messageService() const { return messages_; }

    bool open(const QString& path);
    // Opens a recovered image as the document of path, modified: Save writes
    // the image, with the edits made since, to path. False, with a message,
    // when the image is no ROM of the game.
    bool openRecovered(const QString& path, const QByteArray& image);
    // Saves into the document's own file in place, or, given another path,
    // writes a new file (or replaces that one) built on the document's file
    // as it is now (File > Save As), which the document then refers to.
    bool save(const QString& path);
    void clear();
    bool newDocument();
    // The image a save in place would write now, built in memory; no file
    // is written and open edits stay open. False, with the reason, when the
    // file cannot be read or a part refuses.
    bool encodeSaveImage(QByteArray* image, QString* reason);
    // The same in two halves, so that the file can be read on another
    // thread: what a save builds on (the file, or a recovered image) read
    // by itself, then the parts encoded into what it read.
    class SaveBaseSource {
    public:
        bool read(QByteArray* base, QString* reason) const;

    private:
        friend class CFF3Doc;
        QString path_;
        QByteArray recovered_;
    };
    SaveBaseSource saveBaseSource() const;
    bool encodeSaveImage(QByteArray base, QByteArray* image, QString* reason);

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

    // The parts, in load and save order.
    const DocumentParts& parts() const { return parts_; }
    // The one part of a class; every document has each standard part.
    template <class Part>
    Part& part() const
    {
        Part* found = parts_.get<Part>();
        Q_ASSERT(found);
        return *found;
    }
    // The part holding a table of records (null for other kinds).
    RecordTablePart* recordTable(RecordKind kind) const;
    // Every record table, in part order.
    std::vector<RecordTablePart*> recordTables() const;

    // What commands call once they changed a part: tells the views.
    void notifyChanged(const DocumentChange& change);

    // The file past the 3 MB image as it was at open: Tessel's own bytes,
    // other tools' bytes (kept by every save) and the room left.
    const ExpansionArea& expansionArea() const;
    quint32 foreignBytesPastImage() const;

signals:
    void documentLoaded();
    void documentCleared();
    void changed(const DocumentChange& change);
    void modifiedChanged(bool modified);
    void documentSaved();
    // Emitted by save() before anything is encoded, once open edits are
    // finished: editors put back what else they hold outside the parts.
    void aboutToSave();

private:
    bool validate(RomImage& rom);
    // Has every part load itself from rom, which then is the file's state.
    void load(RomImage& rom, const QString& path);
    // What a save builds on: the recovered image until the first save, else
    // the file as it is now.
    bool saveBase(QByteArray* base, QString* reason) const;
    // Every part encodes into the save; false, with the reason in it, when one refuses.
    bool encodeParts(SaveContext& save);
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
    DocumentParts parts_;
    bool loaded_ = false;
    bool modified_ = false;
    QUndoStack undoStack_;
    int undoLimit_ = 0;
    std::vector<PendingEdit*> pendingEdits_;
    QString pathName_;
    SaveOptions saveOptions_;
    QByteArray openedBytes_;
    QByteArray recoveredBase_;
};

}  // namespace tessel
