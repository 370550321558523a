#include "rom/romidentity.h"
#include "tests/testsupport.h"


#include <gtest/gtest.h>

using namespace tessel;

TEST(TesselCli, SampleRomWritesTheSampleImage)
{
    TempRom scratch(QByteArray("x"));
    const QString out = scratch.dir() + QStringLiteral("/sample.smc");
    EXPECT_EQ(runCli({QStringLiteral("sample-rom"), out}).exitCode, 0);
    QFile file(out);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), sampleRomBytes());
}

TEST(TesselCli, InfoAcceptsOrRefusesAsOpenDoes)
{
    TempRom good;
    ToolRun run = runCli({QStringLiteral("info"), good.path()});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_TRUE(run.out.contains(QStringLiteral("Items: 256"))) << run.out.toStdString();

    QByteArray image = sampleRomBytes();
    image[rom::fileOffset(rom::kVersionAddress)] = char(1);
    TempRom wrongVersion(image);
    run = runCli({QStringLiteral("info"), wrongVersion.path()});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.err.trimmed(), QString::fromLatin1(rom::kWrongVersionMessage));
    EXPECT_TRUE(run.out.isEmpty());
}

TEST(TesselCli, ResaveOpensAndSavesInPlace)
{
    TempRom file;
    EXPECT_EQ(runCli({QStringLiteral("resave"), file.path()}).exitCode, 0);
    EXPECT_EQ(file.read().size(), sampleRomBytes().size());
    TempRom foreign(QByteArray(0x300200, 'x'));
    const ToolRun run = runCli({QStringLiteral("resave"), foreign.path()});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(foreign.read(), QByteArray(0x300200, 'x'));
}

TEST(TesselCli, UsageErrorsExitWithTwo)
{
    EXPECT_EQ(runCli({}).exitCode, 2);
    EXPECT_EQ(runCli({QStringLiteral("no-such-command")}).exitCode, 2);
    EXPECT_EQ(runCli({QStringLiteral("info")}).exitCode, 2);
    EXPECT_EQ(runCli({QStringLiteral("resave"), QStringLiteral("a"), QStringLiteral("b")}).exitCode, 2);
}
