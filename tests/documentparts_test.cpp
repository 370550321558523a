#include "document/documentparts.h"
#include "document/editcommands.h"
#include "document/propertytable.h"
#include "document/recordtablepart.h"
#include "document/savecontext.h"
#include "records/itemproperties.h"
#include "rom/romimage.h"
#include "tests/testsupport.h"
#include "text/dialoguescript.h"

#include <QSignalSpy>

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <set>

using namespace tessel;

namespace {

// A part that only records when it was asked to load and encode.
class TracePart : public DocumentPart {
public:
    TracePart(QString id, QStringList needs, QStringList* trace) : id_(std::move(id)), needs_(std::move(needs)), trace_(trace) {}
    QString id() const override { return id_; }
    QStringList dependencies() const override { return needs_; }
    void load(RomImage&) override { trace_->append(QStringLiteral("load ") + id_); }
    void clear() override {}
    bool encode(SaveContext&) override
    {
        trace_->append(QStringLiteral("encode ") + id_);
        return true;
    }
    bool isModified() const override { return false; }
    std::vector<PartField> fields() const override { return {}; }

private:
    QString id_;
    QStringList needs_;
    QStringList* trace_;
};

QStringList orderOf(const DocumentParts& parts)
{
    QStringList ids;
    for (const DocumentPart* part : parts.ordered())
        ids.append(part->id());
    return ids;
}

struct ArrangeCase {
    const char* name;
    std::vector<std::pair<QString, QStringList>> parts;  // id, dependencies, in the order added
    QStringList order;                                   // empty: refused
    const char* problem;                                 // a word the refusal names
};

class ArrangeParts : public testing::TestWithParam<ArrangeCase> {};

}  // namespace

TEST_P(ArrangeParts, OrdersByDependenciesOrRefuses)
{
    const ArrangeCase& c = GetParam();
    QStringList trace;
    DocumentParts parts;
    for (const auto& [id, needs] : c.parts)
        parts.add(std::make_unique<TracePart>(id, needs, &trace));
    const QStringList added = orderOf(parts);
    QString problem;
    const bool arranged = parts.arrange(&problem);
    EXPECT_EQ(arranged, !c.order.isEmpty()) << problem.toStdString();
    if (arranged) {
        EXPECT_EQ(orderOf(parts), c.order);
    } else {
        EXPECT_TRUE(problem.contains(QString::fromLatin1(c.problem))) << problem.toStdString();
        EXPECT_EQ(orderOf(parts), added);  // a refusal leaves the order alone
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ArrangeParts,
    testing::Values(
        ArrangeCase{"KeepsTheOrderAdded", {{"a", {}}, {"b", {}}, {"c", {}}}, {"a", "b", "c"}, ""},
        ArrangeCase{"MovesAPartBehindWhatItNeeds", {{"flags", {"text"}}, {"maps", {"text"}}, {"text", {}}},
                    {"text", "flags", "maps"}, ""},
        ArrangeCase{"FollowsChains", {{"c", {"b"}}, {"b", {"a"}}, {"a", {}}, {"d", {}}}, {"a", "b", "c", "d"}, ""},
        ArrangeCase{"RefusesAMissingPart", {{"a", {"ghost"}}}, {}, "ghost"},
        ArrangeCase{"RefusesACircle", {{"a", {"b"}}, {"b", {"a"}}, {"c", {}}}, {}, "circle"},
        ArrangeCase{"RefusesTwoPartsOfOneName", {{"a", {}}, {"a", {}}}, {}, "Two parts"}),
    [](const testing::TestParamInfo<ArrangeCase>& info) { return std::string(info.param.name); });

TEST(DocumentParts, EveryStandardPartFollowsWhatItNeedsAndEveryKindHasOneHome)
{
    CFF3Doc doc;
    std::set<QString> placed;
    for (const DocumentPart* part : doc.parts().ordered()) {
        for (const QString& needed : part->dependencies())
            EXPECT_TRUE(placed.count(needed)) << part->id().toStdString() << " before " << needed.toStdString();
        EXPECT_TRUE(placed.insert(part->id()).second) << part->id().toStdString();
    }
    // What saves rely on: the dialogue takes its banks past the image before
    // the maps, Balance before Ruin, and the flags take the dialogue's mark.
    const QStringList order = orderOf(doc.parts());
    EXPECT_LT(order.indexOf(QStringLiteral("expansion")), order.indexOf(QStringLiteral("dialogue")));
    EXPECT_LT(order.indexOf(QStringLiteral("dialogue")), order.indexOf(QStringLiteral("worldmap.balance")));
    EXPECT_LT(order.indexOf(QStringLiteral("worldmap.balance")), order.indexOf(QStringLiteral("worldmap.ruin")));
    EXPECT_LT(order.indexOf(QStringLiteral("dialogue")), order.indexOf(QStringLiteral("flags")));

    std::map<RecordKind, int> homes;
    for (const DocumentPart* part : doc.parts().ordered())
        for (RecordKind kind : part->kinds())
            ++homes[kind];
    for (const auto& [kind, count] : homes) {
        const bool perMap = kind == RecordKind::WorldMap || RecordRef(kind).isMapElement();
        EXPECT_EQ(count, perMap ? 2 : 1) << recordKindName(kind).toStdString();
    }
    const std::vector<RecordTablePart*> tables = doc.recordTables();
    ASSERT_EQ(tables.size(), 7u);
    for (const RecordTablePart* table : tables)
        EXPECT_EQ(PropertyTable::kindNamed(doc, table->tableName()), table->kind());
}

// ---- each part's fields against the bytes they show ----

namespace {

class PartFields : public testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(t.doc.open(file.path())); }

    // The value a part lists for one field of one record.
    QString field(const QString& partId, const RecordRef& ref, int fieldId)
    {
        const DocumentPart* part = t.doc.parts().find(partId);
        EXPECT_NE(part, nullptr) << partId.toStdString();
        if (!part)
            return {};
        for (const PartField& f : part->fields())
            if (f.ref == ref && f.field == fieldId)
                return f.value;
        ADD_FAILURE() << "no field " << fieldId << " of " << ref.toString().toStdString();
        return {};
    }

    // Every field of every part, by part, for before/after comparisons.
    std::map<QString, std::vector<PartField>> allFields()
    {
        std::map<QString, std::vector<PartField>> all;
        for (const DocumentPart* part : t.doc.parts().ordered())
            all[part->id()] = part->fields();
        return all;
    }

    TempRom file{resavedSampleRomBytes()};
    TestDoc t;
};

