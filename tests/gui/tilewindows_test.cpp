#include "document/tilesheetfile.h"
#include "tests/gui/guitestsupport.h"
#include "tests/testsupport.h"
#include "uikit/ccolorchooser.h"
#include "uikit/cpixelgrid.h"
#include "uikit/cpropertytree.h"
#include "worldmap/bmpfile.h"
#include "worldmap/packedtile.h"
#include "worldmap/tilesheet.h"
#include "worldmap/views/ceditcolordialog.h"
#include "worldmap/editing/maptools.h"
#include "worldmap/views/cmapview.h"
#include "worldmap/views/cquarterview.h"
#include "worldmap/views/ctileeditor.h"
#include "worldmap/views/ctilelist.h"
#include "worldmap/views/mapviewactions.h"
#include "worldmap/views/maptoolwindows.h"
#include "worldmap/worldmap.h"
#include "document/parts/worldmappart.h"

#include <QAction>
#include <QApplication>
#include <QImage>
#include <QListWidget>
#include <QMouseEvent>
#include <QSpinBox>
#include <QTest>
#include <QtEndian>

#include <gtest/gtest.h>

using namespace tessel;

namespace {

void send(QWidget* widget, QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons held)
{
    QMouseEvent event(type, QPointF(at), QPointF(widget->mapToGlobal(at)), button, held, {});
    QApplication::sendEvent(widget, &event);
}

void clickAt(QWidget* widget, QPoint at, Qt::MouseButton button = Qt::LeftButton)
{
    send(widget, QEvent::MouseButtonPress, at, button, button);
    send(widget, QEvent::MouseButtonRelease, at, button, Qt::NoButton);
}

QByteArray pieceBytes(const WorldMap& map, int piece)
{
    return QByteArray(reinterpret_cast<const char*>(map.piece(piece)), PackedTile::kBytes);
}

// World of Ruin of the sample ROM in a map view with its tile windows.
class TileWindowsTest : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(t.doc.open(rom.path()));
        view = std::make_unique<CMapView>(t.doc);
        view->setFileChooser(&files);
        view->setSubject(RecordRef(RecordKind::WorldMap, 1));
        view->resize(400, 300);
        view->show();
        QApplication::processEvents();
    }

    WorldMap& map() { return *worldMapOf(t.doc, 1); }
    CTileEditor& editor() { return *view->toolWindows().tileEditor(); }
    // Clicks an entry of a tile list the way a user does.
    static void pick(CTileList* list, int entry)
    {
        list->scrollTo(list->model()->index(entry, 0));
        clickAt(list->viewport(), list->entryRect(entry).center());
    }

    TempRom rom;
    TestDoc t;
    ScriptedFileChooser files;
    std::unique_ptr<CMapView> view;
};

}  // namespace

TEST_F(TileWindowsTest, TheTilePaletteAndThePaintingToolsShareTheCurrentTile)
{
    CTileList* palette = view->toolWindows().tilePalette();
    palette->resize(300, 400);
    pick(palette, 0x1C);
    EXPECT_EQ(view->currentTile(), 0x1C);
    // "Pickup Tile" selects in the palette.
    view->selectTool(MapToolId::PickupTile);
    const QPoint cell = view->scrollPosition() + QPoint(2, 2);
    const int tile = map().tileAt(cell.x(), cell.y());
    clickAt(view.get(), view->cellGeometry().cellRect(cell.x(), cell.y()).center());
    EXPECT_EQ(view->currentTile(), tile);
    EXPECT_EQ(palette->current(), tile);
}

