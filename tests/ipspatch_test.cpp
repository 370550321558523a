#include "patch/ipspatch.h"
#include "tests/testsupport.h"
#include "tools/samplerom/samplerandom.h"

#include <QList>

#include <gtest/gtest.h>

#include <initializer_list>

using namespace tessel;

namespace {

QByteArray ips(const QByteArray& body)
{
    return QByteArray("PATCH") + body;
}

QByteArray ips(std::initializer_list<int> body)
{
    return ips(bytesOf(body));
}

// The offsets of a well-formed patch's records, in order.
QList<qint64> recordOffsets(const QByteArray& patch)
{
    QList<qint64> offsets;
    qsizetype at = 5;
    while (at + 3 <= patch.size()) {
        const qint64 offset = quint8(patch[at]) << 16 | quint8(patch[at + 1]) << 8 | quint8(patch[at + 2]);
        if (offset == IpsPatch::kEofOffset)
            break;
        offsets.append(offset);
        const int size = quint8(patch[at + 3]) << 8 | quint8(patch[at + 4]);
        at += size == 0 ? 8 : 5 + size;
    }
    return offsets;
}

void expectRefused(const QByteArray& source, const QByteArray& patch, const char* problem)
{
    const patch::PatchResult result = IpsPatch::apply(source, patch);
    EXPECT_FALSE(result.ok()) << patch.toHex().toStdString();
    EXPECT_TRUE(result.data.isEmpty());
    EXPECT_TRUE(result.error.contains(QLatin1String(problem)))
        << result.error.toStdString() << " / " << patch.toHex().toStdString();
}

}  // namespace

TEST(IpsApply, WritesRecordsAndRunsAndGrowsTheFile)
{
    const QByteArray source = bytesOf({0, 1, 2, 3, 4, 5, 6, 7, 8, 9});
    const QByteArray patch = ips({0x00, 0x00, 0x02, 0x00, 0x02, 0xAA, 0xBB,   // two bytes at 2
                                  0x00, 0x00, 0x06, 0x00, 0x00, 0x00, 0x03, 0xCC,  // three times 0xCC at 6
                                  0x00, 0x00, 0x0C, 0x00, 0x01, 0xDD,  // past the end: the gap is zero
                                  'E', 'O', 'F'});
    const patch::PatchResult result = IpsPatch::apply(source, patch);
    ASSERT_TRUE(result.ok()) << result.error.toStdString();
    EXPECT_EQ(result.data, bytesOf({0, 1, 0xAA, 0xBB, 4, 5, 0xCC, 0xCC, 0xCC, 9, 0, 0, 0xDD}));
}

TEST(IpsApply, TheSizeAfterTheEndMarkerTruncates)
{
    const QByteArray source = bytesOf({0, 1, 2, 3, 4, 5, 6, 7, 8, 9});
    const QByteArray patch = ips({0x00, 0x00, 0x01, 0x00, 0x01, 0xEE, 'E', 'O', 'F', 0x00, 0x00, 0x04});
    const patch::PatchResult result = IpsPatch::apply(source, patch);
    ASSERT_TRUE(result.ok()) << result.error.toStdString();
    EXPECT_EQ(result.data, bytesOf({0, 0xEE, 2, 3}));
}

TEST(IpsApply, RefusesDamagedPatchesAndReturnsNothing)
{
    const QByteArray source(64, 'x');
    expectRefused(source, QByteArray("PATCX\0\0\0EOF", 11), "not an IPS patch");
    expectRefused(source, QByteArray("PAT"), "truncated");
    expectRefused(source, ips({}), "truncated");
    expectRefused(source, ips({0x00, 0x00}), "truncated");
    expectRefused(source, ips({0x00, 0x00, 0x01, 0x00, 0x05, 0xAA}), "truncated");
    expectRefused(source, ips({0x00, 0x00, 0x01, 0x00, 0x00, 0x00}), "truncated");
    expectRefused(source, ips({0x00, 0x00, 0x01, 0x00, 0x01, 0xAA}), "truncated");  // no end marker
    expectRefused(source, ips({0xFF, 0xF0, 0x00, 0x00, 0x00, 0xFF, 0xFF, 0x00, 'E', 'O', 'F'}), "past 16 MB");
    expectRefused(source, ips({0x00, 0x00, 0x01, 0x00, 0x00, 0x00, 0x00, 0x11, 'E', 'O', 'F'}), "empty");
    expectRefused(source, ips({'E', 'O', 'F', 0x00, 0x00}), "stray");
    expectRefused(source, ips({'E', 'O', 'F', 0x00, 0x00, 0x00}), "cut the file to nothing");
}