QString hexOf(const QByteArray& bytes)
{
    return QString::fromLatin1(bytes.toHex().toUpper());
}

}  // namespace

TEST_F(PartFields, ValuesAreTheBytesOfTheirTables)
{
    const QByteArray rom = resavedSampleRomBytes();
    // Item 5's price: the little-endian word at record byte 28, read from the file.
    const QByteArray price = bytesAt(rom, records::kItemRecordsAddress + 5 * records::kItemRecordSize + 28, 2);
    EXPECT_EQ(field(QStringLiteral("items"), {RecordKind::Item, 5}, itemprops::kPrice),
              QString::number(quint8(price[0]) | quint8(price[1]) << 8));
    EXPECT_EQ(field(QStringLiteral("dialogue"), {RecordKind::Message, 7}, 0),
              dialoguescript::scriptText(t.doc.part<DialoguePart>().dialogue().messages[7]));
    EXPECT_EQ(field(QStringLiteral("fonts"), {RecordKind::DialogueGlyph, 0x41}, FontsPart::kWidthField),
              QString::number(quint8(bytesAt(rom, GameFonts::kDialogueWidthsAddress + 0x41, 1)[0])));
    EXPECT_EQ(field(QStringLiteral("fonts"), {RecordKind::MenuGlyph, 0x90}, FontsPart::kPixelsField),
              hexOf(bytesAt(rom, GameFonts::kMenuGlyphsAddress + 0x10 * GameFonts::kMenuGlyphSize, GameFonts::kMenuGlyphSize)));
    const WorldMap& ruin = *worldMapOf(t.doc, 1);
    EXPECT_EQ(field(QStringLiteral("worldmap.ruin"), {RecordKind::MapCell, 1, 40 * 256}, WorldMapPart::kCellsField),
              hexOf(ruin.tileMap.mid(40 * 256, 256)));
    const QByteArray color = bytesAt(rom, ruin.layout->paletteAddress + 2 * 9, 2);
    EXPECT_EQ(field(QStringLiteral("worldmap.ruin"), {RecordKind::MapColor, 1, 9}, WorldMapPart::kColorField),
              QStringLiteral("$%1").arg(quint8(color[0]) | quint8(color[1]) << 8, 4, 16, QLatin1Char('0')).toUpper());
    EXPECT_EQ(field(QStringLiteral("flags"), {RecordKind::EditorFlags}, 1),
              QStringLiteral("%1").arg(quint8(rom[0x81]), 2, 16, QLatin1Char('0')).toUpper());
}

