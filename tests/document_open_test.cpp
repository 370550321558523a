#include "rom/romidentity.h"
#include "tests/fifofeed.h"
#include "tests/testsupport.h"
#include "document/parts/formationspart.h"
#include "document/parts/itemspart.h"
#include "document/parts/monsterspart.h"

#include <QFileInfo>
#include <QLocale>

#include <gtest/gtest.h>

using namespace tessel;

namespace {

QByteArray withTitle(QByteArray image, const char* title)
{
    image.replace(rom::fileOffset(rom::kTitleAddress), rom::kTitleLength, QByteArray(title, rom::kTitleLength));
    return image;
}

// Opens bytes as a file and returns the one message shown, or "" if none.
struct OpenOutcome {
    bool opened;
    QList<platform::RecordingMessageService::Entry> messages;
    bool loaded;
};

OpenOutcome openBytes(const QByteArray& bytes)
{
    TempRom file(bytes);
    TestDoc t;
    const bool opened = t.doc.open(file.path());
    return {opened, t.messages.entries, t.doc.isLoaded()};
}

}  // namespace

TEST(DocumentOpen, AcceptsTheSampleRomAndDecodesItsTables)
{
    TempRom file;
    TestDoc t;
    ASSERT_TRUE(t.doc.open(file.path()));
    EXPECT_TRUE(t.doc.isLoaded());
    EXPECT_FALSE(t.doc.isModified());
    EXPECT_TRUE(t.messages.entries.isEmpty());
    EXPECT_EQ(t.doc.pathName(), file.path());
    // A table from each group made it into the document.
    const QByteArray& image = sampleRomBytes();
    EXPECT_EQ(QByteArray(reinterpret_cast<const char*>(t.doc.part<ItemsPart>().table().items[5].name.data()), 13),
              bytesAt(image, 0xD2B300 + 5 * 13, 13));
    EXPECT_EQ(QByteArray(reinterpret_cast<const char*>(t.doc.part<MonstersPart>().table().monsters[383].stats().data()), 32),
              bytesAt(image, 0xCF0000 + 383 * 32, 32));
    EXPECT_EQ(QByteArray(reinterpret_cast<const char*>(t.doc.part<FormationsPart>().table().formations[575].extra().data()), 4),
              bytesAt(image, 0xCF5900 + 575 * 4, 4));
}

TEST(DocumentOpen, RefusesWrongTitlesWithTheTitleMessage)
{
    const QByteArray sample = sampleRomBytes();
    const char* titles[] = {
        "FINAL FANTASY 3     X",  // a trailing space differs
        "Final Fantasy 3      ",  // letter case differs
        "FINAL FANTASY 2      ",
    };
    for (const char* title : titles) {
        const OpenOutcome outcome = openBytes(withTitle(sample, title));
        EXPECT_FALSE(outcome.opened) << title;
        EXPECT_FALSE(outcome.loaded);
        ASSERT_EQ(outcome.messages.size(), 1);
        EXPECT_EQ(outcome.messages[0].text, QString::fromLatin1(rom::kWrongTitleMessage));
    }
}

TEST(DocumentOpen, RefusesAHeaderlessImageWithTheTitleMessage)
{
    const OpenOutcome outcome = openBytes(sampleRomBytes().mid(rom::kHeaderSize));
    EXPECT_FALSE(outcome.opened);
    ASSERT_EQ(outcome.messages.size(), 1);
    EXPECT_EQ(outcome.messages[0].text, QString::fromLatin1(rom::kWrongTitleMessage));
}

TEST(DocumentOpen, RefusesOtherVersionsAndChecksTheTitleFirst)
{
    QByteArray image = sampleRomBytes();
    image[rom::fileOffset(rom::kVersionAddress)] = char(0x01);
    OpenOutcome outcome = openBytes(image);
    EXPECT_FALSE(outcome.opened);
    ASSERT_EQ(outcome.messages.size(), 1);
    EXPECT_EQ(outcome.messages[0].text, QString::fromLatin1(rom::kWrongVersionMessage));

    outcome = openBytes(withTitle(image, "SOMETHING ELSE       "));
    ASSERT_EQ(outcome.messages.size(), 1);
    EXPECT_EQ(outcome.messages[0].text, QString::fromLatin1(rom::kWrongTitleMessage));
}

