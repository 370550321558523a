#include "cli/clicommand.h"
#include "tests/golden.h"
#include "tests/registeredcommands.h"
#include "tests/testsupport.h"

#include <QFile>

#include <gtest/gtest.h>

// The programs' texts compared with the files under tests/golden, which
// "cmake --build build --target update-golden" rewrites. Every suite here
// is named Golden...: the target runs just those.

using namespace tessel;

namespace {

// How much of the sample's event listing is kept: its first lines, enough
// to show dialogue, queues and branches without a file of megabytes.
constexpr int kListingLines = 60;

QString helpFileOf(const cli::Command& command)
{
    return QStringLiteral("%1.txt").arg(QLatin1String(command.name));
}

}  // namespace

TEST(GoldenCli, ProgramHelp)
{
    const ToolRun run = runCli({QStringLiteral("--help")});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    expectGolden(QStringLiteral("tessel-cli-help.txt"), run.out);
}

class GoldenCommandHelp : public testing::TestWithParam<const cli::Command*> {};

TEST_P(GoldenCommandHelp, MatchesItsFile)
{
    const cli::Command& command = *GetParam();
    const ToolRun run = runCli({QLatin1String(command.name), QStringLiteral("--help")});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    expectGolden(QStringLiteral("help/") + helpFileOf(command), run.out);
}

INSTANTIATE_FOR_EVERY_COMMAND(GoldenCommandHelp);

// A renamed or removed command leaves no help file behind.
TEST(GoldenCli, EveryHelpFileBelongsToARegisteredCommand)
{
    QStringList expected;
    for (const cli::Command* command : cli::commands())
        expected.append(helpFileOf(*command));
    expected.sort();
    const QStringList files = goldenFilesIn(QStringLiteral("help"));
    if (updatingGolden()) {
        for (const QString& file : files) {
            if (!expected.contains(file)) {
                EXPECT_TRUE(QFile::remove(goldenPath(QStringLiteral("help/") + file))) << file.toStdString();
            }
        }
        return;
    }
    EXPECT_EQ(files.join(QLatin1Char(' ')).toStdString(), expected.join(QLatin1Char(' ')).toStdString());
}

TEST(GoldenCli, InfoOnTheSampleRom)
{
    // Run from the ROM's folder, so the path it prints is the same on every machine.
    TempRom rom(sampleRomBytes(), QStringLiteral("sample.smc"));
    const ToolRun run = runCli({QStringLiteral("info"), QStringLiteral("sample.smc")}, rom.dir());
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    expectGolden(QStringLiteral("info-sample.txt"), run.out);
}

TEST(GoldenEvdump, Help)
{
    const ToolRun run = runTool(QStringLiteral(TESSEL_EVDUMP_PATH), {QStringLiteral("--help")});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    expectGolden(QStringLiteral("evdump-help.txt"), run.out);
}

TEST(GoldenEvdump, TheSampleListingBegins)
{
    TempRom rom(sampleRomBytes(), QStringLiteral("sample.smc"));
    const QString out = rom.dir() + QStringLiteral("/listing.txt");
    const ToolRun run = runTool(QStringLiteral(TESSEL_EVDUMP_PATH), {rom.path(), out});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const QString listing = QString::fromUtf8(fileBytes(out));
    expectGolden(QStringLiteral("evdump-sample-head.txt"),
                 listing.section(QLatin1Char('\n'), 0, kListingLines - 1) + QLatin1Char('\n'));
}
