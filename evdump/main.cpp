// evdump: writes an annotated listing of the game's event scripts.
// Reads "FF3.SMC" and writes "eventdump.txt" in the current folder; the
// arguments ROM and OUT replace the two paths.
#include "rom/romimage.h"
#include "evdump/eventlister.h"
#include "evdump/eventtables.h"
#include "evdump/listingwriter.h"

#include <QCoreApplication>
#include <QSaveFile>

#include <cstdio>

namespace {

void fail(const QString& text)
{
    std::fprintf(stderr, "evdump: %s\n", text.toLocal8Bit().constData());
}

}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    if (args.size() > 2) {
        fail(QStringLiteral("usage: evdump [ROM [OUT]]"));
        return 1;
    }
    const QString romPath = args.value(0, QStringLiteral("FF3.SMC"));
    const QString outPath = args.value(1, QStringLiteral("eventdump.txt"));

    RomImage rom;
    QString reason;
    if (!rom.openForLoading(romPath, &reason)) {
        fail(QStringLiteral("cannot read %1: %2").arg(romPath, reason));
        return 1;
    }
    if (rom.length() < rom::kRomFileSize) {
        fail(QStringLiteral("%1 is too short for the game's ROM image (%2 bytes; it needs %3 with its header).")
                 .arg(romPath)
                 .arg(rom.length())
                 .arg(rom::kRomFileSize));
        return 1;
    }

    EventTables tables;
    tables.load(rom);

    // The listing goes out in large pieces as it is made; the file appears
    // only once it is complete.
    QSaveFile out(outPath);
    if (!out.open(QIODevice::WriteOnly)) {
        fail(QStringLiteral("cannot write %1: %2").arg(outPath, out.errorString()));
        return 1;
    }
    evdump::ListingWriter writer(&out);
    evdump::EventLister(rom, tables).listAll(writer);
    if (!writer.finish() || !out.commit()) {
        fail(QStringLiteral("cannot write %1: %2").arg(outPath, out.errorString()));
        return 1;
    }
    return 0;
}
