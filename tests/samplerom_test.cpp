#include "rom/romidentity.h"
#include "tests/testsupport.h"
#include "tools/samplerom/sampleboot.h"
#include "tools/samplerom/samplerom.h"

#include <QCryptographicHash>

#include <gtest/gtest.h>

TEST(SampleRom, HasTheSizeTitleAndVersionOfAnAcceptedRom)
{
    const QByteArray& image = sampleRomBytes();
    ASSERT_EQ(image.size(), rom::kRomFileSize);
    EXPECT_EQ(bytesAt(image, rom::kTitleAddress, rom::kTitleLength),
              QByteArray(rom::kExpectedTitle, rom::kTitleLength));
    EXPECT_EQ(image[rom::fileOffset(rom::kVersionAddress)], '\0');
    EXPECT_EQ(image.left(0x200), QByteArray(0x200, '\0'));
}

TEST(SampleRom, NoTwoTablesOverlapAndAllLieInsideTheImage)
{
    QList<SampleRom::Area> areas;
    buildSampleRom(&areas);
    ASSERT_GT(areas.size(), 20);
    std::sort(areas.begin(), areas.end(),
              [](const SampleRom::Area& a, const SampleRom::Area& b) { return a.start < b.start; });
    for (int i = 0; i < areas.size(); ++i) {
        EXPECT_GE(areas[i].start, rom::kImageStart) << areas[i].label.toStdString();
        EXPECT_LE(areas[i].start + areas[i].size, rom::kExpansionStart) << areas[i].label.toStdString();
        if (i > 0) {
            EXPECT_LE(areas[i - 1].start + areas[i - 1].size, areas[i].start)
                << areas[i - 1].label.toStdString() << " overlaps " << areas[i].label.toStdString();
        }
    }
}

TEST(SampleRom, IsTheSameOnEveryBuild)
{
    EXPECT_EQ(buildSampleRom(), sampleRomBytes());
}

TEST(SampleRom, HeaderDescribesAHiRomImageWithAValidChecksum)
{
    using namespace sampleboot;
    const QByteArray& image = sampleRomBytes();
    const auto word = [&](SnesAddress address) {
        const QByteArray bytes = bytesAt(image, address, 2);
        return quint16(quint8(bytes[0]) | quint8(bytes[1]) << 8);
    };
    EXPECT_EQ(quint8(image[rom::fileOffset(kMapModeAddress)]), kMapModeHiRom);
    // The sum of every byte, the last megabyte counted twice to fill 4 MB.
    quint32 sum = 0;
    for (qsizetype i = rom::kHeaderSize; i < image.size(); ++i)
        sum += quint8(image[i]) * (i - rom::kHeaderSize >= 0x200000 ? 2u : 1u);
    EXPECT_EQ(word(kChecksumAddress), quint16(sum));
    EXPECT_EQ(word(kChecksumComplementAddress), quint16(~sum));
    // The reset vector leads to the program, which bank $00 mirrors from $C0.
    EXPECT_EQ(word(kResetVectorAddress), quint16(kProgramAddress));
    EXPECT_EQ(kProgramAddress >> 16, 0xC0u);
    EXPECT_GE(kProgramAddress & 0xFFFF, 0x8000u);
}
