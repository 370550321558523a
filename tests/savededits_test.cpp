#include "document/editcommands.h"
#include "document/fontsheetimport.h"
#include "document/propertytable.h"
#include "records/characterproperties.h"
#include "records/esperproperties.h"
#include "records/formationproperties.h"
#include "records/itemproperties.h"
#include "records/magicproperties.h"
#include "records/monsterproperties.h"
#include "tests/testsupport.h"
#include "text/fontcolors.h"
#include "text/fontsheet.h"
#include "worldmap/worldmap.h"
#include "document/parts/dialoguepart.h"
#include "document/parts/fontspart.h"
#include "document/parts/worldmappart.h"

#include <gtest/gtest.h>

#include <functional>

using namespace tessel;

// One edit of each kind, made through the document's commands as the
// editors make it, is saved into the sample ROM. The whole file is then
// compared with a save without edits: it differs exactly where the edit
// lies. After Undo the next save is the save without edits again.
//
// The file offsets and bytes are written out from the game's layout and the
// sample's bytes there; a save that skips a table, writes it elsewhere or
// writes more than it should fails here.
namespace {


// Bytes a save writes at a file offset.
struct Written {
    qsizetype offset;
    QByteArray bytes;
};

// File offsets [start, end) that a save may rewrite as a whole.
struct Area {
    qsizetype start;
    qsizetype end;
};

struct SavedEditCase {
    const char* name;
    std::function<void(CFF3Doc&)> edit;
    // Tables saved as they are: exactly these bytes change.
    QList<Written> written;
    // Compressed blocks and the dialogue, laid out anew by each save: the
    // changes lie within these areas, and the edit reads back.
    QList<Area> within = {};
    // Checks the reopened file against the document that saved it.
    std::function<void(const CFF3Doc& reopened, const CFF3Doc& saved)> readsBack = {};
};

void push(CFF3Doc& doc, QUndoCommand* command)
{
    doc.undoStack()->push(command);
}

void editProperty(CFF3Doc& doc, RecordKind kind, int index, int id, quint32 value)
{
    const PropertyTable table(doc, kind);
    const PropertyList list = table.properties(index);
    ASSERT_NE(list.find(id), nullptr) << id;
    push(doc, table.makeEdit(index, *list.find(id), value));
}

void editText(CFF3Doc& doc, RecordKind kind, int index, int id, const QByteArray& text)
{
    const PropertyTable table(doc, kind);
    const PropertyList list = table.properties(index);
    ASSERT_NE(list.find(id), nullptr) << id;
    push(doc, table.makeTextEdit(index, *list.find(id), text));
}

QByteArray pieceBytes(const CFF3Doc& doc, int map, int piece)
{
    return QByteArray(reinterpret_cast<const char*>(worldMapOf(doc, map)->piece(piece)), 32);
}

// The areas of the World of Balance graphics block, of the World of Ruin
// tile map and region summary, and of the dialogue in the relocated layout,
// as the sample holds them.
const Area kBalanceGraphics{0x2EF300, 0x2EF300 + 8449};
const Area kRuinTileMap{0x2F1A00, 0x2F1A00 + 12993};
const Area kRuinSummary{0x2F6E00, 0x2F6E00 + 1139};
const QList<Area> kDialogueAreas = {
    {0x0D0200, 0x0EF300},  // text, $CD:0000-$CE:F0FF
    {0x0CE802, 0x0D0200},  // pointers, $CC:E602-$CC:FFFF
    {0x00E180, 0x00E1A0},  // groups and count, $C0:DF80
};

const QByteArray kGlyphRows = bytesOf({0xFF, 0x07, 0x81, 0x04});

const SavedEditCase kCases[] = {
    {"ItemName",  // item 7, $D2:B35B
     [](CFF3Doc& d) {
         editText(d, RecordKind::Item, 7, itemprops::kName,
                  bytesOf({0x90, 0x9A, 0xA6, 0xA9, 0xA5, 0x9E, 0x80, 0x81, 0x82, 0x83, 0x84, 0x85, 0x86}));
     },
     {{0x12B55B, bytesOf({0x90, 0x9A, 0xA6, 0xA9, 0xA5, 0x9E, 0x80, 0x81, 0x82, 0x83, 0x84, 0x85, 0x86})}}},
    {"ItemPrice",  // item 7, bytes 28-29 of $D8:50D2
     [](CFF3Doc& d) { editProperty(d, RecordKind::Item, 7, itemprops::kPrice, 12345); },
     {{0x1852EE, bytesOf({0x39, 0x30})}}},
    {"Shop",  // shop 127's first item, byte 1 of $C4:7F37
     [](CFF3Doc& d) { editProperty(d, RecordKind::Shop, 127, 2001, 7); },
     {{0x048138, bytesOf({0x07})}}},
    {"EsperName",  // esper 3, $E6:F6F9, also the name of spell 57
     [](CFF3Doc& d) {
         editText(d, RecordKind::Esper, 3, esperprops::kName, bytesOf({0x92, 0x9A, 0xA7, 0x9D, 0x9E, 0xAB, 0x9A}));
     },
     {{0x26F8F9, bytesOf({0x92, 0x9A, 0xA7, 0x9D, 0x9E, 0xAB, 0x9A, 0xFF})}}},
    {"EsperRecord",  // esper 3's first learn rate, byte 0 of $D8:6E21
     [](CFF3Doc& d) { editProperty(d, RecordKind::Esper, 3, 2002, 0x14); },
     {{0x187021, bytesOf({0x14})}}},
    {"SpellName",  // spell 10, $E6:F5AD
     [](CFF3Doc& d) {
         editText(d, RecordKind::Spell, 10, magicprops::kName, bytesOf({0x8F, 0xA8, 0xAC, 0x9E, 0xAB, 0xB5, 0xB6}));
     },
     {{0x26F7AD, bytesOf({0x8F, 0xA8, 0xAC, 0x9E, 0xAB, 0xB5, 0xB6})}}},
    {"SpellRecord",  // spell 10's MP cost, byte 5 of $C4:6B4C
     [](CFF3Doc& d) { editProperty(d, RecordKind::Spell, 10, 1002, 99); },
     {{0x046D51, bytesOf({0x63})}}},
    {"MonsterName",  // monster 20, $CF:C118
     [](CFF3Doc& d) {
         editText(d, RecordKind::Monster, 20, monsterprops::kName,
                  bytesOf({0x86, 0xA5, 0xA8, 0xA8, 0xA6, 0xB0, 0xA2, 0xA7, 0xA0}));
     },
     {{0x0FC318, bytesOf({0x86, 0xA5, 0xA8, 0xA8, 0xA6, 0xB0, 0xA2, 0xA7, 0xA0, 0xFF})}}},
    {"MonsterAttackName",  // monster 21, $CF:D1A2
     [](CFF3Doc& d) {
         editText(d, RecordKind::Monster, 21, monsterprops::kAttackName, bytesOf({0x92, 0xAD, 0xA2, 0xA7, 0xA0}));
     },
     {{0x0FD3A2, bytesOf({0x92, 0xAD, 0xA2, 0xA7, 0xA0, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF})}}},
    {"MonsterItems",  // monster 22's first dropped item, byte 2 of $CF:3058
     [](CFF3Doc& d) { editProperty(d, RecordKind::Monster, 22, monsterprops::kFirstDropped, 0x42); },
     {{0x0F325A, bytesOf({0x42})}}},
    {"MonsterStats",  // monster 383's first statistic, byte 0 of $CF:2FE0
     [](CFF3Doc& d) { editProperty(d, RecordKind::Monster, 383, monsterprops::kFirstStat, 0xAB); },
     {{0x0F31E0, bytesOf({0xAB})}}},
    {"FormationRecord",  // formation 575, slot 1 at X 1, Y 2 moved to Y 9: byte 8 of $CF:83B1
     [](CFF3Doc& d) {
         editProperty(d, RecordKind::Formation, 575, formationprops::slotField(1, formationprops::kY), 9);
     },
     {{0x0F85B9, bytesOf({0x19})}}},
    {"FormationExtra",  // formation 0's script, byte 2 of $CF:5900
     [](CFF3Doc& d) { editProperty(d, RecordKind::Formation, 0, formationprops::kScript, 0x99); },
     {{0x0F5B02, bytesOf({0x99})}}},
    {"CharacterRecord",  // character 63's second relic, byte 20 of $ED:820A
     [](CFF3Doc& d) { editProperty(d, RecordKind::Character, 63, characterprops::kFirstEquipment + 5, 0x33); },
     {{0x2D841E, bytesOf({0x33})}}},
    {"DialogueGlyph",  // rows 2 and 3 of code 0x41, $C4:9396 + 4
     [](CFF3Doc& d) { push(d, new SetBytesCommand(d, d.part<FontsPart>().dialogueGlyph(0x41), 4, kGlyphRows, {})); },
     {{0x04959A, kGlyphRows}}},
    {"GlyphWidth",  // code 0x41, $C4:9001
     [](CFF3Doc& d) { push(d, makeSetByte(d, d.part<FontsPart>().dialogueWidth(0x41), 0, 11, {})); },
     {{0x049201, bytesOf({0x0B})}}},
    {"MenuGlyph",  // code 0x90, $C4:88C0
     [](CFF3Doc& d) {
         push(d, new SetBytesCommand(d, d.part<FontsPart>().menuGlyph(0x90), 0, QByteArray(16, char(0xA5)), {}));
     },
     {{0x048AC0, QByteArray(16, char(0xA5))}}},
    {"PaletteColour",  // World of Ruin colour 127, $D2:EDFE
     [](CFF3Doc& d) { push(d, makeSetWord(d, worldMapPartOf(d, 1)->paletteColor(127), 0, 0x7C1F, {})); },
     {{0x12EFFE, bytesOf({0x1F, 0x7C})}}},
    {"TileProperty",  // World of Ruin tile 9's high byte (no shadow bits), $EE:9D27
     [](CFF3Doc& d) { push(d, makeSetByte(d, worldMapPartOf(d, 1)->tileProperty(9), 1, 0x20, {})); },
     {{0x2E9F27, bytesOf({0x20})}}},
    {"EntranceTrigger",  // World of Balance entrance 0's destination, $DF:BB06 + 2
     [](CFF3Doc& d) {
         MapTrigger changed = worldMapOf(d, 0)->triggers[0];
         changed.data = 0x12345678;
         push(d, new SetTriggerCommand(d, 0, 0, changed, {}));
     },
     {{0x1FBD08, bytesOf({0x78, 0x56, 0x34, 0x12})}}},
    {"EventTrigger",  // World of Balance's last event, $C4:001F + 2
     [](CFF3Doc& d) {
         const int last = int(worldMapOf(d, 0)->triggers.size()) - 1;
         MapTrigger changed = worldMapOf(d, 0)->triggers[last];
         changed.data = 0xCB0102;
         push(d, new SetTriggerCommand(d, 0, last, changed, {}));
     },
     {{0x040221, bytesOf({0x02, 0x01, 0xCB})}}},
    {"MapPiece",
     [](CFF3Doc& d) { push(d, new SetBytesCommand(d, worldMapPartOf(d, 0)->piece(200), 0, QByteArray(32, char(0x11)), {})); },
     {},
     {kBalanceGraphics},
     [](const CFF3Doc& d, const CFF3Doc&) { EXPECT_EQ(pieceBytes(d, 0, 200), QByteArray(32, char(0x11))); }},
    {"MapTileAssembly",
     [](CFF3Doc& d) {
         push(d, makeSetByte(d, worldMapPartOf(d, 0)->tileAssembly(7), TileAssembly::BottomLeft, 200, {}));
     },
     {},
     {kBalanceGraphics},
     [](const CFF3Doc& d, const CFF3Doc&) { EXPECT_EQ(worldMapOf(d, 0)->tileAssembly.piece(7, TileAssembly::BottomLeft), 200); }},
    {"MapPiecePalette",
     [](CFF3Doc& d) { push(d, makeSetByte(d, worldMapPartOf(d, 0)->piecePalette(201), 0, 0x50, {})); },
     {},
     {kBalanceGraphics},
     [](const CFF3Doc& d, const CFF3Doc&) { EXPECT_EQ(worldMapOf(d, 0)->piecePalette[201], 0x50); }},
    {"MapCells",
     [](CFF3Doc& d) { push(d, new SetMapCellsCommand(d, 1, {{{10, 20}, 0x41}, {{11, 20}, 0x42}}, {})); },
     {},
     {kRuinTileMap, kRuinSummary},
     [](const CFF3Doc& d, const CFF3Doc&) {
         EXPECT_EQ(worldMapOf(d, 1)->tileAt(10, 20), 0x41);
         EXPECT_EQ(worldMapOf(d, 1)->tileAt(11, 20), 0x42);
     }},
    {"Message",
     [](CFF3Doc& d) { push(d, new ReplaceMessageCommand(d, 5, bytesOf({0x27, 0x42, 0x43, 0x00}))); },
     {},
     kDialogueAreas,
     [](const CFF3Doc& d, const CFF3Doc& saved) {
         EXPECT_EQ(d.part<DialoguePart>().dialogue().messages[5].bytes, bytesOf({0x27, 0x42, 0x43, 0x00}));
         ASSERT_EQ(d.part<DialoguePart>().dialogue().messages.size(), saved.part<DialoguePart>().dialogue().messages.size());
         for (std::size_t i = 0; i < d.part<DialoguePart>().dialogue().messages.size(); ++i)
             EXPECT_EQ(d.part<DialoguePart>().dialogue().messages[i].bytes, saved.part<DialoguePart>().dialogue().messages[i].bytes) << i;
     }},
};

}  // namespace

