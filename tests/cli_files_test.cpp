// Every file the command-line tools read is read within a limit, whatever
// kind of file it is; every file they write is written whole or not at all,
// and a failure names its reason.
#include "rom/romidentity.h"
#include "tests/fifofeed.h"
#include "tests/testsupport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

using namespace tessel;

namespace {

// A command line with the placeholders ROM (the sample ROM), IN (a small
// input of the command's kind, where it has one) and OUT.
struct WriterCase {
    const char* name;
    QStringList args;
    const char* out;  // the output's file name
};

QStringList filledIn(QStringList args, const QString& rom, const QString& in, const QString& out)
{
    for (QString& arg : args) {
        if (arg == QLatin1String("ROM"))
            arg = rom;
        else if (arg == QLatin1String("IN"))
            arg = in;
        else if (arg == QLatin1String("OUT"))
            arg = out;
    }
    return args;
}

class CliWriter : public testing::TestWithParam<WriterCase> {
protected:
    void SetUp() override
    {
        // A small input that each command with one accepts: a file to
        // compress, an original to make a patch against.
        writeFileBytes(in, sampleRomBytes().left(4096));
    }

    TempRom rom;
    QString in = rom.dir() + QStringLiteral("/in.smc");

    ToolRun runWith(const QString& out)
    {
        return runTool(QStringLiteral(TESSEL_CLI_PATH), filledIn(GetParam().args, rom.path(), in, out));
    }
    QStringList filesLeft() const
    {
        return QDir(rom.dir()).entryList(QDir::Files | QDir::System | QDir::NoDotAndDotDot);
    }
};

TEST_P(CliWriter, AFullDiskFailsWithItsReasonAndNoFile)
{
    if (!QFileInfo::exists(QStringLiteral("/dev/full")))
        GTEST_SKIP() << "No /dev/full";
    const QString out = rom.dir() + QLatin1Char('/') + QLatin1String(GetParam().out);
    ASSERT_TRUE(QFile::link(QStringLiteral("/dev/full"), out));
    const ToolRun run = runWith(out);
    EXPECT_EQ(run.exitCode, 1) << run.err.toStdString();
    EXPECT_TRUE(run.err.contains(QStringLiteral("No space left on device"))) << run.err.toStdString();
    EXPECT_EQ(filesLeft(), (QStringList{"in.smc", QString::fromLatin1(GetParam().out), "test.smc"}));
    EXPECT_EQ(rom.read(), sampleRomBytes());
}

TEST_P(CliWriter, AMissingFolderFailsWithItsReasonAndNoFile)
{
    const QString out = rom.dir() + QStringLiteral("/missing/") + QLatin1String(GetParam().out);
    const ToolRun run = runWith(out);
    EXPECT_EQ(run.exitCode, 1) << run.err.toStdString();
    EXPECT_TRUE(run.err.contains(QStringLiteral("No such file or directory"))) << run.err.toStdString();
    EXPECT_FALSE(run.err.contains(QStringLiteral("Unknown error"), Qt::CaseInsensitive));
    EXPECT_FALSE(QFileInfo::exists(rom.dir() + QStringLiteral("/missing")));
    EXPECT_EQ(filesLeft(), (QStringList{"in.smc", "test.smc"}));
}

INSTANTIATE_TEST_SUITE_P(
    TesselCli, CliWriter,
    testing::Values(WriterCase{"SampleRom", {"sample-rom", "OUT"}, "out.smc"},
                    WriterCase{"LzEncode", {"lz-encode", "IN", "OUT"}, "out.lz"},
                    WriterCase{"DialogueExport", {"dialogue-export", "ROM", "OUT"}, "out.json"},
                    WriterCase{"TableExport", {"table-export", "ROM", "items", "OUT"}, "out.json"},
                    WriterCase{"MapExport", {"map-export", "ROM", "balance", "OUT"}, "out.png"},
                    WriterCase{"MonsterExport", {"monster-export", "ROM", "1", "OUT"}, "out.png"},
                    WriterCase{"FontExport", {"font-export", "ROM", "menu", "OUT"}, "out.png"},
                    WriterCase{"TilesExport", {"tiles-export", "ROM", "balance", "pieces", "OUT"}, "out.bmp"},
                    WriterCase{"PatchCreate", {"patch-create", "IN", "ROM", "OUT"}, "out.ips"},
                    WriterCase{"StripHeader", {"strip-header", "ROM", "OUT"}, "out.sfc"}),
    [](const testing::TestParamInfo<WriterCase>& info) { return std::string(info.param.name); });

// An input that never ends, in the place of each kind of file a command reads.
struct ReaderCase {
    const char* name;
    QStringList args;  // ENDLESS stands for the endless input
};

class CliReader : public testing::TestWithParam<ReaderCase> {};

TEST_P(CliReader, AnEndlessInputIsRefusedWithinItsLimit)
{
    if (!QFileInfo::exists(QStringLiteral("/dev/zero")))
        GTEST_SKIP() << "No /dev/zero";
    TempRom rom;
    const QString out = rom.dir() + QStringLiteral("/out.bin");
    QStringList args = filledIn(GetParam().args, rom.path(), QString(), out);
    args.replaceInStrings(QStringLiteral("ENDLESS"), QStringLiteral("/dev/zero"));
    const ToolRun run = runCli(args);
    EXPECT_EQ(run.exitCode, 1) << run.err.toStdString();
    EXPECT_TRUE(run.err.contains(QStringLiteral("more than"))) << run.err.toStdString();
    EXPECT_FALSE(QFileInfo::exists(out));
    EXPECT_EQ(rom.read(), sampleRomBytes());
}

INSTANTIATE_TEST_SUITE_P(TesselCli, CliReader,
                         testing::Values(ReaderCase{"Rom", {"info", "ENDLESS"}},
                                         ReaderCase{"Patch", {"patch-apply", "ROM", "ENDLESS", "OUT"}},
                                         ReaderCase{"Json", {"dialogue-import", "ROM", "ENDLESS"}},
                                         ReaderCase{"Picture", {"tiles-import", "ROM", "balance", "ENDLESS"}},
                                         ReaderCase{"FontSheet", {"font-import", "ROM", "menu", "ENDLESS"}},
                                         ReaderCase{"LzStream", {"lz-decode", "ENDLESS", "OUT"}}),
                         [](const testing::TestParamInfo<ReaderCase>& info) { return std::string(info.param.name); });

}  // namespace

