#include "tests/gui/sampledoc.h"
#include "text/editors/cffonteditview.h"
#include "text/editors/cglyphlist.h"
#include "text/editors/cvfonteditview.h"
#include "text/fontsheet.h"
#include "text/glyphcells.h"
#include "uikit/ccolorchooser.h"
#include "uikit/cpixelgrid.h"
#include "document/parts/fontspart.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QUndoStack>

#include <gtest/gtest.h>

using namespace tessel;

namespace {

constexpr int kCell = CPixelGrid::kCellSize;

QPoint cellCentre(int x, int y)
{
    return {x * kCell + kCell / 2, y * kCell + kCell / 2};
}

// The 16-bit row word of a dialogue glyph.
int dialogueRow(const CFF3Doc& doc, int code, int row)
{
    const int at = (code - GameFonts::kDialogueFirstCode) * GameFonts::kDialogueGlyphSize + 2 * row;
    return doc.part<FontsPart>().fonts().dialogueGlyphs[std::size_t(at)] | doc.part<FontsPart>().fonts().dialogueGlyphs[std::size_t(at + 1)] << 8;
}

QByteArray menuGlyph(const CFF3Doc& doc, int code)
{
    return QByteArray(reinterpret_cast<const char*>(doc.part<FontsPart>().fonts().menuGlyphs.data())
                          + (code - GameFonts::kMenuFirstCode) * GameFonts::kMenuGlyphSize,
                      GameFonts::kMenuGlyphSize);
}

template <class View>
struct Editor {
    Editor() : view(s.doc())
    {
        view.resize(640, 480);
        view.show();
        QApplication::processEvents();
    }
    SampleDoc s;
    View view;
    CFF3Doc& doc() { return s.doc(); }
    QUndoStack& stack() { return *s.doc().undoStack(); }
};

}  // namespace

TEST(DialogueFontEditor, TypedWidthsAboveTwelveAreClampedAndTypingIsOneStep)
{
    Editor<CVFontEditView> e;
    e.view.selectGlyph(0x21);
    const int before = e.doc().part<FontsPart>().fonts().dialogueWidths[0x21];
    EXPECT_EQ(e.view.widthBox()->text(), QString::number(before));

    e.view.widthBox()->selectAll();
    QTest::keyClicks(e.view.widthBox(), QStringLiteral("15"));
    EXPECT_EQ(e.view.widthBox()->text(), QStringLiteral("12"));
    EXPECT_EQ(e.doc().part<FontsPart>().fonts().dialogueWidths[0x21], 12);
    EXPECT_TRUE(e.doc().isModified());
    e.view.widthBox()->selectAll();
    QTest::keyClicks(e.view.widthBox(), QStringLiteral("7"));
    EXPECT_EQ(e.doc().part<FontsPart>().fonts().dialogueWidths[0x21], 7);

    e.stack().undo();
    EXPECT_EQ(e.doc().part<FontsPart>().fonts().dialogueWidths[0x21], before);
    EXPECT_EQ(e.view.widthBox()->text(), QString::number(before));
}

TEST(DialogueFontEditor, PaintedCellsAreWrittenIntoTheGlyphAndAStrokeIsOneStep)
{
    Editor<CVFontEditView> e;
    e.view.selectGlyph(0x40);
    CPixelGrid* grid = e.view.grid();
    // Clear, then paint (3, 4) with the left colour and a stroke across row 6.
    QTest::mouseClick(e.view.gridButton(CFontEditView::kClearId), Qt::LeftButton);
    for (int y = 0; y < GameFonts::kDialogueGlyphRows; ++y)
        EXPECT_EQ(dialogueRow(e.doc(), 0x40, y), 0) << y;
    QTest::mouseClick(grid, Qt::LeftButton, {}, cellCentre(3, 4));
    EXPECT_EQ(dialogueRow(e.doc(), 0x40, 4), 1 << (11 - 3));
    QTest::mousePress(grid, Qt::LeftButton, {}, cellCentre(0, 6));
    QTest::mouseMove(grid, cellCentre(1, 6));
    QTest::mouseMove(grid, cellCentre(11, 6));
    QTest::mouseRelease(grid, Qt::LeftButton, {}, cellCentre(11, 6));
    EXPECT_EQ(dialogueRow(e.doc(), 0x40, 6), (1 << 11) | (1 << 10) | 1);

    e.stack().undo();  // the whole stroke
    EXPECT_EQ(dialogueRow(e.doc(), 0x40, 6), 0);
    EXPECT_EQ(grid->cell(0, 6), 0);
    EXPECT_EQ(dialogueRow(e.doc(), 0x40, 4), 1 << 8);
    // The right button paints the right colour.
    QTest::mouseClick(grid, Qt::RightButton, {}, cellCentre(3, 4));
    EXPECT_EQ(dialogueRow(e.doc(), 0x40, 4), 0);
}

