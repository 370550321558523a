// Other tools' data past the 3 MB image: every save keeps it byte for byte
// and places Tessel's own data around it.
#include "rom/expansionarea.h"
#include "tests/testsupport.h"
#include "text/dialogueaddresses.h"
#include "text/dialoguescript.h"
#include "tools/samplerom/samplerandom.h"
#include "worldmap/lzcodec.h"
#include "worldmap/worldmap.h"
#include "document/parts/dialoguepart.h"
#include "document/parts/worldmappart.h"

#include <QRegularExpression>

#include <gtest/gtest.h>

using namespace tessel;

namespace {

struct ForeignBlock {
    SnesAddress start;
    QByteArray bytes;
};

QByteArray randomNonZero(SampleRandom& random, int size)
{
    QByteArray bytes(size, '\0');
    for (char& c : bytes)
        c = char(random.between(1, 255));
    return bytes;
}

// Data at the start, in the middle and at the very end of the added
// megabyte; the first block has 100 zero bytes inside, a run too short to be
// free space.
const std::vector<ForeignBlock>& foreignBlocks()
{
    static const std::vector<ForeignBlock> blocks = [] {
        SampleRandom random(4242);
        QByteArray first = randomNonZero(random, 0x2000);
        first.replace(0x1000, 100, QByteArray(100, '\0'));
        return std::vector<ForeignBlock>{{0xF00000, first},
                                         {0xF40000, randomNonZero(random, 0x1000)},
                                         {0xFC0000, randomNonZero(random, 0x800)},
                                         {0xFFFF00, randomNonZero(random, 0x100)}};
    }();
    return blocks;
}
constexpr quint32 kForeignBytes = 0x2000 - 100 + 0x1000 + 0x800 + 0x100;

QByteArray withForeignBlocks(const QByteArray& image = sampleRomBytes())
{
    QByteArray grown = image.leftJustified(0x400200, '\0');
    for (const ForeignBlock& block : foreignBlocks())
        grown.replace(rom::fileOffset(block.start), block.bytes.size(), block.bytes);
    return grown;
}

void expectForeignBlocksKept(const QByteArray& file)
{
    ASSERT_EQ(file.size(), 0x400200);
    for (const ForeignBlock& block : foreignBlocks())
        EXPECT_TRUE(bytesAt(file, block.start, int(block.bytes.size())) == block.bytes) << std::hex << block.start;
}

// The banks of the relocated dialogue's groups.
std::vector<quint8> dialogueBanks(const QByteArray& image)
{
    std::vector<quint8> banks;
    for (SnesAddress at = dialogue::kGroupTableAddress; banks.size() < 20; at += 3) {
        const QByteArray entry = bytesAt(image, at, 3);
        banks.push_back(quint8(entry[2]));
        if (quint8(entry[0]) == 0xFF && quint8(entry[1]) == 0xFF)
            break;
    }
    return banks;
}

// Scatters random tiles so the World of Ruin tile map outgrows its room.
void roughenRuin(CFF3Doc& doc, quint32 seed = 7)
{
    roughenMap(*worldMapOf(doc, 1), 140, seed);
}

QString saveMessage(const TestDoc& t)
{
    return t.messages.entries.isEmpty() ? QString() : t.messages.entries.back().text;
}

}  // namespace

