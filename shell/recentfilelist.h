#pragma once

#include <QStringList>

namespace tessel {

// The most recently used files, newest first, at most four.
class RecentFileList {
public:
    static constexpr int kMaxEntries = 4;

    void setFiles(const QStringList& files);
    const QStringList& files() const { return files_; }
    // Puts path first (once; the same file under another spelling counts too).
    void add(const QString& path);
    void remove(const QString& path);

private:
    QStringList files_;
};

}  // namespace tessel
