#pragma once

#include <QStringList>

// The subcommands of tessel-cli. Each takes the arguments after its name
// and returns the process exit code: 0 done, 1 failed, 2 usage error.
namespace cli {

inline constexpr int kExitOk = 0;
inline constexpr int kExitFailed = 1;
inline constexpr int kExitUsage = 2;

struct Command {
    const char* name;
    const char* usage;    // arguments, for the usage text
    const char* summary;
    int (*run)(const QStringList& args);
};

int runSampleRom(const QStringList& args);
int runInfo(const QStringList& args);
int runResave(const QStringList& args);
int runDialogueExport(const QStringList& args);
int runDialogueImport(const QStringList& args);
int runLzEncode(const QStringList& args);
int runLzDecode(const QStringList& args);
int runMapExport(const QStringList& args);
int runMonsterExport(const QStringList& args);
int runPatchCreate(const QStringList& args);
int runPatchApply(const QStringList& args);
int runAddHeader(const QStringList& args);
int runStripHeader(const QStringList& args);
int runRun(const QStringList& args);
int runTableExport(const QStringList& args);
int runTableImport(const QStringList& args);
int runFontExport(const QStringList& args);
int runFontImport(const QStringList& args);
int runTilesExport(const QStringList& args);
int runTilesImport(const QStringList& args);

// Every command, in the order the usage text lists them.
const QList<Command>& commands();

// Prints "usage: tessel-cli NAME ARGS" to stderr and returns kExitUsage.
int usageError(const char* name);

}  // namespace cli
