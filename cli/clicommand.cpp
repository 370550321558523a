#include "cli/clicommand.h"

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

}  // namespace cli

}  // namespace tessel