// Records that end exactly at 16 MB apply; one byte further is refused.
struct IpsLimitCase {
    const char* name;
    QByteArray body;
    QByteArray lastBytes;  // the result's last bytes; empty when refused
};

class IpsLimit : public testing::TestWithParam<IpsLimitCase> {};

TEST_P(IpsLimit, AppliesUpToSixteenMegabytesAndNoFurther)
{
    const patch::PatchResult result = IpsPatch::apply(QByteArray(16, 'x'), ips(GetParam().body));
    if (GetParam().lastBytes.isEmpty()) {
        EXPECT_FALSE(result.ok());
        EXPECT_TRUE(result.data.isEmpty());
        EXPECT_TRUE(result.error.contains(QLatin1String("past 16 MB"))) << result.error.toStdString();
        return;
    }
    ASSERT_TRUE(result.ok()) << result.error.toStdString();
    ASSERT_EQ(result.data.size(), 0x1000000);
    EXPECT_TRUE(result.data.endsWith(GetParam().lastBytes));
    EXPECT_EQ(result.data.left(17), QByteArray(16, 'x') + '\0');
}

INSTANTIATE_TEST_SUITE_P(
    IpsApply, IpsLimit,
    testing::Values(
        IpsLimitCase{"RecordEndingAtTheLimit", bytesOf({0xFF, 0xFF, 0xFE, 0x00, 0x02, 0xAA, 0xBB, 'E', 'O', 'F'}),
                     bytesOf({0x00, 0xAA, 0xBB})},
        IpsLimitCase{"RecordOneBytePast", bytesOf({0xFF, 0xFF, 0xFF, 0x00, 0x02, 0xAA, 0xBB, 'E', 'O', 'F'}), {}},
        IpsLimitCase{"RunEndingAtTheLimit",
                     bytesOf({0xFF, 0xF0, 0x00, 0x00, 0x00, 0x10, 0x00, 0xCC, 'E', 'O', 'F'}),
                     QByteArray(1, '\0') + QByteArray(0x1000, char(0xCC))},
        IpsLimitCase{"RunOneBytePast", bytesOf({0xFF, 0xF0, 0x00, 0x00, 0x00, 0x10, 0x01, 0xCC, 'E', 'O', 'F'}), {}}),
    [](const testing::TestParamInfo<IpsLimitCase>& info) { return std::string(info.param.name); });

TEST(IpsCreate, KnownAnswers)
{
    const QByteArray original(64, '\0');
    QByteArray modified = original;
    modified[3] = char(0x42);
    EXPECT_EQ(IpsPatch::create(original, modified).data, ips({0, 0, 3, 0, 1, 0x42, 'E', 'O', 'F'}));

    // Changes a few bytes apart share a record; further apart they do not.
    modified[8] = char(0x43);
    EXPECT_EQ(IpsPatch::create(original, modified).data,
              ips({0, 0, 3, 0, 6, 0x42, 0, 0, 0, 0, 0x43, 'E', 'O', 'F'}));
    modified[8] = 0;
    modified[20] = char(0x43);
    EXPECT_EQ(IpsPatch::create(original, modified).data,
              ips({0, 0, 3, 0, 1, 0x42, 0, 0, 20, 0, 1, 0x43, 'E', 'O', 'F'}));

    // Twenty equal bytes become one run.
    modified = original;
    modified.replace(30, 20, QByteArray(20, char(0x77)));
    EXPECT_EQ(IpsPatch::create(original, modified).data, ips({0, 0, 30, 0, 0, 0, 20, 0x77, 'E', 'O', 'F'}));

    // A shorter file ends with its size; a longer one carries its tail.
    EXPECT_EQ(IpsPatch::create(original, original.left(40)).data, ips({'E', 'O', 'F', 0, 0, 40}));
    // None cuts a file to nothing: applied, it would empty any file.
    EXPECT_FALSE(IpsPatch::create(original, QByteArray()).ok());
    EXPECT_EQ(IpsPatch::create(original.left(40), original).data,
              ips({0, 0, 40, 0, 0, 0, 24, 0, 'E', 'O', 'F'}));
}

