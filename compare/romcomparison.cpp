#include "compare/romcomparison.h"

#include "compare/areadiffs.h"
#include "document/cff3doc.h"
#include "platform/fileaccess.h"
#include "platform/messageservice.h"

#include <QTemporaryDir>

namespace tessel {

namespace romcomparison {

RomChanges compare(CFF3Doc& before, CFF3Doc& after)
{
    RomChanges changes;
    if (!before.isLoaded() || !after.isLoaded())
        return changes;
    comparearea::compareRecordTables(before, after, changes);
    comparearea::compareDialogue(before, after, changes);
    comparearea::compareWorldMaps(before, after, changes);
    comparearea::compareFonts(before, after, changes);
    comparearea::compareEvents(before, after, changes);
    comparearea::compareBytes(before, after, changes);
    return changes;
}

std::unique_ptr<CFF3Doc> openFile(const QString& path, platform::MessageService* messages)
{
    auto doc = std::make_unique<CFF3Doc>();
    doc->setMessageService(messages);
    if (!doc->open(path))
        return nullptr;
    return doc;
}

std::unique_ptr<CFF3Doc> openBytes(const QByteArray& bytes, platform::MessageService* messages)
{
    // The document reads files only: the bytes go into a file of a folder
    // of their own, which is removed once they are read.
    const QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("compared.smc"));
    QString reason;
    if (!dir.isValid() || !platform::replaceFileAtomically(path, bytes, &reason)) {
        if (messages)
            messages->showMessage(reason.isEmpty() ? dir.errorString() : reason, QStringLiteral("Tessel"),
                                  platform::MessageIcon::Error);
        return nullptr;
    }
    return openFile(path, messages);
}

}  // namespace romcomparison

}  // namespace tessel
