#include "document/csvtext.h"
#include "document/parts/formationspart.h"
#include "document/parts/itemspart.h"
#include "document/recordtablepart.h"
#include "document/tablecsv.h"
#include "rom/romaddress.h"
#include "tests/testsupport.h"

#include <QFile>

#include <gtest/gtest.h>

using namespace tessel;

namespace {

// The CSV text with cell (file row `row`, column headed `header`) replaced
// by `raw`, written as it is, quotes and commas included.
QByteArray withCell(const QByteArray& csv, int row, const QString& header, const QByteArray& raw)
{
    QList<QByteArray> lines = csv.split('\n');
    const QStringList headers = csvtext::read(lines[0], 10, 1000).rows.at(0);
    const qsizetype column = headers.indexOf(header);
    EXPECT_GE(column, 0) << header.toStdString();
    const QStringList cells = csvtext::read(lines[row - 1], 10, 1000).rows.at(0);
    QByteArray line;
    for (qsizetype c = 0; c < cells.size(); ++c)
        line += (c ? "," : "") + (c == column ? raw : csvtext::cell(cells[c]));
    lines[row - 1] = line;
    return lines.join('\n');
}

// The value a record's property list shows for a field.
quint32 shown(CFF3Doc& doc, RecordKind kind, int index, const QString& group, const QString& key)
{
    for (const PropertyGroup& g : PropertyTable(doc, kind).properties(index).groups)
        for (const Property& p : g.properties)
            if (g.label == group && p.exportKey() == key)
                return p.value;
    ADD_FAILURE() << key.toStdString();
    return 0;
}

class TableCsv : public testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(t.doc.open(file.path())); }

    TempRom file{resavedSampleRomBytes()};
    TestDoc t;
};

}  // namespace

TEST_F(TableCsv, EveryTableRoundTripsWithoutAChangeAndExportsTheSameBytes)
{
    // Stored forms the editor would not write itself: an item action of 0,
    // a stat nibble of 8 (a text two values show), a template past the 12
    // the editor offers.
    t.doc.part<ItemsPart>().table().items[240].record[27] = 0x00;
    t.doc.part<ItemsPart>().table().items[3].record[16] = 0x88;
    t.doc.part<FormationsPart>().table().formations[6].record()[0] = 0xE1;
    TestDoc copy;
    ASSERT_TRUE(copy.doc.open(file.path()));
    copy.doc.part<ItemsPart>().table().items[240].record[27] = 0x00;
    copy.doc.part<ItemsPart>().table().items[3].record[16] = 0x88;
    copy.doc.part<FormationsPart>().table().formations[6].record()[0] = 0xE1;
    for (const RecordTablePart* table : t.doc.recordTables()) {
        const QByteArray csv = tablecsv::exportTable(t.doc, table->kind());
        const tablefields::ImportResult result = tablecsv::importTable(copy.doc, csv);
        EXPECT_EQ(result.errors, QStringList()) << table->tableName().toStdString();
        EXPECT_EQ(result.changedRecords, 0) << table->tableName().toStdString();
        EXPECT_EQ(tablecsv::exportTable(copy.doc, table->kind()), csv) << table->tableName().toStdString();
    }
    EXPECT_EQ(copy.doc.undoStack()->count(), 0);
    EXPECT_FALSE(copy.doc.isModified());

    const QByteArray items = tablecsv::exportTable(t.doc, RecordKind::Item);
    EXPECT_TRUE(items.startsWith("items,General/Name,General/Item Type,")) << items.left(80).toStdString();
    // Item 3's vigor nibble of 8 is written as its number; a weapon has no
    // field a relic has, so its cell stays empty.
    const std::vector<QStringList> rows = csvtext::read(items, 300, 500).rows;
    ASSERT_EQ(rows.size(), 257u);
    EXPECT_EQ(rows[4][rows[0].indexOf(QStringLiteral("Numerical Status Properties/Vigor Modification"))], QStringLiteral("8"));
}

TEST_F(TableCsv, EditedValuesLandAsOneUndoableStep)
{
    QByteArray csv = tablecsv::exportTable(t.doc, RecordKind::Item);
    csv = withCell(csv, 2, QStringLiteral("General/Cost in GP"), "1234");
    csv = withCell(csv, 2, QStringLiteral("General/Can be used in the field"), "TRUE");  // as a spreadsheet saves it
    csv = withCell(csv, 3, QStringLiteral("General/Name"), "\" Long, Blade\"");
    const auto before = t.doc.part<ItemsPart>().table().items;
    const tablefields::ImportResult result = tablecsv::importTable(t.doc, csv);
    ASSERT_EQ(result.errors, QStringList());
    EXPECT_EQ(result.changedRecords, 2);
    const QString general = QStringLiteral("General");
    EXPECT_EQ(shown(t.doc, RecordKind::Item, 0, general, QStringLiteral("Cost in GP")), 1234u);
    EXPECT_EQ(shown(t.doc, RecordKind::Item, 0, general, QStringLiteral("Can be used in the field")), 1u);
    EXPECT_EQ(t.doc.undoStack()->count(), 1);
    const std::vector<QStringList> rows = csvtext::read(tablecsv::exportTable(t.doc, RecordKind::Item), 300, 500).rows;
    EXPECT_EQ(rows[2][1], QStringLiteral(" Long, Blade"));
    t.doc.undo();
    EXPECT_EQ(t.doc.part<ItemsPart>().table().items[0].record, before[0].record);
    EXPECT_EQ(t.doc.part<ItemsPart>().table().items[1].name, before[1].name);
}

