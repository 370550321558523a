#include "document/setscriptbytescommand.h"

#include "document/cff3doc.h"

namespace tessel {

SetScriptBytesCommand::SetScriptBytesCommand(CFF3Doc& doc, QList<ScriptEdit> edits, const QString& text)
    : QUndoCommand(text), doc_(doc), after_(std::move(edits)), before_(doc.part<ScriptPart>().currentBytes(after_))
{
    bool changes = false;
    for (qsizetype i = 0; i < after_.size(); ++i)
        changes = changes || after_[i].bytes != before_[i].bytes;
    setObsolete(!changes);
}

void SetScriptBytesCommand::apply(const QList<ScriptEdit>& edits)
{
    ScriptPart& part = doc_.part<ScriptPart>();
    part.apply(edits);
    for (const ScriptEdit& edit : edits)
        doc_.notifyChanged({&part, RecordRef::event(edit.address)});
}

void SetScriptBytesCommand::redo()
{
    apply(after_);
}

void SetScriptBytesCommand::undo()
{
    apply(before_);
}

}  // namespace tessel
