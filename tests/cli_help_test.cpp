#include "cli/clicommand.h"
#include "document/propertytable.h"
#include "records/recordaddresses.h"
#include "tests/registeredcommands.h"
#include "tests/testsupport.h"
#include "tesselversion.h"

#include <QRegularExpression>

#include <gtest/gtest.h>

using namespace tessel;

namespace {

QString name(const cli::Command& command)
{
    return QLatin1String(command.name);
}

// A stand-in value for each of the command's arguments but the last
// `missing` ones, and every required option with a value.
QStringList callWithout(const cli::Command& command, qsizetype missing)
{
    QStringList args{name(command)};
    for (qsizetype i = 0; i + missing < command.arguments.size(); ++i)
        args.append(QStringLiteral("value%1").arg(i));
    for (const cli::Option& option : command.options)
        if (option.required)
            args << QStringLiteral("--") + QLatin1String(option.name) << QStringLiteral("1");
    return args;
}

}  // namespace

class CommandHelp : public testing::TestWithParam<const cli::Command*> {};

TEST_P(CommandHelp, ExitsZeroWithTheUsageOfEveryArgumentAndOption)
{
    const cli::Command& command = *GetParam();
    const ToolRun run = runCli({name(command), QStringLiteral("--help")});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.err.toStdString(), "");
    const QString usage = run.out.section(QLatin1Char('\n'), 0, 0);
    ASSERT_TRUE(usage.startsWith(QStringLiteral("usage: tessel-cli %1").arg(name(command)))) << usage.toStdString();
    // The arguments in their order, each one a word of its own.
    const QStringList words = usage.split(QLatin1Char(' '));
    qsizetype from = 3;
    for (const cli::Argument& argument : command.arguments) {
        const qsizetype at = words.indexOf(QLatin1String(argument.name), from);
        EXPECT_GE(at, from) << argument.name << " in " << usage.toStdString();
        from = std::max(at + 1, from);
        EXPECT_TRUE(run.out.contains(QStringLiteral("\n  %1 ").arg(QLatin1String(argument.name))))
            << "no help line for " << argument.name;
    }
    for (const cli::Option& option : command.options) {
        const QString label = QStringLiteral("--") + QLatin1String(option.name);
        EXPECT_EQ(usage.contains(QStringLiteral("[%1").arg(label)), !option.required) << usage.toStdString();
        EXPECT_TRUE(run.out.contains(QStringLiteral("\n  ") + label)) << "no help line for " << option.name;
    }
    EXPECT_TRUE(run.out.contains(cli::translated(command.summary)));
    EXPECT_EQ(runCli({name(command), QStringLiteral("-h")}).out.toStdString(), run.out.toStdString());
}

TEST_P(CommandHelp, AMissingArgumentExitsTwoWithTheUsageOnStderr)
{
    const cli::Command& command = *GetParam();
    ASSERT_FALSE(command.arguments.isEmpty());
    const ToolRun run = runCli(callWithout(command, 1));
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_EQ(run.out.toStdString(), "");
    EXPECT_TRUE(run.err.startsWith(QStringLiteral("tessel-cli %1: missing %2\n")
                                       .arg(name(command), QLatin1String(command.arguments.last().name))))
        << run.err.toStdString();
    EXPECT_TRUE(run.err.endsWith(runCli({name(command), QStringLiteral("--help")}).out)) << run.err.toStdString();
}

TEST_P(CommandHelp, AnArgumentTooManyOrAnUnknownOptionExitsTwo)
{
    const cli::Command& command = *GetParam();
    ToolRun run = runCli(callWithout(command, 0) << QStringLiteral("extra"));
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_TRUE(run.err.startsWith(QStringLiteral("tessel-cli %1: unexpected argument 'extra'\n").arg(name(command))))
        << run.err.toStdString();
    run = runCli(callWithout(command, 0) << QStringLiteral("--no-such-option"));
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_TRUE(run.err.contains(QStringLiteral("no-such-option"))) << run.err.toStdString();
}

INSTANTIATE_FOR_EVERY_COMMAND(CommandHelp);