namespace {

struct RefusalCase {
    const char* name;
    int row;  // in the file, the header being row 1
    const char* header;
    const char* raw;
    const char* message;
};

// One document for every case: a refused file leaves it as it was, which
// each case checks.
class TableCsvRefusal : public testing::TestWithParam<RefusalCase> {
protected:
    static void SetUpTestSuite()
    {
        file = new TempRom(resavedSampleRomBytes());
        t = new TestDoc;
        ASSERT_TRUE(t->doc.open(file->path()));
    }
    static void TearDownTestSuite()
    {
        delete t;
        delete file;
    }

    static inline TempRom* file = nullptr;
    static inline TestDoc* t = nullptr;
};

}  // namespace

TEST_P(TableCsvRefusal, IsReportedWithItsRowAndColumnAndChangesNothing)
{
    const RefusalCase& c = GetParam();
    const QByteArray csv = tablecsv::exportTable(t->doc, RecordKind::Item);
    // A good edit in another row is not applied either.
    const QByteArray edited = withCell(withCell(csv, 12, QStringLiteral("General/Cost in GP"), "7"), c.row,
                                       QString::fromUtf8(c.header), c.raw);
    const tablefields::ImportResult result = tablecsv::importTable(t->doc, edited);
    EXPECT_EQ(result.errors, QStringList{QString::fromUtf8(c.message)});
    EXPECT_EQ(result.changedRecords, 0);
    EXPECT_EQ(t->doc.undoStack()->count(), 0);
    EXPECT_EQ(tablecsv::exportTable(t->doc, RecordKind::Item), csv);
}

INSTANTIATE_TEST_SUITE_P(
    Items, TableCsvRefusal,
    testing::Values(
        RefusalCase{"OutOfRange", 5, "General/Cost in GP", "70000",
                    "Row 5, column \"General/Cost in GP\": 70000 is not a whole number from 0 to 65535"},
        RefusalCase{"NotANumber", 5, "General/Cost in GP", "12.5",
                    "Row 5, column \"General/Cost in GP\": \"12.5\" is not a whole number from 0 to 65535"},
        RefusalCase{"BadFlag", 6, "General/Can be thrown", "yes",
                    "Row 6, column \"General/Can be thrown\": \"yes\" is neither true nor false"},
        RefusalCase{"UnknownChoice", 7, "General/Item Type", "Sword",
                    "Row 7, column \"General/Item Type\": \"Sword\" is none of its choices"},
        RefusalCase{"NameTooLong", 8, "General/Name", "Far Too Long A Name",
                    "Row 8, column \"General/Name\": \"Far Too Long A Name\": longer than 13 characters"},
        RefusalCase{"UnbalancedQuote", 9, "General/Name", "\"Dirk",
                    "Row 9, column \"General/Name\": a quoted cell has no closing quote"},
        RefusalCase{"StrayQuote", 9, "General/Name", "Di\"rk",
                    "Row 9, column \"General/Name\": a quote out of place (a quoted cell is quoted whole, a quote "
                    "in it doubled)"},
        RefusalCase{"WrongColumnCount", 10, "General/Name", "Dirk,extra",
                    "Row 10 has 198 cells where the header has 197."},
        RefusalCase{"RecordOutOfRange", 10, "items", "256",
                    "Row 10, column \"items\": \"256\" is not a record number from 0 to 255"},
        RefusalCase{"RecordTwice", 10, "items", "0", "Row 10: Item 0 is in row 2 already."},
        RefusalCase{"UnknownHeader", 1, "General/Cost in GP", "General/Price",
                    "Row 1, column \"General/Price\": names no field of the items table"},
        RefusalCase{"NotATable", 1, "items", "creatures",
                    "Row 1, cell 1: the first header must be \"items\", \"spells\", \"espers\", \"shops\", "
                    "\"monsters\", \"formations\" or \"characters\"."}),
    [](const testing::TestParamInfo<RefusalCase>& info) { return std::string(info.param.name); });

TEST(TableCsvCli, ChosenByExtensionAndAnUnchangedFileWritesNothing)
{
    TempRom rom;  // the sample as built: an import that changes nothing must not resave it
    const QString csv = rom.dir() + QStringLiteral("/characters.csv");
    ASSERT_EQ(runCli({QStringLiteral("table-export"), rom.path(), QStringLiteral("characters"), csv}).exitCode, 0);
    ToolRun run = runCli({QStringLiteral("table-import"), rom.path(), csv});
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(run.out.trimmed(), QStringLiteral("No record changed."));
    EXPECT_EQ(rom.read(), sampleRomBytes());

    QFile file(csv);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray text = file.readAll();
    file.close();
    ASSERT_TRUE(text.startsWith("characters,"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(withCell(text, 3, QStringLiteral("Statistics/Speed"), "99"));
    file.close();
    run = runCli({QStringLiteral("table-import"), rom.path(), csv});
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    QByteArray expected = resavedSampleRomBytes();
    expected[rom::fileOffset(0xED7CA0 + 22 + 7)] = char(99);
    EXPECT_EQ(differences(expected, rom.read()), QList<qsizetype>());

    const QString txt = rom.dir() + QStringLiteral("/characters.txt");
    run = runCli({QStringLiteral("table-import"), rom.path(), txt});
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_TRUE(run.err.contains(QStringLiteral("characters.txt: a table file must end in .json or .csv")))
        << run.err.toStdString();
}
