#include "document/parts/triggertablespart.h"
#include "document/tablefile.h"
#include "document/triggeredits.h"
#include "document/triggersjson.h"
#include "rom/romaddress.h"
#include "tests/testsupport.h"
#include "worldmap/worldmap.h"

#include <QJsonDocument>
#include <QUndoCommand>

#include <gtest/gtest.h>

using namespace tessel;

namespace {

constexpr quint32 kEntrances = 0xDFBB00;
constexpr quint32 kEvents = 0xC40000;

std::array<int, 3> indexWords(const QByteArray& image, quint32 base)
{
    const QByteArray b = bytesAt(image, base, 6);
    return {quint8(b[0]) | quint8(b[1]) << 8, quint8(b[2]) | quint8(b[3]) << 8, quint8(b[4]) | quint8(b[5]) << 8};
}

// Opens the sample, applies `triggers` to map `map` as the Triggers window
// does, saves, and returns the file.
QByteArray saveWithList(int map, const std::function<QList<MapTrigger>(const QList<MapTrigger>&)>& edit)
{
    TempRom file;
    TestDoc t;
    EXPECT_TRUE(t.doc.open(file.path()));
    QString refusal;
    QUndoCommand* command =
        triggeredits::listCommand(t.doc, map, edit(worldMapOf(t.doc, map)->triggers), QStringLiteral("Edit"), &refusal);
    EXPECT_NE(command, nullptr) << refusal.toStdString();
    if (command)
        t.doc.undoStack()->push(command);
    EXPECT_TRUE(t.doc.save(file.path()));
    return file.read();
}

void applyToMap(CFF3Doc& doc, int map, const QList<MapTrigger>& triggers)
{
    QString refusal;
    QUndoCommand* command = triggeredits::listCommand(doc, map, triggers, QStringLiteral("Edit"), &refusal);
    ASSERT_NE(command, nullptr) << refusal.toStdString();
    doc.undoStack()->push(command);
}

}  // namespace

TEST(TriggerTables, DeletingABalanceEntranceMovesTheRuinRecordsAndWordsUpAndClearsTheFreedRecord)
{
    const QByteArray before = resavedSampleRomBytes();
    const auto w = indexWords(before, kEntrances);
    ASSERT_EQ(w[0], 6);
    const QByteArray after = saveWithList(0, [](const QList<MapTrigger>& list) { return triggeredits::without(list, 1); });

    EXPECT_EQ(indexWords(after, kEntrances), (std::array<int, 3>{6, w[1] - 6, w[2] - 6}));
    // Record 0 stays, records 2 onwards (both maps) move up by one record.
    EXPECT_EQ(bytesAt(after, kEntrances + 6, 6), bytesAt(before, kEntrances + 6, 6));
    EXPECT_EQ(bytesAt(after, kEntrances + 12, w[2] - 18), bytesAt(before, kEntrances + 18, w[2] - 18));
    EXPECT_EQ(bytesAt(after, kEntrances + quint32(w[2]) - 6, 6), QByteArray(6, char(0xFF)));
    // Nothing past the table's end, and nothing of the other table, changes.
    EXPECT_EQ(bytesAt(after, kEntrances + quint32(w[2]), 256), bytesAt(before, kEntrances + quint32(w[2]), 256));
    EXPECT_EQ(bytesAt(after, kEvents, 1024), bytesAt(before, kEvents, 1024));
}

TEST(TriggerTables, RoomFreedOnOneMapTakesADuplicateOnTheOtherAndReopensInOrder)
{
    const QByteArray before = resavedSampleRomBytes();
    const auto w = indexWords(before, kEvents);
    TempRom file;
    TestDoc t;
    ASSERT_TRUE(t.doc.open(file.path()));
    const int firstEvent = worldMapOf(t.doc, 0)->triggerCount(MapTrigger::Entrance);
    applyToMap(t.doc, 0, triggeredits::without(worldMapOf(t.doc, 0)->triggers, firstEvent));
    const QList<MapTrigger> ruin = worldMapOf(t.doc, 1)->triggers;
    const int ruinEvent = worldMapOf(t.doc, 1)->triggerCount(MapTrigger::Entrance) + 1;
    applyToMap(t.doc, 1, triggeredits::withDuplicate(ruin, ruinEvent));
    ASSERT_TRUE(t.doc.save(file.path()));
    const QByteArray after = file.read();

    EXPECT_EQ(indexWords(after, kEvents), (std::array<int, 3>{6, w[1] - 5, w[2]}));
    // The Ruin's records: its first, then its second twice, then the rest.
    const quint32 ruinStart = kEvents + quint32(w[1]);
    EXPECT_EQ(bytesAt(after, ruinStart - 5, 10), bytesAt(before, ruinStart, 10));
    EXPECT_EQ(bytesAt(after, ruinStart + 5, 5), bytesAt(before, ruinStart + 5, 5));
    EXPECT_EQ(bytesAt(after, ruinStart + 10, w[2] - w[1] - 10), bytesAt(before, ruinStart + 10, w[2] - w[1] - 10));
    EXPECT_EQ(bytesAt(after, kEvents + quint32(w[2]), 256), bytesAt(before, kEvents + quint32(w[2]), 256));
    EXPECT_EQ(bytesAt(after, kEntrances, 1024), bytesAt(before, kEntrances, 1024));

    TestDoc reopened;
    ASSERT_TRUE(reopened.doc.open(file.path()));
    const QList<MapTrigger>& read = worldMapOf(reopened.doc, 1)->triggers;
    ASSERT_EQ(read.size(), ruin.size() + 1);
    EXPECT_EQ(read[ruinEvent + 1].data, ruin[ruinEvent].data);
    EXPECT_EQ(read.last().data, ruin.last().data);
}

