#include "document/replacemessagecommand.h"

#include "document/cff3doc.h"
#include "document/parts/dialoguepart.h"

#include <QCoreApplication>

namespace tessel {

ReplaceMessageCommand::ReplaceMessageCommand(CFF3Doc& doc, int message, QByteArray bytes, QUndoCommand* parent)
    : QUndoCommand(QCoreApplication::translate("ReplaceMessageCommand", "Change Message %1")
                       .arg(QString::number(message, 16).toUpper().rightJustified(4, QLatin1Char('0'))),
                   parent),
      doc_(doc),
      message_(message),
      after_(std::move(bytes))
{
    auto& messages = doc_.part<DialoguePart>().dialogue().messages;
    if (message_ < 0 || std::size_t(message_) >= messages.size()) {
        setObsolete(true);
        return;
    }
    before_ = messages[std::size_t(message_)].bytes;
    setObsolete(before_ == after_);
}

void ReplaceMessageCommand::apply(const QByteArray& bytes)
{
    auto& messages = doc_.part<DialoguePart>().dialogue().messages;
    if (message_ < 0 || std::size_t(message_) >= messages.size())
        return;
    messages[std::size_t(message_)].bytes = bytes;
    doc_.notifyChanged({&doc_.part<DialoguePart>(), RecordRef(RecordKind::Message, message_), DialoguePart::kTextField});
}

void ReplaceMessageCommand::redo()
{
    apply(after_);
}

void ReplaceMessageCommand::undo()
{
    apply(before_);
}

}  // namespace tessel
