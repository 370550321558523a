#include "platform/filereport.h"

#include <QDir>

namespace platform {

QString fileErrorReport(FileAction action, const QString& path, const QString& reason)
{
    const QString verb = action == FileAction::Open ? QStringLiteral("open") : QStringLiteral("save");
    QString text = QStringLiteral("Could not %1 %2").arg(verb, QDir::toNativeSeparators(path));
    if (!reason.isEmpty())
        text += QStringLiteral(": ") + reason;
    if (!text.endsWith(QLatin1Char('.')))
        text += QLatin1Char('.');
    return text;
}

}  // namespace platform
