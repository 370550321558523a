// Feeds event scripts to the lister and edit files to the script part.
// Mode 0: the input is written into the script area and listed command by
// command: every command must move the walk forward and stay within its
// bytes. Mode 1: the input is an events-import file; edits the part accepts
// are applied and taken back, and the part must then hold what it held.
#include "document/parts/scriptpart.h"
#include "events/eventlister.h"
#include "events/listingwriter.h"
#include "events/scriptjson.h"
#include "rom/romimage.h"
#include "tools/samplerom/samplerom.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>

using namespace tessel;

namespace {

struct Sample {
    Sample()
    {
        rom.openInMemory(buildSampleRom(), RomImage::Mode::Loading);
        tables.load(rom);
        part.load(rom);
    }
    RomImage rom;
    EventTables tables;
    ScriptPart part;
};

void listFuzzedScript(Sample& sample, const uint8_t* data, size_t size)
{
    // Near the start of the area, or right at its end where the walk stops.
    const SnesAddress at = (data[0] & 1) ? events::kScriptAreaEnd - SnesAddress(size % 64) : events::kScriptAreaStart;
    RomImage& rom = sample.rom;
    rom.SeekSnes(at);
    const QByteArray saved = rom.data().mid(rom.position(), qsizetype(size - 1));
    rom.write(data + 1, qint64(size - 1));

    events::EventLister lister(rom, sample.tables);
    rom.SeekSnes(at);
    const qint64 end = rom::fileOffset(at) + qint64(size - 1);
    while (rom.position() < end) {
        const qint64 before = rom.position();
        events::ListingWriter out;
        lister.listCommand(out);
        // A command is never longer than a map chunk of 255 x 255 tiles.
        if (rom.position() <= before || rom.position() - before > (1 << 17) || out.text().empty())
            std::abort();
    }
    rom.SeekSnes(at);
    rom.write(saved);
}

void importFuzzedEdits(Sample& sample, const uint8_t* data, size_t size)
{
    QList<ScriptEdit> edits;
    QString error;
    if (!events::readScriptEdits(QByteArray(reinterpret_cast<const char*>(data + 1), qsizetype(size - 1)), &edits, &error)) {
        if (error.isEmpty())
            std::abort();
        return;
    }
    ScriptPart& part = sample.part;
    if (part.checkEdits(edits))
        return;
    const QList<ScriptEdit> before = part.currentBytes(edits);
    part.apply(edits);
    QList<ScriptEdit> undo = before;
    std::reverse(undo.begin(), undo.end());
    part.apply(undo);
    if (part.isModified())
        std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static Sample sample;
    if (size < 2 || size > 4096)
        return 0;
    if (data[0] & 0x80)
        importFuzzedEdits(sample, data, size);
    else
        listFuzzedScript(sample, data, size);
    return 0;
}