TEST(DialogueFontEditor, ShiftsLoseTheEdgeAndNothingWrapsRound)
{
    Editor<CVFontEditView> e;
    e.view.selectGlyph(0x30);
    CPixelGrid* grid = e.view.grid();
    QTest::mouseClick(e.view.gridButton(CFontEditView::kClearId), Qt::LeftButton);
    QTest::mouseClick(grid, Qt::LeftButton, {}, cellCentre(11, 0));
    QTest::mouseClick(grid, Qt::LeftButton, {}, cellCentre(5, 10));
    QTest::mouseClick(e.view.gridButton(CFontEditView::kShiftRightId), Qt::LeftButton);
    EXPECT_EQ(dialogueRow(e.doc(), 0x30, 0), 0);                 // column 11 is gone
    EXPECT_EQ(dialogueRow(e.doc(), 0x30, 10), 1 << (11 - 6));
    QTest::mouseClick(e.view.gridButton(CFontEditView::kShiftDownId), Qt::LeftButton);
    EXPECT_EQ(dialogueRow(e.doc(), 0x30, 10), 0);                // and the bottom row
    QTest::mouseClick(grid, Qt::LeftButton, {}, cellCentre(0, 0));
    QTest::mouseClick(e.view.gridButton(CFontEditView::kShiftLeftId), Qt::LeftButton);
    QTest::mouseClick(e.view.gridButton(CFontEditView::kShiftUpId), Qt::LeftButton);
    for (int y = 0; y < GameFonts::kDialogueGlyphRows; ++y)
        EXPECT_EQ(dialogueRow(e.doc(), 0x30, y), 0) << y;
    // Each button press is one step; one that changes nothing is none.
    e.stack().undo();
    EXPECT_EQ(dialogueRow(e.doc(), 0x30, 0), 1 << 11);
    EXPECT_EQ(e.view.grid()->cell(0, 0), 1);
}

TEST(DialogueFontEditor, ImportingASystemFontStoresWidthsAboveTwelveAsOneStep)
{
    Editor<CVFontEditView> e;
    const std::array<quint8, 128> widths = e.doc().part<FontsPart>().fonts().dialogueWidths;
    const auto glyphs = e.doc().part<FontsPart>().fonts().dialogueGlyphs;
    QFont big(QApplication::font());
    big.setPixelSize(30);
    e.view.importFont(big);
    const int code = 0x36;  // 'W'
    EXPECT_GT(e.doc().part<FontsPart>().fonts().dialogueWidths[code], 12);
    bool inked = false;
    for (int y = 0; y < GameFonts::kDialogueGlyphRows; ++y) {
        EXPECT_EQ(dialogueRow(e.doc(), code, y) & 0xF000, 0) << y;  // only 12 columns of pixels
        inked |= dialogueRow(e.doc(), code, y) != 0;
    }
    EXPECT_TRUE(inked);
    // Glyphs without a label keep their bytes.
    EXPECT_EQ(e.doc().part<FontsPart>().fonts().dialogueWidths[0x74], widths[0x74]);

    // Reimporting one row further down reads every row one canvas row lower.
    const int rowFive = dialogueRow(e.doc(), code, 5);
    e.view.shiftFontAndReimport(1);
    EXPECT_EQ(e.view.importOffset(), CVFontEditView::kInitialImportOffset + 1);
    EXPECT_EQ(dialogueRow(e.doc(), code, 4), rowFive);

    e.stack().undo();
    e.stack().undo();
    EXPECT_EQ(e.doc().part<FontsPart>().fonts().dialogueWidths, widths);
    EXPECT_EQ(e.doc().part<FontsPart>().fonts().dialogueGlyphs, glyphs);
}

