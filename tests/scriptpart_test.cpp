#include "document/parts/scriptpart.h"
#include "document/setscriptbytescommand.h"
#include "events/commandoperands.h"
#include "events/scriptjson.h"
#include "tests/testsupport.h"
#include "tools/samplerom/sampledialogue.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <gtest/gtest.h>

using namespace tessel;

namespace {

// Add item 5; a queue for character 0, 3 bytes long; a map chunk of two
// rows of two tiles.
const QByteArray kScript = bytesOf({0x80, 0x05, 0x00, 0x83, 0x80, 0x81, 0xFC, 0x02, 0x73, 0x01, 0x02, 0x02, 0x02,
                                    0x0A, 0x0B, 0x0C, 0x0D, 0xFE});

QByteArray withScript(QByteArray image, const QByteArray& script = kScript)
{
    image.replace(rom::fileOffset(0xCA0000), script.size(), script);
    return image;
}

QByteArray withBytes(QByteArray image, SnesAddress address, const QByteArray& bytes)
{
    image.replace(rom::fileOffset(address), bytes.size(), bytes);
    return image;
}

struct Refusal {
    const char* label;
    SnesAddress address;
    QByteArray bytes;
    const char* reason;  // a piece of the message
};

void PrintTo(const Refusal& r, std::ostream* os)
{
    *os << r.label;
}

class ScriptEditRefusal : public testing::TestWithParam<Refusal> {};

}  // namespace

TEST(ScriptPart, AnOperandEditSavesExactlyItsBytesAndOneUndoRestoresThem)
{
    TempRom file(withScript(sampleRomBytes()));
    TestDoc t;
    ASSERT_TRUE(t.doc.open(file.path()));
    ASSERT_TRUE(t.doc.save(file.path()));
    const QByteArray saved = file.read();

    ScriptPart& part = t.doc.part<ScriptPart>();
    const QList<ScriptEdit> edit = {{0xCA0000, bytesOf({0x80, 0x2A})}, {0xCA000D, bytesOf({0x0E, 0x0F})}};
    ASSERT_FALSE(part.checkEdits(edit).has_value()) << part.checkEdits(edit)->toStdString();
    t.doc.undoStack()->push(new SetScriptBytesCommand(t.doc, edit, QStringLiteral("Edit")));
    EXPECT_TRUE(part.isModified());
    EXPECT_EQ(part.listing().commandText(0), QStringLiteral("Add item $2A (%1) to inventory")
                                                 .arg(part.listing().commandText(0).section(u'(', 1).section(u')', 0, 0)));
    EXPECT_EQ(part.listing().references(0), (QList<RecordRef>{{RecordKind::Item, 0x2A}}));
    ASSERT_TRUE(t.doc.save(file.path()));
    EXPECT_EQ(file.read(), withBytes(withBytes(saved, 0xCA0001, bytesOf({0x2A})), 0xCA000D, bytesOf({0x0E, 0x0F})));

    t.doc.undoStack()->undo();
    EXPECT_TRUE(part.isModified());  // the file holds the edit now
    EXPECT_EQ(part.listing().references(0), (QList<RecordRef>{{RecordKind::Item, 5}}));
    ASSERT_TRUE(t.doc.save(file.path()));
    EXPECT_EQ(file.read(), saved);
}

