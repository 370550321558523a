#pragma once

#include <QCoreApplication>
#include <QList>
#include <QStringList>

class QCommandLineParser;

namespace tessel {

// A subcommand of tessel-cli describes itself here: its name, what its
// arguments and options mean (for the help and for the parser) and the
// function that does the work. Each cmd_*.cpp registers its own command
// with a static Registration, so no list of commands is kept elsewhere.
//
// Texts are marked with QT_TRANSLATE_NOOP("cli", ...) and translated when
// they are printed.
namespace cli {

inline constexpr int kExitOk = 0;
inline constexpr int kExitFailed = 1;
inline constexpr int kExitUsage = 2;

// A positional argument. The name is what the usage line shows, such as
// "ROM" or "balance|ruin".
struct Argument {
    const char* name = nullptr;
    const char* help = nullptr;
};

// An option, "--name" or "--name VALUE".
struct Option {
    const char* name = nullptr;
    const char* valueName = nullptr;  // nullptr for a switch
    const char* help = nullptr;
    bool required = false;
};

struct Invocation;

struct Command {
    const char* name = nullptr;
    const char* summary = nullptr;
    QList<Argument> arguments = {};  // in this order
    int requiredArguments = -1;      // how many must be given; -1: all of them
    QList<Option> options = {};
    int (*run)(const Invocation& call) = nullptr;  // exit code: kExitOk, kExitFailed or kExitUsage
};

// One run of a command, after the parser has checked the argument count
// and the required options.
struct Invocation {
    const Command& command;
    const QCommandLineParser& parser;
    QStringList args;  // the positional arguments

    bool isSet(const char* option) const;
    QString value(const char* option) const;
    // Prints the reason and the command's usage on stderr and returns
    // kExitUsage, for values the parser cannot judge (a number out of
    // range, a font's name).
    int usageError(const QString& reason = QString()) const;
    // Whether `path` ends in one of `extensions` ("png", any case), the
    // kinds of file the command writes; when not, prints why with the usage
    // (the caller then returns kExitUsage) and nothing is written.
    bool writesExtension(const QString& path, const QStringList& extensions) const;
};

// Adds a command to the list when the program starts.
struct Registration {
    explicit Registration(Command command);
};

// Every registered command, sorted by name.
QList<const Command*> commands();
const Command* findCommand(const QString& name);

inline QString translated(const char* text)
{
    return QCoreApplication::translate("cli", text);
}

}  // namespace cli

}  // namespace tessel