namespace {

struct EditCase {
    const char* name;
    const char* part;
    RecordRef ref;
    std::function<QUndoCommand*(CFF3Doc&)> edit;
};

class OneEditOneField : public PartFields, public testing::WithParamInterface<EditCase> {};

QUndoCommand* propertyEdit(CFF3Doc& doc, RecordKind kind, int index, int id, quint32 value)
{
    const PropertyTable table(doc, kind);
    const PropertyList list = table.properties(index);
    return table.makeEdit(index, *list.find(id), value);
}

}  // namespace

// An edit shows in its own part's fields, at its record, and nowhere else:
// what a comparison of two documents by their fields relies on.
TEST_P(OneEditOneField, ChangesItsRecordsFieldsOnly)
{
    const EditCase& c = GetParam();
    const auto before = allFields();
    t.doc.undoStack()->push(c.edit(t.doc));
    ASSERT_EQ(t.doc.undoStack()->count(), 1);
    const auto after = allFields();
    for (const auto& [id, fields] : before) {
        const std::vector<PartField>& now = after.at(id);
        ASSERT_EQ(now.size(), fields.size()) << id.toStdString();
        int changed = 0;
        for (std::size_t i = 0; i < fields.size(); ++i)
            if (!(now[i] == fields[i])) {
                ++changed;
                EXPECT_EQ(id, QString::fromLatin1(c.part));
                EXPECT_EQ(now[i].ref, c.ref) << now[i].label.toStdString();
            }
        EXPECT_EQ(changed > 0, id == QString::fromLatin1(c.part)) << id.toStdString();
    }
    // Only that part differs from the file, until the edit is undone.
    for (const DocumentPart* part : t.doc.parts().ordered())
        EXPECT_EQ(part->isModified(), part->id() == QString::fromLatin1(c.part)) << part->id().toStdString();
    t.doc.undoStack()->undo();
    EXPECT_EQ(allFields(), before);
    for (const DocumentPart* part : t.doc.parts().ordered())
        EXPECT_FALSE(part->isModified()) << part->id().toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Edits, OneEditOneField,
    testing::Values(
        EditCase{"ItemPrice", "items", {RecordKind::Item, 5},
                 [](CFF3Doc& d) { return propertyEdit(d, RecordKind::Item, 5, itemprops::kPrice, 4321); }},
        EditCase{"ShopSlot", "shops", {RecordKind::Shop, 3},
                 [](CFF3Doc& d) { return makeSetByte(d, d.part<ShopsPart>().bytes(RecordPart::Record, 3), 4, 0x21, {}); }},
        EditCase{"EsperRecord", "espers", {RecordKind::Esper, 2},
                 [](CFF3Doc& d) { return makeSetByte(d, d.part<EspersPart>().bytes(RecordPart::Record, 2), 0, 0x07, {}); }},
        EditCase{"SpellRecord", "spells", {RecordKind::Spell, 90},
                 [](CFF3Doc& d) { return makeSetByte(d, d.part<SpellsPart>().bytes(RecordPart::Record, 90), 5, 0x33, {}); }},
        EditCase{"MonsterStats", "monsters", {RecordKind::Monster, 40},
                 [](CFF3Doc& d) { return makeSetByte(d, d.part<MonstersPart>().bytes(RecordPart::Record, 40), 5, 0x63, {}); }},
        EditCase{"Formation", "formations", {RecordKind::Formation, 12},
                 [](CFF3Doc& d) { return makeSetByte(d, d.part<FormationsPart>().bytes(RecordPart::Record, 12), 1, 0x20, {}); }},
        EditCase{"Character", "characters", {RecordKind::Character, 1},
                 [](CFF3Doc& d) { return makeSetByte(d, d.part<CharactersPart>().bytes(RecordPart::Record, 1), 4, 0x55, {}); }},
        EditCase{"GlyphWidth", "fonts", {RecordKind::DialogueGlyph, 0x41},
                 [](CFF3Doc& d) { return makeSetByte(d, d.part<FontsPart>().dialogueWidth(0x41), 0, 11, {}); }},
        EditCase{"Message", "dialogue", {RecordKind::Message, 9},
                 [](CFF3Doc& d) { return new ReplaceMessageCommand(d, 9, QByteArray("\x80\x81\x00", 3)); }},
        EditCase{"MapCells", "worldmap.balance", {RecordKind::MapCell, 0, 30 * 256},
                 [](CFF3Doc& d) { return new SetMapCellsCommand(d, 0, {{{5, 30}, 0x77}, {{6, 30}, 0x78}}, {}); }},
        EditCase{"PaletteColour", "worldmap.ruin", {RecordKind::MapColor, 1, 3},
                 [](CFF3Doc& d) { return makeSetWord(d, worldMapPartOf(d, 1)->paletteColor(3), 0, 0x7FFF, {}); }}),
    [](const testing::TestParamInfo<EditCase>& info) { return std::string(info.param.name); });