TEST_F(TileWindowsTest, ARectangleDraggedInTheTilesWindowBecomesTheBrushStamp)
{
    CTileList* palette = view->toolWindows().tilePalette();
    palette->resize(300, 400);
    palette->scrollTo(palette->model()->index(0, 0));
    const int across = palette->columns();
    ASSERT_GE(across, 2);
    // From entry 1 across and one row down: a 2 x 2 stamp.
    QWidget* list = palette->viewport();
    send(list, QEvent::MouseButtonPress, palette->entryRect(1).center(), Qt::LeftButton, Qt::LeftButton);
    send(list, QEvent::MouseMove, palette->entryRect(across + 2).center(), Qt::NoButton, Qt::LeftButton);
    EXPECT_FALSE(palette->dragFrame().isEmpty());
    send(list, QEvent::MouseButtonRelease, palette->entryRect(across + 2).center(), Qt::LeftButton, Qt::NoButton);
    EXPECT_TRUE(palette->dragFrame().isEmpty());
    EXPECT_EQ(view->currentTool(), MapToolId::Brush);
    ASSERT_TRUE(view->tools()->hasStamp());

    const QPoint cell = view->scrollPosition() + QPoint(3, 3);
    clickAt(view.get(), view->cellGeometry().cellRect(cell.x(), cell.y()).center());
    EXPECT_EQ(map().tileAt(cell.x(), cell.y()), 1);
    EXPECT_EQ(map().tileAt(cell.x() + 1, cell.y()), 2);
    EXPECT_EQ(map().tileAt(cell.x(), cell.y() + 1), across + 1);
    EXPECT_EQ(map().tileAt(cell.x() + 1, cell.y() + 1), across + 2);
    EXPECT_EQ(t.doc.undoStack()->count(), 1);
}

TEST_F(TileWindowsTest, SelectSameTileTakesTheTileUnderTheCursorAndDeleteFillsItsCells)
{
    const QPoint cell = view->scrollPosition() + QPoint(2, 2);
    const int tile = map().tileAt(cell.x(), cell.y());
    const int holding = int(map().tileMap.count(char(tile)));
    view->selectTool(MapToolId::Marquee);
    send(view.get(), QEvent::MouseMove, view->cellGeometry().cellRect(cell.x(), cell.y()).center(), Qt::NoButton,
         Qt::NoButton);
    view->actions().selectSameTile->trigger();
    EXPECT_EQ(view->tools()->session().selectedCells().count(), holding);
    EXPECT_TRUE(view->actions().copy->isEnabled());
    EXPECT_FALSE(view->actions().cut->isEnabled());

    view->setCurrentTile((tile + 1) & 0xFF);
    view->actions().deleteSelection->trigger();
    EXPECT_EQ(map().tileMap.count(char(tile)), 0);
    EXPECT_EQ(t.doc.undoStack()->count(), 1);
    t.doc.undo();
    EXPECT_EQ(map().tileMap.count(char(tile)), holding);
}

TEST_F(TileWindowsTest, HighlightSelectedTileTintsEveryCellHoldingIt)
{
    const QPoint cell = view->scrollPosition() + QPoint(3, 2);
    const int tile = map().tileAt(cell.x(), cell.y());
    view->setCurrentTile(tile);
    const QPoint pixel = view->cellGeometry().cellRect(cell.x(), cell.y()).topLeft() + QPoint(5, 5);
    const QRgb plain = view->grab().toImage().pixel(pixel);
    // Another visible cell with the same tile, and one with another tile.
    const QPoint changed = view->scrollPosition() + QPoint(6, 4);
    map().setTile(changed.x(), changed.y(), (map().tileAt(changed.x(), changed.y()) + 1) & 0xFF);
    view->update();
    QPoint twin(-1, -1), other(-1, -1);
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 12; ++x) {
            const QPoint c = view->scrollPosition() + QPoint(x, y);
            if (c == cell)
                continue;
            QPoint& slot = map().tileAt(c.x(), c.y()) == tile ? twin : other;
            if (slot.x() < 0)
                slot = c;
        }
    ASSERT_GE(twin.x(), 0);
    ASSERT_GE(other.x(), 0);
    auto at = [this](QPoint c) { return view->cellGeometry().cellRect(c.x(), c.y()).topLeft() + QPoint(5, 5); };
    const QImage before = view->grab().toImage();
    view->actions().highlightSelectedTile->trigger();
    const QImage after = view->grab().toImage();
    const QRgb lit = after.pixel(pixel);
    EXPECT_NE(lit, plain);
    EXPECT_GT(qGreen(lit), qRed(lit));
    EXPECT_NE(after.pixel(at(twin)), before.pixel(at(twin)));
    EXPECT_EQ(after.pixel(at(other)), before.pixel(at(other)));
    view->setCurrentTile((tile + 1) & 0xFF);
    EXPECT_EQ(view->grab().toImage().pixel(pixel), plain);
}

