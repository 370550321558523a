#include "rom/romimage.h"
#include "tests/testsupport.h"

#include <QFile>

#include <gtest/gtest.h>

using namespace tessel;

TEST(RomAddress, MapsBetweenSnesAddressesAndFileOffsets)
{
    EXPECT_EQ(rom::fileOffset(0xC00000), 0x200);
    EXPECT_EQ(rom::fileOffset(0xEFFFFF), 0x3001FF);
    EXPECT_EQ(rom::fileOffset(0xC48000), 0x48200);
    EXPECT_EQ(rom::snesAddress(0x300200), 0xF00000u);
    EXPECT_EQ(rom::snesAddress(0x101C0), 0xC0FFC0u);
}

TEST(RomImage, ReadPointer24IsLittleEndianWithTheBankLast)
{
    QByteArray image(0x1000, '\0');
    image[0x300] = char(0x00);
    image[0x301] = char(0x80);
    image[0x302] = char(0xC4);
    RomImage rom;
    rom.openInMemory(image);
    EXPECT_EQ(rom.ReadPointer24(rom::snesAddress(0x300)), 0xC48000u);
    EXPECT_EQ(rom::fileOffset(0xC48000), 0x48200);
}

TEST(RomImage, TellSnesAfterSeekingToTheEndOfTheImage)
{
    RomImage rom;
    rom.openInMemory(QByteArray(0x100, '\0'));
    rom.seekOffset(0x300200);
    EXPECT_EQ(rom.TellSnes(), 0xF00000u);
}

TEST(RomImage, ReadsPastTheEndGiveZerosAndReportTheRealCount)
{
    RomImage rom;
    rom.openInMemory(QByteArray(4, char(0x55)), RomImage::Mode::Loading);
    rom.seekOffset(2);
    quint8 buffer[6] = {1, 1, 1, 1, 1, 1};
    EXPECT_EQ(rom.read(buffer, 6), 2);
    EXPECT_EQ(buffer[0], 0x55);
    EXPECT_EQ(buffer[1], 0x55);
    for (int i = 2; i < 6; ++i)
        EXPECT_EQ(buffer[i], 0) << i;
    EXPECT_EQ(rom.position(), 8);
}

TEST(RomImage, WritesPastTheEndGrowTheFileWithZerosAndTruncateCutsIt)
{
    RomImage rom;
    rom.openInMemory(QByteArray(0x10, char(0x11)));
    rom.SeekSnes(rom::snesAddress(0x20));
    rom.writeWord(0xBEEF);
    EXPECT_EQ(rom.length(), 0x22);
    EXPECT_EQ(rom.data().mid(0x10, 0x10), QByteArray(0x10, '\0'));
    EXPECT_EQ(quint8(rom.data()[0x20]), 0xEF);
    EXPECT_EQ(quint8(rom.data()[0x21]), 0xBE);
    rom.TruncateAtSnes(rom::snesAddress(0x18));
    EXPECT_EQ(rom.length(), 0x18);
}

TEST(RomImage, SavingNeverCreatesAFileAndCommitReplacesItWhole)
{
    TempRom file(QByteArray(0x400, char(0x22)));
    RomImage rom;
    QString reason;
    EXPECT_FALSE(rom.openForSaving(file.dir() + QStringLiteral("/missing.smc"), &reason));
    EXPECT_FALSE(QFile::exists(file.dir() + QStringLiteral("/missing.smc")));
    EXPECT_FALSE(reason.isEmpty());

    ASSERT_TRUE(rom.openForSaving(file.path(), &reason)) << reason.toStdString();
    rom.seekOffset(0x3FF);
    rom.writeFill(0x33, 2);
    // Nothing reaches the file before the commit.
    EXPECT_EQ(file.read(), QByteArray(0x400, char(0x22)));
    ASSERT_TRUE(rom.commit(&reason)) << reason.toStdString();
    const QByteArray written = file.read();
    EXPECT_EQ(written.size(), 0x401);
    EXPECT_EQ(written.right(2), QByteArray(2, char(0x33)));
}
