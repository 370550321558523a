#include "document/longestwords.h"
#include "document/parts/dialoguepart.h"
#include "document/parts/fontspart.h"
#include "document/parts/itemspart.h"
#include "document/parts/monsterspart.h"
#include "document/textcatalog.h"
#include "tests/parseddialogue.h"
#include "tests/testsupport.h"
#include "text/dialoguepages.h"
#include "text/dialoguescript.h"

#include <QUndoStack>

#include <gtest/gtest.h>

using namespace tessel;

namespace {

// The sample document, open.
struct SampleText {
    SampleText() { EXPECT_TRUE(t.doc.open(rom.path())); }
    std::vector<DialogueMessage>& messages() { return t.doc.part<DialoguePart>().dialogue().messages; }
    QByteArray itemName(int item)
    {
        const auto& name = t.doc.part<ItemsPart>().table().items[std::size_t(item)].name;
        return QByteArray(reinterpret_cast<const char*>(name.data()), qsizetype(name.size()));
    }
    TempRom rom;
    TestDoc t;
};

const PoEntry* entryNamed(const std::vector<PoEntry>& entries, const QString& context)
{
    for (const PoEntry& entry : entries)
        if (entry.context == context)
            return &entry;
    return nullptr;
}

}  // namespace

TEST(TextCatalog, ExportHoldsMessagesAndNamesWithTheirLimitsAndReadsBack)
{
    SampleText s;
    s.messages()[5].bytes = parsed(QStringLiteral("<C 2>: Hi!\r\nBye.<P>\r\nNext"));
    QByteArray po;
    QString error;
    ASSERT_TRUE(textcatalog::write(s.t.doc, &po, &error)) << error.toStdString();
    std::vector<PoEntry> read;
    QStringList errors;
    ASSERT_TRUE(pofile::read(po, &read, &errors)) << errors.join(u'\n').toStdString();

    const PoEntry* message = entryNamed(read, QStringLiteral("dialogue 0005"));
    ASSERT_NE(message, nullptr);
    EXPECT_EQ(message->source, QStringLiteral("<C 2>: Hi!\nBye.<P>\nNext"));
    EXPECT_EQ(message->comment, QStringLiteral("at most 4 lines a page, 2 pages\ntags: <C 2> <P>"));
    EXPECT_TRUE(message->translation.isEmpty());
    EXPECT_EQ(po.count("msgctxt \"dialogue 0005\""), 1);
    EXPECT_TRUE(po.contains("Content-Type: text/plain; charset=UTF-8"));

    const PoEntry* item = entryNamed(read, QStringLiteral("item 1"));
    ASSERT_NE(item, nullptr);
    EXPECT_EQ(item->source, QStringLiteral("<D9>Bronze Blade"));
    EXPECT_EQ(item->comment, QStringLiteral("at most 13 characters\ntags: <D9>"));
    EXPECT_EQ(entryNamed(read, QStringLiteral("esper 2"))->source, QStringLiteral("Lumora"));
    EXPECT_EQ(entryNamed(read, QStringLiteral("monster 10"))->comment, QStringLiteral("at most 10 characters"));
    // The espers' names are theirs alone, not the spells' too.
    EXPECT_EQ(entryNamed(read, QStringLiteral("spell 54")), nullptr);
    EXPECT_NE(entryNamed(read, QStringLiteral("spell 53")), nullptr);
    // The entry's first line is its context's.
    const QList<QByteArray> lines = po.split('\n');
    EXPECT_EQ(lines[message->line - 1], QByteArray("msgctxt \"dialogue 0005\""));

    const ToolRun check = runTool(QStringLiteral("msgfmt"), {QStringLiteral("--version")});
    if (check.exitCode != 0)
        GTEST_SKIP() << "gettext's msgfmt is not installed: the PO file was not checked with it";
    const QString path = s.rom.dir() + QStringLiteral("/text.po");
    writeFileBytes(path, po);
    const ToolRun msgfmt =
        runTool(QStringLiteral("msgfmt"), {QStringLiteral("--check"), QStringLiteral("-o"), QStringLiteral("/dev/null"), path});
    EXPECT_EQ(msgfmt.exitCode, 0) << msgfmt.err.toStdString();
}

TEST(TextCatalog, ImportChangesExactlyTheTranslatedEntriesAsOneUndoStep)
{
    SampleText s;
    const std::vector<DialogueMessage> before = s.messages();
    const QByteArray item3 = s.itemName(3);
    const auto entry = [](const char* context, const char* translation, bool fuzzy = false) {
        return PoEntry{QString::fromLatin1(context), QStringLiteral("x"), QString::fromUtf8(translation), {}, fuzzy, 7};
    };
    const std::vector<PoEntry> entries = {
        entry("dialogue 0000", "<C 12>: Bonjour.\n\xE2\x80\x99Oui\xE2\x80\x99"),
        entry("dialogue 0002", "Encore"),
        entry("dialogue 0003", "Un\nDeux<P>\nTrois"),
        entry("item 1", "Lame"),
        entry("item 3", "Fuzzy", true),
        entry("dialogue 0004", ""),
    };
    textcatalog::ImportSummary summary;
    QStringList errors;
    const int steps = s.t.doc.undoStack()->count();
    ASSERT_TRUE(textcatalog::apply(s.t.doc, entries, &summary, &errors)) << errors.join(u'\n').toStdString();
    EXPECT_EQ(summary.messages, 3);
    EXPECT_EQ(summary.names, 1);
    EXPECT_EQ(summary.fuzzy, 1);
    EXPECT_EQ(summary.text(), QStringLiteral("3 messages and 1 name applied, 1 fuzzy entry skipped."));
    EXPECT_EQ(s.t.doc.undoStack()->count(), steps + 1);

    EXPECT_EQ(s.messages()[0].bytes, parsed(QStringLiteral("<C 12>: Bonjour.\r\n'Oui'")));
    EXPECT_EQ(s.messages()[3].bytes, parsed(QStringLiteral("Un\r\nDeux<P>\r\nTrois")));
    for (const std::size_t other : {std::size_t(1), std::size_t(4), std::size_t(5), before.size() - 1})
        EXPECT_EQ(s.messages()[other].bytes, before[other].bytes) << other;
    // Menu codes: L 0x8B, a 0x9A, m 0xA6, e 0x9E; padding 0xFF.
    EXPECT_EQ(s.itemName(1), QByteArray::fromHex("8B9AA69EFFFFFFFFFFFFFFFFFF"));
    EXPECT_EQ(s.itemName(3), item3);

    s.t.doc.undoStack()->undo();
    for (std::size_t i = 0; i < before.size(); ++i)
        ASSERT_EQ(s.messages()[i].bytes, before[i].bytes) << i;
}