TEST(IpsCreate, RunsInsideChangedStretchesAreTakenOutOnlyWhereShorter)
{
    const QByteArray original(256, '\0');
    for (const int run : {3, 8, 13, 14, 40}) {
        QByteArray modified = original;
        modified.replace(10, 6, bytesOf({1, 2, 3, 4, 5, 6}));
        modified.replace(16, run, QByteArray(run, char(0x55)));
        modified.replace(16 + run, 6, bytesOf({7, 8, 9, 10, 11, 12}));
        const patch::PatchResult made = IpsPatch::create(original, modified);
        const QByteArray literal = ips(bytesOf({0, 0, 10, 0, 12 + run}) + modified.mid(10, 12 + run) + "EOF");
        if (run <= 13)
            EXPECT_EQ(made.data, literal) << run;
        else
            EXPECT_LT(made.data.size(), literal.size()) << run;
        EXPECT_EQ(IpsPatch::apply(original, made.data).data, modified) << run;
    }
}

TEST(IpsCreate, NoRecordStartsAtTheOffsetThatReadsEof)
{
    constexpr qint64 eof = IpsPatch::kEofOffset;
    const QByteArray original = noiseBytes(eof + 0x20000, 3);
    struct Case {
        const char* what;
        qint64 at;
        qint64 length;
        bool run;  // else every byte flipped
    };
    const QList<Case> cases = {
        {"a change starting there", eof, 5, false},
        {"a run starting there", eof, 30, true},
        {"a long change whose second record would start there", eof - 0xFFFF, 0x10010, false},
        {"a change ending there", eof - 4, 4, false},
    };
    for (const Case& c : cases) {
        QByteArray modified = original;
        for (qint64 i = c.at; i < c.at + c.length; ++i)
            modified[i] = c.run ? char(original[c.at] ^ 0xFF) : char(original[i] ^ 0xFF);
        const patch::PatchResult made = IpsPatch::create(original, modified);
        ASSERT_TRUE(made.ok()) << c.what;
        EXPECT_FALSE(recordOffsets(made.data).contains(eof)) << c.what;
        const patch::PatchResult applied = IpsPatch::apply(original, made.data);
        ASSERT_TRUE(applied.ok()) << c.what << ": " << applied.error.toStdString();
        EXPECT_TRUE(applied.data == modified) << c.what;
    }
}

TEST(IpsCreate, RoundTripsRandomEditsGrowthAndShrinking)
{
    for (quint32 seed = 1; seed <= 20; ++seed) {
        SampleRandom random(seed);
        const QByteArray original = noiseBytes(random.between(0, 4000), seed);
        QByteArray modified = original;
        for (int edit = random.below(6); edit > 0 && !modified.isEmpty(); --edit) {
            const int at = random.below(int(modified.size()));
            modified.replace(at, random.between(1, 300), random.below(2) ? noiseBytes(random.between(1, 300), seed)
                                                                         : QByteArray(random.between(1, 300), 'z'));
        }
        if (random.below(3) == 0)
            modified.truncate(random.below(int(modified.size()) + 1));
        const patch::PatchResult made = IpsPatch::create(original, modified);
        ASSERT_TRUE(made.ok()) << seed;
        EXPECT_EQ(IpsPatch::apply(original, made.data).data, modified) << seed;
    }
}
