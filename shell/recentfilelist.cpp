#include "shell/recentfilelist.h"

#include <QFileInfo>

namespace tessel {

namespace {
bool sameFile(const QString& a, const QString& b)
{
    return QFileInfo(a).absoluteFilePath() == QFileInfo(b).absoluteFilePath();
}
}  // namespace

void RecentFileList::setFiles(const QStringList& files)
{
    files_.clear();
    for (auto it = files.crbegin(); it != files.crend(); ++it)
        add(*it);
}

void RecentFileList::add(const QString& path)
{
    if (path.isEmpty())
        return;
    remove(path);
    files_.prepend(QFileInfo(path).absoluteFilePath());
    while (files_.size() > kMaxEntries)
        files_.removeLast();
}

void RecentFileList::remove(const QString& path)
{
    files_.removeIf([&](const QString& entry) { return sameFile(entry, path); });
}

}  // namespace tessel
