#include "records/recordaddresses.h"
#include "tests/gui/sampledoc.h"
#include "text/fontcolors.h"
#include "uikit/gamenameedit.h"
#include "uikit/gamenamelist.h"
#include "uikit/gamenamepicker.h"
#include "document/parts/monsterspart.h"

#include <QApplication>
#include <QDialog>
#include <QMenu>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QStyle>
#include <QTest>
#include <QVBoxLayout>

#include <gtest/gtest.h>

using namespace tessel;

namespace {

QByteArray monsterName(CFF3Doc& doc, int index)
{
    const auto name = doc.part<MonstersPart>().table().monsters[std::size_t(index)].name();
    return QByteArray(reinterpret_cast<const char*>(name.data()), int(name.size()));
}

// A slot list over the first `count` monster names.
void setUpSlots(GameNameList& list, CFF3Doc& doc, int count, int mode)
{
    list.setDocument(&doc);
    list.setNames(count, [&doc](int index) { return monsterName(doc, index); });
    list.setMode(mode);
    list.resize(200, 120);
    list.show();
    QApplication::processEvents();
}

QPoint rowCentre(QListWidget& list, int row)
{
    return list.visualItemRect(list.item(row)).center();
}

}  // namespace

TEST(GameNamePicker, TwelveRowsWithAScrollBarOverManyNamesAndAllRowsOverFew)
{
    SampleDoc s;
    GameNameList list;
    setUpSlots(list, s.doc(), records::kMonsterCount, 0);
    list.addRow(5, records::kMonsterNameWidth);
    list.openPicker(0);
    GameNamePicker* picker = list.picker();
    ASSERT_TRUE(picker->isVisible());
    const int scrollBar = picker->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, picker);
    const QRect slot = list.visualItemRect(list.item(0));
    EXPECT_EQ(picker->height(), 12 * GameNamePicker::kRowHeight + 2);
    EXPECT_EQ(picker->width(), slot.width() + scrollBar);
    EXPECT_TRUE(picker->list()->verticalScrollBar()->isVisible());
    EXPECT_EQ(picker->geometry().topLeft(), list.viewport()->mapToGlobal(slot.bottomLeft()) + QPoint(0, 1));
    // The current name is selected and scrolled to the top.
    EXPECT_EQ(picker->list()->currentRow(), 5);
    EXPECT_EQ(picker->list()->indexAt(QPoint(2, 2)).row(), 5);
    picker->hide();

    GameNameList few;
    setUpSlots(few, s.doc(), 6, 0);
    few.addRow(0, records::kMonsterNameWidth);
    few.openPicker(0);
    EXPECT_EQ(few.picker()->height(), 6 * GameNamePicker::kRowHeight + 2);
    EXPECT_EQ(few.picker()->width(), few.visualItemRect(few.item(0)).width());
    EXPECT_FALSE(few.picker()->list()->verticalScrollBar()->isVisible());
    few.picker()->hide();
}

TEST(GameNamePicker, NoneIsPreselectedAndAClickOnARowPicksIt)
{
    SampleDoc s;
    GameNameList list;
    setUpSlots(list, s.doc(), 6, GameNameList::NoneAllowed);
    list.addRow(3, records::kMonsterNameWidth);
    list.addRow(GameNameSource::kNone, records::kMonsterNameWidth);
    QSignalSpy changes(&list, &GameNameList::nameChanged);

    QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, rowCentre(list, 1));
    GameNamePicker* picker = list.picker();
    ASSERT_TRUE(picker->isVisible());
    EXPECT_EQ(picker->rowCount(), 7);  // "None" and six names
    EXPECT_EQ(picker->list()->currentRow(), 0);

    // Row 3 of the picker is name 2: "None" comes first.
    QTest::mouseClick(picker->list()->viewport(), Qt::LeftButton, {}, rowCentre(*picker->list(), 3));
    EXPECT_FALSE(picker->isVisible());
    ASSERT_EQ(changes.size(), 1);
    EXPECT_EQ(changes[0][0].toInt(), 1);
    EXPECT_EQ(changes[0][1].toInt(), 2);
    EXPECT_EQ(list.rowValue(1), 2);
    EXPECT_EQ(list.rowWidth(1), records::kMonsterNameWidth);
    EXPECT_EQ(list.rowValue(0), 3);
}

