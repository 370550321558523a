// evdump: writes an annotated listing of the game's event scripts.
// Reads "FF3.SMC" and writes "eventdump.txt" in the current folder; the
// arguments ROM and OUT replace the two paths.
#include "platform/fileaccess.h"
#include "rom/romidentity.h"
#include "rom/romimage.h"
#include "events/eventlister.h"
#include "events/eventtables.h"
#include "events/listingwriter.h"

#include "tesselversion.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <cstdio>

using namespace tessel;

namespace {

void fail(const QString& text)
{
    std::fprintf(stderr, "evdump: %s\n", text.toLocal8Bit().constData());
}

QString helpText()
{
    return QCoreApplication::translate("evdump",
                                       "usage: evdump [ROM [OUT]]\n"
                                       "\n"
                                       "Write an annotated listing of the game's event scripts.\n"
                                       "\n"
                                       "arguments:\n"
                                       "  ROM            the ROM image to read (default: FF3.SMC in the current folder)\n"
                                       "  OUT            the listing to write (default: eventdump.txt in the current "
                                       "folder)\n"
                                       "\n"
                                       "options:\n"
                                       "  -h, --help     print this help\n"
                                       "  -v, --version  print the program's name and version\n");
}

void print(FILE* stream, const QString& text)
{
    std::fputs(text.toLocal8Bit().constData(), stream);
}

// Exit code of a usage error; it predates the help and stays what scripts
// already test for.
constexpr int kExitUsage = 1;

int usageError(const QString& reason)
{
    fail(reason);
    print(stderr, helpText());
    return kExitUsage;
}

}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")});
    const QCommandLineOption version(QStringList{QStringLiteral("v"), QStringLiteral("version")});
    parser.addOption(help);
    parser.addOption(version);
    if (!parser.parse(app.arguments()))
        return usageError(parser.errorText());
    if (parser.isSet(help)) {
        print(stdout, helpText());
        return 0;
    }
    if (parser.isSet(version)) {
        print(stdout, QStringLiteral("evdump %1\n").arg(QLatin1String(tessel::kVersion)));
        return 0;
    }
    const QStringList args = parser.positionalArguments();
    if (args.size() > 2)
        return usageError(QCoreApplication::translate("evdump", "unexpected argument '%1'").arg(args[2]));
    const QString romPath = args.value(0, QStringLiteral("FF3.SMC"));
    const QString outPath = args.value(1, QStringLiteral("eventdump.txt"));

    RomImage rom;
    QString reason;
    if (!rom.openForLoading(romPath, &reason)) {
        fail(QCoreApplication::translate("evdump", "cannot read %1: %2").arg(romPath, reason));
        return 1;
    }
    if (const char* problem = rom::identityProblem(rom)) {
        fail(QCoreApplication::translate("RomIdentity", problem));
        return 1;
    }

    EventTables tables;
    tables.load(rom);

    // The listing is made whole in memory; the file appears only once it is
    // written completely.
    events::ListingWriter writer;
    events::EventLister(rom, tables).listAll(writer);
    const std::string_view listing = writer.text();
    if (!platform::replaceFileAtomically(outPath, QByteArray(listing.data(), qsizetype(listing.size())), &reason)) {
        fail(QCoreApplication::translate("evdump", "cannot write %1: %2").arg(outPath, reason));
        return 1;
    }
    return 0;
}
