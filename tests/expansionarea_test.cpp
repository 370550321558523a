#include "tests/testsupport.h"
#include "text/dialoguescript.h"
#include "worldmap/lzcodec.h"
#include "worldmap/worldmap.h"
#include "document/parts/dialoguepart.h"
#include "document/parts/worldmappart.h"

#include <gtest/gtest.h>

using namespace tessel;

namespace {

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
    setMessages(first.doc, 40, QString(2000, QLatin1Char('A')));
    roughenMap(*worldMapOf(first.doc, 1), 140, 7);
    ASSERT_TRUE(first.doc.save(file.path())) << first.messages.entries.value(0).text.toStdString();
    const QByteArray once = file.read();
    ASSERT_EQ(once.size(), 0x400200);
    // The moved tile map lies behind the text, and zeros follow it.
    const SnesAddress ruinMap = pointerAt(once, 0xEEB221);
    EXPECT_GT(ruinMap, 0xF00000u);
    EXPECT_EQ(pointerAt(once, 0xEEB224), ruinMap);
    const QByteArray stream = LzCodec::encode(worldMapOf(first.doc, 1)->tileMap);
    EXPECT_EQ(bytesAt(once, ruinMap, int(stream.size())), stream);
    EXPECT_EQ(dataEnd(once), rom::fileOffset(ruinMap) + stream.size());
    expectSameDialogueAndMaps(first.doc, file.path());

    // More text next time: the text pushes the map block further back and
    // both survive.
    TestDoc second;
    ASSERT_TRUE(second.doc.open(file.path()));
    setMessages(second.doc, 55, QString(2000, QLatin1Char('A')));
    ASSERT_TRUE(second.doc.save(file.path()));
    const QByteArray twice = file.read();
    ASSERT_EQ(twice.size(), 0x400200);
    EXPECT_GT(pointerAt(twice, 0xEEB221), ruinMap);
    expectSameDialogueAndMaps(second.doc, file.path());
    EXPECT_EQ(dataEnd(twice), rom::fileOffset(pointerAt(twice, 0xEEB221)) + stream.size());

    // Less text: the block moves forward and the stale bytes behind it are cleared.
    TestDoc third;
    ASSERT_TRUE(third.doc.open(file.path()));
    for (int i = 0; i < 55; ++i)
        ASSERT_TRUE(ParseDialogue(third.doc.part<DialoguePart>().dialogue().messages[std::size_t(i)], QStringLiteral("Hi.")));
    ASSERT_TRUE(third.doc.save(file.path()));
    const QByteArray thrice = file.read();
    EXPECT_EQ(pointerAt(thrice, 0xEEB221), 0xF00000u);
    EXPECT_EQ(dataEnd(thrice), rom::fileOffset(0xF00000) + stream.size());
    expectSameDialogueAndMaps(third.doc, file.path());

    // And a save without edits writes the same bytes.
    TestDoc fourth;
    ASSERT_TRUE(fourth.doc.open(file.path()));
    ASSERT_TRUE(fourth.doc.save(file.path()));
    EXPECT_EQ(file.read(), thrice);
}
