#include "cli/clicommands.h"
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

}  // namespace

int runAddHeader(const QStringList& args)
{
    if (args.size() != 2)
        return usageError("add-header");
    QByteArray image;
    if (!readInput(args, &image))
        return kExitFailed;
    if (image.isEmpty())
        return refuse("%s is empty.\n", args[0]);
    if (rom::hasCopierHeader(image.size()))
        return refuse("%s already has a copier header (it is 512 bytes over a whole number of kilobytes).\n", args[0]);
    return writeOutput(args[1], rom::withCopierHeader(image));
}

int runStripHeader(const QStringList& args)
{
    if (args.size() != 2)
        return usageError("strip-header");
    QByteArray file;
    if (!readInput(args, &file))
        return kExitFailed;
    if (!rom::hasCopierHeader(file.size()))
        return refuse("%s has no copier header (it is not 512 bytes over a whole number of kilobytes).\n", args[0]);
    return writeOutput(args[1], rom::withoutCopierHeader(file));
}

}  // namespace cli
