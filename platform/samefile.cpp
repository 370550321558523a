#include "platform/samefile.h"

#include <QFileInfo>

namespace tessel {

namespace platform {

bool isSameFile(const QString& first, const QString& second)
{
    const QFileInfo a(first);
    const QFileInfo b(second);
    if (a.absoluteFilePath() == b.absoluteFilePath())
        return true;
    const QString resolvedA = a.canonicalFilePath();  // empty when it does not exist
    return !resolvedA.isEmpty() && resolvedA == b.canonicalFilePath();
}

}  // namespace platform

}  // namespace tessel
