#include "document/recordtablesource.h"
#include "records/recordfilter.h"
#include "tests/testsupport.h"

#include <QUndoCommand>
#include <QUndoStack>

#include <gtest/gtest.h>

using namespace tessel;

namespace {

// The sample ROM open once for the whole suite; the filter cases only read it.
class SampleTables : public testing::Test {
protected:
    static void SetUpTestSuite()
    {
        file_ = new TempRom;
        doc_ = new TestDoc;
        ASSERT_TRUE(doc_->doc.open(file_->path()));
    }
    static void TearDownTestSuite()
    {
        delete doc_;
        delete file_;
    }
    static CFF3Doc& doc() { return doc_->doc; }

    // The records of the table the filter passes.
    static std::vector<int> matching(const RecordTableSource& source, const RecordFilter& filter)
    {
        std::vector<int> found;
        for (int i = 0; i < source.count(); ++i)
            if (filter.matches(source.record(i)))
                found.push_back(i);
        return found;
    }

    static inline TempRom* file_ = nullptr;
    static inline TestDoc* doc_ = nullptr;
};

struct AcceptedCase {
    RecordKind kind;
    const char* filter;
    int count;                   // records passed
    std::vector<int> first;      // the first of them
};

class AcceptedFilter : public SampleTables, public testing::WithParamInterface<AcceptedCase> {};

TEST_P(AcceptedFilter, PassesTheRecordsWhoseFieldsMatch)
{
    const AcceptedCase& c = GetParam();
    const RecordTableSource source(doc(), c.kind);
    QString error;
    const std::optional<RecordFilter> filter = RecordFilter::parse(QString::fromUtf8(c.filter), source.fields(), &error);
    ASSERT_TRUE(filter) << error.toStdString();
    const std::vector<int> found = matching(source, *filter);
    EXPECT_EQ(int(found.size()), c.count);
    const std::vector<int> head(found.begin(), found.begin() + std::min(found.size(), c.first.size()));
    EXPECT_EQ(head, c.first);
}

INSTANTIATE_TEST_SUITE_P(RecordFilter, AcceptedFilter, testing::Values(
    AcceptedCase{RecordKind::Monster, "", 384, {0, 1, 2}},
    AcceptedCase{RecordKind::Monster, "GOBLIN", 4, {0, 48, 256}},
    AcceptedCase{RecordKind::Monster, "hp > 1000", 315, {69, 70, 71}},
    AcceptedCase{RecordKind::Monster, "HP>1000 level<=40", 88, {69, 70, 71}},
    AcceptedCase{RecordKind::Monster, "Statistics/Level = 7", 4, {24, 25, 26}},
    AcceptedCase{RecordKind::Monster, "\"mag. power\" >= 30", 88, {257, 262, 267}},
    AcceptedCase{RecordKind::Monster, "weak = fire", 17, {3, 53, 61}},
    AcceptedCase{RecordKind::Monster, "weak != fire level > 90", 30, {353, 354, 355}},
    AcceptedCase{RecordKind::Item, "price <= 500", 14, {0, 11, 38}},
    AcceptedCase{RecordKind::Item, "type = weapon attack > 100", 39, {41, 42, 43}},
    AcceptedCase{RecordKind::Item, "elemental = fire", 4, {0, 2, 16}},
    AcceptedCase{RecordKind::Shop, "\"item 2\" = none", 19, {0, 7, 14}},
    AcceptedCase{RecordKind::Shop, "\"Items Sold/Item 0\" = TENT", 3, {0, 57, 84}}));

struct MalformedCase {
    const char* filter;
    const char* message;
};

class MalformedFilter : public SampleTables, public testing::WithParamInterface<MalformedCase> {};

TEST_P(MalformedFilter, IsRefusedWithTheTermAndWhy)
{
    const RecordTableSource source(doc(), RecordKind::Monster);
    QString error;
    EXPECT_FALSE(RecordFilter::parse(QString::fromUtf8(GetParam().filter), source.fields(), &error));
    EXPECT_EQ(error, QString::fromUtf8(GetParam().message));
}

INSTANTIATE_TEST_SUITE_P(RecordFilter, MalformedFilter, testing::Values(
    MalformedCase{"hp >", "\"hp >\": no value after >"},
    MalformedCase{"> 5", "\">\": no field before >"},
    MalformedCase{"hp => 5", "\"hp => 5\": => is not one of = != < <= > >="},
    MalformedCase{"colour = red", "\"colour = red\": no field is named colour"},
    MalformedCase{"hp > lots", "\"hp > lots\": HP takes a number"},
    MalformedCase{"fire = true", "\"fire = true\": fire could be Absorb/Fire, No. Eff./Fire, Weak/Fire"},
    MalformedCase{"weak = cheese",
                  "\"weak = cheese\": Weak has no flag cheese; it has Fire, Ice, Lightning, Poison, Wind, ..."},
    MalformedCase{"weak > fire", "\"weak > fire\": Weak is a group of flags: use = or != and the name of one"},
    MalformedCase{"name > b", "\"name > b\": Name is a name: use = or !="},
    MalformedCase{"\"Weak/Fire\" = maybe", "\"Weak/Fire = maybe\": Fire is a flag: give true or false"},
    MalformedCase{"\"item 0\" = potion", "\"item 0 = potion\": no field is named item 0"},
    MalformedCase{"hp > 5 \"open", "\"open: the quote is not closed"},
    MalformedCase{"hp > x mp <", "\"hp > x\": HP takes a number\n\"mp <\": no value after <"}));

TEST_F(SampleTables, NumberCellsSortByValueAndChoicesShowTheirNames)
{
    const RecordTableSource items(doc(), RecordKind::Item);
    const int type = items.fieldAt(QStringLiteral("General/Item Type"));
    const int price = items.fieldAt(QStringLiteral("General/Cost in GP"));
    ASSERT_GE(type, 0);
    ASSERT_GE(price, 0);
    const TableCell typeCell = tableCellOf(items.property(1, type));
    EXPECT_EQ(typeCell.text, QStringLiteral("Weapon"));
    EXPECT_FALSE(typeCell.number);
    const TableCell priceCell = tableCellOf(items.property(1, price));
    EXPECT_EQ(priceCell.text, QStringLiteral("1860"));
    EXPECT_EQ(priceCell.number, std::optional<qint64>(1860));
    EXPECT_EQ(items.fields()[std::size_t(price)].title(), QStringLiteral("Price"));
}

TEST_F(SampleTables, TheMonsterTableStartsWithItsMainFields)
{
    const RecordTableSource monsters(doc(), RecordKind::Monster);
    QStringList titles;
    for (int field : monsters.defaultColumns())
        titles.append(monsters.fields()[std::size_t(field)].title());
    EXPECT_EQ(titles.join(QLatin1Char(',')),
              QStringLiteral("Name,Level,HP,MP,Strength,Defense,Mag. Power,Mag. Def.,Speed,Experience,GP"));
}

TEST_F(SampleTables, AnEditIsTheEditorsUndoableCommandAndTheRowFollowsIt)
{
    RecordTableSource monsters(doc(), RecordKind::Monster);
    const int hp = monsters.fieldAt(QStringLiteral("Statistics/HP"));
    const quint32 before = monsters.property(12, hp)->value;
    doc().undoStack()->push(monsters.makeEdit(12, hp, 4321));
    EXPECT_EQ(doc().undoStack()->undoText(), QStringLiteral("Change HP"));
    monsters.reload(12);
    EXPECT_EQ(monsters.property(12, hp)->value, 4321u);
    doc().undoStack()->undo();
    monsters.reload(12);
    EXPECT_EQ(monsters.property(12, hp)->value, before);
    // Names have no command here; the record editor renames.
    EXPECT_EQ(monsters.makeEdit(12, monsters.fieldAt(QStringLiteral("General/Name")), 1), nullptr);
}

}  // namespace