TEST(GameNamePicker, ClosingWithoutAPickChangesNothing)
{
    SampleDoc s;
    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    auto* list = new GameNameList(&window);
    auto* other = new QPushButton(QStringLiteral("Elsewhere"), &window);
    layout->addWidget(list);
    layout->addWidget(other);
    list->setDocument(&s.doc());
    list->setNames(6, [&s](int index) { return monsterName(s.doc(), index); });
    list->setMode(GameNameList::NoneAllowed);
    list->addRow(4, records::kMonsterNameWidth);
    window.resize(240, 300);
    window.show();
    QApplication::processEvents();
    QSignalSpy changes(list, &GameNameList::nameChanged);
    QSignalSpy dismissed(list->picker(), &GameNamePicker::dismissed);

    list->openPicker(0);
    ASSERT_TRUE(list->picker()->isVisible());
    // Through the window system, as a real click arrives.
    QTest::mouseClick(window.windowHandle(), Qt::LeftButton, {}, other->geometry().center());
    EXPECT_FALSE(list->picker()->isVisible());
    EXPECT_EQ(dismissed.size(), 1);

    list->openPicker(0);
    QTest::keyClick(list->picker()->list(), Qt::Key_Down);  // moving the selection is no pick
    QTest::keyClick(list->picker(), Qt::Key_Escape);
    EXPECT_FALSE(list->picker()->isVisible());
    EXPECT_TRUE(changes.isEmpty());
    EXPECT_EQ(list->rowValue(0), 4);
}

TEST(GameNameList, RowsShowNamesInTheMenuFontOnBlueAndNoneOnTheWindowColour)
{
    SampleDoc s;
    GameNameList list;
    setUpSlots(list, s.doc(), 6, GameNameList::PlainMode | GameNameList::NoneAllowed);
    list.addRow(0, records::kMonsterNameWidth);
    list.addRow(GameNameSource::kNone, records::kMonsterNameWidth);
    list.addRow(1, records::kMonsterNameWidth);
    QApplication::processEvents();
    ASSERT_EQ(list.visualItemRect(list.item(1)).height(), GameNameList::kRowHeight);

    const QImage shot = list.viewport()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QRect first = list.visualItemRect(list.item(0));
    const QRect none = list.visualItemRect(list.item(1));
    EXPECT_EQ(shot.pixel(first.topLeft() + QPoint(0, 1)), fontcolors::kMenuBlue);
    EXPECT_EQ(shot.pixel(none.topRight() + QPoint(-1, 1)), list.palette().color(QPalette::Base).rgb());
    // The first name's glyphs stand at (2 + 8k, 4): the sample's letters have white ink.
    int white = 0;
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8 * 3; ++x)
            white += shot.pixel(first.left() + 2 + x, first.top() + 4 + y) == fontcolors::kMenuWhite;
    EXPECT_GT(white, 6);

    // A selected row in a plain list is inverted.
    list.setCurrentRow(2);
    const QImage selected = list.viewport()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QRect third = list.visualItemRect(list.item(2));
    EXPECT_EQ(selected.pixel(third.topLeft() + QPoint(0, 1)), qRgb(0xFF - 0x70, 0xFF - 0x78, 0xFF - 0xC0));
}

