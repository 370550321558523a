// Feeds arbitrary dialogue tables to the loader: the first bytes choose the
// layout, the rest overwrite the group table, the pointer table and the
// start of the text area of the sample ROM. What loads is saved and must
// load again byte for byte.
#include "rom/editorflags.h"
#include "rom/freespace.h"
#include "rom/romimage.h"
#include "text/dialogueaddresses.h"
#include "text/dialoguestorage.h"
#include "tools/samplerom/samplerom.h"

#include <cstdint>
#include <cstdlib>

using namespace tessel;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const QByteArray sample = buildSampleRom();
    if (size < 2)
        return 0;
    QByteArray image = sample;
    image[rom::fileOffset(dialogue::kMarkerAddress)] =
        char(data[0] & 1 ? dialogue::kRelocatedMarker : dialogue::kGameLayoutMarker);
    const QByteArray rest(reinterpret_cast<const char*>(data + 1), qsizetype(size - 1));
    const qsizetype third = rest.size() / 3;
    image.replace(rom::fileOffset(dialogue::kGroupTableAddress), qMin<qsizetype>(third, 32), rest.left(qMin<qsizetype>(third, 32)));
    image.replace(rom::fileOffset(dialogue::kBankSplitAddress), third, rest.mid(third, third));
    image.replace(rom::fileOffset(dialogue::kTextAreaStart), rest.size() - 2 * third, rest.mid(2 * third));
    if (data[0] & 2)
        image.truncate(rom::fileOffset(dialogue::kTextAreaStart) + (data[0] >> 2) * 0x800);

    RomImage rom;
    rom.openInMemory(image, RomImage::Mode::Loading);
    DialogueList list;
    LoadDialogue(rom, list);
    if (!list.loaded)
        return 0;
    RomImage out;
    out.openInMemory(image, RomImage::Mode::Saving);
    FreeSpace space;
    EditorFlags flags;
    QString reason;
    if (SaveDialogue(out, list, space, flags, &reason)) {
        RomImage reread;
        reread.openInMemory(out.data(), RomImage::Mode::Loading);
        DialogueList again;
        LoadDialogue(reread, again);
        if (again.messages.size() != list.messages.size())
            std::abort();
        for (std::size_t i = 0; i < list.messages.size(); ++i)
            if (again.messages[i].bytes != list.messages[i].bytes)
                std::abort();
    }
    return 0;
}
