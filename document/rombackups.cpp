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
const QString kSuffix = QStringLiteral(".smc");

QString shown(const QString& path)
{
    return QDir::toNativeSeparators(path);
}

}  // namespace

RomBackups::RomBackups(const QString& romPath) : romPath_(romPath)
{
    const QFileInfo rom(romPath);
    name_ = rom.completeBaseName();
    folder_ = rom.dir().filePath(name_ + QStringLiteral("-backups"));
}

QList<RomBackups::Entry> RomBackups::list() const
{
    const QRegularExpression pattern(QStringLiteral("^%1-(\\d{8}-\\d{6})(?:-(\\d+))?\\.smc$")
                                         .arg(QRegularExpression::escape(name_)));
    QList<Entry> entries;
    const QFileInfoList files = QDir(folder_).entryInfoList(QDir::Files, QDir::Name);
    for (const QFileInfo& file : files) {
        const QRegularExpressionMatch match = pattern.match(file.fileName());
        if (!match.hasMatch())
            continue;
        Entry entry;
        entry.path = file.filePath();
        entry.time = QDateTime::fromString(match.captured(1), kTimeFormat);
        entry.sequence = match.captured(2).isEmpty() ? 1 : match.captured(2).toInt();
        entry.size = file.size();
        if (entry.time.isValid())
            entries.append(entry);
    }
    std::sort(entries.begin(), entries.end(), [](const Entry& a, const Entry& b) {
        return a.time != b.time ? a.time > b.time : a.sequence > b.sequence;
    });
    return entries;
}

bool RomBackups::add(const QDateTime& when, QString* createdPath, QString* reason) const
{
    if (!QDir().mkpath(folder_)) {
        *reason = QCoreApplication::translate("RomBackups", "The folder %1 could not be made.").arg(shown(folder_));
        return false;
    }
    // Numbered past every copy of the same second, so the newest sorts first
    // even after older ones of that second were removed.
    const QDateTime second = QDateTime::fromString(when.toString(kTimeFormat), kTimeFormat);
    int sequence = 0;
    for (const Entry& entry : list())
        if (entry.time == second)
            sequence = std::max(sequence, entry.sequence);
    const QString stem = QDir(folder_).filePath(name_ + QLatin1Char('-') + when.toString(kTimeFormat));
    QString path = sequence == 0 ? stem + kSuffix : stem + QLatin1Char('-') + QString::number(sequence + 1) + kSuffix;

    const platform::FileReadResult current = platform::readFileBounded(romPath_, rom::kMaxFileSize);
    if (!current.ok) {
        *reason = current.reason;
        return false;
    }
    if (current.fileLength != current.data.size()) {
        *reason = QCoreApplication::translate("RomBackups", "The file is larger than any ROM image.");
        return false;
    }
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

}  // namespace tessel