TEST(GameNameEdit, TypingFollowsTheFieldRulesAndReportsEachChange)
{
    GameNameEdit edit;
    edit.setName(QByteArray(6, char(0xFF)));
    edit.show();
    edit.setFocus();
    QSignalSpy edits(&edit, &GameNameEdit::nameEdited);

    QTest::keyClicks(&edit, QStringLiteral("A "));
    // A trailing space is padding until something follows it.
    EXPECT_EQ(edit.name(), QByteArray::fromHex("80ffffffffff"));
    EXPECT_EQ(edit.caret(), 2);
    QTest::keyClicks(&edit, QStringLiteral(" B"));
    EXPECT_EQ(edit.name(), QByteArray::fromHex("80fefe81ffff"));
    QTest::keyClick(&edit, Qt::Key_Backspace);
    QTest::keyClicks(&edit, QStringLiteral("C"));
    EXPECT_EQ(edit.name(), QByteArray::fromHex("80fefe82ffff"));
    ASSERT_FALSE(edits.isEmpty());
    EXPECT_EQ(edits.last()[0].toByteArray(), edit.name());

    // At the end of the field typing changes nothing.
    QTest::keyClick(&edit, Qt::Key_End);
    const qsizetype before = edits.size();
    QTest::keyClicks(&edit, QStringLiteral("Z"));
    EXPECT_EQ(edit.name(), QByteArray::fromHex("80fefe82ffff"));
    EXPECT_EQ(edits.size(), before);

    // Ctrl+Left jumps home; Delete removes at the caret.
    QTest::keyClick(&edit, Qt::Key_Left, Qt::ControlModifier);
    EXPECT_EQ(edit.caret(), 0);
    QTest::keyClick(&edit, Qt::Key_Delete);
    EXPECT_EQ(edit.name(), QByteArray::fromHex("fefe82ffffff"));
}

TEST(GameNameEdit, ClicksPlaceTheCaretAndTheSymbolMenuTypesSymbols)
{
    GameNameEdit edit;
    edit.setName(QByteArray::fromHex("8081828384ff"));
    edit.show();
    // (x - 3) / 8, one more when the remainder passes 4, at most the width.
    QTest::mouseClick(&edit, Qt::LeftButton, {}, QPoint(3 + 8 * 2 + 4, 5));
    EXPECT_EQ(edit.caret(), 2);
    QTest::mouseClick(&edit, Qt::LeftButton, {}, QPoint(3 + 8 * 2 + 5, 5));
    EXPECT_EQ(edit.caret(), 3);
    QTest::mouseClick(&edit, Qt::LeftButton, {}, QPoint(200, 5));
    EXPECT_EQ(edit.caret(), 6);

    QTest::mouseClick(&edit, Qt::LeftButton, {}, QPoint(3, 5));
    const QList<QAction*> symbols = edit.symbolMenu()->actions();
    ASSERT_EQ(symbols.size(), 21);  // 19 symbols and 2 separators
    EXPECT_EQ(symbols[5]->text(), QStringLiteral("Rod\tAlt+0165"));
    symbols[5]->trigger();
    EXPECT_EQ(edit.name(), QByteArray::fromHex("dd8081828384"));
    EXPECT_EQ(edit.caret(), 1);
}

TEST(GameNameEdit, EnterStaysWithTheFieldInsteadOfTheDialogsDefaultButton)
{
    QDialog dialog;
    auto* layout = new QVBoxLayout(&dialog);
    auto* edit = new GameNameEdit(&dialog);
    auto* ok = new QPushButton(QStringLiteral("OK"), &dialog);
    ok->setDefault(true);
    layout->addWidget(edit);
    layout->addWidget(ok);
    QObject::connect(ok, &QPushButton::clicked, &dialog, &QDialog::accept);
    dialog.show();
    edit->setFocus();
    QSignalSpy returns(edit, &GameNameEdit::returnPressed);
    QSignalSpy accepted(&dialog, &QDialog::accepted);
    QTest::keyClick(edit, Qt::Key_Return);
    EXPECT_EQ(returns.size(), 1);
    EXPECT_TRUE(accepted.isEmpty());
    EXPECT_TRUE(dialog.isVisible());
}
