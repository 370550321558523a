#include "events/entrytext.h"
#include "events/eventlister.h"
#include "events/eventtables.h"
#include "events/listingwriter.h"
#include "events/scriptlisting.h"
#include "rom/romimage.h"
#include "tests/testsupport.h"

#include <QMap>
#include <QRegularExpression>

#include <gtest/gtest.h>

using namespace tessel;
using namespace tessel::events;

namespace {

struct Sample {
    RomImage rom;
    EventTables tables;
    ScriptListing listing;

    explicit Sample(const QByteArray& image = sampleRomBytes())
    {
        rom.openInMemory(image, RomImage::Mode::Loading);
        tables.load(rom);
        listing = ScriptListing::build(rom, tables);
    }
};

const Sample& sample()
{
    static const Sample s;
    return s;
}

// A sample ROM with `bytes` written at `address` of the script area.
QByteArray patched(SnesAddress address, const QByteArray& bytes)
{
    QByteArray image = sampleRomBytes();
    image.replace(rom::fileOffset(address), bytes.size(), bytes);
    return image;
}

QString prefixOf(SnesAddress address)
{
    return QStringLiteral("%1/%2: ")
        .arg(address >> 16, 2, 16, QLatin1Char('0'))
        .arg(address & 0xFFFF, 4, 16, QLatin1Char('0'))
        .toUpper();
}

}  // namespace

TEST(ScriptListing, IsTheListerOutputLineForLine)
{
    RomImage rom;
    rom.openInMemory(sampleRomBytes(), RomImage::Mode::Loading);
    EventTables tables;
    tables.load(rom);
    ListingWriter out;
    EventLister(rom, tables).listAll(out);

    const ScriptListing& listing = sample().listing;
    ASSERT_EQ(listing.text(), out.text());
    std::string joined;
    for (int i = 0; i < listing.size(); ++i) {
        const std::string_view lines = listing.lines(i);
        joined.append(lines);
        ASSERT_TRUE(QString::fromUtf8(lines.data(), qsizetype(lines.size())).startsWith(prefixOf(listing.address(i))))
            << i;
    }
    EXPECT_EQ(joined, out.text());
    // Every line that starts with an address is an entry of its own.
    static const QRegularExpression addressed(QStringLiteral("^[0-9A-F]{2}/[0-9A-F]{4}: "));
    int addressedLines = 0;
    for (const QString& line : QString::fromUtf8(out.text().data(), qsizetype(out.text().size())).split(u'\n'))
        addressedLines += addressed.match(line).hasMatch();
    EXPECT_EQ(addressedLines, listing.size());
}

TEST(ScriptListing, EntriesTileTheAreaWithoutGaps)
{
    const ScriptListing& listing = sample().listing;
    ASSERT_GT(listing.size(), 50000);
    EXPECT_EQ(listing.address(0), kScriptAreaStart);
    for (int i = 0; i + 1 < listing.size(); ++i) {
        ASSERT_FALSE(listing.bytes(i).empty()) << i;
        ASSERT_EQ(listing.address(i) + listing.bytes(i).size(), listing.address(i + 1)) << i;
    }
    const int last = listing.size() - 1;
    EXPECT_GE(listing.address(last), kScriptAreaEnd);
    EXPECT_LT(listing.address(last - 1), kScriptAreaEnd);
    // Each entry's bytes are the ROM's bytes at its address.
    const QByteArray image = sampleRomBytes();
    for (int i : {0, 1, listing.size() / 2, last})
        EXPECT_EQ(listing.byteArray(i), image.mid(rom::fileOffset(listing.address(i)), listing.bytes(i).size())) << i;
    EXPECT_EQ(listing.indexAt(listing.address(7) + 1), listing.bytes(7).size() > 1 ? 7 : 8);
    EXPECT_EQ(listing.indexAt(kScriptAreaStart - 1), -1);
}

TEST(ScriptListing, MessageAndItemReferencesMatchAScanOfTheText)
{
    const ScriptListing& listing = sample().listing;
    QMap<QString, int> fromModel, fromText;
    for (int i = 0; i < listing.size(); ++i)
        for (const RecordRef& ref : listing.references(i))
            if (ref.kind == RecordKind::Message || ref.kind == RecordKind::Item)
                ++fromModel[ref.toString()];
    static const QRegularExpression message(QStringLiteral("Display dialogue message \\$([0-9A-F]{4})"));
    static const QRegularExpression item(QStringLiteral(" item \\$([0-9A-F]{2}) "));
    const QString text = QString::fromUtf8(listing.text().data(), qsizetype(listing.text().size()));
    for (const QString& line : text.split(QLatin1Char('\n'))) {
        if (const QRegularExpressionMatch m = message.match(line); m.hasMatch())
            ++fromText[QStringLiteral("message %1").arg(m.captured(1).toInt(nullptr, 16))];
        if (const QRegularExpressionMatch m = item.match(line); m.hasMatch())
            ++fromText[QStringLiteral("item %1").arg(m.captured(1).toInt(nullptr, 16))];
    }
    ASSERT_GT(fromText.size(), 10);
    EXPECT_EQ(fromModel, fromText);
}