TEST(ScriptPart, ADialogueOperandEditMustKeepTheChoicesTheBranchAfterItReads)
{
    std::vector<int> twoChoices;
    int noChoice = -1;
    const std::vector<QByteArray>& messages = samplegen::sampleDialogueMessages();
    for (std::size_t i = 0; i < messages.size(); ++i) {
        const int count = samplegen::choiceCount(messages[i]);
        if (count == 2)
            twoChoices.push_back(int(i));
        if (count == 0 && noChoice < 0)
            noChoice = int(i);
    }
    ASSERT_GE(twoChoices.size(), 2u);
    ASSERT_GE(noChoice, 0);
    // A two-choice message, the branch on its answer, return.
    const int shown = twoChoices[0];
    TempRom file(withScript(sampleRomBytes(), bytesOf({0x4B, shown & 0xFF, shown >> 8, 0xB6, 0x10, 0x00, 0x00,
                                                       0x20, 0x00, 0x00, 0xFE})));
    TestDoc t;
    ASSERT_TRUE(t.doc.open(file.path()));
    ASSERT_TRUE(t.doc.save(file.path()));
    const QByteArray saved = file.read();
    ScriptPart& part = t.doc.part<ScriptPart>();
    const QByteArray before = part.listing().byteArray(0);
    const QList<events::OperandField> fields = events::operandFields(events::EntryKind::Command, part.listing().bytes(0));
    ASSERT_EQ(fields.size(), 3);
    QString error;

    // A message without choices leaves the branch no targets: the rest would read differently.
    QByteArray bytes = before;
    ASSERT_TRUE(events::writeOperand(bytes, fields[0], noChoice, &error));
    const std::optional<QString> refusal = part.checkEdits({{0xCA0000, bytes}});
    ASSERT_TRUE(refusal.has_value());
    EXPECT_TRUE(refusal->contains(QStringLiteral("$CA:000A"))) << refusal->toStdString();
    EXPECT_FALSE(part.isModified());
    ASSERT_TRUE(t.doc.save(file.path()));
    EXPECT_EQ(file.read(), saved);

    // Another two-choice message, at the bottom of the screen.
    const int other = twoChoices[1];
    bytes = before;
    ASSERT_TRUE(events::writeOperand(bytes, fields[0], other, &error));
    ASSERT_TRUE(events::writeOperand(bytes, fields[2], 1, &error));
    ASSERT_FALSE(part.checkEdits({{0xCA0000, bytes}}).has_value());
    t.doc.undoStack()->push(new SetScriptBytesCommand(t.doc, {{0xCA0000, bytes}}, QStringLiteral("Edit")));
    ASSERT_TRUE(t.doc.save(file.path()));
    EXPECT_EQ(file.read(), withBytes(saved, 0xCA0001, bytesOf({other & 0xFF, (other >> 8) | 0x80})));
    t.doc.undoStack()->undo();
    ASSERT_TRUE(t.doc.save(file.path()));
    EXPECT_EQ(file.read(), saved);
}

TEST_P(ScriptEditRefusal, LeavesThePartAsItWas)
{
    TempRom file(withScript(sampleRomBytes()));
    TestDoc t;
    ASSERT_TRUE(t.doc.open(file.path()));
    const ScriptPart& part = t.doc.part<ScriptPart>();
    const std::optional<QString> reason = part.checkEdits({{GetParam().address, GetParam().bytes}});
    ASSERT_TRUE(reason.has_value());
    EXPECT_TRUE(reason->contains(QLatin1String(GetParam().reason))) << reason->toStdString();
    EXPECT_FALSE(part.isModified());
}

INSTANTIATE_TEST_SUITE_P(
    ScriptPart, ScriptEditRefusal,
    testing::Values(Refusal{"Longer", 0xCA0000, bytesOf({0x80, 0x05, 0x00}), "length"},
                    Refusal{"OtherOpcode", 0xCA0000, bytesOf({0x81, 0x05}), "opcode"},
                    Refusal{"InsideACommand", 0xCA0001, bytesOf({0x05}), "No command starts at $CA:0001"},
                    Refusal{"QueueLength", 0xCA0002, bytesOf({0x00, 0x85}), "from $CA:0008"},
                    Refusal{"ChunkRows", 0xCA0008, bytesOf({0x73, 0x01, 0x02, 0x01, 0x02}), "from $CA:000F"},
                    Refusal{"BeforeTheArea", 0xC9FFFF, bytesOf({0x00}), "No command starts"}),
    [](const testing::TestParamInfo<Refusal>& info) { return std::string(info.param.label); });