TEST(TesselCli, APipedRomIsReadLikeAFileAndAFloodIsCutOff)
{
    TempRom rom;
    FifoFeed piped(catCommand(rom.path()));
    if (piped.path().isEmpty())
        GTEST_SKIP() << "No FIFOs here";
    ToolRun run = runCli({QStringLiteral("info"), piped.path()});
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_TRUE(run.out.contains(QStringLiteral("Items: 256"))) << run.out.toStdString();

    FifoFeed flood(zeroBytesCommand(64 << 20));
    const QString out = rom.dir() + QStringLiteral("/out.smc");
    run = runCli({QStringLiteral("patch-apply"), rom.path(), flood.path(), out});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.contains(QStringLiteral("holds more than"))) << run.err.toStdString();
    EXPECT_FALSE(QFileInfo::exists(out));
}

TEST(TesselCli, RunRefusesMoreThanAMillionFrames)
{
    TempRom rom;
    const QString out = rom.dir() + QStringLiteral("/shot.png");
    const ToolRun run = runCli({QStringLiteral("run"), rom.path(), QStringLiteral("--frames"),
                                QStringLiteral("1000001"), QStringLiteral("--screenshot"), out});
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_TRUE(run.err.contains(QStringLiteral("from 1 to 1000000, not '1000001'"))) << run.err.toStdString();
    EXPECT_FALSE(QFileInfo::exists(out));
}

TEST(Evdump, RefusesWhatOpenRefusesWithOpensMessage)
{
    QByteArray notTheGame = sampleRomBytes();
    notTheGame[rom::fileOffset(rom::kTitleAddress)] = 'f';
    TempRom rom(notTheGame);
    const QString out = rom.dir() + QStringLiteral("/listing.txt");
    ToolRun run = runTool(QStringLiteral(TESSEL_EVDUMP_PATH), {rom.path(), out});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.err.toStdString(), "evdump: " + std::string(rom::kWrongTitleMessage) + "\n");
    EXPECT_FALSE(QFileInfo::exists(out));

    run = runTool(QStringLiteral(TESSEL_EVDUMP_PATH), {QStringLiteral("/dev/zero"), out});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.contains(QStringLiteral("more than any ROM file"))) << run.err.toStdString();

    if (!QFileInfo::exists(QStringLiteral("/dev/full")))
        return;
    TempRom good;
    ASSERT_TRUE(QFile::link(QStringLiteral("/dev/full"), out));
    run = runTool(QStringLiteral(TESSEL_EVDUMP_PATH), {good.path(), out});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.contains(QStringLiteral("No space left on device"))) << run.err.toStdString();
}
