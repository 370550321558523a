#include "tests/support/lzreferenceencoder.h"
#include "rom/romimage.h"
#include "tests/testsupport.h"
#include "tools/samplerom/samplerandom.h"
#include "worldmap/lzcodec.h"
#include "worldmap/lzgramlinks.h"
#include "worldmap/lzrunends.h"
#include "worldmap/lzruntable.h"

#include <QByteArray>

#include <gtest/gtest.h>

#include <functional>
#include <vector>

using namespace tessel;

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

TEST(LzCodec, AStreamLongerThanTheRoomFirstReservedComesOutWhole)
{
    // Bytes over the whole alphabet seldom repeat three in a row: the
    // stream is nearly all literals, longer than its input, and the
    // writer's room has to grow several times on the way.
    SampleRandom random(0x11AB);
    for (const int size : {61, 4096, 40000}) {
        const QByteArray data = randomBytes(random, size, 256);
        const QByteArray encoded = LzCodec::encode(data);
        EXPECT_GT(encoded.size(), size) << size;
        expectSameAsReference(data, "literal-heavy", size);
    }
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
    // Copies of 2 to 20 bytes from anywhere in the window between new
    // bytes, and runs copied together with what follows them: matches
    // around 16 bytes long, and matches that start with a run and go on
    // past its end.
    for (int i = 0; i < 40; ++i, ++index) {
        QByteArray data = randomBytes(random, 16, 24);
        while (data.size() < 5000) {
            const int pick = random.below(4);
            if (pick == 0)
                data.append(char(random.below(24)));
            else if (pick == 1)
                data.append(QByteArray(random.between(1, 24), char(random.below(24))));
            else {
                const int distance = random.between(1, int(qMin<qsizetype>(data.size(), 2100)));
                const int length = random.between(2, 20);
                for (int k = 0; k < length; ++k)
                    data.append(data[data.size() - distance]);
            }
        }
        expectSameAsReference(data, "short copies", index);
    }
    EXPECT_GE(index, 2740);
}

// Stripes repeat one short distance at full length: the search then
// stops entering positions until the stripe ends. Each stripe below ends
// at a different offset into the last full-length match, and what
// follows may match the stripe itself, older data, or nothing.
TEST(LzCodec, FastEncoderMatchesTheReferenceAroundTheEndsOfStripes)
{
    SampleRandom random(0x57121Eu);
    int index = 0;
    for (int period = 1; period <= 18; ++period) {
        for (int i = 0; i < 24; ++i, ++index) {
            QByteArray data = randomBytes(random, random.between(0, 300), 16);
            const QByteArray pattern = randomBytes(random, period, 4);
            const int stripe = 34 * random.between(2, 6) + random.between(0, 40);
            for (int k = 0; k < stripe; ++k)
                data.append(pattern[k % period]);
            switch (i % 4) {
            case 0: data.append(randomBytes(random, 60, 16)); break;
            case 1: data.append(data.mid(random.below(int(data.size())), random.between(3, 60))); break;
            case 2: data.append(QByteArray(random.between(1, 50), pattern[0])); break;
            default: break;  // the stripe ends the input
            }
            expectSameAsReference(data, "stripe", index);
        }
    }
    // A stripe that keeps its distance while a nearer one starts to match
    // as well: "abcd" repeated, then a run.
    expectSameAsReference(QByteArray("abcd").repeated(30) + QByteArray(200, 'a'), "finer stripe", 0);
    expectSameAsReference(QByteArray("abab").repeated(40) + QByteArray("aabb").repeated(40), "finer stripe", 1);
    // After the stripe, the longest match starts before it and runs into
    // it: the stripe's first grams must still be in the chains.
    expectSameAsReference(QByteArray("abab") + QByteArray("aab").repeated(13) + "abaabaaababaabaab", "into stripe", 0);
}

// Matches that start with a run come from a table of earlier runs: the
// nearest run long enough, runs the window cuts short, runs longer than
// any match, and ties between runs of one length.
TEST(LzCodec, FastEncoderMatchesTheReferenceOnRunsNearAndFar)
{
    SampleRandom random(0x2A2A2Au);
    int index = 0;
    for (int i = 0; i < 300; ++i, ++index) {
        QByteArray data;
        const int target = random.between(3, 2300);
        while (data.size() < target) {
            const char byte = char(random.below(3));
            // Now and then a run longer than the 56 neighbours a search
            // sees at once.
            data.append(QByteArray(random.between(1, random.below(4) == 0 ? 150 : 45), byte));
            data.append(randomBytes(random, random.between(1, 6), 40));
        }
        // A run whose sources lie around the window's far end.
        data.append(randomBytes(random, random.between(0, 2100), 40));
        data.append(QByteArray(random.between(3, 40), char(random.below(3))));
        data.append(randomBytes(random, random.between(0, 4), 3));
        expectSameAsReference(data, "runs near and far", index);
    }
}

