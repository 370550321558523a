#include "tests/testsupport.h"
#include "text/dialoguescript.h"
#include "tools/samplerom/samplerandom.h"
#include "worldmap/lzcodec.h"
#include "worldmap/worldmap.h"

#include <gtest/gtest.h>

namespace {

SnesAddress pointerAt(const QByteArray& image, SnesAddress location)
{
    const QByteArray p = bytesAt(image, location, 3);
    return quint8(p[0]) | quint8(p[1]) << 8 | quint8(p[2]) << 16;
}

// Makes `count` messages 2,000 letters long, so the text overflows the game's area.
void growDialogue(CFF3Doc& doc, int count)
{
    const QString longText(2000, QLatin1Char('A'));
    for (int i = 0; i < count; ++i)
        ASSERT_EQ(ParseDialogue(doc.dialogue.messages[std::size_t(i)], longText), 0);
}

// Scatters random tiles so the World of Ruin tile map outgrows its room.
void roughenRuin(CFF3Doc& doc)
{
    SampleRandom random(7);
    WorldMap& ruin = *doc.worldMaps.map(1);
    for (int row = 0; row < 140; ++row)
        for (int column = 0; column < 140; ++column)
            ruin.setTile(column, row, 32 + random.below(32));
}

// Checks a reopened file against the document that saved it.
void expectSameContent(const CFF3Doc& saved, const QString& path)
{
    TestDoc reopened;
    ASSERT_TRUE(reopened.doc.open(path));
    ASSERT_EQ(reopened.doc.dialogue.messages.size(), saved.dialogue.messages.size());
    for (std::size_t i = 0; i < saved.dialogue.messages.size(); ++i)
        ASSERT_EQ(reopened.doc.dialogue.messages[i].bytes, saved.dialogue.messages[i].bytes) << i;
    for (int m = 0; m < 2; ++m)
        EXPECT_EQ(reopened.doc.worldMaps.map(m)->tileMap, saved.worldMaps.map(m)->tileMap) << m;
}

// Offset just past the last nonzero byte.
qsizetype dataEnd(const QByteArray& image)
{
    qsizetype end = image.size();
    while (end > 0 && image[end - 1] == 0)
        --end;
    return end;
}

}  // namespace

TEST(ExpansionArea, OverflowingTextAndMovedMapBlocksShareItAcrossSaves)
{
    TempRom file;
    TestDoc first;
    ASSERT_TRUE(first.doc.open(file.path()));
    growDialogue(first.doc, 40);
    roughenRuin(first.doc);
    ASSERT_TRUE(first.doc.save(file.path())) << first.messages.entries.value(0).text.toStdString();
    const QByteArray once = file.read();
    ASSERT_EQ(once.size(), 0x400200);
    // The moved tile map lies behind the text, and zeros follow it.
    const SnesAddress ruinMap = pointerAt(once, 0xEEB221);
    EXPECT_GT(ruinMap, 0xF00000u);
    EXPECT_EQ(pointerAt(once, 0xEEB224), ruinMap);
    const QByteArray stream = LzCodec::encode(first.doc.worldMaps.map(1)->tileMap);
    EXPECT_EQ(bytesAt(once, ruinMap, int(stream.size())), stream);
    EXPECT_EQ(dataEnd(once), rom::fileOffset(ruinMap) + stream.size());
    expectSameContent(first.doc, file.path());

    // More text next time: the text pushes the map block further back and
    // both survive.
    TestDoc second;
    ASSERT_TRUE(second.doc.open(file.path()));
    growDialogue(second.doc, 55);
    ASSERT_TRUE(second.doc.save(file.path()));
    const QByteArray twice = file.read();
    ASSERT_EQ(twice.size(), 0x400200);
    EXPECT_GT(pointerAt(twice, 0xEEB221), ruinMap);
    expectSameContent(second.doc, file.path());
    EXPECT_EQ(dataEnd(twice), rom::fileOffset(pointerAt(twice, 0xEEB221)) + stream.size());

    // Less text: the block moves forward and the stale bytes behind it are cleared.
    TestDoc third;
    ASSERT_TRUE(third.doc.open(file.path()));
    for (int i = 0; i < 55; ++i)
        ASSERT_EQ(ParseDialogue(third.doc.dialogue.messages[std::size_t(i)], QStringLiteral("Hi.")), 0);
    ASSERT_TRUE(third.doc.save(file.path()));
    const QByteArray thrice = file.read();
    EXPECT_EQ(pointerAt(thrice, 0xEEB221), 0xF00000u);
    EXPECT_EQ(dataEnd(thrice), rom::fileOffset(0xF00000) + stream.size());
    expectSameContent(third.doc, file.path());

    // And a save without edits writes the same bytes.
    TestDoc fourth;
    ASSERT_TRUE(fourth.doc.open(file.path()));
    ASSERT_TRUE(fourth.doc.save(file.path()));
    EXPECT_EQ(file.read(), thrice);
}