TEST(ForeignData, SurvivesSavesThatGrowShrinkAndGrowTheTextAgain)
{
    TempRom file(withForeignBlocks());
    const QString longText(2000, QLatin1Char('A'));
    struct Step {
        int messages;
        QString text;
        bool moveMap;
    };
    for (const Step& step : {Step{40, longText, true}, Step{55, QStringLiteral("Hi."), false},
                             Step{55, longText, false}}) {
        TestDoc t;
        ASSERT_TRUE(t.doc.open(file.path()));
        EXPECT_EQ(t.doc.foreignBytesPastImage(), kForeignBytes);
        setMessages(t.doc, step.messages, step.text);
        if (step.moveMap)
            roughenRuin(t.doc);
        ASSERT_TRUE(t.doc.save(file.path())) << saveMessage(t).toStdString();
        const QByteArray saved = file.read();
        expectForeignBlocksKept(saved);
        expectSameDialogueAndMaps(t.doc, file.path());
        // No message lies in a bank that holds foreign bytes.
        for (quint8 bank : dialogueBanks(saved))
            EXPECT_TRUE(bank != 0xF0 && bank != 0xF4 && bank != 0xFC && bank != 0xFF) << int(bank);
        EXPECT_EQ(dialogueBanks(saved).back() >= 0xF0, step.text == longText) << step.messages;
        // The moved map block lies in free space, clear of foreign data.
        const SnesAddress ruin = pointerAt(saved, 0xEEB221);
        const quint32 length = quint32(LzCodec::encode(worldMapOf(t.doc, 1)->tileMap).size());
        for (const ForeignBlock& block : foreignBlocks())
            EXPECT_TRUE(ruin + length <= block.start || ruin >= block.start + quint32(block.bytes.size()) + 16)
                << std::hex << ruin;
    }
}

TEST(ForeignData, AWhollyForeignMegabyteRefusesASaveThatNeedsItAndChangesNothing)
{
    const QByteArray image = sampleRomBytes() + QByteArray(0x100000, char(0x5A));
    TempRom file(image);
    {
        TestDoc t;
        ASSERT_TRUE(t.doc.open(file.path()));
        EXPECT_EQ(t.doc.foreignBytesPastImage(), 0x100000u);
        setMessages(t.doc, 40, QString(2000, QLatin1Char('A')));
        EXPECT_FALSE(t.doc.save(file.path()));
        EXPECT_TRUE(saveMessage(t).contains(QStringLiteral("bytes of room are missing"))) << saveMessage(t).toStdString();
        EXPECT_TRUE(file.read() == image);
    }
    TestDoc t;
    ASSERT_TRUE(t.doc.open(file.path()));
    roughenRuin(t.doc);
    EXPECT_FALSE(t.doc.save(file.path()));
    const QString stream = QString::number(LzCodec::encode(worldMapOf(t.doc, 1)->tileMap).size());
    EXPECT_TRUE(saveMessage(t).contains(stream + QStringLiteral(" bytes of room are missing")))
        << saveMessage(t).toStdString();
    EXPECT_TRUE(file.read() == image);
    // A save that needs no room past the image goes through, and keeps it all.
    TestDoc plain;
    ASSERT_TRUE(plain.doc.open(file.path()));
    ASSERT_TRUE(plain.doc.save(file.path()));
    EXPECT_TRUE(file.read().mid(0x300200) == image.mid(0x300200));
}

TEST(ForeignData, AMovedMapBlockTakesTheFirstFreeRunPastForeignData)
{
    // Foreign data at $F0:0000-$F0:0FFF with a 200-byte gap of zeros inside.
    QByteArray image = sampleRomBytes().leftJustified(0x400200, '\0');
    SampleRandom random(5);
    image.replace(rom::fileOffset(0xF00000), 0x800, randomNonZero(random, 0x800));
    image.replace(rom::fileOffset(0xF008C8), 0x1000 - 0x8C8, randomNonZero(random, 0x1000 - 0x8C8));
    TempRom file(image);
    TestDoc t;
    ASSERT_TRUE(t.doc.open(file.path()));
    roughenRuin(t.doc);
    ASSERT_TRUE(t.doc.save(file.path())) << saveMessage(t).toStdString();
    const QByteArray saved = file.read();
    // Neither the gap nor the 16 bytes after the data are used.
    EXPECT_EQ(pointerAt(saved, 0xEEB221), 0xF01010u);
    EXPECT_EQ(pointerAt(saved, 0xEEB224), 0xF01010u);
    EXPECT_TRUE(saved.left(rom::fileOffset(0xF01010)).mid(0x300200) == image.left(rom::fileOffset(0xF01010)).mid(0x300200));
    expectSameDialogueAndMaps(t.doc, file.path());
}

