#include "patch/bpsnumber.h"
#include "patch/bpspatch.h"
#include "patch/crc32.h"
#include "tests/testsupport.h"
#include "tools/samplerom/samplerandom.h"

#include <gtest/gtest.h>

#include <initializer_list>

using namespace tessel;

namespace {

QByteArray le32(quint32 value)
{
    return bytesOf({int(value & 0xFF), int((value >> 8) & 0xFF), int((value >> 16) & 0xFF), int(value >> 24)});
}

// A patch from its header and actions, with the three checksums appended.
QByteArray withChecksums(QByteArray body, const QByteArray& source, const QByteArray& target)
{
    body += le32(patch::crc32(source)) + le32(patch::crc32(target));
    return body + le32(patch::crc32(body));
}

void expectRefused(const QByteArray& source, const QByteArray& patch, const char* problem)
{
    const patch::PatchResult result = BpsPatch::apply(source, patch);
    EXPECT_FALSE(result.ok());
    EXPECT_TRUE(result.data.isEmpty());
    EXPECT_TRUE(result.error.contains(QLatin1String(problem))) << result.error.toStdString();
}

}  // namespace

TEST(BpsNumbers, EncodeAndReadKnownValues)
{
    const struct {
        quint64 value;
        QByteArray encoded;
    } cases[] = {
        {0, bytesOf({0x80})},
        {127, bytesOf({0xFF})},
        {128, bytesOf({0x00, 0x80})},
        {16511, bytesOf({0x7F, 0xFF})},
        {16512, bytesOf({0x00, 0x00, 0x80})},
    };
    for (const auto& c : cases) {
        QByteArray out;
        bpsnumber::append(out, c.value);
        EXPECT_EQ(out, c.encoded) << c.value;
        EXPECT_EQ(bpsnumber::encodedSize(c.value), c.encoded.size()) << c.value;
        qint64 pos = 0;
        quint64 read = 0;
        EXPECT_EQ(bpsnumber::read(c.encoded, pos, c.encoded.size(), &read), bpsnumber::ReadResult::Ok);
        EXPECT_EQ(read, c.value);
        EXPECT_EQ(pos, c.encoded.size());
    }
    qint64 pos = 0;
    quint64 read = 0;
    EXPECT_EQ(bpsnumber::read(bytesOf({0x00, 0x00}), pos, 2, &read), bpsnumber::ReadResult::RanOut);
    pos = 0;
    EXPECT_EQ(bpsnumber::read(QByteArray(12, '\0'), pos, 12, &read), bpsnumber::ReadResult::TooLarge);
}

TEST(BpsCrc32, KnownAnswer)
{
    EXPECT_EQ(patch::crc32(QByteArray("123456789")), 0xCBF43926u);
    EXPECT_EQ(patch::crc32(QByteArray()), 0u);
}

TEST(BpsApply, AllFourActionsWithRelativeOffsets)
{
    const QByteArray source("ABCDEFGH");
    const QByteArray target("ABCxyyyyyEFGHAB");
    const QByteArray body = QByteArray("BPS1") + bytesOf({0x88, 0x8F, 0x80,  // sizes 8 and 15, no metadata
                                                        0x88,              // source read 3
                                                        0x85, 'x', 'y',    // target read 2
                                                        0x8F, 0x88,        // target copy 4 from +4: "yyyy"
                                                        0x8E, 0x88,        // source copy 4 from +4: "EFGH"
                                                        0x86, 0x91});      // source copy 2 from -8: "AB"
    const patch::PatchResult result = BpsPatch::apply(source, withChecksums(body, source, target));
    ASSERT_TRUE(result.ok()) << result.error.toStdString();
    EXPECT_EQ(result.data, target);
}

TEST(BpsApply, RefusesDamagedOrForeignPatchesAndReturnsNothing)
{
    const QByteArray source = noiseBytes(5000, 1);
    QByteArray target = source;
    target.replace(100, 50, noiseBytes(50, 2));
    const QByteArray patch = BpsPatch::create(source, target).data;
    ASSERT_EQ(BpsPatch::apply(source, patch).data, target);

    for (const qsizetype cut : {qsizetype(2), qsizetype(10), patch.size() / 2, patch.size() - 5, patch.size() - 1})
        expectRefused(source, patch.left(cut), "truncated");

    QByteArray flipped = patch;
    flipped[20] = char(flipped[20] ^ 0x10);
    expectRefused(source, flipped, "damaged: its CRC32");

    QByteArray otherSource = source;
    otherSource[4000] = char(otherSource[4000] ^ 1);
    expectRefused(otherSource, patch, "made for a different file");
    expectRefused(source.left(4999), patch, "made for a different file");

    expectRefused(source, QByteArray("PATCH"), "not a BPS patch");

    // Sizes past 16 MB are refused before anything else is looked at.
    const QByteArray huge = QByteArray("BPS1") + bytesOf({0x80, 0x01, 0x7F, 0x7E, 0x87, 0x80}) + QByteArray(12, '\0');
    expectRefused(source, huge, "larger than 16 MB");
}

