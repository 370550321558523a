#include "tests/testsupport.h"

#include <QFileInfo>
#include <QImage>

#include <gtest/gtest.h>

using namespace tessel;

TEST(TesselCliRun, WritesTheLastFrameOfTheSample)
{
    SKIP_WITHOUT_EMULATOR_CORE();
    TempRom rom;
    const QString shot = rom.dir() + QStringLiteral("/shot.png");
    const ToolRun run = runCli({QStringLiteral("run"), rom.path(), QStringLiteral("--frames"), QStringLiteral("120"),
                                QStringLiteral("--screenshot"), shot});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const QImage image(shot);
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(samplePictureDifference(image), QString());
    // The ROM file is only read.
    EXPECT_EQ(rom.read(), sampleRomBytes());
}

TEST(TesselCliRun, ACoreThatCannotBeLoadedExitsWithTheMessage)
{
    TempRom rom;
    const QString shot = rom.dir() + QStringLiteral("/shot.png");
    const QString core = rom.dir() + QStringLiteral("/missing_libretro.so");
    const ToolRun run = runCli({QStringLiteral("run"), rom.path(), QStringLiteral("--frames"), QStringLiteral("5"),
                                QStringLiteral("--screenshot"), shot, QStringLiteral("--core"), core});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.contains(core)) << run.err.toStdString();
    EXPECT_TRUE(run.err.contains(QStringLiteral("libretro-bsnes-mercury-performance"))) << run.err.toStdString();
    EXPECT_FALSE(QFileInfo::exists(shot));
}

TEST(TesselCliRun, ARomTheCoreRefusesExitsWithTheMessage)
{
    TempRom rom;  // the stand-in core takes only its own kind of file
    const QString shot = rom.dir() + QStringLiteral("/shot.png");
    const ToolRun run = runCli({QStringLiteral("run"), rom.path(), QStringLiteral("--frames"), QStringLiteral("5"),
                                QStringLiteral("--screenshot"), shot, QStringLiteral("--core"),
                                QStringLiteral(TESSEL_FAKE_CORE_PATH)});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.startsWith(QStringLiteral("The emulator core refused the ROM file"))) << run.err.toStdString();
    EXPECT_FALSE(QFileInfo::exists(shot));

    // One that misbehaves while running is stopped, and nothing is written.
    rom.write("FAKE1a");
    const ToolRun stopped = runCli({QStringLiteral("run"), rom.path(), QStringLiteral("--frames"), QStringLiteral("5"),
                                    QStringLiteral("--screenshot"), shot, QStringLiteral("--core"),
                                    QStringLiteral(TESSEL_FAKE_CORE_PATH)});
    EXPECT_EQ(stopped.exitCode, 1);
    EXPECT_TRUE(stopped.err.contains(QStringLiteral("was stopped because it misbehaved:\nIt sent 882 frames of sound")))
        << stopped.err.toStdString();
    EXPECT_FALSE(QFileInfo::exists(shot));
}

TEST(TesselCliRun, UsageErrorsExitWithTwo)
{
    const QString rom = QStringLiteral("rom.smc");
    const QString frames = QStringLiteral("--frames");
    const QString shot = QStringLiteral("--screenshot");
    const QString run = QStringLiteral("run");
    const QList<QStringList> cases = {
        {run},
        {run, rom, shot, QStringLiteral("out.png")},
        {run, rom, frames, QStringLiteral("10")},
        {run, rom, frames, QStringLiteral("0"), shot, QStringLiteral("out.png")},
        {run, rom, frames, QStringLiteral("ten"), shot, QStringLiteral("out.png")},
        {run, rom, frames, QStringLiteral("10"), shot, QStringLiteral("out.png"), QStringLiteral("--fast")},
        {run, rom, QStringLiteral("other.smc"), frames, QStringLiteral("10"), shot, QStringLiteral("out.png")},
        {run, rom, frames, QStringLiteral("10"), shot},
    };
    for (const QStringList& args : cases)
        EXPECT_EQ(runCli(args).exitCode, 2) << args.join(QLatin1Char(' ')).toStdString();
}
