#include "cli/commandline.h"

#include "cli/clicommand.h"
#include "cli/clihelp.h"

#include <QCommandLineParser>

#include <cstdio>

namespace tessel {

namespace cli {

namespace {

// The parser writes its own help only from its own options; the texts
// come from clihelp instead, so these need no descriptions.
const QCommandLineOption kHelp(QStringList{QStringLiteral("h"), QStringLiteral("help")});
const QCommandLineOption kVersion(QStringList{QStringLiteral("v"), QStringLiteral("version")});

void printOut(const QString& text)
{
    std::fputs(text.toLocal8Bit().constData(), stdout);
}

QString missingArguments(const Command& command, qsizetype given, qsizetype required)
{
    QStringList names;
    for (qsizetype i = given; i < required; ++i)
        names.append(QLatin1String(command.arguments[i].name));
    return QCoreApplication::translate("cli", "missing %1").arg(names.join(QLatin1Char(' ')));
}

int runCommand(const Command& command, const QStringList& args)
{
    QCommandLineParser parser;
    parser.addOption(kHelp);
    for (const Option& option : command.options) {
        const QString name = QLatin1String(option.name);
        parser.addOption(option.valueName ? QCommandLineOption(name, QString(), QLatin1String(option.valueName))
                                          : QCommandLineOption(name));
    }
    // parse() skips the first entry, the program's name.
    if (!parser.parse(QStringList{QLatin1String(command.name)} + args))
        return commandUsageError(command, parser.errorText());
    if (parser.isSet(kHelp)) {
        printOut(commandHelp(command));
        return kExitOk;
    }
    const QStringList positional = parser.positionalArguments();
    const qsizetype required = command.requiredArguments < 0 ? command.arguments.size() : command.requiredArguments;
    if (positional.size() < required)
        return commandUsageError(command, missingArguments(command, positional.size(), required));
    if (positional.size() > command.arguments.size())
        return commandUsageError(command, QCoreApplication::translate("cli", "unexpected argument '%1'")
                                              .arg(positional[command.arguments.size()]));
    for (const Option& option : command.options)
        if (option.required && !parser.isSet(QLatin1String(option.name)))
            return commandUsageError(command, QCoreApplication::translate("cli", "missing --%1 %2")
                                                  .arg(QLatin1String(option.name), QLatin1String(option.valueName)));
    return command.run(Invocation{command, parser, positional});
}

}  // namespace

int runCommandLine(const QStringList& arguments)
{
    QCommandLineParser parser;
    // Everything after the command's name is the command's to parse.
    parser.setOptionsAfterPositionalArgumentsMode(QCommandLineParser::ParseAsPositionalArguments);
    parser.addOption(kHelp);
    parser.addOption(kVersion);
    if (!parser.parse(arguments))
        return programUsageError(parser.errorText());
    if (parser.isSet(kHelp)) {
        printOut(programHelp());
        return kExitOk;
    }
    if (parser.isSet(kVersion)) {
        printOut(versionText());
        return kExitOk;
    }
    QStringList rest = parser.positionalArguments();
    if (rest.isEmpty())
        return programUsageError();
    const QString name = rest.takeFirst();
    const Command* command = findCommand(name);
    if (!command)
        return programUsageError(QCoreApplication::translate("cli", "unknown command '%1'").arg(name));
    return runCommand(*command, rest);
}

}  // namespace cli

}  // namespace tessel
