#include "tests/support/lzreferenceencoder.h"
#include "rom/romimage.h"
#include "tests/testsupport.h"
#include "tools/samplerom/samplerandom.h"
#include "worldmap/lzcodec.h"

#include <QByteArray>

#include <gtest/gtest.h>

#include <functional>

namespace {

QByteArray exhaustive(const QByteArray& data)
{
    return encodeLzExhaustive(reinterpret_cast<const std::uint8_t*>(data.constData()),
                                     std::size_t(data.size()));
}

// Checks the fast encoder against the reference and the round trip.
void expectSameAsReference(const QByteArray& data, const char* kind, int index)
{
    const QByteArray fast = LzCodec::encode(data);
    ASSERT_EQ(fast, exhaustive(data)) << kind << " input " << index << ", " << data.size() << " bytes";
    ASSERT_EQ(LzCodec::decode(fast), data) << kind << " input " << index;
}

QByteArray randomBytes(SampleRandom& random, int size, int alphabet)
{
    QByteArray data(size, '\0');
    for (char& c : data)
        c = char(random.below(alphabet));
    return data;
}

}  // namespace

TEST(LzCodec, EmptyInputEncodesToTheBareHeader)
{
    EXPECT_EQ(LzCodec::encode(QByteArray()), bytesOf({0x02, 0x00}));
    EXPECT_EQ(exhaustive(QByteArray()), bytesOf({0x02, 0x00}));
    EXPECT_TRUE(LzCodec::decode(bytesOf({0x02, 0x00})).isEmpty());
}

TEST(LzCodec, FortyEqualBytesGiveOneLiteralAndTwoReferencesInOneGroup)
{
    const QByteArray encoded = LzCodec::encode(QByteArray(40, 'A'));
    // literal 'A'; 34 from $7DE (distance 1); 5 from $000 (distance 1).
    EXPECT_EQ(encoded, bytesOf({0x08, 0x00, 0x01, 'A', 0xDE, 0xFF, 0x00, 0x10}));
    EXPECT_EQ(LzCodec::decode(encoded), QByteArray(40, 'A'));
}

TEST(LzCodec, TiesGoToTheNearestSource)
{
    // The last "abc" matches at distances 4 and 9: distance 4 wins.
    const QByteArray data("abcXYabcZabc");
    const QByteArray encoded = LzCodec::encode(data);
    EXPECT_EQ(encoded, exhaustive(data));
    // The last item refers to ring position $7DE + 9 - 4.
    ASSERT_EQ(encoded.size(), 13);
    const int word = quint8(encoded[encoded.size() - 2]) | quint8(encoded[encoded.size() - 1]) << 8;
    EXPECT_EQ(word & 0x7FF, 0x7E3);
    EXPECT_EQ(word >> 11, 0);
}

TEST(LzCodec, FastEncoderMatchesTheExhaustiveSearchOnGeneratedInputs)
{
    SampleRandom random(0x5EED1234u);
    int index = 0;
    // Random bytes over alphabets from 2 symbols to all 256.
    for (int i = 0; i < 1200; ++i, ++index)
        expectSameAsReference(randomBytes(random, random.between(0, 700), random.between(1, 256)), "random", index);
    // Runs of equal bytes of every length around the 34-byte limit.
    for (int i = 0; i < 800; ++i, ++index) {
        QByteArray data;
        while (data.size() < 500)
            data.append(QByteArray(random.between(1, 80), char(random.below(4))));
        expectSameAsReference(data, "runs", index);
    }
    // Repeated pieces of 28 to 40 bytes: matches that end right at or near the limit.
    for (int i = 0; i < 600; ++i, ++index) {
        const QByteArray piece = randomBytes(random, random.between(28, 40), random.between(2, 8));
        QByteArray data;
        while (data.size() < 600) {
            data.append(piece.left(random.between(20, int(piece.size()))));
            data.append(randomBytes(random, random.below(3), 8));
        }
        expectSameAsReference(data, "near 34", index);
    }
    // Copies placed at distances around the 2048-byte window.
    for (int i = 0; i < 120; ++i, ++index) {
        QByteArray data = randomBytes(random, 2100, random.between(8, 256));
        const int distance = 2048 + random.between(-3, 3);
        for (int k = 0; k < 60; ++k) {
            const int at = random.between(distance, int(data.size()) - 1);
            data[at] = data[at - distance];
        }
        data.append(data.mid(data.size() - distance, random.between(30, 300)));
        expectSameAsReference(data, "window edge", index);
    }
    // Long runs across the window edge, and runs ending the input.
    for (int i = 0; i < 60; ++i, ++index) {
        QByteArray data;
        while (data.size() < 9000) {
            const int length = random.below(4) == 0 ? random.between(1500, 3000) : random.between(1, 40);
            data.append(QByteArray(length, char(random.below(3))));
            if (random.below(5) == 0)
                data.append(data.mid(random.below(int(data.size())), random.between(3, 50)));
        }
        expectSameAsReference(data, "long runs", index);
    }
    EXPECT_GE(index, 2700);
}