// Noise over two bytes makes the search keep a second chain of longer
// grams; a run between two stretches of noise is skipped by both chains.
TEST(LzCodec, FastEncoderMatchesTheReferenceWhenARunInterruptsDenseNoise)
{
    SampleRandom random(0xD0E5u);
    int index = 0;
    for (int before : {300, 1200})
        for (int run : {40, 90, 300})
            for (int after : {800, 2500}) {
                QByteArray data = randomBytes(random, before, 2) + QByteArray(run, 1) + randomBytes(random, after, 3);
                expectSameAsReference(data, "run in noise", index++);
            }
}

// Two-byte noise copied again and again from exactly 2048 bytes back:
// every longest match comes from the window's far end, also right after
// the second chain is switched back on and filled.
TEST(LzCodec, FastEncoderFindsSourcesAtTheFarEndOfTheWindowInDenseNoise)
{
    SampleRandom random(0xFA4u);
    const QByteArray noise = randomBytes(random, LzCodec::kRingSize, 2);
    expectSameAsReference(noise.repeated(40), "far end", 0);
}

// Long inputs that change character every few thousand bytes: dense
// noise (where a second chain of longer grams is kept for a while), runs,
// stripes, copies from anywhere and from a row above, and rare bytes.
// They cross every switch between the kinds of search.
TEST(LzCodec, FastEncoderMatchesTheReferenceAcrossChangingKindsOfData)
{
    SampleRandom random(0x0A0A0Bu);
    for (int index = 0; index < 12; ++index) {
        QByteArray data;
        const int size = random.between(20000, 40000);
        while (data.size() < size) {
            const int kind = random.below(6);
            const int alphabet = random.between(2, kind == 0 ? 4 : 64);
            const QByteArray pattern = randomBytes(random, random.between(2, 9), alphabet);
            const qsizetype end = data.size() + random.between(300, 5000);
            while (data.size() < end) {
                if (kind == 0)
                    data.append(char(random.below(alphabet)));
                else if (kind == 1)
                    data.append(QByteArray(random.between(1, 60), char(random.below(alphabet))));
                else if (kind == 2)
                    data.append(pattern[data.size() % pattern.size()]);
                else if (kind == 5 || data.size() < 300)
                    data.append(char(random.below(256)));
                else {
                    const int distance =
                        kind == 3 ? random.between(1, int(qMin<qsizetype>(data.size(), 2100))) : 256 + random.between(-3, 3);
                    const int length = random.between(2, 40);
                    for (int k = 0; k < length; ++k)
                        data.append(data[data.size() - distance]);
                }
            }
        }
        expectSameAsReference(data, "changing kinds", index);
    }
}

// Long stretches of scattered copies (where the search walks links made
// ahead for every position) between stretches of runs and stripes (where
// it turns back to its chains): each switch happens many times, after
// short and long stays, and with the chains left a window behind. The
// inputs run past 65536 bytes, where positions wrap in 16 bits.
TEST(LzCodec, FastEncoderMatchesTheReferenceAcrossSparseAndDenseStretches)
{
    SampleRandom random(0x5BA45Eu);
    for (int index = 0; index < 6; ++index) {
        QByteArray data = randomBytes(random, 16, 48);
        const int size = index == 0 ? 150000 : random.between(40000, 120000);
        bool scattered = true;
        while (data.size() < size) {
            const qsizetype end = data.size() + (scattered ? random.between(1500, 30000) : random.between(200, 4000));
            const int alphabet = random.between(2, 48);
            while (data.size() < end) {
                if (!scattered) {
                    data.append(QByteArray(random.between(1, 50), char(random.below(alphabet))));
                } else if (random.below(4) == 0) {
                    data.append(char(random.below(alphabet)));
                } else {
                    const int distance = random.between(1, int(qMin<qsizetype>(data.size(), 2100)));
                    const int length = random.between(2, 14);
                    for (int k = 0; k < length; ++k)
                        data.append(data[data.size() - distance]);
                }
            }
            scattered = !scattered;
        }
        expectSameAsReference(data, "sparse and dense", index);
    }
}

