#include "shell/helptext.h"

#include <QFile>
#include <QStringList>

namespace tessel {

namespace {
const QString kStart = QStringLiteral("<!-- help -->");
const QString kEnd = QStringLiteral("<!-- /help -->");
}  // namespace

QString helpMarkdown(const QString& readme)
{
    QStringList kept;
    bool inside = false;
    for (const QString& line : readme.split(QLatin1Char('\n'))) {
        const QString trimmed = line.trimmed();
        if (trimmed == kStart)
            inside = true;
        else if (trimmed == kEnd)
            inside = false;
        else if (inside)
            kept.append(line);
    }
    return kept.join(QLatin1Char('\n'));
}

QString builtInReadme()
{
    QFile file(QStringLiteral(":/help/README.md"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll());
}

}  // namespace tessel
