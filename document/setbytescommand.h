#pragma once

#include "document/tablebytes.h"

#include <QByteArray>
#include <QUndoCommand>

namespace tessel {

class CFF3Doc;

// Replaces bytes of a document part, from `offset` within the located run.
// Every field edit of every editor is one of these: a number, a name, a
// glyph, a bit field (built by the factories of editcommands.h). Edits of
// the same field that follow each other merge into one step when they carry
// the same merge key, so typing a name is undone as a whole.
class SetBytesCommand : public QUndoCommand {
public:
    static constexpr int kCommandId = 0x5442;  // "TB"
    static constexpr int kNoMerge = -1;

    // `field`: the field the views are told changed (the run's own when -1).
    SetBytesCommand(CFF3Doc& doc, TableBytes target, int offset, QByteArray bytes, const QString& text,
                    int mergeKey = kNoMerge, int field = -1);

    void redo() override;
    void undo() override;
    int id() const override { return mergeKey_ == kNoMerge ? -1 : kCommandId; }
    bool mergeWith(const QUndoCommand* other) override;

    // False when the target run is too short for the bytes (nothing is then changed).
    bool isValid() const { return valid_; }
    const QByteArray& newBytes() const { return after_; }

private:
    void apply(const QByteArray& bytes);

    CFF3Doc& doc_;
    TableBytes target_;
    int offset_;
    QByteArray before_;
    QByteArray after_;
    int mergeKey_;
    int field_;
    bool valid_ = false;
};

}  // namespace tessel