// A result of exactly 16 MB is made; one byte more is refused.
class BpsLimit : public testing::TestWithParam<qint64> {};

TEST_P(BpsLimit, MakesSixteenMegabytesAndNoMore)
{
    // From no source: one new 0x5A, then the rest copied from the bytes just made.
    const qint64 size = GetParam();
    QByteArray body = QByteArray("BPS1") + bytesOf({0x80});
    bpsnumber::append(body, quint64(size));
    body += bytesOf({0x80, 0x81, 0x5A});
    bpsnumber::append(body, quint64(size - 2) << 2 | BpsPatch::TargetCopy);
    body += bytesOf({0x80});
    const QByteArray target(size, char(0x5A));
    const patch::PatchResult result = BpsPatch::apply(QByteArray(), withChecksums(body, QByteArray(), target));
    if (size > 0x1000000) {
        EXPECT_FALSE(result.ok());
        EXPECT_TRUE(result.data.isEmpty());
        EXPECT_TRUE(result.error.contains(QLatin1String("larger than 16 MB"))) << result.error.toStdString();
    } else {
        ASSERT_TRUE(result.ok()) << result.error.toStdString();
        EXPECT_EQ(result.data, target);
    }
}

INSTANTIATE_TEST_SUITE_P(BpsApply, BpsLimit, testing::Values(qint64(0x1000000), qint64(0x1000001)));

TEST(BpsApply, RefusesActionsOutsideTheirBoundsEvenWithGoodChecksums)
{
    const QByteArray source("ABCD");
    const QByteArray target("ABCD");
    const auto patchWith = [&](std::initializer_list<int> actions) {
        return withChecksums(QByteArray("BPS1") + bytesOf({0x84, 0x84, 0x80}) + bytesOf(actions), source, target);
    };
    expectRefused(source, patchWith({0x8E, 0x84}), "reads outside the source");      // copy 4 from 2
    expectRefused(source, patchWith({0x83, 0x80, 0x88}), "not yet made");            // target copy before any byte
    expectRefused(source, patchWith({0x90}), "past the end of the 4-byte result");   // read 5
    expectRefused(source, patchWith({0x8C, 0x80, 0x00}), "stray bytes");
    // Well-formed, but the result is not the target the patch names.
    const QByteArray wrongResult =
        withChecksums(QByteArray("BPS1") + bytesOf({0x84, 0x84, 0x80, 0x8D, 'W', 'X', 'Y', 'Z'}), source, target);
    expectRefused(source, wrongResult, "the result's CRC32");
}

TEST(BpsCreate, AFewEditsMakeAFewBytes)
{
    const QByteArray source = noiseBytes(1 << 20, 3);
    QByteArray target = source;
    target[1000] = char(target[1000] ^ 0x55);
    target[500000] = char(target[500000] ^ 0x55);
    target.replace(800000, 3, "xyz");
    const QByteArray patch = BpsPatch::create(source, target).data;
    EXPECT_LT(patch.size(), 60);
    EXPECT_EQ(BpsPatch::apply(source, patch).data, target);
}

TEST(BpsCreate, MovedAndRepeatedBlocksBecomeCopies)
{
    const QByteArray source = noiseBytes(1 << 20, 4);
    QByteArray target = source;
    target.replace(700000, 40000, source.mid(100000, 40000));  // relocated
    target.replace(100000, 40000, QByteArray(40000, '\xFF'));   // old place cleared
    target.insert(300000, source.mid(5000, 3000));             // a copy inserted shifts the rest
    const QByteArray fresh = noiseBytes(2000, 5);
    target.append(fresh + fresh);                               // new bytes, twice
    const QByteArray patch = BpsPatch::create(source, target).data;
    EXPECT_LT(patch.size(), fresh.size() + 200);
    EXPECT_EQ(BpsPatch::apply(source, patch).data, target);
}

TEST(BpsCreate, RoundTripsRandomEditsGrowthAndShrinking)
{
    for (quint32 seed = 1; seed <= 20; ++seed) {
        SampleRandom random(seed);
        const QByteArray source = noiseBytes(random.between(0, 6000), seed);
        QByteArray target = source;
        for (int edit = random.below(8); edit > 0; --edit) {
            const int at = target.isEmpty() ? 0 : random.below(int(target.size()));
            switch (random.below(4)) {
            case 0: target.insert(at, noiseBytes(random.between(1, 200), seed + 100)); break;
            case 1: target.remove(at, random.between(1, 200)); break;
            case 2: target.replace(at, random.between(1, 50), QByteArray(random.between(1, 400), 'r')); break;
            default: target.insert(at, source.mid(random.below(int(source.size()) + 1), random.between(8, 500)));
            }
        }
        const patch::PatchResult made = BpsPatch::create(source, target);
        ASSERT_TRUE(made.ok()) << seed;
        const patch::PatchResult applied = BpsPatch::apply(source, made.data);
        ASSERT_TRUE(applied.ok()) << seed << ": " << applied.error.toStdString();
        EXPECT_EQ(applied.data, target) << seed;
    }
}
