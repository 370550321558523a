// Two ROM files compared by meaning: a known set of edits saved into a copy
// of the sample ROM is listed exactly, from either side.
#include "compare/changereport.h"
#include "compare/romcomparison.h"
#include "document/parts/scriptpart.h"
#include "document/recordtablesource.h"
#include "document/replacemessagecommand.h"
#include "document/setbytescommand.h"
#include "document/setmapcellscommand.h"
#include "document/setscriptbytescommand.h"
#include "document/settriggercommand.h"
#include "tests/testsupport.h"
#include "text/dialoguescript.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <gtest/gtest.h>

using namespace tessel;

namespace {

struct FieldEdit {
    RecordKind kind;
    const char* path;
    quint32 value;
};

// One field of record 3 in each table.
constexpr FieldEdit kFieldEdits[] = {
    {RecordKind::Item, "General/Cost in GP", 4321},       {RecordKind::Spell, "General/MP Cost", 9},
    {RecordKind::Esper, "Spells/Spell 1 Learn Rate", 12}, {RecordKind::Shop, "General/Properties", 2},
    {RecordKind::Monster, "Statistics/Speed", 33},        {RecordKind::Formation, "Enemy 1/X Pos", 3},
    {RecordKind::Character, "Statistics/Vigor", 40},
};

void editEverything(CFF3Doc& doc)
{
    QUndoStack& stack = *doc.undoStack();
    for (const FieldEdit& e : kFieldEdits) {
        const RecordTableSource source(doc, e.kind);
        stack.push(source.makeEdit(3, source.fieldAt(QString::fromLatin1(e.path)), e.value));
    }
    for (int message : {5, 9}) {
        DialogueMessage m;
        ASSERT_TRUE(ParseDialogue(m, QStringLiteral("Changed message %1").arg(message)));
        stack.push(new ReplaceMessageCommand(doc, message, m.bytes));
    }
    stack.push(new SetMapCellsCommand(doc, 0, {{{10, 20}, 7}, {{11, 21}, 7}, {{200, 5}, 9}}, QStringLiteral("Brush")));
    MapTrigger trigger = worldMapOf(doc, 1)->triggers[2];
    trigger.x += 1;
    stack.push(new SetTriggerCommand(doc, 1, 2, trigger, QStringLiteral("Move")));
    stack.push(new SetBytesCommand(doc, worldMapPartOf(doc, 0)->paletteColor(5), 0, bytesOf({0x1F, 0x7C}),
                                   QStringLiteral("Edit Color")));
    stack.push(new SetBytesCommand(doc, doc.part<FontsPart>().dialogueGlyph(0x41), 0, bytesOf({0xFF, 0x0F}),
                                   QStringLiteral("Paint")));
    stack.push(new SetScriptBytesCommand(doc, {{0xCA028A, bytesOf({0x80, 0x05})}}, QStringLiteral("Edit Operands")));
}

// The resaved sample and a copy of it with every edit saved.
class RomComparison : public testing::Test {
protected:
    static void SetUpTestSuite()
    {
        original_ = new TempRom(resavedSampleRomBytes(), QStringLiteral("original.smc"));
        edited_ = new TempRom(resavedSampleRomBytes(), QStringLiteral("edited.smc"));
        TestDoc t;
        ASSERT_TRUE(t.doc.open(edited_->path()));
        editEverything(t.doc);
        ASSERT_TRUE(t.doc.save(edited_->path()));
    }
    static void TearDownTestSuite()
    {
        delete original_;
        delete edited_;
    }
    static RomChanges compare(const QString& before, const QString& after)
    {
        TestDoc a;
        TestDoc b;
        EXPECT_TRUE(a.doc.open(before));
        EXPECT_TRUE(b.doc.open(after));
        return romcomparison::compare(a.doc, b.doc);
    }

    static TempRom* original_;
    static TempRom* edited_;
};

TempRom* RomComparison::original_ = nullptr;
TempRom* RomComparison::edited_ = nullptr;

}  // namespace

