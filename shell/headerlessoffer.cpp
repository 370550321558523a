#include "shell/headerlessoffer.h"

#include "patch/patchfiles.h"
#include "platform/gui/filechooser.h"
#include "platform/messageservice.h"
#include "platform/samefile.h"
#include "rom/copierheader.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace tessel {

namespace {

const QString kCaption = QStringLiteral("Tessel");

// NAME.smc beside the original, or NAME-header.smc when that is taken.
QString suggestedCopy(const QString& path)
{
    const QFileInfo original(path);
    const QString plain = original.dir().filePath(original.completeBaseName() + QStringLiteral(".smc"));
    if (!QFileInfo::exists(plain))
        return plain;
    return original.dir().filePath(original.completeBaseName() + QStringLiteral("-header.smc"));
}

}  // namespace

QString HeaderlessOffer::run(const QString& path)
{
    QByteArray image;
    QString error;
    if (!PatchFiles::read(path, PatchFiles::kMaxRomFileSize, &image, &error) || !rom::isHeaderlessImage(image))
        return {};
    if (!messages_.askYesNo(QCoreApplication::translate("HeaderlessOffer", kHeaderlessQuestion), kCaption))
        return {};
    const QString copy = files_.saveFileName(
        parent_, QCoreApplication::translate("HeaderlessOffer", "Save Copy with Header"), suggestedCopy(path),
        QCoreApplication::translate("HeaderlessOffer", "ROM images (*.smc);;All Files (*)"));
    if (copy.isEmpty())
        return {};
    if (platform::isSameFile(copy, path)) {
        messages_.showMessage(
            QCoreApplication::translate("HeaderlessOffer", "The copy must be a new file: %1 itself is never changed.")
                .arg(QDir::toNativeSeparators(path)),
            kCaption, platform::MessageIcon::Warning);
        return {};
    }
    if (!PatchFiles::write(copy, rom::withCopierHeader(image), &error)) {
        messages_.showMessage(error, kCaption, platform::MessageIcon::Warning);
        return {};
    }
    return copy;
}

}  // namespace tessel