TEST(EventsCli, ImportWritesChangedCommandsAndRefusesTheRest)
{
    TempRom file(withScript(sampleRomBytes()));
    const QString json = file.dir() + QStringLiteral("/events.json");
    const ToolRun listed = runCli({QStringLiteral("events"), file.path(), QStringLiteral("--json")});
    ASSERT_EQ(listed.exitCode, 0) << listed.err.toStdString();
    QJsonObject root = QJsonDocument::fromJson(listed.out.toUtf8()).object();
    QJsonArray commands = root.value(QStringLiteral("commands")).toArray();
    ASSERT_GT(commands.size(), 50000);
    EXPECT_EQ(commands[0].toObject().value(QStringLiteral("address")).toString(), QStringLiteral("CA0000"));
    EXPECT_EQ(commands[0].toObject().value(QStringLiteral("bytes")).toString(), QStringLiteral("8005"));
    EXPECT_EQ(commands[1].toObject().value(QStringLiteral("bytes")).toString(), QStringLiteral("0083"));
    EXPECT_EQ(commands[0].toObject().value(QStringLiteral("refs")).toArray(),
              QJsonArray({QJsonObject{{QStringLiteral("kind"), QStringLiteral("item")}, {QStringLiteral("index"), 5}}}));

    // Unchanged: nothing is written.
    writeFileBytes(json, listed.out.toUtf8());
    const ToolRun same = runCli({QStringLiteral("events-import"), file.path(), json});
    EXPECT_EQ(same.exitCode, 0) << same.err.toStdString();
    EXPECT_EQ(file.read(), withScript(sampleRomBytes()));

    // A longer command is refused with its address, and nothing is written.
    QJsonObject first = commands[0].toObject();
    first[QStringLiteral("bytes")] = QStringLiteral("800500");
    commands[0] = first;
    root[QStringLiteral("commands")] = commands;
    writeFileBytes(json, QJsonDocument(root).toJson());
    const ToolRun longer = runCli({QStringLiteral("events-import"), file.path(), json});
    EXPECT_EQ(longer.exitCode, 1);
    EXPECT_TRUE(longer.err.contains(QStringLiteral("$CA:0000"))) << longer.err.toStdString();
    EXPECT_EQ(file.read(), withScript(sampleRomBytes()));

    // Another item: exactly that byte changes (besides what any save writes).
    first[QStringLiteral("bytes")] = QStringLiteral("8007");
    commands[0] = first;
    root[QStringLiteral("commands")] = commands;
    writeFileBytes(json, QJsonDocument(root).toJson());
    const ToolRun changed = runCli({QStringLiteral("events-import"), file.path(), json});
    ASSERT_EQ(changed.exitCode, 0) << changed.err.toStdString();
    TempRom resaved(withScript(sampleRomBytes()));
    TestDoc t;
    ASSERT_TRUE(t.doc.open(resaved.path()));
    ASSERT_TRUE(t.doc.save(resaved.path()));
    EXPECT_EQ(file.read(), withBytes(resaved.read(), 0xCA0001, bytesOf({0x07})));
}

TEST(EventsCli, RefsListTheCommandsThatUseARecord)
{
    TempRom file(withScript(sampleRomBytes()));
    const ToolRun refs = runCli({QStringLiteral("refs"), file.path(), QStringLiteral("item"), QStringLiteral("5"),
                                 QStringLiteral("--json")});
    ASSERT_EQ(refs.exitCode, 0) << refs.err.toStdString();
    const QJsonObject root = QJsonDocument::fromJson(refs.out.toUtf8()).object();
    EXPECT_EQ(root.value(QStringLiteral("kind")).toString(), QStringLiteral("item"));
    EXPECT_EQ(root.value(QStringLiteral("index")).toInt(), 5);
    const QJsonArray found = root.value(QStringLiteral("refs")).toArray();
    ASSERT_FALSE(found.isEmpty());
    EXPECT_EQ(found[0].toObject().value(QStringLiteral("address")).toString(), QStringLiteral("CA0000"));
    EXPECT_TRUE(found[0].toObject().value(QStringLiteral("text")).toString().startsWith(QStringLiteral("Add item $05")));

    EXPECT_EQ(runCli({QStringLiteral("refs"), file.path(), QStringLiteral("item"), QStringLiteral("256")}).exitCode, 2);
    EXPECT_EQ(runCli({QStringLiteral("refs"), file.path(), QStringLiteral("colour"), QStringLiteral("1")}).exitCode, 2);
}
