#include "cli/headercopy.h"

#include "cli/clicommand.h"
#include "patch/patchfiles.h"
#include "platform/samefile.h"

#include <QDir>

#include <cstdio>

namespace tessel {

namespace cli {

bool readCopySource(const QString& in, const QString& out, QByteArray* data)
{
    // Also through a symbolic link: the copy would be written over its original.
    if (platform::isSameFile(in, out)) {
        std::fprintf(stderr, "The copy must be a new file, not %s itself.\n",
                     QDir::toNativeSeparators(in).toLocal8Bit().constData());
        return false;
    }
    QString error;
    if (!PatchFiles::read(in, PatchFiles::kMaxRomFileSize, data, &error)) {
        std::fprintf(stderr, "%s\n", error.toLocal8Bit().constData());
        return false;
    }
    return true;
}

int writeCopy(const QString& out, const QByteArray& data)
{
    QString error;
    if (!PatchFiles::write(out, data, &error)) {
        std::fprintf(stderr, "%s\n", error.toLocal8Bit().constData());
        return kExitFailed;
    }
    return kExitOk;
}

int refuseCopy(const char* text, const QString& path)
{
    std::fprintf(stderr, text, QDir::toNativeSeparators(path).toLocal8Bit().constData());
    return kExitFailed;
}

}  // namespace cli

}  // namespace tessel
