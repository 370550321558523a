#include "document/recordtablepart.h"
#include "document/tablejson.h"
#include "records/monsterpicture.h"
#include "rom/romaddress.h"
#include "tests/testsupport.h"
#include "document/parts/characterspart.h"
#include "document/parts/esperspart.h"
#include "document/parts/formationspart.h"
#include "document/parts/itemspart.h"
#include "document/parts/monsterspart.h"
#include "document/parts/shopspart.h"
#include "document/parts/spellspart.h"

#include <QFile>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>

#include <gtest/gtest.h>

using namespace tessel;

namespace {


QJsonObject exported(CFF3Doc& doc, RecordKind kind)
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
    t.doc.part<ItemsPart>().table().items[240].record[27] = 0x00;
    t.doc.part<ItemsPart>().table().items[3].record[16] = 0x88;
    t.doc.part<ItemsPart>().table().items[3].record[18] = 0xC2;
    t.doc.part<ItemsPart>().table().items[4].name[2] = 0xFF;
    // A formation slot whose monster number names no monster, and bits no field shows.
    t.doc.part<FormationsPart>().table().formations[5].record()[2] = 0xF0;
    t.doc.part<FormationsPart>().table().formations[5].record()[14] |= 0x01;
    t.doc.part<FormationsPart>().table().formations[5].extra()[1] |= 0x7E;
    t.doc.part<MonstersPart>().table().monsters[9].stats()[20] = 0xA5;
    // A template number past the 12 the editor offers.
    t.doc.part<FormationsPart>().table().formations[6].record()[0] = 0xE1;
    for (const RecordTablePart* table : t.doc.recordTables()) {
        const RecordKind kind = table->kind();
        const tablejson::ImportResult result = tablejson::importTable(t.doc, exported(t.doc, kind));
        EXPECT_EQ(result.errors, QStringList()) << int(kind);
        EXPECT_EQ(result.changedRecords, 0) << int(kind);
    }
    EXPECT_EQ(t.doc.undoStack()->count(), 0);
    const QJsonObject items = exported(t.doc, RecordKind::Item);
    EXPECT_EQ(field(items, 3, QStringLiteral("Numerical Status Properties"), QStringLiteral("Vigor Modification")),
              QJsonValue(8));
    EXPECT_EQ(field(items, 2, QStringLiteral("Numerical Status Properties"), QStringLiteral("Speed Modification")).isString(),
              true);
}