TEST(TriggerTables, AddingToAFullTableIsRefusedWithHowManyMustGoAndUndoRestoresTheList)
{
    TempRom file;
    TestDoc t;
    ASSERT_TRUE(t.doc.open(file.path()));
    const QList<MapTrigger> original = worldMapOf(t.doc, 1)->triggers;
    MapTrigger extra;
    extra.kind = MapTrigger::Event;
    QList<MapTrigger> two = triggeredits::withAdded(original, extra);
    two = triggeredits::withAdded(two, extra);
    QString refusal;
    EXPECT_EQ(triggeredits::listCommand(t.doc, 1, two, QStringLiteral("Add"), &refusal), nullptr);
    EXPECT_EQ(refusal, QStringLiteral("The event trigger table is full: 2 trigger(s) must go first."));

    // Deleting every Balance trigger makes room; the added events end the list.
    applyToMap(t.doc, 0, {});
    int at = -1;
    MapTrigger door;
    door.kind = MapTrigger::Entrance;
    door.x = 7;
    const QList<MapTrigger> grown = triggeredits::withAdded(two, door, &at);
    EXPECT_EQ(at, worldMapOf(t.doc, 1)->triggerCount(MapTrigger::Entrance));
    applyToMap(t.doc, 1, grown);
    EXPECT_EQ(worldMapOf(t.doc, 1)->triggers.size(), original.size() + 3);
    EXPECT_EQ(worldMapOf(t.doc, 1)->triggers.last().kind, MapTrigger::Event);
    t.doc.undoStack()->undo();
    t.doc.undoStack()->undo();
    EXPECT_EQ(worldMapOf(t.doc, 1)->triggers.size(), original.size());
    EXPECT_FALSE(t.doc.isModified());
}

TEST(TriggersJson, ExportImportExportIsByteIdenticalAndAnEditedFileBecomesTheLists)
{
    TempRom file;
    const QString json = file.dir() + QStringLiteral("/triggers.json");
    ASSERT_EQ(runCli({QStringLiteral("table-export"), file.path(), QStringLiteral("triggers"), json}).exitCode, 0);
    const QByteArray exported = fileBytes(json);
    EXPECT_TRUE(exported.startsWith("{\n  \"table\": \"triggers\",\n  \"records\": [\n    {\"map\": \"balance\", "
                                    "\"kind\": \"entrance\", \"x\": "));

    // Unchanged, the import changes nothing and leaves the file alone.
    const ToolRun same = runCli({QStringLiteral("table-import"), file.path(), json});
    EXPECT_EQ(same.exitCode, 0);
    EXPECT_EQ(same.out.trimmed(), QStringLiteral("No record changed."));
    EXPECT_EQ(file.read(), sampleRomBytes());

    // Drop the first record: the re-export is the file.
    QList<QByteArray> lines = exported.split('\n');
    lines.removeAt(3);
    const QByteArray edited = lines.join('\n');
    writeFileBytes(json, edited);
    ASSERT_EQ(runCli({QStringLiteral("table-import"), file.path(), json}).exitCode, 0);
    const QString again = file.dir() + QStringLiteral("/again.json");
    ASSERT_EQ(runCli({QStringLiteral("table-export"), file.path(), QStringLiteral("triggers"), again}).exitCode, 0);
    EXPECT_EQ(fileBytes(again), edited);
}

TEST(TriggersJson, AFileTheTablesCannotTakeOrWithABadValueChangesNothing)
{
    TestDoc t;
    TempRom file;
    ASSERT_TRUE(t.doc.open(file.path()));
    const QByteArray exported = triggersjson::exportTriggers(t.doc);
    QList<QByteArray> lines = exported.split('\n');

    struct Case {
        QByteArray text;
        QString error;
    };
    QList<QByteArray> extra = lines;
    extra.insert(3, lines[3]);  // one more Balance entrance
    QList<QByteArray> badKind = lines;
    badKind[4].replace("\"kind\": \"entrance\"", "\"kind\": \"door\"");
    QList<QByteArray> badX = lines;
    badX[3].replace("\"x\": ", "\"x\": 99");  // three digits or more: past 255
    const Case cases[] = {
        {extra.join('\n'), QStringLiteral("The entrance trigger table is full: 1 trigger(s) must go first.")},
        {badKind.join('\n'), QStringLiteral("Trigger 1: \"kind\" must be \"entrance\" or \"event\".")},
        {badX.join('\n'), QStringLiteral("Trigger 0: \"x\" must be a number from 0 to 255.")},
    };
    for (const Case& c : cases) {
        const QJsonObject object = QJsonDocument::fromJson(c.text).object();
        ASSERT_FALSE(object.isEmpty());
        const tablefields::ImportResult result = triggersjson::importTriggers(t.doc, object);
        EXPECT_EQ(result.errors, QStringList{c.error});
        EXPECT_EQ(t.doc.undoStack()->count(), 0);
    }
    EXPECT_EQ(triggersjson::exportTriggers(t.doc), exported);
}
