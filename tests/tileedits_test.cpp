#include "document/tilepropertylist.h"
#include "tests/testsupport.h"
#include "worldmap/worldmap.h"
#include "document/parts/worldmappart.h"

#include <QUndoCommand>

#include <gtest/gtest.h>

using namespace tessel;

namespace {

const Property& propertyLabelled(const PropertyList& list, const QString& label)
{
    for (const PropertyGroup& group : list.groups)
        for (const Property& p : group.properties)
            if (p.label == label)
                return p;
    ADD_FAILURE() << "no property " << label.toStdString();
    static const Property none;
    return none;
}

struct SampleMaps {
    SampleMaps() { EXPECT_TRUE(t.doc.open(file.path())); }
    WorldMap& map(int m = 0) { return *worldMapOf(t.doc, m); }
    QUndoStack& stack() { return *t.doc.undoStack(); }
    TempRom file;
    TestDoc t;
};

}  // namespace

TEST(TilePropertyList, ShowsTheGroupsFieldsAndValuesOfAWord)
{
    const PropertyList list = TilePropertyList::of(0xA54D);  // 1010 0101 0100 1101
    QStringList groups;
    for (const PropertyGroup& g : list.groups)
        groups.append(g.label);
    EXPECT_EQ(groups, (QStringList{"Travelling", "Vehicles", "Battles", "Other"}));
    ASSERT_EQ(list.groups[0].properties.size(), 4u);
    EXPECT_EQ(list.groups[0].properties[0].label, QStringLiteral("Walking disabled"));
    EXPECT_EQ(propertyLabelled(list, QStringLiteral("Walking disabled")).value, 0u);
    EXPECT_EQ(propertyLabelled(list, QStringLiteral("Chocobo disabled")).value, 1u);
    EXPECT_EQ(propertyLabelled(list, QStringLiteral("Activate enemy encounters")).value, 1u);
    const Property& shadow = propertyLabelled(list, QStringLiteral("Size of shadow cast by airship"));
    EXPECT_EQ(shadow.value, 3u);
    EXPECT_EQ(shadow.displayText(), QStringLiteral("Largest"));
    const Property& background = propertyLabelled(list, QStringLiteral("Background image"));
    EXPECT_EQ(background.value, 5u);
    EXPECT_EQ(background.displayText(), QStringLiteral("World of Ruin"));
    EXPECT_EQ(propertyLabelled(list, QStringLiteral("Land Airship, then Trigger Event (?)")).value, 1u);
    EXPECT_EQ(propertyLabelled(list, QStringLiteral("Trigger Event when Landed on (?)")).value, 0u);
}

TEST(TilePropertyList, AnEditChangesOnlyItsFieldsBitsAndUndoes)
{
    SampleMaps s;
    const int tile = 9;
    s.map(1).setTileProperty(tile, 0xFFF3);  // every bit but the shadow's
    auto edit = [&](const QString& label, quint32 value) {
        const PropertyList list = TilePropertyList::of(s.map(1).tileProperty(tile));
        s.stack().push(TilePropertyList::makeEdit(s.t.doc, 1, tile, propertyLabelled(list, label), value));
    };
    edit(QStringLiteral("Size of shadow cast by airship"), 1);  // "Medium"
    EXPECT_EQ(s.map(1).tileProperty(tile), 0xFFF7);
    EXPECT_EQ(s.stack().undoText(), QStringLiteral("Change Size of shadow cast by airship"));
    edit(QStringLiteral("Alternate Music"), 0);
    EXPECT_EQ(s.map(1).tileProperty(tile), 0xDFF7);
    edit(QStringLiteral("Background image"), 2);
    EXPECT_EQ(s.map(1).tileProperty(tile), 0xDAF7);
    EXPECT_TRUE(s.t.doc.isModified());
    s.stack().undo();
    s.stack().undo();
    s.stack().undo();
    EXPECT_EQ(s.map(1).tileProperty(tile), 0xFFF3);
}
