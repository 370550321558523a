#include "cli/clicommand.h"
#include "patch/patchfiles.h"
#include "rom/copierheader.h"

#include <QDir>
#include <QFileInfo>

#include <cstdio>

namespace cli {

namespace {

// Reads IN and refuses an OUT that would overwrite it.
bool readInput(const QStringList& args, QByteArray* data)
{
    if (QFileInfo(args[0]).absoluteFilePath() == QFileInfo(args[1]).absoluteFilePath()) {
        std::fprintf(stderr, "The copy must be a new file, not %s itself.\n",
                     QDir::toNativeSeparators(args[0]).toLocal8Bit().constData());
        return false;
    }
    QString error;
    if (!PatchFiles::read(args[0], PatchFiles::kMaxRomFileSize, data, &error)) {
        std::fprintf(stderr, "%s\n", error.toLocal8Bit().constData());
        return false;
    }
    return true;
}

int writeOutput(const QString& path, const QByteArray& data)
{
    QString error;
    if (!PatchFiles::write(path, data, &error)) {
        std::fprintf(stderr, "%s\n", error.toLocal8Bit().constData());
        return kExitFailed;
    }
    return kExitOk;
}

int refuse(const char* text, const QString& path)
{
    std::fprintf(stderr, text, QDir::toNativeSeparators(path).toLocal8Bit().constData());
    return kExitFailed;
}

int addHeader(const Invocation& call)
{
    const QStringList& args = call.args;
    QByteArray image;
    if (!readInput(args, &image))
        return kExitFailed;
    if (image.isEmpty())
        return refuse("%s is empty.\n", args[0]);
    if (rom::hasCopierHeader(image.size()))
        return refuse("%s already has a copier header (it is 512 bytes over a whole number of kilobytes).\n", args[0]);
    return writeOutput(args[1], rom::withCopierHeader(image));
}

int stripHeader(const Invocation& call)
{
    const QStringList& args = call.args;
    QByteArray file;
    if (!readInput(args, &file))
        return kExitFailed;
    if (!rom::hasCopierHeader(file.size()))
        return refuse("%s has no copier header (it is not 512 bytes over a whole number of kilobytes).\n", args[0]);
    return writeOutput(args[1], rom::withoutCopierHeader(file));
}

const Registration addHeaderRegistration(Command{
    .name = "add-header",
    .summary = QT_TRANSLATE_NOOP("cli", "write IN behind a 512-byte copier header to OUT"),
    .arguments = {{"IN", QT_TRANSLATE_NOOP("cli", "a ROM image without a copier header")},
                  {"OUT", QT_TRANSLATE_NOOP("cli", "the copy to write, a file of its own")}},
    .run = addHeader,
});

const Registration stripHeaderRegistration(Command{
    .name = "strip-header",
    .summary = QT_TRANSLATE_NOOP("cli", "write IN without its 512-byte copier header to OUT"),
    .arguments = {{"IN", QT_TRANSLATE_NOOP("cli", "a ROM image behind a copier header")},
                  {"OUT", QT_TRANSLATE_NOOP("cli", "the copy to write, a file of its own")}},
    .run = stripHeader,
});

}  // namespace

}  // namespace cli