// Without foreign data a save lays the area out as it always has: the file
// Tessel's own earlier saves grew is saved to the same bytes as the plain
// image with the same edits.
TEST(ForeignData, WithoutItASaveWritesWhatItAlwaysHas)
{
    auto edit = [](CFF3Doc& doc) {
        setMessages(doc, 40, QString(2000, QLatin1Char('A')));
        roughenRuin(doc);
    };
    TempRom plain;
    TestDoc first;
    ASSERT_TRUE(first.doc.open(plain.path()));
    edit(first.doc);
    ASSERT_TRUE(first.doc.save(plain.path()));
    const QByteArray expected = plain.read();
    ASSERT_EQ(expected.size(), 0x400200);

    // A file grown by other edits: more text, another map.
    TempRom grown;
    {
        TestDoc other;
        ASSERT_TRUE(other.doc.open(grown.path()));
        setMessages(other.doc, 60, QString(1500, QLatin1Char('B')));
        roughenRuin(other.doc, 11);
        ASSERT_TRUE(other.doc.save(grown.path()));
    }
    TestDoc again;
    ASSERT_TRUE(again.doc.open(grown.path()));
    EXPECT_EQ(again.doc.foreignBytesPastImage(), 0u);
    EXPECT_GT(again.doc.expansionArea().ownBytes(), 0u);
    again.doc.part<DialoguePart>().dialogue() = first.doc.part<DialoguePart>().dialogue();
    *worldMapOf(again.doc, 1) = *worldMapOf(first.doc, 1);
    ASSERT_TRUE(again.doc.save(grown.path()));
    EXPECT_TRUE(grown.read() == expected);
}

TEST(ForeignData, InfoPrintsTheFiguresPastTheImage)
{
    TempRom sample;
    ToolRun run = runCli({QStringLiteral("info"), sample.path()});
    EXPECT_TRUE(run.out.contains(
        QStringLiteral("Past the 3 MB image: 0 bytes of other tools' data (kept), 0 bytes of Tessel's, 1048576 bytes free")))
        << run.out.toStdString();

    // The area less the foreign blocks, the 100-byte gap in one and 16
    // bytes after each of the three that end before $FF:FFFF.
    TempRom file(withForeignBlocks());
    run = runCli({QStringLiteral("info"), file.path()});
    const quint32 free = 0x100000 - 0x2000 - 0x1000 - 0x800 - 0x100 - 3 * 16;
    EXPECT_TRUE(run.out.contains(QStringLiteral("Past the 3 MB image: %1 bytes of other tools' data (kept), "
                                                "0 bytes of Tessel's, %2 bytes free")
                                     .arg(kForeignBytes)
                                     .arg(free)))
        << run.out.toStdString();

    // After a save that places text and a map block there, every byte is
    // accounted for: Tessel's, foreign, free, or the gap and the margins.
    TestDoc t;
    ASSERT_TRUE(t.doc.open(file.path()));
    setMessages(t.doc, 40, QString(2000, QLatin1Char('A')));
    roughenRuin(t.doc);
    ASSERT_TRUE(t.doc.save(file.path()));
    run = runCli({QStringLiteral("info"), file.path()});
    const QRegularExpression figures(QStringLiteral("Past the 3 MB image: (\\d+) bytes of other tools' data \\(kept\\), "
                                                    "(\\d+) bytes of Tessel's, (\\d+) bytes free"));
    const QRegularExpressionMatch match = figures.match(run.out);
    ASSERT_TRUE(match.hasMatch()) << run.out.toStdString();
    const quint32 own = match.captured(2).toUInt();
    EXPECT_EQ(match.captured(1).toUInt(), kForeignBytes);
    // The moved map block and at least one message of text.
    EXPECT_GT(own, quint32(LzCodec::encode(worldMapOf(t.doc, 1)->tileMap).size()) + 2000);
    EXPECT_EQ(match.captured(1).toUInt() + own + match.captured(3).toUInt() + 100 + 3 * 16, 0x100000u);
}
