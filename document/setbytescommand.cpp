#include "document/setbytescommand.h"

#include <algorithm>

SetBytesCommand::SetBytesCommand(CFF3Doc& doc, TableBytes target, int offset, QByteArray bytes,
                                 const QString& text, int mergeKey)
    : QUndoCommand(text), doc_(doc), target_(std::move(target)), offset_(offset), after_(std::move(bytes)),
      mergeKey_(mergeKey)
{
    const std::span<quint8> run = target_.locate(doc_);
    valid_ = offset_ >= 0 && std::size_t(offset_) + std::size_t(after_.size()) <= run.size();
    if (valid_)
        before_ = QByteArray(reinterpret_cast<const char*>(run.data()) + offset_, after_.size());
    // Nothing to change, or nowhere to change it: the stack drops the command.
    setObsolete(!valid_ || before_ == after_);
}

void SetBytesCommand::apply(const QByteArray& bytes)
{
    const std::span<quint8> run = target_.locate(doc_);
    if (!valid_ || std::size_t(offset_) + std::size_t(bytes.size()) > run.size())
        return;
    std::copy(bytes.cbegin(), bytes.cend(), run.begin() + offset_);
    if (const std::optional<TableBytes> twin = TableBytes::twinOf(target_)) {
        const std::span<quint8> copy = twin->locate(doc_);
        if (std::size_t(offset_) + std::size_t(bytes.size()) <= copy.size()) {
            std::copy(bytes.cbegin(), bytes.cend(), copy.begin() + offset_);
            doc_.markChanged(twin->area, twin->index);
        }
    }
    doc_.markChanged(target_.area, target_.index);
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
    if (next->mergeKey_ != mergeKey_ || next->target_.part != target_.part || next->target_.area != target_.area || next->target_.index != target_.index ||
        next->offset_ != offset_ || next->after_.size() != after_.size())
        return false;
    after_ = next->after_;
    // Typing back to where the field started leaves nothing to undo.
    setObsolete(after_ == before_);
    return true;
}
