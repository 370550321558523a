#include "cli/clihelp.h"

#include "cli/clicommand.h"
#include "tesselversion.h"

#include <QCoreApplication>
#include <QList>
#include <QPair>

#include <algorithm>
#include <cstdio>

namespace tessel {

namespace cli {

namespace {

using Rows = QList<QPair<QString, QString>>;

// Help lines stay within a terminal of 80 columns.
constexpr qsizetype kLineWidth = 79;

// The text broken between words into lines that fit after `indent`
// columns, each further line indented as far.
QString wrapped(const QString& text, qsizetype indent)
{
    const qsizetype room = std::max<qsizetype>(kLineWidth - indent, 20);
    QStringList lines{QString()};
    for (const QString& word : text.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        QString& line = lines.last();
        if (line.isEmpty())
            line = word;
        else if (line.size() + 1 + word.size() <= room)
            line += QLatin1Char(' ') + word;
        else
            lines.append(word);
    }
    return lines.join(QLatin1Char('\n') + QString(indent, QLatin1Char(' ')));
}

// Two columns, the second one lined up after the longest label.
QString table(const Rows& rows)
{
    qsizetype width = 0;
    for (const auto& row : rows)
        width = std::max(width, row.first.size());
    QString text;
    for (const auto& row : rows)
        text += QStringLiteral("  %1  %2\n").arg(row.first.leftJustified(width), wrapped(row.second, width + 4));
    return text;
}

QString optionLabel(const Option& option)
{
    QString label = QStringLiteral("--") + QLatin1String(option.name);
    if (option.valueName)
        label += QLatin1Char(' ') + QLatin1String(option.valueName);
    return label;
}

QString usageLine(const Command& command)
{
    QString line = QStringLiteral("tessel-cli ") + QLatin1String(command.name);
    for (const Argument& argument : command.arguments)
        line += QLatin1Char(' ') + QLatin1String(argument.name);
    for (const Option& option : command.options)
        line += option.required ? QLatin1Char(' ') + optionLabel(option)
                                : QStringLiteral(" [%1]").arg(optionLabel(option));
    return line;
}

void print(FILE* stream, const QString& text)
{
    std::fputs(text.toLocal8Bit().constData(), stream);
}

}  // namespace

QString programHelp()
{
    Rows rows;
    for (const Command* command : commands())
        rows.append({QLatin1String(command->name), translated(command->summary)});
    return QCoreApplication::translate("cli", "usage: tessel-cli COMMAND ARGUMENTS...\n"
                                              "       tessel-cli COMMAND --help\n"
                                              "       tessel-cli --help | --version\n"
                                              "\n"
                                              "Batch work on a FINAL FANTASY 3 (US 1.0) ROM file.\n"
                                              "Exit status: 0 done, 1 refused or failed, 2 usage error.\n") +
           QLatin1Char('\n') + QCoreApplication::translate("cli", "commands:") + QLatin1Char('\n') + table(rows) +
           QLatin1Char('\n') + QCoreApplication::translate("cli", "options:") + QLatin1Char('\n') +
           table({{QStringLiteral("-h, --help"), QCoreApplication::translate("cli", "print this help")},
                  {QStringLiteral("-v, --version"), QCoreApplication::translate("cli", "print the program's name and version")}});
}

QString commandHelp(const Command& command)
{
    QString text = QCoreApplication::translate("cli", "usage: %1").arg(usageLine(command)) + QLatin1Char('\n') +
                   QLatin1Char('\n') + translated(command.summary) + QLatin1Char('\n');
    Rows arguments;
    for (const Argument& argument : command.arguments)
        arguments.append({QLatin1String(argument.name), translated(argument.help)});
    if (!arguments.isEmpty())
        text += QLatin1Char('\n') + QCoreApplication::translate("cli", "arguments:") + QLatin1Char('\n') +
                table(arguments);
    Rows options;
    for (const Option& option : command.options)
        options.append({optionLabel(option), translated(option.help)});
    options.append({QStringLiteral("-h, --help"), QCoreApplication::translate("cli", "print this help")});
    return text + QLatin1Char('\n') + QCoreApplication::translate("cli", "options:") + QLatin1Char('\n') +
           table(options);
}

QString versionText()
{
    return QStringLiteral("tessel-cli %1\n").arg(QLatin1String(tessel::kVersion));
}

int programUsageError(const QString& reason)
{
    if (!reason.isEmpty())
        print(stderr, QStringLiteral("tessel-cli: %1\n").arg(reason));
    print(stderr, programHelp());
    return kExitUsage;
}

int commandUsageError(const Command& command, const QString& reason)
{
    if (!reason.isEmpty())
        print(stderr, QStringLiteral("tessel-cli %1: %2\n").arg(QLatin1String(command.name), reason));
    print(stderr, commandHelp(command));
    return kExitUsage;
}

}  // namespace cli

}  // namespace tessel