TEST_F(RomComparison, ListsExactlyTheEditsSaved)
{
    const RomChanges changes = compare(original_->path(), edited_->path());
    EXPECT_EQ(changereport::text(changes).toStdString(),
              "items (1)\n"
              "  items 3 <DB>Bronze Edge, General/Cost in GP: 5560 -> 4321\n"
              "spells (1)\n"
              "  spells 3 <E9>Quake, General/MP Cost: 4 -> 9\n"
              "espers (1)\n"
              "  espers 3 Gravlok, Spells/Spell 1 Learn Rate: 7 -> 12\n"
              "shops (1)\n"
              "  shops 3, General/Properties: Items cost twice normal price -> Items cost 1.5X normal price\n"
              "monsters (1)\n"
              "  monsters 3 Wyrmlin, Statistics/Speed: 20 -> 33\n"
              "formations (1)\n"
              "  formations 3, Enemy 1/X Pos: 1 -> 3\n"
              "characters (1)\n"
              "  characters 3 VESPER, Statistics/Vigor: 34 -> 40\n"
              "dialogue (3)\n"
              "  Message 5: <WT 17, 28, 39>Look out!<T 236> -> Changed message 5\n"
              "  Message 9:  -> Changed message 9\n"
              "  Space used: 70995 -> 71003\n"
              "worldmap (2)\n"
              "  balance: Cells: 3 cells in (200, 5) 1x1, (10, 20) 2x2\n"
              "  balance: Colour 5: $5965 -> $7C1F\n"
              "triggers (1)\n"
              "  ruin: trigger 2: Moved: (48, 85) entrance 1426291B -> (49, 85) entrance 1426291B\n"
              "fonts (1)\n"
              "  Dialogue font $41, Pixels: 00 00 00 00 00 08 00 08 00 0F 80 08 80 08 80 08 80 08 00 00 00 00 -> "
              "FF 0F 00 00 00 08 00 08 00 0F 80 08 80 08 80 08 80 08 00 00 00 00\n"
              "events (1)\n"
              "  Event CA028A: Add item $00 (<D8>Bronze Dirk ) to inventory -> "
              "Add item $05 (<DD>Bronze Rod  ) to inventory\n");
}

TEST_F(RomComparison, TheOtherWayRoundListsTheSameChangesWithOldAndNewSwapped)
{
    const RomChanges forward = compare(original_->path(), edited_->path());
    const RomChanges backward = compare(edited_->path(), original_->path());
    ASSERT_EQ(backward.size(), forward.size());
    for (std::size_t i = 0; i < forward.size(); ++i) {
        SCOPED_TRACE(changereport::subjectText(forward[i]).toStdString());
        EXPECT_EQ(backward[i].area, forward[i].area);
        EXPECT_EQ(backward[i].subject, forward[i].subject);
        EXPECT_EQ(backward[i].field, forward[i].field);
        EXPECT_EQ(backward[i].oldValue, forward[i].newValue);
        EXPECT_EQ(backward[i].newValue, forward[i].oldValue);
        EXPECT_EQ(backward[i].bounds, forward[i].bounds);
    }
}

TEST_F(RomComparison, AFileAgainstItselfListsNothing)
{
    EXPECT_TRUE(compare(edited_->path(), edited_->path()).empty());
}

TEST_F(RomComparison, AFileGrownTo4MegabytesComparesWithItsOriginalPastTheEnd)
{
    QByteArray grown = resavedSampleRomBytes() + QByteArray(0x100000, '\0');
    const TempRom plain(grown);
    grown[0x350000] = 'x';  // another tool's byte past the image
    const TempRom foreign(grown);
    EXPECT_TRUE(compare(plain.path(), original_->path()).empty());
    const RomChanges changes = compare(original_->path(), foreign.path());
    ASSERT_EQ(changes.size(), 1u);
    EXPECT_EQ(changereport::text(changes), QStringLiteral("bytes (1)\n  0x350000-0x350001: expansion area\n"));
}

TEST_F(RomComparison, CliDiffWritesJsonInAFixedOrderAndExitsWith2ForDifferencesWhenAsked)
{
    const ToolRun json = runCli({QStringLiteral("diff"), original_->path(), edited_->path(), QStringLiteral("--json"),
                                 QStringLiteral("--exit-code")});
    ASSERT_EQ(json.exitCode, 2) << json.err.toStdString();
    const QJsonArray changes = QJsonDocument::fromJson(json.out.toUtf8()).object().value(QStringLiteral("changes")).toArray();
    ASSERT_FALSE(changes.isEmpty());
    EXPECT_EQ(QJsonDocument(changes[0].toObject()).toJson(QJsonDocument::Compact),
              QByteArray(R"({"area":"items","field":"General/Cost in GP","index":3,"name":"<DB>Bronze Edge","new":4321,"old":5560})"));
    EXPECT_TRUE(json.out.startsWith(QStringLiteral("{\"changes\": [\n  {\"area\": \"items\", \"index\": 3, ")));
    QStringList areas;
    for (const QJsonValue& change : changes)
        if (areas.isEmpty() || areas.last() != change[QStringLiteral("area")].toString())
            areas.append(change[QStringLiteral("area")].toString());
    EXPECT_EQ(areas, (QStringList{"items", "spells", "espers", "shops", "monsters", "formations", "characters",
                                  "dialogue", "worldmap", "triggers", "fonts", "events"}));
}

TEST_F(RomComparison, CliDiffExitsWith0ForTheSameFileAnd1ForARefusedOne)
{
    const ToolRun same = runCli({QStringLiteral("diff"), edited_->path(), edited_->path(), QStringLiteral("--exit-code")});
    EXPECT_EQ(same.exitCode, 0);
    EXPECT_TRUE(same.out.isEmpty());
    const TempRom notARom(QByteArray(1000, 'x'));
    const ToolRun refused = runCli({QStringLiteral("diff"), original_->path(), notARom.path()});
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_TRUE(refused.out.isEmpty());
}
