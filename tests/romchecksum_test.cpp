#include "rom/copierheader.h"
#include "rom/romchecksum.h"
#include "rom/romidentity.h"
#include "rom/romimage.h"
#include "tests/testsupport.h"

#include <gtest/gtest.h>

using namespace tessel;

namespace {

// Image offsets of the checksum pair.
constexpr qint64 kPair = RomChecksum::kComplementAddress - rom::kImageStart;

// Zeros but for 0x07 at 0x100 and 0x10 at 0x250000 (in the last megabyte
// of a 3 MB image), with a stored pair of arbitrary bytes.
QByteArray sparseImage(qint64 size)
{
    QByteArray image(size, '\0');
    image[0x100] = char(0x07);
    image[0x250000] = char(0x10);
    image.replace(kPair, 4, QByteArray("\x12\x34\x56\x78", 4));
    return image;
}

}  // namespace

TEST(RomChecksum, ThreeMegabytesCountTheLastOneTwice)
{
    // 0x07 + 2 x 0x10, and the pair counts as 0xFF + 0xFF.
    EXPECT_EQ(RomChecksum::compute(sparseImage(0x300000)), 0x07 + 2 * 0x10 + 0x1FE);
}

TEST(RomChecksum, AGrownFileIsSummedWhole)
{
    EXPECT_EQ(RomChecksum::compute(sparseImage(0x400000)), 0x07 + 0x10 + 0x1FE);
    QByteArray full(0x400000, char(0x01));
    EXPECT_EQ(RomChecksum::compute(full), quint16(0x400000 - 4 + 0x1FE));
}

TEST(RomChecksum, WrittenPairMatchesWhateverWasStoredBefore)
{
    QByteArray file = sampleRomBytes();
    const QByteArrayView image = QByteArrayView(file).sliced(rom::kHeaderSize);
    const quint16 sum = RomChecksum::compute(image);
    file[rom::fileOffset(RomChecksum::kChecksumAddress)] = char(~file[rom::fileOffset(RomChecksum::kChecksumAddress)]);
    EXPECT_EQ(RomChecksum::compute(QByteArrayView(file).sliced(rom::kHeaderSize)), sum);

    RomImage rom;
    rom.openInMemory(file);
    RomChecksum::write(rom);
    const QByteArrayView written = QByteArrayView(rom.data()).sliced(rom::kHeaderSize);
    EXPECT_TRUE(RomChecksum::matches(written));
    EXPECT_EQ(RomChecksum::storedChecksum(written), sum);
    EXPECT_EQ(RomChecksum::storedComplement(written), quint16(~sum));
    EXPECT_EQ(rom.data().size(), file.size());
}

TEST(RomChecksum, SaveWritesItOnlyWhenAsked)
{
    TempRom plain;
    TestDoc t;
    ASSERT_TRUE(t.doc.open(plain.path()));
    ASSERT_TRUE(t.doc.save(plain.path()));
    EXPECT_EQ(plain.read(), resavedSampleRomBytes());

    TempRom fixed;
    ASSERT_TRUE(t.doc.open(fixed.path()));
    t.doc.setSaveOptions({.fixChecksum = true});
    ASSERT_TRUE(t.doc.save(fixed.path()));
    const QByteArray file = fixed.read();
    EXPECT_TRUE(RomChecksum::matches(QByteArrayView(file).sliced(rom::kHeaderSize)));
    // Nothing else differs from a plain save.
    QByteArray withoutPair = file;
    withoutPair.replace(rom::fileOffset(RomChecksum::kComplementAddress), 4,
                        resavedSampleRomBytes().mid(rom::fileOffset(RomChecksum::kComplementAddress), 4));
    EXPECT_EQ(withoutPair, resavedSampleRomBytes());
}

TEST(CopierHeader, HeaderlessImagesOfTheGameAreRecognised)
{
    const QByteArray image = rom::withoutCopierHeader(sampleRomBytes());
    EXPECT_EQ(image.size(), rom::kImageSize);
    EXPECT_TRUE(rom::isHeaderlessImage(image));
    EXPECT_FALSE(rom::isHeaderlessImage(sampleRomBytes()));
    EXPECT_FALSE(rom::isHeaderlessImage(image.left(rom::kImageSize - 1)));
    QByteArray otherVersion = image;
    otherVersion[rom::fileOffset(rom::kVersionAddress) - rom::kHeaderSize] = char(1);
    EXPECT_FALSE(rom::isHeaderlessImage(otherVersion));

    EXPECT_TRUE(rom::hasCopierHeader(sampleRomBytes().size()));
    EXPECT_FALSE(rom::hasCopierHeader(image.size()));
    const QByteArray headered = rom::withCopierHeader(image);
    EXPECT_EQ(headered.left(rom::kHeaderSize), QByteArray(rom::kHeaderSize, '\0'));
    EXPECT_EQ(rom::withoutCopierHeader(headered), image);
}