TEST_F(TableJson, NamedValuesAreAppliedAsOneUndoableStep)
{
    QJsonObject items = exported(t.doc, RecordKind::Item);
    setField(items, 0, QStringLiteral("General"), QStringLiteral("Cost in GP"), 999);
    setField(items, 0, QStringLiteral("General"), QStringLiteral("Name"), QStringLiteral("<D8>New Name"));
    setField(items, 0, QStringLiteral("Equippable By:"), QStringLiteral("Character 1"), true);
    setField(items, 0, QStringLiteral("Magic-Related Properties"), QStringLiteral("Special attack when used as an item"),
             QJsonValue(7));
    const auto before = t.doc.part<ItemsPart>().table().items[0];
    const tablejson::ImportResult result = tablejson::importTable(t.doc, items);
    ASSERT_EQ(result.errors, QStringList());
    EXPECT_EQ(result.changedRecords, 1);
    const ItemEntry& item = t.doc.part<ItemsPart>().table().items[0];
    EXPECT_EQ(item.record[28] | item.record[29] << 8, 999);
    EXPECT_EQ(QByteArray(reinterpret_cast<const char*>(item.name.data()), 13),
              QByteArray::fromHex("d88d9eb0fe8d9aa69effffffff"));
    EXPECT_EQ(item.record[1], before.record[1] | 0x02);
    EXPECT_EQ(item.record[18], 7);
    EXPECT_EQ(t.doc.undoStack()->count(), 1);
    EXPECT_EQ(t.doc.undoStack()->undoText(), QStringLiteral("Import items"));
    t.doc.undoStack()->undo();
    EXPECT_EQ(t.doc.part<ItemsPart>().table().items[0].record, before.record);
    EXPECT_EQ(t.doc.part<ItemsPart>().table().items[0].name, before.name);

    QJsonObject espers = exported(t.doc, RecordKind::Esper);
    setField(espers, 1, QStringLiteral("Spells"), QStringLiteral("Spell 1"), QStringLiteral("None"));
    setField(espers, 1, QStringLiteral("General"), QStringLiteral("Level Up Bonus"), QStringLiteral("No bonus"));
    setField(espers, 2, QStringLiteral("General"), QStringLiteral("Name"), QStringLiteral("Renamed"));
    ASSERT_EQ(tablejson::importTable(t.doc, espers).errors, QStringList());
    EXPECT_EQ(t.doc.part<EspersPart>().table().espers[1].record[1], 0xFF);
    EXPECT_EQ(t.doc.part<EspersPart>().table().espers[1].record[10], 0xFF);
    // Spell 56 is named by the same bytes.
    const std::span<const quint8> spellName = t.doc.part<SpellsPart>().name(56);
    EXPECT_EQ(QByteArray(reinterpret_cast<const char*>(spellName.data()), qsizetype(spellName.size())),
              QByteArray::fromHex("919ea79aa69e9dff"));  // "Renamed"

    QJsonObject shops = exported(t.doc, RecordKind::Shop);
    setField(shops, 2, QStringLiteral("General"), QStringLiteral("Title"), QStringLiteral("Relics"));
    setField(shops, 2, QStringLiteral("Items Sold"), QStringLiteral("Item 7"), 17);
    const quint8 rule = t.doc.part<ShopsPart>().table().shop(2)[0] & 0xF0;
    ASSERT_EQ(tablejson::importTable(t.doc, shops).errors, QStringList());
    EXPECT_EQ(t.doc.part<ShopsPart>().table().shop(2)[0], rule | 4);
    EXPECT_EQ(t.doc.part<ShopsPart>().table().shop(2)[8], 17);

    QJsonObject spells = exported(t.doc, RecordKind::Spell);
    setField(spells, 255, QStringLiteral("General"), QStringLiteral("Power"), 7);
    ASSERT_EQ(tablejson::importTable(t.doc, spells).errors, QStringList());
    EXPECT_EQ(t.doc.part<SpellsPart>().table().spells[255].record[6], 7);
}

