#include "tests/testsupport.h"
#include "text/dialoguescript.h"
#include "tools/samplerom/sampledialogue.h"
#include "document/parts/dialoguepart.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <gtest/gtest.h>

using namespace tessel;

namespace {

QJsonArray messagesIn(const QString& path)
{
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    return QJsonDocument::fromJson(file.readAll()).object().value(QStringLiteral("messages")).toArray();
}

void writeJson(const QString& path, const QJsonArray& messages)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QJsonDocument(QJsonObject{{QStringLiteral("messages"), messages}}).toJson());
}

}  // namespace

TEST(DialogueCli, ExportWritesEveryMessageInScriptOrPlainForm)
{
    TempRom rom;
    const QString json = rom.dir() + QStringLiteral("/dialogue.json");
    ASSERT_EQ(runCli({QStringLiteral("dialogue-export"), rom.path(), json}).exitCode, 0);
    const QJsonArray script = messagesIn(json);
    const std::vector<QByteArray>& expected = samplegen::sampleDialogueMessages();
    ASSERT_EQ(std::size_t(script.size()), expected.size());
    EXPECT_EQ(script[3].toString(), dialoguescript::scriptText({expected[3]}));
    EXPECT_EQ(script[9].toString(), QString());  // an empty message

    ASSERT_EQ(runCli({QStringLiteral("dialogue-export"), rom.path(), json, QStringLiteral("--plain")}).exitCode, 0);
    const QJsonArray plain = messagesIn(json);
    EXPECT_EQ(plain[3].toString(), dialoguescript::plainText({expected[3]}));
    EXPECT_EQ(plain[9].toString(), QStringLiteral("<Empty>"));
    EXPECT_EQ(rom.read(), sampleRomBytes());  // export never writes the ROM

    EXPECT_EQ(runCli({QStringLiteral("dialogue-export"), rom.path()}).exitCode, 2);
}

TEST(DialogueCli, ImportReplacesTheMessagesAndSaves)
{
    TempRom rom;
    const QString json = rom.dir() + QStringLiteral("/dialogue.json");
    ASSERT_EQ(runCli({QStringLiteral("dialogue-export"), rom.path(), json}).exitCode, 0);
    QJsonArray messages = messagesIn(json);
    messages[0] = QStringLiteral("<C 2>: Bonjour!<P>\r\n^Oui\r\n^Non");
    messages[1] = QString();
    writeJson(json, messages);
    ASSERT_EQ(runCli({QStringLiteral("dialogue-import"), rom.path(), json}).exitCode, 0);

    TestDoc t;
    ASSERT_TRUE(t.doc.open(rom.path()));
    EXPECT_EQ(dialoguescript::scriptText(t.doc.part<DialoguePart>().dialogue().messages[0]), messages[0].toString());
    EXPECT_TRUE(t.doc.part<DialoguePart>().dialogue().messages[1].isEmpty());
    EXPECT_EQ(t.doc.part<DialoguePart>().dialogue().messages[2].bytes, samplegen::sampleDialogueMessages()[2]);
}

TEST(DialogueCli, ImportWritesNothingWhenAnyMessageIsMalformed)
{
    TempRom rom;
    const QString json = rom.dir() + QStringLiteral("/dialogue.json");
    ASSERT_EQ(runCli({QStringLiteral("dialogue-export"), rom.path(), json}).exitCode, 0);
    QJsonArray messages = messagesIn(json);
    messages[0] = QStringLiteral("Fine");
    messages[0x1A] = QStringLiteral("Bad <Q> tag");
    messages[0x2B] = 7;
    // Byte tags of codes that would end the message or swallow its end.
    messages[0x30] = QStringLiteral("Hello<00>World");
    messages[0x31] = QStringLiteral("Bye<11>");
    writeJson(json, messages);
    const ToolRun run = runCli({QStringLiteral("dialogue-import"), rom.path(), json});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.contains(QStringLiteral("message 001A, line 1, column 5: "))) << run.err.toStdString();
    EXPECT_TRUE(run.err.contains(QStringLiteral("message 002B: not a string"))) << run.err.toStdString();
    EXPECT_TRUE(run.err.contains(QStringLiteral("message 0030, line 1, column 6: "))) << run.err.toStdString();
    EXPECT_TRUE(run.err.contains(QStringLiteral("message 0031, line 1, column 4: "))) << run.err.toStdString();
    EXPECT_EQ(rom.read(), sampleRomBytes());

    // Characters the game lacks and numbers past a code's range are refused
    // where they stand, never dropped or wrapped.
    messages = messagesIn(json);
    messages[0] = QStringLiteral("Caf\u00E9\r\nna\u00EFve");
    messages[2] = QStringLiteral("Hi <C 15>");
    messages[3] = QStringLiteral("<T 256>");
    messages[4] = QStringLiteral("Ok\r\n<WT 1, 18>");
    messages[5] = QStringLiteral("\u201CRight\u201D \u2026 \u2018yes\u2019 \u2013 no");  // taken as ASCII
    writeJson(json, messages);
    const ToolRun refused = runCli({QStringLiteral("dialogue-import"), rom.path(), json});
    EXPECT_EQ(refused.exitCode, 1);
    for (const char* where : {"message 0000, line 1, column 4: ", "message 0002, line 1, column 4: ",
                              "message 0003, line 1, column 1: ", "message 0004, line 2, column 1: "})
        EXPECT_TRUE(refused.err.contains(QString::fromLatin1(where))) << where << "\n" << refused.err.toStdString();
    EXPECT_FALSE(refused.err.contains(QStringLiteral("message 0005"))) << refused.err.toStdString();
    EXPECT_EQ(rom.read(), sampleRomBytes());

    // A list of the wrong length or a file that is no JSON is refused too.
    messages = messagesIn(json);
    messages.removeLast();
    writeJson(json, messages);
    EXPECT_EQ(runCli({QStringLiteral("dialogue-import"), rom.path(), json}).exitCode, 1);
    TempRom notJson(QByteArray("{\"messages\": ["), QStringLiteral("bad.json"));
    EXPECT_EQ(runCli({QStringLiteral("dialogue-import"), rom.path(), notJson.path()}).exitCode, 1);
    EXPECT_EQ(rom.read(), sampleRomBytes());
}
