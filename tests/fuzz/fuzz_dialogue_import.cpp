// Feeds arbitrary JSON to the dialogue import, as dialogue-import reads it,
// and saves what it accepts into the sample ROM: every message must read
// back byte for byte, or the save must be refused with nothing written.
// The first byte gives the number of messages; when its high bit is set the
// rest is split into message texts at 0xFF bytes and wrapped into JSON, so
// that the parser sees well-formed documents often.
#include "rom/editorflags.h"
#include "rom/freespace.h"
#include "rom/romimage.h"
#include "text/dialoguejson.h"
#include "tools/samplerom/samplerom.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cstdint>
#include <cstdlib>

using namespace tessel;

namespace {

QByteArray wrapAsJson(const QByteArray& texts)
{
    QJsonArray messages;
    for (const QByteArray& text : texts.split(char(0xFF)))
        messages.append(QString::fromLatin1(text));
    return QJsonDocument(QJsonObject{{QStringLiteral("messages"), messages}}).toJson();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const QByteArray sample = buildSampleRom();
    if (size < 1)
        return 0;
    const std::size_t count = data[0] & 0x1F;
    const QByteArray rest(reinterpret_cast<const char*>(data + 1), qsizetype(size - 1));
    const QByteArray json = (data[0] & 0x80) ? wrapAsJson(rest) : rest;

    DialogueList dialogue;
    QStringList errors;
    if (!dialoguejson::read(json, count, dialogue.messages, errors)) {
        if (errors.isEmpty() || !dialogue.messages.empty())
            std::abort();  // a refusal must say why and take nothing
        return 0;
    }
    dialogue.loaded = true;

    RomImage rom;
    rom.openInMemory(sample);
    FreeSpace space;
    EditorFlags flags;
    QString reason;
    if (!SaveDialogue(rom, dialogue, space, flags, &reason)) {
        if (reason.isEmpty() || rom.data() != sample)
            std::abort();
        return 0;
    }
    RomImage reread;
    reread.openInMemory(rom.data(), RomImage::Mode::Loading);
    DialogueList again;
    LoadDialogue(reread, again);
    if (again.messages.size() != dialogue.messages.size())
        std::abort();
    for (std::size_t i = 0; i < again.messages.size(); ++i)
        if (again.messages[i].bytes != dialogue.messages[i].bytes)
            std::abort();
    return 0;
}
