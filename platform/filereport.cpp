#include "platform/filereport.h"

#include <QCoreApplication>
#include <QDir>

namespace tessel {

namespace platform {

QString fileErrorReport(FileAction action, const QString& path, const QString& reason)
{
    QString text = action == FileAction::Open ? QCoreApplication::translate("FileReport", "Could not open %1")
                                              : QCoreApplication::translate("FileReport", "Could not save %1");
    text = text.arg(QDir::toNativeSeparators(path));
    if (!reason.isEmpty())
        text = QCoreApplication::translate("FileReport", "%1: %2").arg(text, reason);
    if (!text.endsWith(QLatin1Char('.')))
        text += QLatin1Char('.');
    return text;
}

}  // namespace platform

}  // namespace tessel
