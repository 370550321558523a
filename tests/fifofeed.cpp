#include "tests/fifofeed.h"

#include <QFile>

#include <sys/stat.h>

namespace tessel {

FifoFeed::FifoFeed(const QString& command)
{
    const QString path = dir_.filePath(QStringLiteral("feed"));
    if (::mkfifo(QFile::encodeName(path).constData(), 0600) != 0)
        return;
    path_ = path;
    // The writer's open waits for the reader, so it needs no head start.
    writer_.start(QStringLiteral("sh"), {QStringLiteral("-c"), command + QStringLiteral(" > \"$0\""), path_});
    writer_.waitForStarted();
}

FifoFeed::~FifoFeed()
{
    if (writer_.state() != QProcess::NotRunning) {
        writer_.kill();
        writer_.waitForFinished();
    }
}

QString zeroBytesCommand(qint64 bytes)
{
    return QStringLiteral("head -c %1 /dev/zero").arg(bytes);
}

QString catCommand(const QString& path)
{
    return QStringLiteral("cat '%1'").arg(path);
}

}  // namespace tessel