TEST(DocumentOpen, RefusesAFileCutShortAfterItsTitle)
{
    const OpenOutcome outcome = openBytes(sampleRomBytes().left(0x200000));
    EXPECT_FALSE(outcome.opened);
    EXPECT_FALSE(outcome.loaded);
    ASSERT_EQ(outcome.messages.size(), 1);
    EXPECT_EQ(outcome.messages[0].text, QString::fromLatin1(rom::kShortFileMessage));
}

TEST(DocumentOpen, EmptyAndMissingFilesGetTheFileErrorReport)
{
    OpenOutcome outcome = openBytes(QByteArray());
    EXPECT_FALSE(outcome.opened);
    ASSERT_EQ(outcome.messages.size(), 1);
    EXPECT_TRUE(outcome.messages[0].text.startsWith(QStringLiteral("Could not open ")));
    EXPECT_NE(outcome.messages[0].text, QString::fromLatin1(rom::kWrongTitleMessage));

    TestDoc t;
    EXPECT_FALSE(t.doc.open(QStringLiteral("/nonexistent/folder/rom.smc")));
    ASSERT_EQ(t.messages.entries.size(), 1);
    EXPECT_TRUE(t.messages.entries[0].text.startsWith(QStringLiteral("Could not open ")));
}

TEST(DocumentOpen, ARefusedFileClearsThePreviousDocumentButAMissingOneKeepsIt)
{
    TempRom good;
    TestDoc t;
    ASSERT_TRUE(t.doc.open(good.path()));
    EXPECT_FALSE(t.doc.open(good.dir() + QStringLiteral("/missing.smc")));
    EXPECT_TRUE(t.doc.isLoaded());
    EXPECT_EQ(t.doc.pathName(), good.path());

    TempRom bad(withTitle(sampleRomBytes(), "NOT A GAME AT ALL    "));
    EXPECT_FALSE(t.doc.open(bad.path()));
    EXPECT_FALSE(t.doc.isLoaded());
    EXPECT_TRUE(t.doc.pathName().isEmpty());
    EXPECT_EQ(t.doc.part<ItemsPart>().table().items[5].name[0], 0);
}

// Open reads no more than the largest ROM a save could write, from a file
// of any kind, and a refusal for size keeps the document that was open.
TEST(DocumentOpen, AFileLargerThanAnySaveIsRefusedWithItsSize)
{
    TempRom good;
    TestDoc t;
    ASSERT_TRUE(t.doc.open(good.path()));
    TempRom big(sampleRomBytes() + QByteArray(0x100001, '\0'));
    EXPECT_FALSE(t.doc.open(big.path()));
    ASSERT_EQ(t.messages.entries.size(), 1);
    EXPECT_TRUE(t.messages.entries[0].text.contains(QLocale().toString(qint64(4194817)) + QStringLiteral(" bytes")))
        << t.messages.entries[0].text.toStdString();
    EXPECT_EQ(t.doc.pathName(), good.path());
    EXPECT_TRUE(t.doc.isLoaded());

    if (QFileInfo::exists(QStringLiteral("/dev/zero"))) {
        EXPECT_FALSE(t.doc.open(QStringLiteral("/dev/zero")));
        ASSERT_EQ(t.messages.entries.size(), 2);
        EXPECT_TRUE(t.messages.entries[1].text.contains(QStringLiteral("holds more than")));
        EXPECT_EQ(t.doc.pathName(), good.path());
    }
    FifoFeed piped(catCommand(good.path()));
    if (!piped.path().isEmpty()) {
        EXPECT_TRUE(t.doc.open(piped.path()));
        EXPECT_EQ(t.doc.pathName(), piped.path());
    }
}
