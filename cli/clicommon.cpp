#include "cli/clicommon.h"

#include <QFile>
#include <QSaveFile>

#include <cstdio>

namespace tessel {

namespace cli {

void printLine(const QString& text)
{
    std::fputs(text.toLocal8Bit().constData(), stdout);
    std::fputc('\n', stdout);
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

bool readWholeFile(const QString& path, QByteArray* data)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "Could not open %s: %s\n", path.toLocal8Bit().constData(),
                     file.errorString().toLocal8Bit().constData());
        return false;
    }
    *data = file.readAll();
    return true;
}

bool writeWholeFile(const QString& path, const QByteArray& data)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(data) != data.size() || !file.commit()) {
        std::fprintf(stderr, "Could not write %s: %s\n", path.toLocal8Bit().constData(),
                     file.errorString().toLocal8Bit().constData());
        return false;
    }
    return true;
}

}  // namespace cli

}  // namespace tessel
