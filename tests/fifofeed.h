#pragma once

#include <QProcess>
#include <QString>
#include <QTemporaryDir>

namespace tessel {

// A FIFO in a temporary folder, fed by a shell command run in a process of
// its own (a reader that stops early then ends only that process, through
// SIGPIPE). Without mkfifo, path() is empty and the test should skip.
class FifoFeed {
public:
    // command writes the FIFO's content on its standard output.
    explicit FifoFeed(const QString& command);
    ~FifoFeed();

    const QString& path() const { return path_; }

private:
    QTemporaryDir dir_;
    QString path_;
    QProcess writer_;
};

// A shell command writing `bytes` zero bytes.
QString zeroBytesCommand(qint64 bytes);
// A shell command writing the file at path.
QString catCommand(const QString& path);

}  // namespace tessel