TEST_F(TileWindowsTest, TheEditorShowsTheTileItsQuarterAndThatQuartersPiece)
{
    editor().show();
    pick(editor().tileList(), 0x21);
    EXPECT_EQ(editor().currentTile(), 0x21);
    clickAt(editor().quarterView(), editor().quarterView()->quarterRect(TileAssembly::BottomRight).center());
    EXPECT_EQ(editor().currentQuarter(), 3);
    const int piece = map().tileAssembly.piece(0x21, TileAssembly::BottomRight);
    EXPECT_EQ(editor().selectedPiece(), piece);
    EXPECT_EQ(editor().pieceList()->current(), piece);
    EXPECT_EQ(editor().paletteList()->currentRow(), map().piecePalette[piece] / 16);
    EXPECT_EQ(editor().pixelEditor()->cell(3, 5), PackedTile::pixel(map().piece(piece), 3, 5));
    EXPECT_EQ(t.doc.undoStack()->count(), 0);  // looking changes nothing
}

TEST_F(TileWindowsTest, PiecesPalettesAndColoursChangeThroughUndoableCommands)
{
    editor().selectTile(5);
    editor().selectQuarter(TileAssembly::TopRight);
    const int oldPiece = editor().selectedPiece();
    const int newPiece = (oldPiece + 9) & 0xFF;
    pick(editor().pieceList(), newPiece);
    EXPECT_EQ(map().tileAssembly.piece(5, TileAssembly::TopRight), newPiece);
    EXPECT_EQ(t.doc.undoStack()->undoText(), QStringLiteral("Change Tile Piece"));

    const int palette = (map().piecePalette[newPiece] / 16 + 3) % 8;
    editor().paletteList()->setCurrentRow(palette);
    EXPECT_EQ(map().piecePalette[newPiece], palette * 16);
    EXPECT_EQ(editor().shownPalette(), palette);

    // A double click on a colour opens "Edit Color" on it; OK stores it.
    quint16 offered = 0;
    editor().askColor = [&](quint16 color, const QString&) {
        offered = color;
        return std::optional<quint16>(0x1234);
    };
    CColorChooser* strip = editor().colorStrip();
    const quint16 shown = map().color(palette * 16 + 6);
    ASSERT_NE(shown, 0x1234);
    send(strip, QEvent::MouseButtonDblClick, strip->swatchRect(6).center(), Qt::RightButton, Qt::RightButton);
    EXPECT_EQ(offered, shown);
    EXPECT_EQ(map().color(palette * 16 + 6), 0x1234);
    editor().askColor = [](quint16, const QString&) { return std::nullopt; };  // Cancel
    send(strip, QEvent::MouseButtonDblClick, strip->swatchRect(7).center(), Qt::LeftButton, Qt::LeftButton);

    EXPECT_EQ(t.doc.undoStack()->count(), 3);
    t.doc.undoStack()->undo();
    t.doc.undoStack()->undo();
    t.doc.undoStack()->undo();
    EXPECT_EQ(map().tileAssembly.piece(5, TileAssembly::TopRight), oldPiece);
    EXPECT_EQ(editor().pieceList()->current(), oldPiece);
    EXPECT_FALSE(t.doc.isModified());
}