TEST_F(TableJson, MonstersFormationsAndCharactersTakeTheirNamedFields)
{
    QJsonObject monsters = exported(t.doc, RecordKind::Monster);
    setField(monsters, 30, QStringLiteral("General"), QStringLiteral("Attack"), QStringLiteral("Frostbite"));
    setField(monsters, 30, QStringLiteral("Statistics"), QStringLiteral("HP"), 4321);
    setField(monsters, 30, QStringLiteral("Ragnarok Metamorphosis"), QStringLiteral("Miss (0-7)"), 6);
    setField(monsters, 30, QStringLiteral("Items Dropped"), QStringLiteral("Item 2"), 0x99);
    setField(monsters, 30, QStringLiteral("Status Condition Effects"), QStringLiteral("Float (2)"), true);
    ASSERT_EQ(tablejson::importTable(t.doc, monsters).errors, QStringList());
    const MonsterEntry& m = t.doc.part<MonstersPart>().table().monsters[30];
    EXPECT_EQ(QByteArray(reinterpret_cast<const char*>(m.attackName().data()), 10),
              QByteArray::fromHex("85aba8acad9ba2ad9eff"));  // "Frostbite"
    EXPECT_EQ(m.stats()[8] | m.stats()[9] << 8, 4321);
    EXPECT_EQ(m.stats()[17] >> 5, 6);
    EXPECT_EQ(m.items()[3], 0x99);
    EXPECT_EQ(m.stats()[30] & 0x80, 0x80);

    QJsonObject formations = exported(t.doc, RecordKind::Formation);
    setField(formations, 12, QStringLiteral("Enemy 2"), QStringLiteral("Monster"), 300);
    setField(formations, 12, QStringLiteral("Battle"), QStringLiteral("Play music"), false);
    setField(formations, 12, QStringLiteral("Battle"), QStringLiteral("Music"), QStringLiteral("Final battle theme"));
    ASSERT_EQ(tablejson::importTable(t.doc, formations).errors, QStringList());
    const FormationEntry& f = t.doc.part<FormationsPart>().table().formations[12];
    EXPECT_EQ(f.record()[3], 300 - 256);
    EXPECT_EQ(f.record()[14] & 0x02, 0x02);
    EXPECT_EQ(f.extra()[3] & 0xB8, 0x80 | 0x28);

    QJsonObject characters = exported(t.doc, RecordKind::Character);
    setField(characters, 4, QStringLiteral("Equipment"), QStringLiteral("Relic 2"), 0x77);
    setField(characters, 4, QStringLiteral("Battle Commands"), QStringLiteral("Command 4"), QStringLiteral("None"));
    ASSERT_EQ(tablejson::importTable(t.doc, characters).errors, QStringList());
    EXPECT_EQ(t.doc.part<CharactersPart>().table().characters[4].record[20], 0x77);
    EXPECT_EQ(t.doc.part<CharactersPart>().table().characters[4].record[5], 0xFF);

    // The name is shown only; the template stops at 12.
    setField(characters, 5, QStringLiteral("General"), QStringLiteral("Name"), QStringLiteral("Other"));
    EXPECT_EQ(tablejson::importTable(t.doc, characters).errors,
              QStringList{QStringLiteral("Character 5, General / Name: is shown only and cannot be changed")});
    setField(formations, 13, QStringLiteral("General"), QStringLiteral("Monster Size Template"), 13);
    EXPECT_EQ(tablejson::importTable(t.doc, formations).errors,
              QStringList{QStringLiteral("Formation 13, General / Monster Size Template: 13 is not a whole number "
                                         "from 0 to 12")});
    EXPECT_EQ(t.doc.undoStack()->count(), 3);
}

TEST_F(TableJson, AnItemTypeChangeBringsInTheNewTypesFields)
{
    ASSERT_EQ(t.doc.part<ItemsPart>().table().items[0].record[0] & 0x0F, 1);  // a weapon
    QJsonObject items = exported(t.doc, RecordKind::Item);
    setField(items, 0, QStringLiteral("General"), QStringLiteral("Item Type"), QStringLiteral("Item"));
    setField(items, 0, QStringLiteral("Ability-Related Properties"), QStringLiteral("Special action performed when used"),
             QStringLiteral("Super Ball attack"));
    ASSERT_EQ(tablejson::importTable(t.doc, items).errors, QStringList());
    EXPECT_EQ(t.doc.part<ItemsPart>().table().items[0].record[0] & 0x0F, 6);
    EXPECT_EQ(t.doc.part<ItemsPart>().table().items[0].record[27], 2);
}

TEST_F(TableJson, BadValuesAreReportedWithTheirRecordAndFieldAndNothingChanges)
{
    QJsonObject items = exported(t.doc, RecordKind::Item);
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
        QStringLiteral("Item 4, General / Can be thrown: \"yes\" is neither true nor false"),
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

    EXPECT_EQ(tablejson::importTable(t.doc, QJsonObject{{QStringLiteral("table"), QStringLiteral("creatures")}}).errors,
              QStringList{QStringLiteral("\"table\" must be \"items\", \"spells\", \"espers\", \"shops\", \"monsters\", "
                                             "\"formations\" or \"characters\".")});
    QJsonObject espers = exported(t.doc, RecordKind::Esper);
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

    EXPECT_EQ(runCli({QStringLiteral("table-export"), rom.path(), QStringLiteral("creatures"), json}).exitCode, 2);
}

