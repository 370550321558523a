#include "document/tablejson.h"
#include "rom/romaddress.h"
#include "tests/testsupport.h"
#include "text/menutext.h"

#include <QJsonArray>
#include <QJsonDocument>

#include <gtest/gtest.h>

namespace {

using Kind = PropertyTable::Kind;

QJsonObject exported(CFF3Doc& doc, Kind kind)
{
    QJsonParseError error;
    const QJsonDocument json = QJsonDocument::fromJson(tablejson::exportTable(doc, kind), &error);
    EXPECT_EQ(error.error, QJsonParseError::NoError) << error.errorString().toStdString();
    return json.object();
}

// Changes one field of record `index` in a table file.
void setField(QJsonObject& file, int index, const QString& group, const QString& key, const QJsonValue& value)
{
    QJsonArray records = file.value(QStringLiteral("records")).toArray();
    for (qsizetype n = 0; n < records.size(); ++n) {
        QJsonObject record = records[n].toObject();
        if (record.value(QStringLiteral("index")).toInt() != index)
            continue;
        QJsonObject fields = record.value(group).toObject();
        fields.insert(key, value);
        record.insert(group, fields);
        records[n] = record;
    }
    file.insert(QStringLiteral("records"), records);
}

QJsonValue field(const QJsonObject& file, int index, const QString& group, const QString& key)
{
    for (const QJsonValue& record : file.value(QStringLiteral("records")).toArray())
        if (record.toObject().value(QStringLiteral("index")).toInt() == index)
            return record.toObject().value(group).toObject().value(key);
    return {};
}

class TableJson : public testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(t.doc.open(file.path())); }

    TempRom file{resavedSampleRomBytes()};
    TestDoc t;
};

}  // namespace

TEST_F(TableJson, ExportThenImportChangesNothing)
{
    // Stored forms the editor would not write itself: an item action of 0
    // (shown as "No special action", which stores 0xFF), a stat nibble of 8,
    // bits 6-7 beside a special attack, a padding byte inside a name.
    t.doc.items.items[240].record[27] = 0x00;
    t.doc.items.items[3].record[16] = 0x88;
    t.doc.items.items[3].record[18] = 0xC2;
    t.doc.items.items[4].name[2] = 0xFF;
    for (Kind kind : {Kind::Items, Kind::Spells, Kind::Espers, Kind::Shops}) {
        const tablejson::ImportResult result = tablejson::importTable(t.doc, exported(t.doc, kind));
        EXPECT_EQ(result.errors, QStringList()) << int(kind);
        EXPECT_EQ(result.changedRecords, 0) << int(kind);
    }
    EXPECT_EQ(t.doc.undoStack()->count(), 0);
    const QJsonObject items = exported(t.doc, Kind::Items);
    EXPECT_EQ(field(items, 3, QStringLiteral("Numerical Status Properties"), QStringLiteral("Vigor Modification")),
              QJsonValue(8));
    EXPECT_EQ(field(items, 2, QStringLiteral("Numerical Status Properties"), QStringLiteral("Speed Modification")).isString(),
              true);
}