TEST(ScriptListing, CommandTextLeavesOutThePrefixAndTheMessage)
{
    // A dialogue command, trigger subroutines on two lines, a map chunk.
    const Sample s(patched(0xCA0000, bytesOf({0x4B, 0x05, 0x40, 0xBE, 0x02, 0x10, 0x00, 0x10, 0xCD, 0xAB, 0x20,
                                              0x73, 0x01, 0x02, 0x01, 0x02, 0x0A, 0x0B, 0x6A, 0x34, 0x01, 0, 0, 0})));
    const ScriptListing& l = s.listing;
    EXPECT_EQ(l.commandText(0), QStringLiteral("Display dialogue message $0005, wait for button press (Show text only)"));
    EXPECT_FALSE(l.messageText(0).isEmpty());
    EXPECT_TRUE(QString::fromUtf8(l.lines(0).data(), qsizetype(l.lines(0).size()))
                    .endsWith(QStringLiteral("               ") + l.messageText(0) + QLatin1Char('\n')));
    EXPECT_EQ(l.references(0), (QList<RecordRef>{{RecordKind::Message, 5}}));

    EXPECT_EQ(l.address(1), 0xCA0003u);
    EXPECT_EQ(l.commandText(1), QStringLiteral("If standing left of the trigger, jump to subroutine $CA0010; \n"
                                               "If standing above the trigger, jump to subroutine $CAABCD"));
    EXPECT_EQ(l.references(1), (QList<RecordRef>{RecordRef::event(0xCA0010), RecordRef::event(0xCAABCD)}));
    EXPECT_TRUE(l.messageText(1).isEmpty());

    EXPECT_EQ(l.kind(2), EntryKind::Command);
    EXPECT_EQ(l.byteArray(2), bytesOf({0x73, 0x01, 0x02, 0x01, 0x02}));
    EXPECT_EQ(l.kind(3), EntryKind::DataRow);
    EXPECT_EQ(l.commandText(3), QStringLiteral("dc.b $0A, $0B"));
    EXPECT_EQ(l.references(4), (QList<RecordRef>{{RecordKind::Location, 0x134}}));
    EXPECT_EQ(l.referencing({RecordKind::Location, 0x134}).value(0), 4);
}

TEST(ScriptListing, QueuesAreAHeaderAndOneEntryPerCommand)
{
    // Queue for character 0, 3 bytes long: two one-byte codes and a branch
    // back by 2 bytes.
    const Sample s(patched(0xCA0000, bytesOf({0x00, 0x83, 0x80, 0x81, 0xFC, 0x02})));
    const ScriptListing& l = s.listing;
    EXPECT_EQ(l.kind(0), EntryKind::QueueHeader);
    EXPECT_EQ(l.byteArray(0), bytesOf({0x00, 0x83}));
    EXPECT_EQ(l.kind(1), EntryKind::QueueCommand);
    EXPECT_EQ(l.kind(3), EntryKind::QueueCommand);
    EXPECT_EQ(l.byteArray(3), bytesOf({0xFC, 0x02}));
    EXPECT_EQ(l.references(3), (QList<RecordRef>{RecordRef::event(0xCA0002)}));
    // The branch starts inside the queue and is read whole past its end.
    EXPECT_EQ(l.address(4), 0xCA0006u);
    EXPECT_NE(l.kind(4), EntryKind::QueueCommand);
}

TEST(ScriptListing, OneEntryAloneReadsAsInTheWholeListing)
{
    const Sample& s = sample();
    const ScriptListing& l = s.listing;
    // Every 97th entry, and the first indexed branches and chunk rows,
    // which depend on what comes before them.
    QMap<EntryKind, int> compared;
    int branches = 0;
    for (int i = 0; i < l.size(); ++i) {
        const bool branch = l.kind(i) == EntryKind::Command && l.opcode(i) == 0xB6;
        const bool row = l.kind(i) == EntryKind::DataRow;
        if (i % 97 != 0 && !(branch && branches < 20) && !(row && compared[EntryKind::DataRow] < 20))
            continue;
        ASSERT_EQ(entryText(l.kind(i), l.address(i), l.bytes(i), s.tables), l.commandText(i)) << i;
        ++compared[l.kind(i)];
        branches += branch;
    }
    EXPECT_EQ(compared.size(), 4);
    EXPECT_GT(branches, 0);
}