TEST(TableJsonCli, MonstersFormationsAndCharactersRoundTripOnTheFile)
{
    TempRom rom;
    for (const char* table : {"monsters", "formations", "characters"}) {
        const QString json = rom.dir() + QStringLiteral("/%1.json").arg(QLatin1String(table));
        ASSERT_EQ(runCli({QStringLiteral("table-export"), rom.path(), QLatin1String(table), json}).exitCode, 0) << table;
        const ToolRun run = runCli({QStringLiteral("table-import"), rom.path(), json});
        EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
        EXPECT_EQ(run.out.trimmed(), QStringLiteral("No record changed.")) << table;
    }
    EXPECT_EQ(rom.read(), sampleRomBytes());

    // One changed value is saved, in its byte only.
    const QString json = rom.dir() + QStringLiteral("/characters.json");
    QFile file(json);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    QJsonObject characters = QJsonDocument::fromJson(file.readAll()).object();
    file.close();
    setField(characters, 1, QStringLiteral("Statistics"), QStringLiteral("Speed"), 99);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(QJsonDocument(characters).toJson());
    file.close();
    ASSERT_EQ(runCli({QStringLiteral("table-import"), rom.path(), json}).exitCode, 0);
    QByteArray expected = resavedSampleRomBytes();
    expected[rom::fileOffset(0xED7CA0 + 22 + 7)] = char(99);
    EXPECT_EQ(differences(expected, rom.read()), QList<qsizetype>());
}

TEST(MonsterExportCli, WritesThePictureOrRefusesANumberOutOfRange)
{
    TempRom rom;
    const QString png = rom.dir() + QStringLiteral("/m.png");
    ASSERT_EQ(runCli({QStringLiteral("monster-export"), rom.path(), QStringLiteral("31"), png}).exitCode, 0);
    TestDoc t;
    ASSERT_TRUE(t.doc.open(rom.path()));
    EXPECT_EQ(QImage(png).convertToFormat(QImage::Format_ARGB32), MonsterPicture::render(t.doc.part<MonstersPart>().table(), 31));

    const ToolRun refused = runCli({QStringLiteral("monster-export"), rom.path(), QStringLiteral("384"), png});
    EXPECT_EQ(refused.exitCode, 2);
    EXPECT_TRUE(refused.err.contains(QStringLiteral("from 0 to 383"))) << refused.err.toStdString();
}

namespace {

struct DuplicateCase {
    const char* name;
    const char* json;
    const char* refusal;  // empty when the text is accepted
};

class TableFileText : public testing::TestWithParam<DuplicateCase> {};

}  // namespace

TEST_P(TableFileText, AKeyNamedTwiceInOneObjectIsRefused)
{
    QString error;
    const std::optional<QJsonObject> json = tablejson::parseFile(QByteArray(GetParam().json), &error);
    EXPECT_EQ(json.has_value(), *GetParam().refusal == '\0');
    EXPECT_EQ(error.toStdString(), std::string(GetParam().refusal));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TableFileText,
    testing::Values(
        DuplicateCase{"TopLevel", "{\"table\": \"items\",\n \"table\": \"shops\"}",
                      "line 2 names \"table\" a second time in the same object"},
        DuplicateCase{"InAGroup",
                      "{\"table\": \"items\", \"records\": [\n{\"index\": 1, \"General\": {\"Cost in GP\": 5,\n"
                      "\"Cost in GP\": 6}}]}",
                      "line 3 names \"Cost in GP\" a second time in the same object"},
        DuplicateCase{"SpelledWithAnEscape", "{\"records\": [{\"index\": 1,\n\n \"ind\\u0065x\": 2}]}",
                      "line 3 names \"index\" a second time in the same object"},
        DuplicateCase{"SameKeyInTwoObjects",
                      "{\"records\": [{\"index\": 1, \"raw\": \"{\\\"index\\\"\"}, {\"index\": 2}], \"x\": [\"index\"]}", ""},
        DuplicateCase{"NotJson", "{\"table\": }", "object is missing after a comma at offset 11"},
        DuplicateCase{"NotAnObject", "[1, 2]", "it is not a JSON object"}),
    [](const testing::TestParamInfo<DuplicateCase>& info) { return std::string(info.param.name); });