TEST_F(TileWindowsTest, AStrokeOfThePixelEditorIsOneStepAndIsSaved)
{
    editor().show();
    editor().selectTile(0x30);
    const int piece = editor().selectedPiece();
    const QByteArray before = pieceBytes(map(), piece);
    CPixelGrid* grid = editor().pixelEditor();
    const int value = (grid->cell(0, 0) + 1) & 15;
    clickAt(editor().colorStrip(), editor().colorStrip()->swatchRect(value).center());
    EXPECT_EQ(grid->leftColor(), value);
    const int cell = CPixelGrid::kCellSize;
    send(grid, QEvent::MouseButtonPress, {cell / 2, cell / 2}, Qt::LeftButton, Qt::LeftButton);
    for (int x = 1; x < 8; ++x)
        send(grid, QEvent::MouseMove, {x * cell + cell / 2, cell / 2}, Qt::NoButton, Qt::LeftButton);
    send(grid, QEvent::MouseButtonRelease, {7 * cell + cell / 2, cell / 2}, Qt::LeftButton, Qt::NoButton);
    for (int x = 0; x < 8; ++x)
        EXPECT_EQ(PackedTile::pixel(map().piece(piece), x, 0), value) << x;
    EXPECT_EQ(t.doc.undoStack()->count(), 1);
    EXPECT_EQ(t.doc.undoStack()->undoText(), QStringLiteral("Edit Pixels"));

    ASSERT_TRUE(t.doc.save(rom.path()));
    TestDoc reopened;
    ASSERT_TRUE(reopened.doc.open(rom.path()));
    EXPECT_EQ(pieceBytes(*worldMapOf(reopened.doc, 1), piece), pieceBytes(map(), piece));
    t.doc.undoStack()->undo();
    EXPECT_EQ(pieceBytes(map(), piece), before);
    EXPECT_EQ(grid->cell(3, 0), PackedTile::pixel(map().piece(piece), 3, 0));
}

TEST_F(TileWindowsTest, ThePropertyTreeWritesOnlyTheFieldsBits)
{
    editor().selectTile(0x40);
    const quint16 before = map().tileProperty(0x40);
    CPropertyTree* tree = editor().propertyTree();
    int shadow = -1;
    for (const PropertyGroup& g : tree->properties().groups)
        for (const Property& p : g.properties)
            if (p.label == QStringLiteral("Size of shadow cast by airship"))
                shadow = p.id;
    ASSERT_GE(shadow, 0);
    const int medium = 1;
    emit tree->valueCommitted(shadow, medium);
    EXPECT_EQ(map().tileProperty(0x40), quint16((before & ~0x000C) | medium << 2));
    EXPECT_EQ(tree->property(shadow)->displayText(), QStringLiteral("Medium"));
}

TEST_F(TileWindowsTest, SheetsGoOutAndComeBackThroughTheFileDialogs)
{
    const QString pieces = rom.dir() + QStringLiteral("/pieces");
    files.answers = {pieces};
    editor().exportSheet(TileSheet::Kind::TilePieces);
    ASSERT_TRUE(QFile::exists(pieces + QStringLiteral(".bmp")));  // the default extension
    EXPECT_EQ(files.suggestions, QStringList{QStringLiteral("World of Ruin pieces.bmp")});
    EXPECT_EQ(files.suffixes, QStringList{QStringLiteral("bmp")}) << "added by the dialog, before it looks for the file";

    // An edited sheet comes back in as one step.
    IndexedPicture sheet = *TileSheetFile::read(pieces + QStringLiteral(".bmp"), nullptr);
    sheet.setIndex(0, 0, (sheet.index(0, 0) & 0xF0) | ((sheet.index(0, 0) + 1) & 15));
    ASSERT_TRUE(TileSheetFile::write(sheet, pieces + QStringLiteral(".png"), nullptr));
    files.answers = {pieces + QStringLiteral(".png")};
    editor().importPieces();
    EXPECT_EQ(PackedTile::pixel(map().piece(0), 0, 0), sheet.index(0, 0) & 15);
    EXPECT_EQ(t.doc.undoStack()->undoText(), QStringLiteral("Import Tile Pieces"));
    EXPECT_TRUE(t.messages.entries.isEmpty());

    // Whole tiles are no sheet of pieces: refused, nothing changes.
    files.answers = {rom.dir() + QStringLiteral("/whole.bmp")};
    editor().exportSheet(TileSheet::Kind::WholeTiles);
    files.answers = {rom.dir() + QStringLiteral("/whole.bmp")};
    editor().importPieces();
    ASSERT_EQ(t.messages.entries.size(), 1);
    EXPECT_EQ(t.messages.entries[0].caption, QStringLiteral("Bitmap Invalid"));
    EXPECT_EQ(t.messages.entries[0].text, QString::fromLatin1(TileSheet::kInvalidBitmapText));
    EXPECT_EQ(t.doc.undoStack()->count(), 1);

    // So is a sheet of the right size with 24 bits a pixel.
    const QString deep = rom.dir() + QStringLiteral("/deep.bmp");
    QImage truecolour(128, 128, QImage::Format_RGB888);
    truecolour.fill(Qt::darkGreen);
    ASSERT_TRUE(truecolour.save(deep, "BMP"));
    files.answers = {deep};
    editor().importPieces();
    ASSERT_EQ(t.messages.entries.size(), 2);
    EXPECT_EQ(t.messages.entries[1].caption, QStringLiteral("Bitmap Invalid"));
    EXPECT_EQ(t.doc.undoStack()->count(), 1);
}

