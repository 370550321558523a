// Feeds arbitrary text to the dialogue script parser. What it makes must be
// a whole message (its closing 0x00 last, none before), and its script form
// must parse again into the same bytes.
#include "text/dialoguemessagereader.h"
#include "text/dialoguescript.h"

#include <cstdint>
#include <cstdlib>

using namespace tessel;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString text = QString::fromLatin1(reinterpret_cast<const char*>(data), qsizetype(size));
    DialogueMessage message;
    QString error;
    if (!ParseDialogue(message, text, &error)) {
        if (error.isEmpty() || !message.isEmpty())
            std::abort();  // a failure must say why and change nothing
        return 0;
    }
    if (!message.isEmpty() && !isWholeDialogueMessage(message.bytes))
        std::abort();
    const QString script = dialoguescript::scriptText(message);
    DialogueMessage again;
    if (!ParseDialogue(again, script) || (!again.isEmpty() && !isWholeDialogueMessage(again.bytes)))
        std::abort();
    // An accepted text reads back as written: its script form parses to the same bytes.
    if (again.bytes != message.bytes || dialoguescript::scriptText(again) != script)
        std::abort();
    return 0;
}
