#pragma once

#include <QString>

namespace tessel {

// The help and usage texts of tessel-cli, made from what the commands
// declare about themselves.
namespace cli {

struct Command;

// What "tessel-cli --help" prints: how to call it and every command.
QString programHelp();
// What "tessel-cli NAME --help" prints: the usage line, the arguments and
// the options.
QString commandHelp(const Command& command);
// "tessel-cli 0.1"
QString versionText();

// Print the reason (when there is one) and the help on stderr; return
// kExitUsage.
int programUsageError(const QString& reason = QString());
int commandUsageError(const Command& command, const QString& reason = QString());

}  // namespace cli

}  // namespace tessel
