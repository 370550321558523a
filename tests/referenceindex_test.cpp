#include "document/parts/scriptpart.h"
#include "document/propertytable.h"
#include "document/referenceindex.h"
#include "records/shopproperties.h"
#include "tests/propertytablefixture.h"
#include "worldmap/entrancedestination.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <gtest/gtest.h>

#include <set>


using namespace tessel;

namespace {

// A use as the scans below find it: the user, the record named and the
// JSON kind text the index must give it, in one readable line.
using Use = QString;

// What one set holds that the other does not, for a readable failure.
std::string difference(const std::set<Use>& a, const std::set<Use>& b)
{
    QStringList lines;
    for (const Use& u : a)
        if (!b.count(u) && lines.size() < 10)
            lines.append(QStringLiteral("only left: ") + u);
    for (const Use& u : b)
        if (!a.count(u) && lines.size() < 20)
            lines.append(QStringLiteral("only right: ") + u);
    return lines.join(QLatin1Char('\n')).toStdString();
}

Use useOf(const RecordRef& user, const RecordRef& target, const QString& kindText)
{
    return user.toString() + QStringLiteral(" -> ") + target.toString() + QStringLiteral(" (") + kindText + u')';
}

const std::vector<RecordKind> kUserKinds = {RecordKind::Item,    RecordKind::Esper,
                                                           RecordKind::Shop,    RecordKind::Monster,
                                                           RecordKind::Formation, RecordKind::Character,
                                                           RecordKind::Event,   RecordKind::MapTrigger};

std::set<Use> usesFrom(ReferenceIndex& index, const std::vector<RecordKind>& userKinds)
{
    std::set<Use> uses;
    for (const Reference& r : index.allUses())
        if (std::find(userKinds.begin(), userKinds.end(), r.user.kind) != userKinds.end())
            uses.insert(useOf(r.user, r.target, referenceKindText(r)));
    return uses;
}

// How each record-naming property reads as a use, by its group and label
// as the editors show them (a "%1" takes the slot number from the label).
struct FieldUse {
    const char* group;
    const char* label;
    const char* kindText;
};
constexpr FieldUse kFieldUses[] = {
    {"Items Sold", "Item %1", "slot %1"},
    {"Items Stolen", "Item %1", "stolen"},
    {"Items Dropped", "Item %1", "dropped"},
    {"Magic-Related Properties", "Spell learned from item", "teaches"},
    {"Magic-Related Properties", "Special attack when used as an item", "casts"},
    {"Spells", "Spell %1", "teaches"},
    {"Enemy %1", "Monster", "monster slot %1"},
    {"Equipment", "Weapon", "starting equipment"},
    {"Equipment", "Shield", "starting equipment"},
    {"Equipment", "Hat", "starting equipment"},
    {"Equipment", "Body", "starting equipment"},
    {"Equipment", "Relic 1", "starting equipment"},
    {"Equipment", "Relic 2", "starting equipment"},
};

// Whether `text` reads as `pattern`, whose "%1" (at its end) stands for a number.
bool matches(const char* pattern, const QString& text, int* number)
{
    const QString p = QString::fromLatin1(pattern);
    const qsizetype at = p.indexOf(QLatin1String("%1"));
    if (at < 0)
        return text == p;
    bool ok = false;
    *number = text.startsWith(p.left(at)) ? text.mid(at).toInt(&ok) : 0;
    return ok;
}

// The kind text for a property, or nothing when it names no record.
std::optional<QString> kindTextOf(const PropertyGroup& group, const Property& p)
{
    for (const FieldUse& f : kFieldUses) {
        int n = 0;
        if (matches(f.group, group.label, &n) && matches(f.label, p.label, &n))
            return QString::fromLatin1(f.kindText).replace(QLatin1String("%1"), QString::number(n));
    }
    return std::nullopt;
}

class ReferenceIndexTest : public PropertyTableFixture {};

// Every record-naming field of every table, read through the property
// lists the editors show: an empty slot (a byte of 0xFF), a number past
// the names offered and an absent formation slot name nothing.
TEST_F(ReferenceIndexTest, RecordUsesMatchAScanOfThePropertyLists)
{
    std::set<Use> scanned;
    QList<std::pair<RecordRef, RecordRef>> named;  // user, target
    std::set<QString> kindsSeen;
    for (RecordKind kind : {RecordKind::Item, RecordKind::Esper, RecordKind::Shop, RecordKind::Monster,
                            RecordKind::Formation, RecordKind::Character}) {
        const PropertyTable table(t.doc, kind);
        for (int i = 0; i < table.count(); ++i) {
            for (const PropertyGroup& group : table.properties(i).groups) {
                bool present = true;
                for (const Property& p : group.properties) {
                    if (p.label == QLatin1String("Present"))
                        present = p.value;
                    const std::optional<QString> kindText = kindTextOf(group, p);
                    if (!kindText || !present || !p.names || !p.names->contains(int(p.value)))
                        continue;
                    // The names offered say what is named: 256 items, 54 spells, 384 monsters.
                    const RecordKind target = p.names->count() == 256  ? RecordKind::Item
                                              : p.names->count() == 54 ? RecordKind::Spell
                                                                       : RecordKind::Monster;
                    // A byte of 0xFF is an empty slot; monster numbers have 9 bits.
                    if (p.value == 0xFF && target != RecordKind::Monster)
                        continue;
                    scanned.insert(useOf(RecordRef(kind, i), RecordRef(target, int(p.value)), *kindText));
                    named.append({RecordRef(kind, i), RecordRef(target, int(p.value))});
                    kindsSeen.insert(kindText->section(QLatin1Char(' '), 0, 0));
                }
            }
        }
    }
    // The sample names records in every kind of field.
    EXPECT_EQ(kindsSeen, (std::set<QString>{QStringLiteral("slot"), QStringLiteral("stolen"),
                                            QStringLiteral("dropped"), QStringLiteral("teaches"),
                                            QStringLiteral("casts"), QStringLiteral("monster"),
                                            QStringLiteral("starting")}));

    ReferenceIndex& index = ReferenceIndex::of(t.doc);
    const std::set<Use> indexed = usesFrom(index, {RecordKind::Item, RecordKind::Esper, RecordKind::Shop,
                                                   RecordKind::Monster, RecordKind::Formation,
                                                   RecordKind::Character});
    EXPECT_TRUE(indexed == scanned) << difference(indexed, scanned);
    // And each is found by a query for what it names.
    for (const auto& [user, target] : named) {
        const QList<Reference>& found = index.usesOf(target);
        EXPECT_TRUE(std::any_of(found.cbegin(), found.cend(), [&user](const Reference& r) { return r.user == user; }))
            << target.toString().toStdString() << " " << user.toString().toStdString();
    }
}

// Event commands as the listing reads them, and world-map entrances as the
// maps hold them.
TEST_F(ReferenceIndexTest, EventAndEntranceUsesMatchTheListingAndTheTriggers)
{
    std::set<Use> scanned;
    std::set<RecordKind> targetKinds;
    const events::ScriptListing& listing = t.doc.part<ScriptPart>().listing();
    for (int i = 0; i < listing.size(); ++i)
        for (const RecordRef& ref : listing.references(i))
            if (ref.kind != RecordKind::Event)
            {
                scanned.insert(useOf(RecordRef::event(listing.address(i)), ref, {}));
                targetKinds.insert(ref.kind);
            }
    for (int map = 0; map < worldMapCount(t.doc); ++map) {
        const QList<MapTrigger>& triggers = worldMapOf(t.doc, map)->triggers;
        for (int k = 0; k < triggers.size(); ++k)
            if (triggers[k].kind == MapTrigger::Entrance)
            {
                scanned.insert(useOf(RecordRef(RecordKind::MapTrigger, map, k),
                                     RecordRef(RecordKind::Location, int(triggers[k].data & 0x1FF)), {}));
                targetKinds.insert(RecordKind::Location);
            }
    }
    EXPECT_TRUE(targetKinds.count(RecordKind::Message) && targetKinds.count(RecordKind::Location));

    std::set<Use> indexed;
    for (const Reference& r : ReferenceIndex::of(t.doc).allUses())
        if (r.user.kind == RecordKind::Event || r.user.kind == RecordKind::MapTrigger)
            indexed.insert(useOf(r.user, r.target, {}));
    EXPECT_TRUE(indexed == scanned) << difference(indexed, scanned);
}

// The texts a user reads in the References panel.
TEST(ReferenceTexts, SayWhoUsesTheRecordAndHow)
{
    const Reference shop{RecordRef(RecordKind::Shop, 12), RecordRef(RecordKind::Item, 3), Reference::Role::ShopSlot, 3};
    const Reference drop{RecordRef(RecordKind::Monster, 40), RecordRef(RecordKind::Item, 3),
                         Reference::Role::Dropped, 1};
    const Reference give{RecordRef::event(0xCA1234), RecordRef(RecordKind::Item, 3), Reference::Role::EventGives};
    EXPECT_EQ(referenceText(shop), QStringLiteral("Shop 12, slot 3"));
    EXPECT_EQ(referenceText(drop), QStringLiteral("Monster 40 drops it"));
    EXPECT_EQ(referenceText(give), QStringLiteral("Event $CA:1234 gives it"));
}

// A shop slot changed through its undoable command: the index answers the
// new state, and after undo the old one, as a fresh reading would.
TEST_F(ReferenceIndexTest, FollowsAnEditOfAShopSlotAndItsUndo)
{
    ReferenceIndex& index = ReferenceIndex::of(t.doc);
    const RecordRef shop(RecordKind::Shop, 12);
    auto sells = [&index, &shop](int item) {
        const QList<Reference>& uses = index.usesOf(RecordRef(RecordKind::Item, item));
        return std::count_if(uses.cbegin(), uses.cend(), [&shop](const Reference& r) { return r.user == shop; });
    };
    const PropertyTable table(t.doc, RecordKind::Shop);
    const int before = int(table.properties(12).find(shopprops::kFirstItem + 3)->value);
    const int item = before == 0x2A ? 0x2B : 0x2A;
    const auto sold = sells(item);
    const auto soldBefore = sells(before);

    edit(RecordKind::Shop, 12, shopprops::kFirstItem + 3, quint32(item));
    EXPECT_EQ(sells(item), sold + 1);
    if (before != 0xFF) {
        EXPECT_EQ(sells(before), soldBefore - 1);
    }
    const std::set<Use> updated = usesFrom(index, kUserKinds);
    index.rebuild();
    const std::set<Use> fresh = usesFrom(index, kUserKinds);
    EXPECT_TRUE(fresh == updated) << difference(fresh, updated);

    t.doc.undoStack()->undo();
    EXPECT_EQ(sells(item), sold);
    EXPECT_EQ(sells(before), soldBefore);
}

// The command line: uses by shops and monsters of an item, by an esper of
// a spell, with the events' own shape kept.
TEST(RefsCli, ListsEveryKindOfUseAsJson)
{
    QByteArray image = sampleRomBytes();
    const auto put = [&image](SnesAddress address, quint8 value) {
        image[rom::fileOffset(address)] = char(value);
    };
    put(0xC47AC0 + 12 * 9 + 1 + 3, 0x2A);   // shop 12, slot 3
    put(0xCF3000 + 40 * 4 + 2, 0x2A);       // monster 40, first dropped item
    put(0xD86E00 + 3 * 11 + 3, 7);          // esper 3, spell 2
    TempRom file(image);

    const ToolRun item = runCli({QStringLiteral("refs"), file.path(), QStringLiteral("item"), QStringLiteral("0x2A"),
                                 QStringLiteral("--json")});
    ASSERT_EQ(item.exitCode, 0) << item.err.toStdString();
    const QJsonObject itemRoot = QJsonDocument::fromJson(item.out.toUtf8()).object();
    EXPECT_EQ(itemRoot.value(QStringLiteral("index")).toInt(), 0x2A);
    const QJsonArray itemRefs = itemRoot.value(QStringLiteral("refs")).toArray();
    EXPECT_TRUE(itemRefs.contains(QJsonObject{{QStringLiteral("kind"), QStringLiteral("shop")},
                                              {QStringLiteral("index"), 12},
                                              {QStringLiteral("text"), QStringLiteral("slot 3")}}));
    EXPECT_TRUE(itemRefs.contains(QJsonObject{{QStringLiteral("kind"), QStringLiteral("monster")},
                                              {QStringLiteral("index"), 40},
                                              {QStringLiteral("text"), QStringLiteral("dropped")}}));

    const ToolRun spell = runCli({QStringLiteral("refs"), file.path(), QStringLiteral("spell"), QStringLiteral("7"),
                                  QStringLiteral("--json")});
    ASSERT_EQ(spell.exitCode, 0) << spell.err.toStdString();
    const QJsonObject spellRoot = QJsonDocument::fromJson(spell.out.toUtf8()).object();
    EXPECT_EQ(spellRoot.value(QStringLiteral("kind")).toString(), QStringLiteral("spell"));
    EXPECT_TRUE(spellRoot.value(QStringLiteral("refs")).toArray().contains(
        QJsonObject{{QStringLiteral("kind"), QStringLiteral("esper")},
                    {QStringLiteral("index"), 3},
                    {QStringLiteral("text"), QStringLiteral("teaches")}}));

    const ToolRun text = runCli({QStringLiteral("refs"), file.path(), QStringLiteral("item"), QStringLiteral("0x2A")});
    EXPECT_TRUE(text.out.contains(QStringLiteral("Shop 12, slot 3\n"))) << text.out.toStdString();
    const QStringList pastTheTable = {QStringLiteral("refs"), file.path(), QStringLiteral("formation"),
                                      QStringLiteral("576")};
    EXPECT_EQ(runCli(pastTheTable).exitCode, 2);
}

}  // namespace