TEST(LzCodec, DecodingTheEncodersOutputThenEncodingAgainGivesTheSameStream)
{
    SampleRandom random(77);
    QByteArray map(65536, '\0');
    for (int i = 0; i < map.size(); ++i)
        map[i] = char((i / 300) % 7 + (random.below(10) == 0 ? random.below(4) : 0));
    const QByteArray stream = LzCodec::encode(map);
    EXPECT_EQ(LzCodec::encode(LzCodec::decode(stream)), stream);
}

TEST(LzCodec, DecoderStopsAtTheEndOfThePayloadDespiteRemainingFlagBits)
{
    // Flag byte says literal, literal, then references; the payload ends
    // after the two literals.
    EXPECT_EQ(LzCodec::decode(bytesOf({0x05, 0x00, 0x03, 'x', 'y', 0x00, 0x00, 0x00})), QByteArray("xy"));
}

TEST(LzCodec, DecoderNeverReadsOrWritesPastItsBounds)
{
    // Declared 100 bytes, given 5: decodes what is there.
    EXPECT_EQ(LzCodec::decode(bytesOf({100, 0, 0xFF, 'a', 'b'})), QByteArray("ab"));
    // A reference cut in half ends the stream.
    EXPECT_EQ(LzCodec::decode(bytesOf({0x05, 0x00, 0x01, 'a', 0xDE})), QByteArray("a"));
    // Lengths 0 and 1 wrap to a huge payload: limited to the input.
    EXPECT_EQ(LzCodec::decode(bytesOf({0x00, 0x00, 0x01, 'q'})), QByteArray("q"));
    EXPECT_EQ(LzCodec::decode(bytesOf({0x01, 0x00})), QByteArray());
    EXPECT_TRUE(LzCodec::decode(bytesOf({0x02})).isEmpty());
    // An output limit cuts a long reference short.
    EXPECT_EQ(LzCodec::decode(LzCodec::encode(QByteArray(40, 'z')), 10), QByteArray(10, 'z'));
}

TEST(LzCodec, ReferencesReadTheRingBeforeWritingIt)
{
    // At the start the ring is zero; a reference to w itself reads what lies
    // 2048 bytes back (zero), and one overlapping w repeats the new bytes.
    EXPECT_EQ(LzCodec::decode(bytesOf({0x05, 0x00, 0x00, 0xDE, 0x07})), QByteArray(3, '\0'));
    EXPECT_EQ(LzCodec::decode(bytesOf({0x06, 0x00, 0x01, 'k', 0xDE, 0x17})), QByteArray(6, 'k'));
}

TEST(LzCodec, DecodingFromTheRomGivesExactlyTheExpectedSize)
{
    QByteArray image(0x300200, '\0');
    const QByteArray stream = LzCodec::encode(QByteArray(100, 'm'));
    image.replace(rom::fileOffset(0xC10000), stream.size(), stream);
    // A stream at the very end of the file, cut by it.
    const QByteArray cut = bytesOf({0xFF, 0x00, 0xFF, '1', '2', '3'});
    image.replace(image.size() - cut.size(), cut.size(), cut);
    RomImage rom;
    rom.openInMemory(image, RomImage::Mode::Loading);

    QByteArray shortBlock = LzCodec::decode(rom, 0xC10000, 150);
    EXPECT_EQ(shortBlock, QByteArray(100, 'm') + QByteArray(50, '\0'));
    EXPECT_EQ(LzCodec::decode(rom, 0xC10000, 60), QByteArray(60, 'm'));
    EXPECT_EQ(LzCodec::decode(rom, rom::snesAddress(image.size() - cut.size()), 4), QByteArray("123") + '\0');
    // A pointer far beyond the file decodes to zeros.
    EXPECT_EQ(LzCodec::decode(rom, 0xFF0000, 16), QByteArray(16, '\0'));
}
