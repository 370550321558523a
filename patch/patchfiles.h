#pragma once

#include "patch/patchresult.h"
#include "rom/romaddress.h"

#include <QByteArray>
#include <QString>

namespace tessel {

// Patches from files to files, for the File menu and tessel-cli. Every
// refusal comes back as a message naming the file and the problem; an
// output is written atomically and only once everything has been checked.
class PatchFiles {
public:
    // Reads a whole file of at most maxSize bytes.
    static bool read(const QString& path, qint64 maxSize, QByteArray* data, QString* error);
    // Writes a new file (or replaces one) atomically.
    static bool write(const QString& path, const QByteArray& data, QString* error);

    // Makes the patch that turns original into the file at modifiedPath,
    // in the format that patchPath's extension names.
    static bool create(const QByteArray& original, const QString& modifiedPath, const QString& patchPath,
                       QString* error);
    // The same with the original read from a file, which the patch may not replace.
    static bool createFromFiles(const QString& originalPath, const QString& modifiedPath, const QString& patchPath,
                                QString* error);
    // Applies the patch to the file at sourcePath and writes the result to
    // outPath, which must be neither of the other two.
    static bool apply(const QString& sourcePath, const QString& patchPath, const QString& outPath, QString* error);
    // The file the patch makes of the file at sourcePath, without writing it.
    static bool patched(const QString& sourcePath, const QString& patchPath, QByteArray* result, QString* error);

    // Room for a whole ROM file and for any patch of one.
    static constexpr qint64 kMaxRomFileSize = patch::kMaxPatchedSize + rom::kHeaderSize;
    static constexpr qint64 kMaxPatchFileSize = 2 * patch::kMaxPatchedSize;
};

}  // namespace tessel