TEST(TableFileLimits, AFileOver16MegabytesIsRefusedBeforeItIsParsed)
{
    QString error;
    EXPECT_TRUE(tablejson::checkFileSize(16 * 1024 * 1024, &error));
    EXPECT_FALSE(tablejson::checkFileSize(16 * 1024 * 1024 + 1, &error));
    EXPECT_EQ(error, QStringLiteral("it is 16777217 bytes long, more than the 16 MB a table file may have"));
    // Valid JSON, but too long to be read.
    const QByteArray padded = "{\"table\": \"items\"}" + QByteArray(16 * 1024 * 1024, ' ');
    EXPECT_FALSE(tablejson::parseFile(padded, &error).has_value());
    EXPECT_EQ(error, QStringLiteral("it is 16777234 bytes long, more than the 16 MB a table file may have"));
}

TEST(TableFileLimits, AReportListsTwentyErrorsAndCountsTheRest)
{
    QStringList errors;
    for (int i = 0; i < 20; ++i)
        errors.append(QStringLiteral("error %1").arg(i));
    EXPECT_EQ(tablejson::reportLines(errors), errors);
    errors.append({QStringLiteral("error 20"), QStringLiteral("error 21"), QStringLiteral("error 22")});
    const QStringList lines = tablejson::reportLines(errors);
    ASSERT_EQ(lines.size(), 21);
    EXPECT_EQ(lines[19], QStringLiteral("error 19"));
    EXPECT_EQ(lines[20], QStringLiteral("and 3 more"));
}

TEST(TableJsonCli, DuplicateKeysAndLongErrorListsAreRefusedWithoutWriting)
{
    TempRom rom;
    const QString json = rom.dir() + QStringLiteral("/items.json");
    QFile file(json);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("{\"table\": \"items\", \"records\": [{\"index\": 1, \"General\": {\"Cost in GP\": 5, \"Cost in GP\": 6}}]}");
    file.close();
    ToolRun run = runCli({QStringLiteral("table-import"), rom.path(), json});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.contains(QStringLiteral("names \"Cost in GP\" a second time"))) << run.err.toStdString();
    EXPECT_EQ(rom.read(), sampleRomBytes());

    // 30 bad values: 20 are listed, the rest counted.
    QByteArray records;
    for (int i = 0; i < 30; ++i)
        records += (i ? ", " : "") + QByteArray("{\"index\": ") + QByteArray::number(i) + ", \"General\": {\"Cost in GP\": -1}}";
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write("{\"table\": \"items\", \"records\": [" + records + "]}");
    file.close();
    run = runCli({QStringLiteral("table-import"), rom.path(), json});
    EXPECT_EQ(run.exitCode, 1);
    const QStringList lines = run.err.trimmed().split(QLatin1Char('\n'));
    ASSERT_EQ(lines.size(), 22) << run.err.toStdString();
    EXPECT_EQ(lines[19], QStringLiteral("Item 19, General / Cost in GP: -1 is not a whole number from 0 to 65535"));
    EXPECT_EQ(lines[20], QStringLiteral("and 10 more"));
    EXPECT_EQ(lines[21], QStringLiteral("Nothing was written."));
    EXPECT_EQ(rom.read(), sampleRomBytes());

    ASSERT_TRUE(file.resize(17 * 1024 * 1024));
    run = runCli({QStringLiteral("table-import"), rom.path(), json});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.contains(QStringLiteral("it is 17825792 bytes long, more than the 16 MB"))) << run.err.toStdString();
    EXPECT_EQ(rom.read(), sampleRomBytes());
}