TEST(TesselCliHelp, ListsEveryCommandWithItsSummaryByName)
{
    const ToolRun run = runCli({QStringLiteral("--help")});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.err.toStdString(), "");
    EXPECT_TRUE(run.out.startsWith(QStringLiteral("usage: tessel-cli ")));
    const QString list = run.out.section(QStringLiteral("\ncommands:\n"), 1).section(QStringLiteral("\n\n"), 0, 0);
    static const QRegularExpression row(QStringLiteral("^  (\\S+) +(.+)$"));
    QStringList listed;
    for (const QString& line : list.split(QLatin1Char('\n'))) {
        const QRegularExpressionMatch m = row.match(line);
        ASSERT_TRUE(m.hasMatch()) << line.toStdString();
        const cli::Command* command = cli::findCommand(m.captured(1));
        ASSERT_NE(command, nullptr) << line.toStdString();
        EXPECT_EQ(m.captured(2).toStdString(), cli::translated(command->summary).toStdString());
        listed.append(m.captured(1));
    }
    QStringList registered;
    for (const cli::Command* command : cli::commands())
        registered.append(name(*command));
    EXPECT_EQ(listed.join(QLatin1Char(' ')).toStdString(), registered.join(QLatin1Char(' ')).toStdString());
    QStringList sorted = listed;
    sorted.sort();
    EXPECT_EQ(listed.join(QLatin1Char(' ')).toStdString(), sorted.join(QLatin1Char(' ')).toStdString());
    EXPECT_EQ(runCli({QStringLiteral("-h")}).out.toStdString(), run.out.toStdString());
}

// Help texts that spell out what the program knows elsewhere.
TEST(TesselCliHelp, NamesTheTablesAndMonstersTheCommandsAccept)
{
    const CFF3Doc doc;
    EXPECT_TRUE(runCli({QStringLiteral("table-export"), QStringLiteral("--help")})
                    .out.contains(PropertyTable::tableNames(doc)));
    EXPECT_TRUE(runCli({QStringLiteral("monster-export"), QStringLiteral("--help")})
                    .out.contains(QStringLiteral("0 to %1").arg(records::kMonsterCount - 1)));
}

TEST(TesselCliHelp, VersionNamesTheProgramAndTheProjectVersion)
{
    for (const QString& option : {QStringLiteral("--version"), QStringLiteral("-v")}) {
        const ToolRun run = runCli({option});
        EXPECT_EQ(run.exitCode, 0);
        EXPECT_EQ(run.out.toStdString(), "tessel-cli " + std::string(tessel::kVersion) + "\n");
        EXPECT_EQ(run.err.toStdString(), "");
    }
    EXPECT_TRUE(QString::fromLatin1(tessel::kVersion).contains(QRegularExpression(QStringLiteral("^\\d+\\.\\d+"))));
}

// Command lines the program refuses before any work is done: the exit code
// 2, nothing on stdout, the reason and the usage on stderr.
struct Refusal {
    QStringList args;
    const char* reason;  // in the first line of stderr; empty when the usage comes first
    const char* usage;   // how the usage on stderr begins
};

class TesselCliRefusal : public testing::TestWithParam<Refusal> {};

