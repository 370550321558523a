#include "cli/clicommand.h"

#include <QFileInfo>

#include "cli/clihelp.h"

#include <QCommandLineParser>

#include <algorithm>
#include <deque>

namespace tessel {

namespace cli {

namespace {

// A deque keeps the commands where they are as more are added, so the
// pointers handed out stay good. Built on first use, since registrations
// run during static initialisation in no fixed order.
std::deque<Command>& registry()
{
    static std::deque<Command> all;
    return all;
}

}  // namespace

Registration::Registration(Command command)
{
    registry().push_back(std::move(command));
}

QList<const Command*> commands()
{
    QList<const Command*> sorted;
    for (const Command& command : registry())
        sorted.append(&command);
    std::sort(sorted.begin(), sorted.end(),
              [](const Command* a, const Command* b) { return qstrcmp(a->name, b->name) < 0; });
    return sorted;
}

const Command* findCommand(const QString& name)
{
    for (const Command& command : registry())
        if (name == QLatin1String(command.name))
            return &command;
    return nullptr;
}

bool Invocation::isSet(const char* option) const
{
    return parser.isSet(QLatin1String(option));
}

QString Invocation::value(const char* option) const
{
    return parser.value(QLatin1String(option));
}

int Invocation::usageError(const QString& reason) const
{
    return commandUsageError(command, reason);
}

bool Invocation::writesExtension(const QString& path, const QStringList& extensions) const
{
    const QString suffix = QFileInfo(path).suffix();
    for (const QString& extension : extensions)
        if (suffix.compare(extension, Qt::CaseInsensitive) == 0)
            return true;
    QStringList dotted;
    for (const QString& extension : extensions)
        dotted.append(QLatin1Char('.') + extension);
    const QString kinds = dotted.size() > 1
                              ? QCoreApplication::translate("cli", "%1 or %2").arg(dotted.mid(0, dotted.size() - 1).join(QStringLiteral(", ")), dotted.last())
                              : dotted.value(0);
    usageError(QCoreApplication::translate("cli", "%1: the file to write must end in %2").arg(path, kinds));
    return false;
}

}  // namespace cli

}  // namespace tessel
