#include "records/views/cmonstereditview.h"
#include "records/views/crecordtablesview.h"
#include "records/views/crecordtableview.h"
#include "records/views/recordtablemodel.h"
#include "shell/ctabbedframe.h"
#include "tests/gui/guitestsupport.h"
#include "tests/gui/sampledoc.h"
#include "tests/gui/viewonsample.h"

#include <QHeaderView>
#include <QLineEdit>
#include <QSpinBox>
#include <QTableView>
#include <QTest>
#include <QUndoStack>

#include <gtest/gtest.h>

using namespace tessel;

namespace {

// The monster table on the sample, shown.
struct MonsterTable {
    MonsterTable() : view(sample.doc(), RecordKind::Monster)
    {
        view.resize(900, 600);
        view.show();
        settle();
    }
    int column(const QString& path) const
    {
        return int(view.model()->columnPaths().indexOf(path)) + 1;
    }
    // The number a shown row's cell sorts by.
    qint64 shownNumber(int row, int column) const
    {
        return view.proxy()->index(row, column).data(RecordTableModel::kSortRole).toLongLong();
    }
    void clickHeader(int column)
    {
        QHeaderView* header = view.table()->horizontalHeader();
        const int x = header->sectionViewportPosition(column) + header->sectionSize(column) / 2;
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, QPoint(x, header->height() / 2));
        settle();
    }

    SampleDoc sample;
    CRecordTableView view;
};

}  // namespace

TEST(RecordTableView, TypingAFilterLeavesOnlyTheRowsItPasses)
{
    MonsterTable t;
    const int hp = t.column(QStringLiteral("Statistics/HP"));
    ASSERT_GT(hp, 0);
    QTest::keyClicks(t.view.filterBox(), QStringLiteral("hp > 1000"));
    settle();
    EXPECT_EQ(t.view.proxy()->rowCount(), 315);
    for (int row = 0; row < t.view.proxy()->rowCount(); ++row)
        EXPECT_GT(t.shownNumber(row, hp), 1000) << row;
    EXPECT_EQ(t.view.filterMessage(), QString());

    // A bad term is named under the box; the rows stay as the last good filter left them.
    t.view.filterBox()->setText(QStringLiteral("hp > 1000 mp <"));
    settle();
    EXPECT_EQ(t.view.filterMessage(), QStringLiteral("\"mp <\": no value after <"));
    EXPECT_EQ(t.view.proxy()->rowCount(), 315);
}

TEST(RecordTableView, ClickingANumberColumnSortsByValue)
{
    MonsterTable t;
    const int hp = t.column(QStringLiteral("Statistics/HP"));
    t.clickHeader(hp);
    // Sorted as text, "1003" would come before "21".
    EXPECT_EQ(t.shownNumber(0, hp), 35);
    EXPECT_EQ(t.view.proxy()->recordAt(0), 1);
    EXPECT_EQ(t.shownNumber(t.view.proxy()->rowCount() - 1, hp), 28928);
    for (int row = 1; row < t.view.proxy()->rowCount(); ++row)
        ASSERT_LE(t.shownNumber(row - 1, hp), t.shownNumber(row, hp)) << row;
    t.clickHeader(hp);
    EXPECT_EQ(t.shownNumber(0, hp), 28928);
    EXPECT_EQ(t.view.proxy()->recordAt(0), 383);
}

TEST(RecordTableView, AnEditInACellIsOneUndoableStepAndTheRowFollows)
{
    MonsterTable t;
    QUndoStack& stack = *t.sample.doc().undoStack();
    const int hp = t.column(QStringLiteral("Statistics/HP"));
    const QModelIndex cell = t.view.proxy()->index(7, hp);
    EXPECT_EQ(cell.data().toString(), QStringLiteral("75"));
    t.view.table()->setCurrentIndex(cell);
    t.view.table()->edit(cell);
    auto* spin = t.view.table()->viewport()->findChild<QSpinBox*>();
    ASSERT_NE(spin, nullptr);
    EXPECT_EQ(spin->maximum(), 65535);
    spin->selectAll();
    QTest::keyClicks(spin, QStringLiteral("4321"));
    QTest::keyClick(spin, Qt::Key_Return);
    settle();
    EXPECT_EQ(t.view.proxy()->index(7, hp).data().toString(), QStringLiteral("4321"));
    EXPECT_EQ(stack.count(), 1);
    EXPECT_EQ(stack.undoText(), QStringLiteral("Change HP"));
    stack.undo();
    EXPECT_EQ(t.view.proxy()->index(7, hp).data().toString(), QStringLiteral("75"));
}

TEST(RecordTableView, SelectingARowSelectsTheRecordInItsEditorAndColumnsAreKept)
{
    TempRom rom;
    AppUnderTest app;
    ASSERT_TRUE(app.started);
    ASSERT_TRUE(app.frame().openDocument(rom.path()));
    CTabbedFrame* frame = app.views().openAt(RecordRef(RecordKind::Monster, 3));
    ASSERT_NE(frame, nullptr);
    frame->initialUpdate();
    auto* editor = frame->findChild<CMonsterEditView*>();
    auto* tables = frame->findChild<CMonsterTablesView*>();
    ASSERT_TRUE(editor && tables);
    frame->selectTab(int(frame->views().indexOf(tables)));
    CRecordTableView* monsters = tables->table(RecordKind::Monster);
    // The new frame's subject is the selected row.
    EXPECT_EQ(monsters->proxy()->recordAt(monsters->table()->currentIndex().row()), 3);

    QTest::keyClick(monsters->table(), Qt::Key_Down);
    settle();
    EXPECT_EQ(editor->currentMonster(), 4);
    EXPECT_EQ(frame->activeView(), tables);
    // Double-clicking the number opens the editor's tab at the record.
    emit monsters->table()->doubleClicked(monsters->proxy()->index(0, 0));
    EXPECT_EQ(frame->activeView(), editor);
    EXPECT_EQ(editor->currentMonster(), 0);

    const QStringList columns = {QStringLiteral("General/Name"), QStringLiteral("Weak/Fire")};
    monsters->setColumnPaths(columns);
    emit tables->columnsChosen(RecordKind::Monster, columns);
    app.app->exitInstance();
    EXPECT_EQ(app.store.values.value(QStringLiteral("TableColumns-monster")), QStringLiteral("General/Name|Weak/Fire"));
}
