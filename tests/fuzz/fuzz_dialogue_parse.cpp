// Feeds arbitrary text to the dialogue script parser, then formats what it
// produced in both forms and parses the script form again.
#include "text/dialoguescript.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString text = QString::fromLatin1(reinterpret_cast<const char*>(data), qsizetype(size));
    DialogueMessage message;
    QString error;
    if (ParseDialogue(message, text, &error) != 0) {
        if (error.isEmpty() || !message.isEmpty())
            std::abort();  // a failure must say why and change nothing
        return 0;
    }
    if (!message.isEmpty() && message.bytes.back() != 0)
        std::abort();
    dialoguescript::plainText(message);
    DialogueMessage again;
    ParseDialogue(again, dialoguescript::scriptText(message));
    return 0;
}