TEST(DocumentParts, ASavePassesTheContextThroughEveryPartInOrder)
{
    QStringList trace;
    DocumentParts parts;
    parts.add(std::make_unique<TracePart>(QStringLiteral("late"), QStringList{QStringLiteral("early")}, &trace));
    parts.add(std::make_unique<TracePart>(QStringLiteral("early"), QStringList{}, &trace));
    QString problem;
    ASSERT_TRUE(parts.arrange(&problem));
    RomImage rom;
    rom.openInMemory(QByteArray(16, '\0'));
    SaveContext save(rom);
    for (DocumentPart* part : parts.ordered())
        part->load(rom);
    for (DocumentPart* part : parts.ordered())
        part->encode(save);
    EXPECT_EQ(trace, (QStringList{QStringLiteral("load early"), QStringLiteral("load late"), QStringLiteral("encode early"),
                                  QStringLiteral("encode late")}));
    EXPECT_EQ(parts.find(QStringLiteral("late")), parts.ordered().back());
    EXPECT_EQ(parts.get<TracePart>(), nullptr);  // two of one class: found only through all()
    EXPECT_EQ(parts.all<TracePart>().size(), 2u);
}

TEST(RecordRef, CoversTheRecordsItNames)
{
    const RecordRef items(RecordKind::Item);
    EXPECT_TRUE(items.covers({RecordKind::Item, 12}));
    EXPECT_TRUE(RecordRef(RecordKind::Item, 12).covers(items));
    EXPECT_FALSE(RecordRef(RecordKind::Item, 12).covers({RecordKind::Item, 13}));
    EXPECT_FALSE(items.covers({RecordKind::Spell, 12}));
    const RecordRef ruinCells(RecordKind::MapCell, 1);
    EXPECT_TRUE(ruinCells.isWhole());
    EXPECT_TRUE(ruinCells.covers({RecordKind::MapCell, 1, 300}));
    EXPECT_FALSE(ruinCells.covers({RecordKind::MapCell, 0, 300}));
    EXPECT_FALSE(RecordRef(RecordKind::MapTrigger, 1, 2).covers({RecordKind::MapTrigger, 1, 3}));
    EXPECT_EQ(RecordRef(RecordKind::MapTrigger, 1, 2).whole(), RecordRef(RecordKind::MapTrigger, 1));

    EXPECT_EQ(RecordRef(RecordKind::Item, 12).toString(), QStringLiteral("item 12"));
    EXPECT_EQ(RecordRef::event(0xCA1234).toString(), QStringLiteral("event $CA:1234"));
    EXPECT_EQ(RecordRef(RecordKind::MapCell, 0, 5 * 256 + 7).toString(), QStringLiteral("cell (7, 5) of map 0"));
    EXPECT_EQ(recordKindNamed(QStringLiteral("formation")), RecordKind::Formation);
    EXPECT_FALSE(recordKindNamed(QStringLiteral("formations")).has_value());
}