class SavedEdit : public testing::TestWithParam<SavedEditCase> {};

TEST_P(SavedEdit, ReachesTheFileAndUndoPutsItBack)
{
    const SavedEditCase& c = GetParam();
    // The sample as built: the first save also moves its dialogue into the
    // relocated layout, as it does for the game's own ROM.
    TempRom file;
    TestDoc t;
    ASSERT_TRUE(t.doc.open(file.path()));
    c.edit(t.doc);
    ASSERT_EQ(t.doc.undoStack()->count(), 1);
    ASSERT_TRUE(t.doc.save(file.path())) << t.messages.entries.value(0).text.toStdString();

    const QByteArray& unedited = resavedSampleRomBytes();
    const QByteArray saved = file.read();
    ASSERT_EQ(saved.size(), unedited.size());
    if (c.readsBack) {
        const QList<qsizetype> changed = differences(unedited, saved);
        EXPECT_FALSE(changed.isEmpty());
        for (qsizetype offset : changed)
            EXPECT_TRUE(std::any_of(c.within.begin(), c.within.end(),
                                    [offset](const Area& a) { return offset >= a.start && offset < a.end; }))
                << std::hex << offset;
        TestDoc reopened;
        ASSERT_TRUE(reopened.doc.open(file.path()));
        c.readsBack(reopened.doc, t.doc);
    } else {
        QByteArray expected = unedited;
        for (const Written& w : c.written) {
            ASSERT_NE(unedited.mid(w.offset, w.bytes.size()), w.bytes) << "the sample holds the edit already";
            expected.replace(w.offset, w.bytes.size(), w.bytes);
        }
        EXPECT_EQ(differences(expected, saved), QList<qsizetype>());
    }

    t.doc.undoStack()->undo();
    ASSERT_TRUE(t.doc.save(file.path()));
    const QByteArray undone = file.read();
    EXPECT_EQ(undone.size(), unedited.size());
    EXPECT_EQ(differences(unedited, undone), QList<qsizetype>());
}

