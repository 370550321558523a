#include "document/setbytescommand.h"

#include "document/cff3doc.h"

#include <algorithm>

namespace tessel {

SetBytesCommand::SetBytesCommand(CFF3Doc& doc, TableBytes target, int offset, QByteArray bytes,
                                 const QString& text, int mergeKey, int field)
    : QUndoCommand(text), doc_(doc), target_(std::move(target)), offset_(offset), after_(std::move(bytes)),
      mergeKey_(mergeKey), field_(field >= 0 ? field : target_.field)
{
    const std::span<quint8> run = target_.locate();
    valid_ = offset_ >= 0 && std::size_t(offset_) + std::size_t(after_.size()) <= run.size();
    if (valid_)
        before_ = QByteArray(reinterpret_cast<const char*>(run.data()) + offset_, after_.size());
    // Nothing to change, or nowhere to change it: the stack drops the command.
    setObsolete(!valid_ || before_ == after_);
}

void SetBytesCommand::apply(const QByteArray& bytes)
{
    const std::span<quint8> run = target_.locate();
    if (!valid_ || std::size_t(offset_) + std::size_t(bytes.size()) > run.size())
        return;
    std::copy(bytes.cbegin(), bytes.cend(), run.begin() + offset_);
    doc_.notifyChanged({target_.part, target_.ref, field_});
    // The same bytes shown as another record: its views follow too.
    if (target_.alias.isValid())
        doc_.notifyChanged({doc_.parts().holding(target_.alias.kind), target_.alias});
}

void SetBytesCommand::redo()
{
    apply(after_);
}

void SetBytesCommand::undo()
{
    apply(before_);
}

bool SetBytesCommand::mergeWith(const QUndoCommand* other)
{
    const auto* next = static_cast<const SetBytesCommand*>(other);
    if (next->mergeKey_ != mergeKey_ || next->target_.part != target_.part || next->target_.ref != target_.ref ||
        next->target_.run != target_.run || next->offset_ != offset_ || next->after_.size() != after_.size())
        return false;
    after_ = next->after_;
    // Typing back to where the field started leaves nothing to undo.
    setObsolete(after_ == before_);
    return true;
}

}  // namespace tessel
