#include "document/parts/dialoguepart.h"

#include "document/savecontext.h"
#include "text/dialoguescript.h"

#include <algorithm>

#include <QCoreApplication>

namespace tessel {

void DialoguePart::load(RomImage& rom)
{
    LoadDialogue(rom, dialogue_);
    inFile_ = dialogue_.messages;
}

void DialoguePart::clear()
{
    dialogue_ = {};
    inFile_.clear();
}

bool DialoguePart::encode(SaveContext& save)
{
    return !dialogue_.loaded || SaveDialogue(save.rom, dialogue_, save.space, save.flags, &save.reason);
}

bool DialoguePart::isModified() const
{
    return !std::equal(dialogue_.messages.begin(), dialogue_.messages.end(), inFile_.begin(), inFile_.end(),
                       [](const DialogueMessage& a, const DialogueMessage& b) { return a.bytes == b.bytes; });
}

std::vector<PartField> DialoguePart::fields() const
{
    std::vector<PartField> fields;
    fields.reserve(dialogue_.messages.size());
    for (std::size_t m = 0; m < dialogue_.messages.size(); ++m)
        fields.push_back({RecordRef(RecordKind::Message, int(m)), kTextField,
                          QCoreApplication::translate("DialoguePart", "Text"),
                          dialoguescript::scriptText(dialogue_.messages[m])});
    return fields;
}

}  // namespace tessel