TEST_F(TableJson, NamedValuesAreAppliedAsOneUndoableStep)
{
    QJsonObject items = exported(t.doc, Kind::Items);
    setField(items, 0, QStringLiteral("General"), QStringLiteral("Cost in GP"), 999);
    setField(items, 0, QStringLiteral("General"), QStringLiteral("Name"), QStringLiteral("<D8>New Name"));
    setField(items, 0, QStringLiteral("Equippable By:"), QStringLiteral("Character 1"), true);
    setField(items, 0, QStringLiteral("Magic-Related Properties"), QStringLiteral("Special attack when used as an item"),
             QJsonValue(7));
    const auto before = t.doc.items.items[0];
    const tablejson::ImportResult result = tablejson::importTable(t.doc, items);
    ASSERT_EQ(result.errors, QStringList());
    EXPECT_EQ(result.changedRecords, 1);
    const ItemEntry& item = t.doc.items.items[0];
    EXPECT_EQ(item.record[28] | item.record[29] << 8, 999);
    EXPECT_EQ(QByteArray(reinterpret_cast<const char*>(item.name.data()), 13),
              QByteArray::fromHex("d88d9eb0fe8d9aa69effffffff"));
    EXPECT_EQ(item.record[1], before.record[1] | 0x02);
    EXPECT_EQ(item.record[18], 7);
    EXPECT_EQ(t.doc.undoStack()->count(), 1);
    EXPECT_EQ(t.doc.undoStack()->undoText(), QStringLiteral("Import items"));
    t.doc.undoStack()->undo();
    EXPECT_EQ(t.doc.items.items[0].record, before.record);
    EXPECT_EQ(t.doc.items.items[0].name, before.name);

    QJsonObject espers = exported(t.doc, Kind::Espers);
    setField(espers, 1, QStringLiteral("Spells"), QStringLiteral("Spell 1"), QStringLiteral("None"));
    setField(espers, 1, QStringLiteral("General"), QStringLiteral("Level Up Bonus"), QStringLiteral("No bonus"));
    setField(espers, 2, QStringLiteral("General"), QStringLiteral("Name"), QStringLiteral("Renamed"));
    ASSERT_EQ(tablejson::importTable(t.doc, espers).errors, QStringList());
    EXPECT_EQ(t.doc.espers.espers[1].record[1], 0xFF);
    EXPECT_EQ(t.doc.espers.espers[1].record[10], 0xFF);
    // The spell copy of the esper name follows.
    EXPECT_EQ(QByteArray(reinterpret_cast<const char*>(t.doc.magic.spells[56].name.data()), 8),
              menutext::EncodeMenuText(QStringLiteral("Renamed"), 8));

    QJsonObject shops = exported(t.doc, Kind::Shops);
    setField(shops, 2, QStringLiteral("General"), QStringLiteral("Title"), QStringLiteral("Relics"));
    setField(shops, 2, QStringLiteral("Items Sold"), QStringLiteral("Item 7"), 17);
    const quint8 rule = t.doc.shops.shop(2)[0] & 0xF0;
    ASSERT_EQ(tablejson::importTable(t.doc, shops).errors, QStringList());
    EXPECT_EQ(t.doc.shops.shop(2)[0], rule | 4);
    EXPECT_EQ(t.doc.shops.shop(2)[8], 17);

    QJsonObject spells = exported(t.doc, Kind::Spells);
    setField(spells, 255, QStringLiteral("General"), QStringLiteral("Power"), 7);
    ASSERT_EQ(tablejson::importTable(t.doc, spells).errors, QStringList());
    EXPECT_EQ(t.doc.magic.spells[255].record[6], 7);
}

TEST_F(TableJson, AnItemTypeChangeBringsInTheNewTypesFields)
{
    ASSERT_EQ(t.doc.items.items[0].record[0] & 0x0F, 1);  // a weapon
    QJsonObject items = exported(t.doc, Kind::Items);
    setField(items, 0, QStringLiteral("General"), QStringLiteral("Item Type"), QStringLiteral("Item"));
    setField(items, 0, QStringLiteral("Ability-Related Properties"), QStringLiteral("Special action performed when used"),
             QStringLiteral("Super Ball attack"));
    ASSERT_EQ(tablejson::importTable(t.doc, items).errors, QStringList());
    EXPECT_EQ(t.doc.items.items[0].record[0] & 0x0F, 6);
    EXPECT_EQ(t.doc.items.items[0].record[27], 2);
}