TEST(TextCatalog, AnUnchangedTranslationIsNoStep)
{
    SampleText s;
    std::vector<PoEntry> entries = textcatalog::entries(s.t.doc);
    for (PoEntry& entry : entries)
        entry.translation = entry.source;
    textcatalog::ImportSummary summary;
    QStringList errors;
    ASSERT_TRUE(textcatalog::apply(s.t.doc, entries, &summary, &errors)) << errors.join(u'\n').toStdString();
    EXPECT_EQ(summary.changed, 0);
    EXPECT_GT(summary.messages, 3000);
    EXPECT_EQ(s.t.doc.undoStack()->count(), 0);
}

namespace {

struct PoRefusal {
    const char* po;
    const char* error;
};

class TextImportRefusal : public testing::TestWithParam<PoRefusal> {};

}  // namespace

TEST_P(TextImportRefusal, NamesTheLineAndChangesNothing)
{
    SampleText s;
    const std::vector<DialogueMessage> before = s.messages();
    const QByteArray po = QByteArray("msgid \"\"\nmsgstr \"Content-Type: text/plain; charset=UTF-8\\n\"\n\n"
                                     "msgctxt \"dialogue 0001\"\nmsgid \"a\"\nmsgstr \"Fine\"\n\n")
                          + GetParam().po;
    textcatalog::ImportSummary summary;
    QStringList errors;
    EXPECT_FALSE(textcatalog::import(s.t.doc, po, &summary, &errors));
    EXPECT_EQ(errors.join(u'\n').toStdString(), GetParam().error);
    EXPECT_EQ(s.t.doc.undoStack()->count(), 0);
    EXPECT_EQ(s.messages()[1].bytes, before[1].bytes);
}

INSTANTIATE_TEST_SUITE_P(
    Entries, TextImportRefusal,
    testing::Values(
        PoRefusal{"msgctxt \"dialogue 0002\"\nmsgid \"a\"\nmsgstr \"Bad <Q> tag\"\n",
                "line 8: \"dialogue 0002\": text line 1, column 5: the tag <Q> is unknown."},
        PoRefusal{"msgctxt \"item 1\"\nmsgid \"a\"\nmsgstr \"Fourteen chars\"\n",
                "line 8: \"item 1\": longer than 13 characters"},
        PoRefusal{"\n# a comment\nmsgctxt \"potion 1\"\nmsgid \"a\"\nmsgstr \"b\"\n",
                "line 10: \"potion 1\": no message or name has this context"},
        PoRefusal{"msgctxt \"dialogue 9999\"\nmsgid \"a\"\nmsgstr \"b\"\n",
                "line 8: \"dialogue 9999\": no message or name has this context"},
        PoRefusal{"msgctxt \"spell 54\"\nmsgid \"a\"\nmsgstr \"b\"\n",
                "line 8: \"spell 54\": no message or name has this context"},
        PoRefusal{"msgctxt \"dialogue 0001\"\nmsgid \"b\"\nmsgstr \"Twice\"\n",
                "line 8: \"dialogue 0001\": translated already on line 4"},
        PoRefusal{"msgctxt \"item 2\"\nmsgid \"a\nmsgstr \"b\"\n", "line 10: end-of-line within string"}));

TEST(LongestNames, AMessageThatFitsWithTheDefaultNamesOverflowsWithTheLongest)
{
    SampleText s;
    const GameFonts& fonts = s.t.doc.part<FontsPart>().fonts();
    const WordChoice longest = longestWords(s.t.doc);
    // Six of the sample font's widest letter (M, 9 pixels) for every name;
    // the widest item and spell names of the sample.
    // Dialogue codes: M 0x2C, 0 0x54.
    EXPECT_EQ(longest.words[0x02], QByteArray(6, char(0x2C)));
    EXPECT_EQ(longest.words[0x0F], QByteArray(6, char(0x2C)));
    EXPECT_EQ(longest.words[0x19], QByteArray(7, char(0x54)));
    // Three full lines, the last with four names.
    const QByteArray message = parsed(QStringLiteral("<C 1> <C 2> <C 3>\r\n<C 4> <C 5> <C 6>\r\n<C 7> <C 8> <C 9>\r\n"
                                                     "<C 10> <C 11> <C 12> <C 13> <C 14>"));
    EXPECT_TRUE(dialoguepages::FindOverflows(message, fonts).empty());
    const std::vector<OverflowSpot> spots = dialoguepages::FindOverflows(message, fonts, &longest);
    ASSERT_EQ(spots.size(), 1u);
    EXPECT_EQ(spots[0].page, 1);
    EXPECT_EQ(spots[0].line, 5);
    EXPECT_FALSE(spots[0].tooWide);
}