INSTANTIATE_TEST_SUITE_P(EveryEditKind, SavedEdit, testing::ValuesIn(kCases),
                         [](const testing::TestParamInfo<SavedEditCase>& info) { return std::string(info.param.name); });

// A dialogue font sheet painted elsewhere, with a glyph redrawn and its
// width changed, lands in the file; one Undo takes back both.
TEST(SavedFontSheet, WidthsAndPixelsLandInTheFileAndOneUndoRestoresBoth)
{
    TempRom file;
    TestDoc t;
    ASSERT_TRUE(t.doc.open(file.path()));
    const QImage exported = fontsheet::ExportSheet(t.doc.part<FontsPart>().fonts(), fontsheet::Font::Dialogue);
    QImage sheet = exported.convertToFormat(QImage::Format_RGB32);
    // Code 0x41 is cell 0x21: row 2, column 1. Its top row drawn across,
    // one pixel at the left of its bottom row, nothing else.
    const QPoint cell(12, 2 * 11);
    for (int y = 0; y < 11; ++y)
        for (int x = 0; x < 12; ++x)
            sheet.setPixel(cell + QPoint(x, y), fontcolors::snesToRgb(y == 0 || (y == 10 && x == 0) ? 0x7FFF : 0x61EE));
    QString widths = exported.text(QString::fromLatin1(fontsheet::kWidthsKey));
    ASSERT_EQ(widths.mid(2 * 0x41, 2), QStringLiteral("06"));
    widths.replace(2 * 0x41, 2, QStringLiteral("0b"));
    sheet.setText(QString::fromLatin1(fontsheet::kWidthsKey), widths);

    QString reason;
    const std::optional<fontsheet::Contents> contents =
        fontsheet::ImportSheet(sheet, fontsheet::Font::Dialogue, t.doc.part<FontsPart>().fonts(), &reason);
    ASSERT_TRUE(contents) << reason.toStdString();
    pushFontSheetImport(t.doc, fontsheet::Font::Dialogue, *contents);
    ASSERT_TRUE(t.doc.save(file.path()));

    QByteArray expected = resavedSampleRomBytes();
    expected[0x049201] = char(0x0B);  // width of 0x41, $C4:9001
    expected.replace(0x049596, 22,    // glyph 0x41, $C4:9396: rows 0 and 10
                     bytesOf({0xFF, 0x0F, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0x00, 0x08}));
    EXPECT_EQ(differences(expected, file.read()), QList<qsizetype>());

    t.doc.undoStack()->undo();
    EXPECT_FALSE(t.doc.undoStack()->canUndo());
    ASSERT_TRUE(t.doc.save(file.path()));
    EXPECT_EQ(differences(resavedSampleRomBytes(), file.read()), QList<qsizetype>());
}
