#include "compare/areadiffs.h"

#include "document/cff3doc.h"
#include "document/parts/dialoguepart.h"
#include "text/dialoguescript.h"

#include <QCoreApplication>

namespace tessel {

namespace comparearea {

namespace {

const QString kArea = QStringLiteral("dialogue");

qint64 spaceUsed(const DialogueList& dialogue)
{
    qint64 bytes = 0;
    for (const DialogueMessage& m : dialogue.messages)
        bytes += m.length();
    return bytes;
}

}  // namespace

void compareDialogue(const CFF3Doc& before, const CFF3Doc& after, RomChanges& out)
{
    const DialogueList& a = before.part<DialoguePart>().dialogue();
    const DialogueList& b = after.part<DialoguePart>().dialogue();
    const std::size_t count = std::max(a.messages.size(), b.messages.size());
    for (std::size_t m = 0; m < count; ++m) {
        const DialogueMessage* was = m < a.messages.size() ? &a.messages[m] : nullptr;
        const DialogueMessage* now = m < b.messages.size() ? &b.messages[m] : nullptr;
        if (was && now && was->bytes == now->bytes)
            continue;
        RomChange change;
        change.area = kArea;
        change.subject = RecordRef(RecordKind::Message, int(m));
        change.index = int(m);
        if (was)
            change.oldValue = dialoguescript::scriptText(*was);
        if (now)
            change.newValue = dialoguescript::scriptText(*now);
        out.push_back(std::move(change));
    }
    const qint64 oldSpace = spaceUsed(a);
    const qint64 newSpace = spaceUsed(b);
    if (oldSpace != newSpace) {
        RomChange change;
        change.area = kArea;
        change.subject = RecordRef(RecordKind::Message);
        change.field = QCoreApplication::translate("RomComparison", "Space used");
        change.oldValue = double(oldSpace);
        change.newValue = double(newSpace);
        out.push_back(std::move(change));
    }
}

}  // namespace comparearea

}  // namespace tessel