TEST_F(TableJson, BadValuesAreReportedWithTheirRecordAndFieldAndNothingChanges)
{
    QJsonObject items = exported(t.doc, Kind::Items);
    setField(items, 3, QStringLiteral("General"), QStringLiteral("Cost in GP"), 65536);
    setField(items, 4, QStringLiteral("General"), QStringLiteral("Can be thrown"), QStringLiteral("yes"));
    setField(items, 5, QStringLiteral("General"), QStringLiteral("Item Type"), QStringLiteral("Sword"));
    setField(items, 6, QStringLiteral("General"), QStringLiteral("Name"), QStringLiteral("Far Too Long A Name"));
    setField(items, 7, QStringLiteral("General"), QStringLiteral("Colour"), 3);
    setField(items, 8, QStringLiteral("Numerical Status Properties"), QStringLiteral("Hit Rate"), 2.5);
    setField(items, 9, QStringLiteral("Magic-Related Properties"), QStringLiteral("Special attack when used as an item"),
             64);
    setField(items, 10, QStringLiteral("General"), QStringLiteral("Cost in GP"), 12);  // a good value beside them
    QJsonArray records = items.value(QStringLiteral("records")).toArray();
    QJsonObject raw = records[11].toObject();
    raw.insert(QStringLiteral("raw"), QStringLiteral("00 11"));
    records[11] = raw;
    records.append(records[12]);
    QJsonObject outOfRange = records[13].toObject();
    outOfRange.insert(QStringLiteral("index"), 256);
    records.append(outOfRange);
    items.insert(QStringLiteral("records"), records);

    const tablejson::ImportResult result = tablejson::importTable(t.doc, items);
    EXPECT_EQ(result.errors, (QStringList{
        QStringLiteral("Item 3, General / Cost in GP: 65536 is not a whole number from 0 to 65535"),
        QStringLiteral("Item 4, General / Can be thrown: is neither true nor false"),
        QStringLiteral("Item 5, General / Item Type: \"Sword\" is none of its choices"),
        QStringLiteral("Item 6, General / Name: \"Far Too Long A Name\": longer than 13 characters"),
        QStringLiteral("Item 7, General / Colour: this record has no such field"),
        QStringLiteral("Item 8, Numerical Status Properties / Hit Rate: 2.5 is not a whole number from 0 to 255"),
        QStringLiteral("Item 9, Magic-Related Properties / Special attack when used as an item: 64 is not a whole "
                       "number from 0 to 63"),
        QStringLiteral("Item 11, raw: is not 30 bytes in hex"),
        QStringLiteral("Item 12 appears twice."),
        QStringLiteral("Record 257 of the list: \"index\" must be a number from 0 to 255."),
    }));
    EXPECT_EQ(t.doc.undoStack()->count(), 0);
    EXPECT_FALSE(t.doc.isModified());

    EXPECT_EQ(tablejson::importTable(t.doc, QJsonObject{{QStringLiteral("table"), QStringLiteral("monsters")}}).errors,
              QStringList{QStringLiteral("\"table\" must be \"items\", \"spells\", \"espers\" or \"shops\".")});
    QJsonObject espers = exported(t.doc, Kind::Espers);
    setField(espers, 0, QStringLiteral("Spells"), QStringLiteral("Spell 2"), QStringLiteral("No Such Spell"));
    EXPECT_EQ(tablejson::importTable(t.doc, espers).errors,
              QStringList{QStringLiteral("Esper 0, Spells / Spell 2: \"No Such Spell\" names no single entry of its "
                                         "list; give its number instead")});
}

TEST(TableJsonCli, ExportAndImportOnTheFile)
{
    TempRom rom;  // the sample as built: an import that changes nothing must not resave it
    const QString json = rom.dir() + QStringLiteral("/items.json");
    ASSERT_EQ(runCli({QStringLiteral("table-export"), rom.path(), QStringLiteral("items"), json}).exitCode, 0);
    ToolRun run = runCli({QStringLiteral("table-import"), rom.path(), json});
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(rom.read(), sampleRomBytes());

    QFile file(json);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    QJsonObject items = QJsonDocument::fromJson(file.readAll()).object();
    file.close();
    setField(items, 1, QStringLiteral("General"), QStringLiteral("Cost in GP"), 70000);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(QJsonDocument(items).toJson());
    file.close();
    run = runCli({QStringLiteral("table-import"), rom.path(), json});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.contains(QStringLiteral("Item 1, General / Cost in GP: 70000"))) << run.err.toStdString();
    EXPECT_EQ(rom.read(), sampleRomBytes());

    EXPECT_EQ(runCli({QStringLiteral("table-export"), rom.path(), QStringLiteral("monsters"), json}).exitCode, 2);
}
