#include "document/editcommands.h"
#include "document/parts/dialoguepart.h"
#include "tests/testsupport.h"
#include "text/dialoguescript.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QUndoStack>

#include <gtest/gtest.h>

using namespace tessel;

TEST(TextCli, ExportThenImportOfTheUntranslatedFileWritesNothing)
{
    TempRom rom;
    const QString po = rom.dir() + QStringLiteral("/text.po");
    ASSERT_EQ(runCli({QStringLiteral("text-export"), rom.path(), po}).exitCode, 0);
    const ToolRun import = runCli({QStringLiteral("text-import"), rom.path(), po});
    EXPECT_EQ(import.exitCode, 0) << import.err.toStdString();
    EXPECT_EQ(import.out.trimmed(), QStringLiteral("0 messages and 0 names applied, 0 fuzzy entries skipped."));
    // A save would have moved the dialogue into the relocated layout.
    EXPECT_EQ(rom.read(), sampleRomBytes());
}

TEST(TextCli, ImportSavesTheTranslationOrRefusesWithTheLineLeavingTheRomAsItWas)
{
    TempRom rom;
    const QString po = rom.dir() + QStringLiteral("/text.po");
    ASSERT_EQ(runCli({QStringLiteral("text-export"), rom.path(), po}).exitCode, 0);
    QByteArray text = fileBytes(po);
    const QByteArray entry = "msgctxt \"dialogue 0002\"\nmsgid \"\"\n";
    const qsizetype at = text.indexOf(entry);
    ASSERT_GE(at, 0);
    const qsizetype msgstr = text.indexOf("msgstr \"\"", at);
    text.replace(msgstr, 9, "msgstr \"Bonjour\"");
    const QByteArray good = text;
    // The line of the refused entry's context, counted in the file.
    const qsizetype bad = text.indexOf("msgctxt \"item 1\"\n");
    ASSERT_GE(bad, 0);
    const int badLine = int(text.left(bad).count('\n')) + 1;
    text.replace(text.indexOf("msgstr \"\"", bad), 9, "msgstr \"<D9>Far too long a name\"");
    writeFileBytes(po, text);
    const ToolRun refused = runCli({QStringLiteral("text-import"), rom.path(), po});
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_TRUE(refused.err.contains(QStringLiteral("text.po: line %1: \"item 1\": ").arg(badLine))) << refused.err.toStdString();
    EXPECT_EQ(rom.read(), sampleRomBytes());

    writeFileBytes(po, good);
    ASSERT_EQ(runCli({QStringLiteral("text-import"), rom.path(), po}).exitCode, 0);
    TestDoc t;
    ASSERT_TRUE(t.doc.open(rom.path()));
    EXPECT_EQ(dialoguescript::scriptText(t.doc.part<DialoguePart>().dialogue().messages[2]), QStringLiteral("Bonjour"));
}

TEST(TextCli, CheckListsAMessageThatOverflowsOnlyWithTheLongestNames)
{
    TempRom rom;
    {
        TestDoc t;
        ASSERT_TRUE(t.doc.open(rom.path()));
        DialogueMessage message;
        ASSERT_TRUE(ParseDialogue(message, QStringLiteral("<C 1> <C 2> <C 3>\r\n<C 4> <C 5> <C 6>\r\n<C 7> <C 8> <C 9>\r\n"
                                                          "<C 10> <C 11> <C 12> <C 13> <C 14>")));
        t.doc.undoStack()->push(new ReplaceMessageCommand(t.doc, 7, message.bytes));
        ASSERT_TRUE(t.doc.save(rom.path()));
    }
    const ToolRun json = runCli({QStringLiteral("text-check"), rom.path(), QStringLiteral("--json")});
    ASSERT_EQ(json.exitCode, 0);
    const QJsonArray found = QJsonDocument::fromJson(json.out.toUtf8()).object().value(QStringLiteral("overflows")).toArray();
    ASSERT_EQ(found.size(), 1);
    EXPECT_EQ(found[0].toObject(), (QJsonObject{{"message", 7}, {"page", 1}, {"line", 5}, {"reason", "lines"}, {"names", "longest"}}));
    const ToolRun text = runCli({QStringLiteral("text-check"), rom.path()});
    EXPECT_EQ(text.out, QStringLiteral("message 0007, page 1, line 5: more lines than the window shows with the longest names\n"
                                       "1 of 3326 messages overflow their window.\n"));
}

TEST(TextCli, TableFilesListEveryCodeOfTheEncoding)
{
    TempRom rom;
    const QString dialogue = rom.dir() + QStringLiteral("/dialogue.tbl");
    const QString menu = rom.dir() + QStringLiteral("/menu.tbl");
    ASSERT_EQ(runCli({QStringLiteral("tbl-export"), rom.path(), QStringLiteral("dialogue"), dialogue}).exitCode, 0);
    ASSERT_EQ(runCli({QStringLiteral("tbl-export"), rom.path(), QStringLiteral("menu"), menu}).exitCode, 0);
    const QStringList lines = QString::fromUtf8(fileBytes(dialogue)).split(u'\n');
    for (const char* line : {"/00=[END]", "01=[LF]", "02=[C 1]", "0F=[C 14]", "13=[P]", "14=[T]", "17=[17]", "20=A",
                             "3A=a", "54=0", "7F= "})
        EXPECT_TRUE(lines.contains(QString::fromLatin1(line))) << line;
    EXPECT_EQ(lines.first(), QStringLiteral("/00=[END]"));
    // Every code has one line: the end, 31 controls, 85 characters and 128
    // pairs, and the file ends with a line feed.
    EXPECT_EQ(lines.size(), 1 + 31 + 85 + 128 + 1);
    const QStringList menuLines = QString::fromUtf8(fileBytes(menu)).split(u'\n');
    for (const char* line : {"/00=[END]", "80=A", "9A=a", "B4=0", "BE=!", "D8=[Dagger]", "EA=[Effect Magic]", "FE= ", "FF=[PAD]"})
        EXPECT_TRUE(menuLines.contains(QString::fromLatin1(line))) << line;
    EXPECT_EQ(runCli({QStringLiteral("tbl-export"), rom.path(), QStringLiteral("battle"), menu}).exitCode, 2);
}
