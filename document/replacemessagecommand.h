#pragma once

#include <QByteArray>
#include <QUndoCommand>

namespace tessel {

class CFF3Doc;

// Replaces the stored bytes of one dialogue message (closing 0x00
// included; empty for an empty message).
class ReplaceMessageCommand : public QUndoCommand {
public:
    ReplaceMessageCommand(CFF3Doc& doc, int message, QByteArray bytes, QUndoCommand* parent = nullptr);

    void redo() override;
    void undo() override;

private:
    void apply(const QByteArray& bytes);

    CFF3Doc& doc_;
    int message_;
    QByteArray before_;
    QByteArray after_;
};

}  // namespace tessel