TEST_F(TileWindowsTest, ASheetWithoutColoursForItsPixelsIsRefusedWithTheReason)
{
    QByteArray bitmap = BmpFile::encode(TileSheet::exportSheet(map(), TileSheet::Kind::TilePieces));
    bitmap.remove(54, 1024);  // no colour table
    qToLittleEndian<quint32>(54, bitmap.data() + 10);
    QFile file(rom.dir() + QStringLiteral("/bare.bmp"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bitmap);
    file.close();
    files.answers = {file.fileName()};
    editor().importPieces();
    ASSERT_EQ(t.messages.entries.size(), 1);
    EXPECT_EQ(t.messages.entries[0].caption, QStringLiteral("Bitmap Invalid"));
    EXPECT_TRUE(t.messages.entries[0].text.endsWith(QStringLiteral("\n\nbare.bmp: it has no colour table.")))
        << t.messages.entries[0].text.toStdString();
    EXPECT_EQ(t.doc.undoStack()->count(), 0);
}

TEST_F(TileWindowsTest, TileListsShowSixteenEntriesARowAndTitleTheirTips)
{
    view->toolWindows().tileEditorToggle()->setChecked(true);
    QApplication::processEvents();
    for (CTileList* list : {editor().tileList(), editor().pieceList()}) {
        EXPECT_EQ(list->columns(), 16);
        EXPECT_EQ(list->entryRect(15).top(), list->entryRect(0).top());
        EXPECT_GT(list->entryRect(16).top(), list->entryRect(15).top());
        EXPECT_EQ(list->entryRect(16).left(), list->entryRect(0).left());
    }
    EXPECT_EQ(editor().tileList()->model()->index(5, 0).data(Qt::ToolTipRole).toString(), QStringLiteral("Tile 5 ($05)"));
    EXPECT_EQ(editor().pieceList()->model()->index(26, 0).data(Qt::ToolTipRole).toString(),
              QStringLiteral("Tile piece 26 ($1A)"));

    // A list too narrow for 16 shows 8, so rows still start at $x0 and $x8.
    CTileList palette(CTileList::Content::Tiles, 2);
    palette.setMap(&map());
    palette.resize(palette.sizeHint().width() + 5 * (32 + 2 * CTileList::kFrame), 300);
    palette.show();
    QApplication::processEvents();
    EXPECT_EQ(palette.columns(), 8);
    EXPECT_GT(palette.entryRect(8).top(), palette.entryRect(7).top());
    EXPECT_EQ(palette.entryRect(8).left(), palette.entryRect(0).left());
}

TEST(EditColorDialog, ShowsTheColourAsFiveBitChannelsAndGivesItBackOnOk)
{
    CEditColorDialog dialog(0x7C1F, QStringLiteral("Color 5"));
    EXPECT_EQ(dialog.channelBox(CEditColorDialog::Red)->value(), 31);
    EXPECT_EQ(dialog.channelBox(CEditColorDialog::Green)->value(), 0);
    EXPECT_EQ(dialog.channelBox(CEditColorDialog::Blue)->value(), 31);
    dialog.channelBox(CEditColorDialog::Green)->setValue(16);
    EXPECT_EQ(dialog.color(), 0x7E1F);
    std::optional<quint16> result;
    onNextDialog([](QDialog& d) { d.accept(); });
    result = CEditColorDialog::edit(0x0421, QString(), nullptr);
    EXPECT_EQ(result, 0x0421);
    onNextDialog([](QDialog& d) {
        static_cast<CEditColorDialog&>(d).setChannel(CEditColorDialog::Blue, 3);
        d.reject();
    });
    EXPECT_EQ(CEditColorDialog::edit(0x0421, QString(), nullptr), std::nullopt);
}
