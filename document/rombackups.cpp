#include "document/rombackups.h"

#include "platform/fileaccess.h"
#include "rom/romaddress.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <algorithm>

namespace tessel {

namespace {

const QString kTimeFormat = QStringLiteral("yyyyMMdd-HHmmss");
constexpr int kNumberDigits = 4;

QString shown(const QString& path)
{
    return QDir::toNativeSeparators(path);
}

}  // namespace

RomBackups::RomBackups(const QString& romPath) : romPath_(romPath)
{
    const QFileInfo rom(romPath);
    fileName_ = rom.fileName();
    suffix_ = rom.suffix().isEmpty() ? QString() : QLatin1Char('.') + rom.suffix();
    folder_ = rom.dir().filePath(fileName_ + QStringLiteral("-backups"));
}

QList<RomBackups::Entry> RomBackups::list() const
{
    const QRegularExpression pattern(QStringLiteral("^%1-(\\d{1,9})-(\\d{8}-\\d{6})%2$")
                                         .arg(QRegularExpression::escape(fileName_),
                                              QRegularExpression::escape(suffix_)));
    QList<Entry> entries;
    const QFileInfoList files = QDir(folder_).entryInfoList(QDir::Files);
    for (const QFileInfo& file : files) {
        const QRegularExpressionMatch match = pattern.match(file.fileName());
        if (!match.hasMatch())
            continue;
        Entry entry;
        entry.path = file.filePath();
        entry.number = match.captured(1).toInt();
        entry.time = QDateTime::fromString(match.captured(2), kTimeFormat);
        entry.size = file.size();
        entries.append(entry);
    }
    std::sort(entries.begin(), entries.end(), [](const Entry& a, const Entry& b) {
        return a.number != b.number ? a.number > b.number : a.path > b.path;
    });
    return entries;
}

bool RomBackups::add(const QDateTime& when, QString* createdPath, QString* reason) const
{
    createdPath->clear();
    const platform::FileReadResult current = platform::readFileBounded(romPath_, rom::kMaxFileSize);
    if (!current.ok) {
        *reason = current.reason;
        return false;
    }
    if (current.fileLength != current.data.size()) {
        *reason = QCoreApplication::translate("RomBackups", "The file is larger than any ROM image.");
        return false;
    }
    const QList<Entry> entries = list();
    if (!entries.isEmpty()) {
        // Saving an unchanged file again keeps no second copy of it, so
        // older copies are not pushed out by repeated saves.
        const platform::FileReadResult newest = platform::readFileBounded(entries.first().path, rom::kMaxFileSize);
        if (newest.ok && newest.fileLength == newest.data.size() && newest.data == current.data)
            return true;
    }
    if (!QDir().mkpath(folder_)) {
        *reason = QCoreApplication::translate("RomBackups", "The folder %1 could not be made.").arg(shown(folder_));
        return false;
    }
    const int number = entries.isEmpty() ? 1 : entries.first().number + 1;
    const QString path = QDir(folder_).filePath(QStringLiteral("%1-%2-%3%4")
                                                    .arg(fileName_)
                                                    .arg(number, kNumberDigits, 10, QLatin1Char('0'))
                                                    .arg(when.toString(kTimeFormat), suffix_));
    QFile out(path);
    if (!out.open(QIODevice::NewOnly) || out.write(current.data) != current.data.size() || !out.flush()) {
        *reason = QStringLiteral("%1: %2").arg(shown(path), out.errorString());
        out.close();
        QFile::remove(path);
        return false;
    }
    *createdPath = path;
    return true;
}

void RomBackups::prune(int keep) const
{
    const QList<Entry> entries = list();
    for (qsizetype i = std::max(keep, 1); i < entries.size(); ++i)
        QFile::remove(entries[i].path);
}

bool RomBackups::restore(const Entry& backup, QString* reason) const
{
    if (!platform::checkExistingWritable(romPath_, reason))
        return false;
    const platform::FileReadResult copy = platform::readFileBounded(backup.path, rom::kMaxFileSize);
    if (!copy.ok || copy.fileLength != copy.data.size()) {
        *reason = copy.ok ? QCoreApplication::translate("RomBackups", "The backup is larger than any ROM image.")
                          : copy.reason;
        return false;
    }
    return platform::replaceFileAtomically(romPath_, copy.data, reason);
}

QString RomBackups::olderBackupsFolder() const
{
    const QFileInfo rom(romPath_);
    const QString name = rom.completeBaseName();
    const QString folder = rom.dir().filePath(name + QStringLiteral("-backups"));
    const QRegularExpression pattern(
        QStringLiteral("^%1-\\d{8}-\\d{6}(?:-\\d+)?\\.smc$").arg(QRegularExpression::escape(name)));
    const QStringList files = QDir(folder).entryList(QDir::Files);
    const bool any = std::any_of(files.begin(), files.end(),
                                 [&](const QString& file) { return pattern.match(file).hasMatch(); });
    return any ? folder : QString();
}

}  // namespace tessel
