#pragma once

#include "document/parts/scriptpart.h"

#include <QUndoCommand>

namespace tessel {

class CFF3Doc;

// Replaces the bytes of event-script entries in place, as one step. Build
// it only from edits the script part has checked.
class SetScriptBytesCommand : public QUndoCommand {
public:
    SetScriptBytesCommand(CFF3Doc& doc, QList<ScriptEdit> edits, const QString& text);

    void redo() override;
    void undo() override;

private:
    void apply(const QList<ScriptEdit>& edits);

    CFF3Doc& doc_;
    QList<ScriptEdit> after_;
    QList<ScriptEdit> before_;
};

}  // namespace tessel
