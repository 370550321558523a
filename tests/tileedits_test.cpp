#include "document/editcommands.h"
#include "document/tilepropertylist.h"
#include "tests/testsupport.h"
#include "worldmap/packedtile.h"
#include "worldmap/worldmap.h"
#include "document/parts/worldmappart.h"

#include <QUndoCommand>

#include <gtest/gtest.h>

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

// The tile editor's other edits: pieces of a tile, a piece's sub-palette,
// a colour, a piece's pixels; each saved and read back.
TEST(TileEdits, PiecesPalettesColoursAndPixelsSurviveSaveAndReopen)
{
    SampleMaps s;
    CFF3Doc& doc = s.t.doc;
    s.stack().push(makeSetByte(doc, worldMapPartOf(doc, 0)->tileAssembly(7), TileAssembly::BottomLeft, 200, QStringLiteral("Change Tile Piece")));
    const quint8 otherPalette = quint8((s.map().piecePalette[200] + 0x10) & 0x70);
    s.stack().push(makeSetByte(doc, worldMapPartOf(doc, 0)->piecePalette(200), 0, otherPalette, QStringLiteral("Change Piece Palette")));
    s.stack().push(makeSetWord(doc, worldMapPartOf(doc, 0)->paletteColor(0x61), 0, 0x7C1F, QStringLiteral("Change Color")));
    QByteArray pixels(32, '\0');
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x)
            PackedTile::setPixel(reinterpret_cast<quint8*>(pixels.data()), x, y, (x + 2 * y) & 15);
    s.stack().push(new SetBytesCommand(doc, worldMapPartOf(doc, 0)->piece(200), 0, pixels, QStringLiteral("Edit Pixels")));
    ASSERT_EQ(s.stack().count(), 4);
    ASSERT_TRUE(doc.save(s.file.path()));

    TestDoc reopened;
    ASSERT_TRUE(reopened.doc.open(s.file.path()));
    const WorldMap& after = *worldMapOf(reopened.doc, 0);
    EXPECT_EQ(after.tileAssembly.piece(7, TileAssembly::BottomLeft), 200);
    EXPECT_EQ(after.piecePalette[200], otherPalette);
    EXPECT_EQ(after.color(0x61), 0x7C1F);
    EXPECT_EQ(QByteArray(reinterpret_cast<const char*>(after.piece(200)), 32), pixels);
    EXPECT_EQ(after.pieces, s.map().pieces);

    // Each undoes on its own, and the document is modified again.
    const WorldMap& map = s.map();
    s.stack().undo();
    EXPECT_NE(QByteArray(reinterpret_cast<const char*>(map.piece(200)), 32), pixels);
    EXPECT_TRUE(doc.isModified());
    s.stack().undo();
    EXPECT_NE(map.color(0x61), 0x7C1F);
    s.stack().undo();
    s.stack().undo();
    EXPECT_NE(map.tileAssembly.piece(7, TileAssembly::BottomLeft), 200);
}
