#pragma once

#include <QStringList>

namespace tessel {

namespace cli {

// Parses tessel-cli's whole command line (the program first, as
// QCoreApplication::arguments() gives it), answers --help and --version
// or runs the command named; returns the exit code.
int runCommandLine(const QStringList& arguments);

}  // namespace cli

}  // namespace tessel
