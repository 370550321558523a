#pragma once

#include "document/documentpart.h"
#include "events/eventtables.h"
#include "events/scriptlisting.h"

#include <QByteArray>
#include <QList>

#include <optional>

namespace tessel {

using events::ScriptEdit;

// The event-script area. Scripts are edited in place only: an entry keeps
// its opcode and length, and the listing must read every command after it
// as before, so no pointer into the area ever needs to move. A save writes
// only the bytes that changed; all others stay as the file has them.
class ScriptPart : public DocumentPart {
public:
    QString id() const override { return QStringLiteral("events"); }
    std::vector<RecordKind> kinds() const override { return {RecordKind::Event}; }
    void load(RomImage& rom) override;
    void clear() override;
    bool encode(SaveContext& save) override;
    void saved(const SaveContext& save) override;
    bool isModified() const override;
    // One field per entry: its bytes in hexadecimal.
    std::vector<PartField> fields() const override;

    // The listing of the area as it now reads; built on first use.
    const events::ScriptListing& listing() const;
    // The names and messages the listing was read with.
    const EventTables& tables() const { return tables_; }

    // Why the edits cannot be made (nothing when they can): an address that
    // is not where an entry starts, other lengths or opcodes, or a change
    // in how the script after an edit is read.
    std::optional<QString> checkEdits(const QList<ScriptEdit>& edits) const;
    // The bytes the edits replace, in the same order.
    QList<ScriptEdit> currentBytes(const QList<ScriptEdit>& edits) const;
    // Writes checked edits (or their undo) into the part.
    void apply(const QList<ScriptEdit>& edits);
    // Takes the messages `changed` names (one or all) from the edited
    // dialogue; the listing is read again when next asked for (until then
    // the one given out before stays as it was).
    void followDialogue(const DialogueList& dialogue, const RecordRef& changed);

private:
    bool inArea(SnesAddress address, qsizetype size) const;
    std::optional<events::ScriptListing> listingOf(const QByteArray& image) const;

    QByteArray image_;   // the file as loaded, with the edits made since
    QByteArray inFile_;  // what the file holds at the area
    qint64 areaStart_ = 0;
    qint64 areaEnd_ = 0;
    EventTables tables_;
    mutable std::optional<events::ScriptListing> listing_;
    mutable bool stale_ = false;  // the listing shows the script or its messages as they were
};

}  // namespace tessel