TEST_P(TesselCliRefusal, ExitsTwoWithTheUsageOnStderr)
{
    const Refusal& refusal = GetParam();
    const ToolRun run = runCli(refusal.args);
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_EQ(run.out.toStdString(), "");
    const QString reason = QString::fromUtf8(refusal.reason);
    const QString usage = reason.isEmpty() ? run.err : run.err.section(QLatin1Char('\n'), 1);
    EXPECT_TRUE(run.err.section(QLatin1Char('\n'), 0, 0).contains(reason)) << run.err.toStdString();
    EXPECT_TRUE(usage.startsWith(QString::fromUtf8(refusal.usage))) << run.err.toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    CommandLines, TesselCliRefusal,
    testing::Values(Refusal{{}, "", "usage: tessel-cli COMMAND"},
                    Refusal{{QStringLiteral("no-such-command")}, "tessel-cli: unknown command 'no-such-command'",
                            "usage: tessel-cli COMMAND"},
                    Refusal{{QStringLiteral("--frobnicate")}, "frobnicate",
                            "usage: tessel-cli COMMAND"},
                    Refusal{{QStringLiteral("info")}, "tessel-cli info: missing ROM", "usage: tessel-cli info ROM\n"},
                    Refusal{{QStringLiteral("patch-apply"), QStringLiteral("a")}, "tessel-cli patch-apply: missing PATCH OUT",
                            "usage: tessel-cli patch-apply ROM PATCH OUT\n"},
                    Refusal{{QStringLiteral("run"), QStringLiteral("a.smc"), QStringLiteral("--frames"), QStringLiteral("9")},
                            "tessel-cli run: missing --screenshot OUT.png", "usage: tessel-cli run ROM"},
                    Refusal{{QStringLiteral("run"), QStringLiteral("a.smc"), QStringLiteral("--screenshot")},
                            "--screenshot", "usage: tessel-cli run ROM"},
                    Refusal{{QStringLiteral("font-export"), QStringLiteral("a.smc"), QStringLiteral("battle"),
                             QStringLiteral("out.png")},
                            "tessel-cli font-export: the font is 'dialogue' or 'menu', not 'battle'",
                            "usage: tessel-cli font-export ROM dialogue|menu OUT.png\n"}));

// A writer refuses a file name whose extension names a kind it does not write.
INSTANTIATE_TEST_SUITE_P(
    Extensions, TesselCliRefusal,
    testing::Values(Refusal{{QStringLiteral("tiles-export"), QStringLiteral("a.smc"), QStringLiteral("ruin"),
                             QStringLiteral("whole"), QStringLiteral("out.jpg")},
                            "tessel-cli tiles-export: out.jpg: the file to write must end in .bmp or .png",
                            "usage: tessel-cli tiles-export ROM"},
                    Refusal{{QStringLiteral("font-export"), QStringLiteral("a.smc"), QStringLiteral("menu"),
                             QStringLiteral("out.bmp")},
                            "tessel-cli font-export: out.bmp: the file to write must end in .png",
                            "usage: tessel-cli font-export ROM"},
                    Refusal{{QStringLiteral("monster-export"), QStringLiteral("a.smc"), QStringLiteral("3"),
                             QStringLiteral("out.gif")},
                            "out.gif: the file to write must end in .png", "usage: tessel-cli monster-export ROM"},
                    Refusal{{QStringLiteral("map-export"), QStringLiteral("a.smc"), QStringLiteral("ruin"),
                             QStringLiteral("out")},
                            "out: the file to write must end in .png", "usage: tessel-cli map-export ROM"},
                    Refusal{{QStringLiteral("table-export"), QStringLiteral("a.smc"), QStringLiteral("items"),
                             QStringLiteral("out.txt")},
                            "out.txt: the file to write must end in .json or .csv", "usage: tessel-cli table-export ROM"},
                    Refusal{{QStringLiteral("dialogue-export"), QStringLiteral("a.smc"), QStringLiteral("out.txt")},
                            "out.txt: the file to write must end in .json", "usage: tessel-cli dialogue-export ROM"},
                    Refusal{{QStringLiteral("run"), QStringLiteral("a.smc"), QStringLiteral("--frames"),
                             QStringLiteral("9"), QStringLiteral("--screenshot"), QStringLiteral("shot.jpg")},
                            "shot.jpg: the file to write must end in .png", "usage: tessel-cli run ROM"}));

TEST(TesselCliHelp, ArgumentsAfterADoubleDashAreNeverOptions)
{
    // A file whose name starts with a dash reaches the command.
    TempRom file(sampleRomBytes(), QStringLiteral("-x.smc"));
    const ToolRun run = runCli({QStringLiteral("info"), QStringLiteral("--"), QStringLiteral("-x.smc")}, file.dir());
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_TRUE(run.out.startsWith(QStringLiteral("-x.smc: "))) << run.out.toStdString();
}