TEST(MenuFontEditor, PaintingWritesBothPlanesAndShiftsLoseTheEdge)
{
    Editor<CFFontEditView> e;
    e.view.selectGlyph(0xFE);  // edited like any other code
    EXPECT_EQ(e.view.colorChooser()->leftColor(), 3);
    EXPECT_EQ(e.view.colorChooser()->rightColor(), 0);
    QTest::mouseClick(e.view.gridButton(CFontEditView::kClearId), Qt::LeftButton);
    EXPECT_EQ(menuGlyph(e.doc(), 0xFE), QByteArray(16, '\0'));

    QTest::mouseClick(e.view.grid(), Qt::LeftButton, {}, cellCentre(7, 0));  // white: both planes
    CColorChooser* chooser = e.view.colorChooser();
    QTest::mouseClick(chooser, Qt::LeftButton, {}, chooser->swatchRect(2).center());
    QTest::mouseClick(e.view.grid(), Qt::LeftButton, {}, cellCentre(0, 1));  // grey: plane 1
    QTest::mouseClick(chooser, Qt::RightButton, {}, chooser->swatchRect(1).center());
    QTest::mouseClick(e.view.grid(), Qt::RightButton, {}, cellCentre(1, 1));  // black: plane 0
    EXPECT_EQ(menuGlyph(e.doc(), 0xFE), QByteArray::fromHex("0101" "4080") + QByteArray(12, '\0'));

    QTest::mouseClick(e.view.gridButton(CFontEditView::kShiftRightId), Qt::LeftButton);
    EXPECT_EQ(menuGlyph(e.doc(), 0xFE), QByteArray::fromHex("0000" "2040") + QByteArray(12, '\0'));
}

TEST(FontEditors, FontSheetsGoOutAndComeBackAndForeignOnesAreRefused)
{
    Editor<CFFontEditView> e;
    QTemporaryDir dir;
    const QString sheet = dir.filePath(QStringLiteral("menu.png"));
    const auto original = e.doc().part<FontsPart>().fonts().menuGlyphs;
    ASSERT_TRUE(e.view.exportSheet(sheet));
    QTest::mouseClick(e.view.gridButton(CFontEditView::kClearId), Qt::LeftButton);
    ASSERT_NE(e.doc().part<FontsPart>().fonts().menuGlyphs, original);
    EXPECT_TRUE(e.view.importSheet(sheet));
    EXPECT_EQ(e.doc().part<FontsPart>().fonts().menuGlyphs, original);
    EXPECT_EQ(e.view.grid()->cells(), glyphcells::MenuCells(e.doc().part<FontsPart>().fonts(), quint8(e.view.currentCode())));

    // A dialogue sheet is no menu sheet: refused with a message, nothing changed.
    CVFontEditView dialogue(e.doc());
    const QString other = dir.filePath(QStringLiteral("dialogue.png"));
    ASSERT_TRUE(dialogue.exportSheet(other));
    const int steps = e.stack().count();
    EXPECT_FALSE(e.view.importSheet(other));
    EXPECT_EQ(e.stack().count(), steps);
    ASSERT_EQ(e.s.messages().size(), 1);
    EXPECT_TRUE(e.s.messages()[0].text.contains(QStringLiteral("192 x 66"))) << e.s.messages()[0].text.toStdString();
}

TEST(FontEditors, ASheetThatCannotBeWrittenIsReportedWithItsReasonAndLeavesNoFile)
{
    Editor<CFFontEditView> e;
    QTemporaryDir dir;
    EXPECT_FALSE(e.view.exportSheet(dir.filePath(QStringLiteral("missing/menu.png"))));
    ASSERT_EQ(e.s.messages().size(), 1);
    EXPECT_TRUE(e.s.messages()[0].text.contains(QStringLiteral("No such file or directory")))
        << e.s.messages()[0].text.toStdString();
    if (!QFileInfo::exists(QStringLiteral("/dev/full")))
        return;
    const QString full = dir.filePath(QStringLiteral("full.png"));
    ASSERT_TRUE(QFile::link(QStringLiteral("/dev/full"), full));
    EXPECT_FALSE(e.view.exportSheet(full));
    ASSERT_EQ(e.s.messages().size(), 2);
    EXPECT_TRUE(e.s.messages()[1].text.contains(QStringLiteral("No space left on device")))
        << e.s.messages()[1].text.toStdString();
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::System | QDir::NoDotAndDotDot), QStringList{"full.png"});
}
