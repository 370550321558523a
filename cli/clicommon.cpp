#include "cli/clicommon.h"

#include "platform/fileaccess.h"

#include <cstdio>

namespace tessel {

namespace cli {

void printLine(const QString& text)
{
    std::fputs(text.toLocal8Bit().constData(), stdout);
    std::fputc('\n', stdout);
}

void printError(const QString& text)
{
    std::fprintf(stderr, "%s\n", text.toLocal8Bit().constData());
}

int worldMapNamed(const QString& name, const char* command)
{
    const QString which = name.toLower();
    if (which == QLatin1String("balance"))
        return 0;
    if (which == QLatin1String("ruin"))
        return 1;
    std::fprintf(stderr, "%s: the map is 'balance' or 'ruin', not '%s'\n", command, name.toLocal8Bit().constData());
    return -1;
}

bool readWholeFile(const QString& path, qint64 maxBytes, QByteArray* data)
{
    platform::FileReadResult file = platform::readFileBounded(path, maxBytes);
    if (!file.ok) {
        std::fprintf(stderr, "Could not open %s: %s\n", path.toLocal8Bit().constData(),
                     file.reason.toLocal8Bit().constData());
        return false;
    }
    *data = std::move(file.data);
    return true;
}

bool writeWholeFile(const QString& path, const QByteArray& data)
{
    QString reason;
    if (!platform::replaceFileAtomically(path, data, &reason)) {
        std::fprintf(stderr, "Could not write %s: %s\n", path.toLocal8Bit().constData(),
                     reason.toLocal8Bit().constData());
        return false;
    }
    return true;
}

}  // namespace cli

}  // namespace tessel
