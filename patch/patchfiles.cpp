#include "patch/patchfiles.h"

#include "patch/patcher.h"
#include "platform/fileaccess.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace tessel {

namespace {

QString shown(const QString& path)
{
    return QDir::toNativeSeparators(path);
}

bool samePath(const QString& a, const QString& b)
{
    const QFileInfo first(a);
    const QFileInfo second(b);
    if (first.exists() && second.exists())
        return first.canonicalFilePath() == second.canonicalFilePath();
    return first.absoluteFilePath() == second.absoluteFilePath();
}

const char* const kNothingWritten = QT_TRANSLATE_NOOP("PatchFiles", "\nNothing was written.");

}  // namespace

bool PatchFiles::read(const QString& path, qint64 maxSize, QByteArray* data, QString* error)
{
    platform::FileReadResult file = platform::readFileBounded(path, maxSize);
    if (file.tooLarge) {
        *error = file.fileLength < 0
                     ? QCoreApplication::translate("PatchFiles", "%1 holds more than any ROM file or patch of one.")
                           .arg(shown(path))
                     : QCoreApplication::translate("PatchFiles",
                                                   "%1 is %2 bytes long, more than any ROM file or patch of one.")
                           .arg(shown(path))
                           .arg(file.fileLength);
        return false;
    }
    if (!file.ok) {
        *error = QCoreApplication::translate("PatchFiles", "Could not read %1: %2").arg(shown(path), file.reason);
        return false;
    }
    *data = std::move(file.data);
    return true;
}

bool PatchFiles::write(const QString& path, const QByteArray& data, QString* error)
{
    QString reason;
    if (!platform::replaceFileAtomically(path, data, &reason)) {
        *error = QCoreApplication::translate("PatchFiles", "Could not write %1: %2").arg(shown(path), reason);
        return false;
    }
    return true;
}

bool PatchFiles::create(const QByteArray& original, const QString& modifiedPath, const QString& patchPath,
                        QString* error)
{
    const std::optional<Patcher::Format> format = Patcher::formatOfFileName(patchPath);
    if (!format) {
        *error = QCoreApplication::translate("PatchFiles", "%1: a patch file's name must end in .ips or .bps.")
                     .arg(shown(patchPath));
        return false;
    }
    if (samePath(patchPath, modifiedPath)) {
        *error = QCoreApplication::translate("PatchFiles", "The patch must be written to a file of its own, not to %1.")
                     .arg(shown(modifiedPath));
        return false;
    }
    QByteArray modified;
    if (!read(modifiedPath, kMaxRomFileSize, &modified, error))
        return false;
    const patch::PatchResult made = Patcher::create(*format, original, modified);
    if (!made.ok()) {
        *error = made.error;
        return false;
    }
    return write(patchPath, made.data, error);
}

bool PatchFiles::createFromFiles(const QString& originalPath, const QString& modifiedPath, const QString& patchPath,
                                 QString* error)
{
    if (samePath(patchPath, originalPath)) {
        *error = QCoreApplication::translate("PatchFiles", "The patch must be written to a file of its own, not to %1.")
                     .arg(shown(originalPath));
        return false;
    }
    QByteArray original;
    return read(originalPath, kMaxRomFileSize, &original, error) &&
           create(original, modifiedPath, patchPath, error);
}

bool PatchFiles::apply(const QString& sourcePath, const QString& patchPath, const QString& outPath, QString* error)
{
    if (samePath(outPath, sourcePath) || samePath(outPath, patchPath)) {
        *error = QCoreApplication::translate("PatchFiles", "The patched file must be a new file, not %1 itself.")
                     .arg(shown(samePath(outPath, sourcePath) ? sourcePath : patchPath)) +
                 QCoreApplication::translate("PatchFiles", kNothingWritten);
        return false;
    }
    QByteArray result;
    return patched(sourcePath, patchPath, &result, error) && write(outPath, result, error);
}

bool PatchFiles::patched(const QString& sourcePath, const QString& patchPath, QByteArray* result, QString* error)
{
    QByteArray source;
    QByteArray patchBytes;
    if (!read(sourcePath, kMaxRomFileSize, &source, error) ||
        !read(patchPath, kMaxPatchFileSize, &patchBytes, error)) {
        *error += QCoreApplication::translate("PatchFiles", kNothingWritten);
        return false;
    }
    patch::PatchResult applied = Patcher::apply(source, patchBytes);
    if (!applied.ok()) {
        *error = applied.error + QCoreApplication::translate("PatchFiles", kNothingWritten);
        return false;
    }
    *result = std::move(applied.data);
    return true;
}

}  // namespace tessel