// Following the links from a position must visit every earlier position
// of the window whose first three bytes are the same, nearest first (other
// positions that merely hash alike may come between), also after a restart
// and past 65536, where heads wrap in 16 bits.
TEST(LzGramLinks, LinksVisitEveryEarlierPositionOfTheSameGramNearestFirst)
{
    SampleRandom random(0x6A4A1u);
    const QByteArray data = randomBytes(random, 140000, 4);
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(data.constData());
    const std::size_t size = std::size_t(data.size());
    const auto sameGram = [bytes](std::size_t a, std::size_t b) {
        return bytes[a] == bytes[b] && bytes[a + 1] == bytes[b + 1] && bytes[a + 2] == bytes[b + 2];
    };
    LzGramLinks links(bytes, size);
    links.restartAt(0);
    std::size_t restartedAt = 0;
    std::vector<std::size_t> positions;
    for (std::size_t p = 0; p + 3 <= size; p += 613)
        positions.push_back(p);
    for (std::size_t p = size - 10; p + 3 <= size; ++p)
        positions.push_back(p);  // the last grams, read byte by byte
    for (const std::size_t p : positions) {
        if (restartedAt == 0 && p > 100000) {
            restartedAt = p - 1000;
            links.restartAt(restartedAt);
        }
        links.fillUpTo(p + 1025);  // links are made ahead of the searches
        const std::size_t lowest = std::max<std::size_t>({p > 2048 ? p - 2048 : 0, restartedAt});
        std::vector<std::size_t> expected;
        for (std::size_t q = p; q-- > lowest;)
            if (sameGram(q, p))
                expected.push_back(q);
        std::vector<std::size_t> visited;
        std::size_t back = links.back(p);
        for (std::size_t entry = p; entry - lowest >= back; back = links.back(entry)) {
            entry -= back;
            if (sameGram(entry, p))
                visited.push_back(entry);
        }
        ASSERT_EQ(visited, expected) << "position " << p;
    }
    EXPECT_GT(restartedAt, 0u);
}

// The run table keeps only the runs that can still give the best match;
// every answer must be the one a look at all runs gives: the most bytes
// (up to the wanted count, from at or after the lowest source, a run
// counting at most 34) and, among sources giving as many, the nearest.
TEST(LzRunTable, NearestSourceIsTheOneAllRunsGive)
{
    SampleRandom random(0x57A1);
    struct Run {
        std::uint8_t byte;
        std::size_t start;
        std::size_t end;
    };
    LzRunTable table;
    std::vector<Run> runs;
    std::size_t position = 0;
    for (int step = 0; step < 6000; ++step) {
        // Runs of three bytes or more, of a few byte values, some longer
        // than a match; now and then a gap.
        position += std::size_t(random.below(4) == 0 ? random.between(1, 300) : 0);
        const std::size_t length = std::size_t(random.below(8) == 0 ? random.between(3, 60) : random.between(3, 12));
        const Run run{std::uint8_t(random.below(3)), position, position + length};
        position = run.end;
        table.add(run.byte, run.start, run.end);
        runs.push_back(run);

        const std::uint8_t byte = std::uint8_t(random.below(3));
        const std::size_t wanted = std::size_t(random.between(3, 34));
        const std::size_t lowest = position - std::min<std::size_t>(position, std::size_t(random.between(0, 2048)));
        LzRunTable::Source expected;
        for (const Run& r : runs) {
            if (r.byte != byte || r.end <= lowest)
                continue;
            const std::size_t from = std::max(r.end - std::min<std::size_t>(r.end - r.start, 34), lowest);
            const std::size_t length = std::min(r.end - from, wanted);
            if (length > expected.length || (length == expected.length && r.end - length > expected.start))
                expected = {length, r.end - length};
        }
        const LzRunTable::Source found = table.nearest(byte, wanted, lowest);
        ASSERT_EQ(found.length, expected.length) << "step " << step;
        if (expected.length > 0) {
            ASSERT_EQ(found.start, expected.start) << "step " << step;
        }
    }
}

TEST(LzRunEnds, RunLengthsMatchAPlainScanAtEveryPosition)
{
    // Sizes on both sides of the sixteen-byte steps the table is built in,
    // runs shorter and longer than a run length reads, and runs that reach
    // the input's last byte.
    SampleRandom random(0x5EA5);
    for (int size = 1; size < 300; size += random.between(1, 9)) {
        QByteArray data;
        while (data.size() < size)
            data.append(QByteArray(random.between(1, random.below(3) == 0 ? 90 : 6), char(random.below(3))));
        data.truncate(size);
        const auto* bytes = reinterpret_cast<const std::uint8_t*>(data.constData());
        const LzRunEnds runEnds(bytes, std::size_t(size));
        for (int p = 0; p < size; ++p) {
            std::size_t expected = 1;
            while (p + int(expected) < size && bytes[p + int(expected)] == bytes[p])
                ++expected;
            ASSERT_EQ(runEnds.runLength(std::size_t(p)), std::min(expected, LzRunEnds::kReach))
                << "size " << size << ", position " << p;
        }
    }
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
