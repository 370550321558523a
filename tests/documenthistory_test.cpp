#include "document/cff3doc.h"
#include "document/pendingedit.h"
#include "document/setmapcellscommand.h"
#include "tests/testsupport.h"
#include "worldmap/worldmap.h"
#include "document/parts/itemspart.h"
#include "document/parts/worldmappart.h"

#include <functional>

#include <gtest/gtest.h>

using namespace tessel;

namespace {

// An open edit whose finishing the test decides.
struct FakePendingEdit : PendingEdit {
    bool isOpen() const override { return open; }
    bool finish() override
    {
        ++finished;
        open = false;
        return onFinish ? onFinish() : false;
    }
    bool open = false;
    int finished = 0;
    std::function<bool()> onFinish;
};

class DocumentHistory : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(t.doc.open(file.path()));
        t.doc.addPendingEdit(&edit);
    }
    void TearDown() override { t.doc.removePendingEdit(&edit); }
    int nameByte(int item) const { return t.doc.part<ItemsPart>().table().items[std::size_t(item)].name[0]; }

    TempRom file;
    TestDoc t;
    FakePendingEdit edit;
};

// Undo with an edit open or not, and what finishing it leaves.
struct UndoCase {
    const char* label;
    bool open;
    bool finishLeavesStep;
    bool olderEditUndone;
};

class DocumentUndo : public DocumentHistory, public testing::WithParamInterface<UndoCase> {};

}  // namespace

TEST_P(DocumentUndo, FinishesAnOpenEditAndNeverUndoesAnOlderOneForIt)
{
    const UndoCase& c = GetParam();
    const int olderBefore = nameByte(3);
    flipItemNameBits(t.doc, 3, 0);  // the older edit
    const int finishedBefore = nameByte(5);
    edit.open = c.open;
    edit.onFinish = [&] {
        if (!c.finishLeavesStep)
            return false;
        flipItemNameBits(t.doc, 5, 0);
        return true;
    };
    t.doc.undo();
    EXPECT_EQ(edit.finished, c.open ? 1 : 0);
    // What finishing left is undone with it.
    EXPECT_EQ(nameByte(5), finishedBefore);
    EXPECT_EQ(nameByte(3) == olderBefore, c.olderEditUndone);
}

INSTANTIATE_TEST_SUITE_P(Cases, DocumentUndo,
                         testing::Values(UndoCase{"NothingOpen", false, false, true},
                                         UndoCase{"OpenLeavingAStep", true, true, false},
                                         UndoCase{"OpenLeavingNoStep", true, false, false}),
                         [](const testing::TestParamInfo<UndoCase>& info) { return std::string(info.param.label); });

TEST_F(DocumentHistory, RedoFinishesAnOpenEditFirst)
{
    flipItemNameBits(t.doc, 3, 0);
    t.doc.undo();
    edit.open = true;
    t.doc.redo();
    EXPECT_EQ(edit.finished, 1);
    EXPECT_EQ(t.doc.undoStack()->index(), 1);
}

TEST_F(DocumentHistory, SaveFinishesOpenEditsBeforeAnythingIsEncoded)
{
    WorldMap& map = *worldMapOf(t.doc, 1);
    const quint8 tile = quint8(map.tileAt(4, 5) ^ 0x40);
    bool finishedWhenAsked = false;
    QObject::connect(&t.doc, &CFF3Doc::aboutToSave, [&] { finishedWhenAsked = edit.finished == 1; });
    edit.open = true;
    edit.onFinish = [&] {
        t.doc.undoStack()->push(new SetMapCellsCommand(t.doc, 1, {{{4, 5}, tile}}, QStringLiteral("Move Selection")));
        return true;
    };
    ASSERT_TRUE(t.doc.save(file.path()));
    EXPECT_TRUE(finishedWhenAsked);
    EXPECT_FALSE(t.doc.isModified());
    TestDoc reread;
    ASSERT_TRUE(reread.doc.open(file.path()));
    EXPECT_EQ(worldMapOf(reread.doc, 1)->tileAt(4, 5), tile);
}

TEST_F(DocumentHistory, AnEditGoneFromTheListIsNotAsked)
{
    edit.open = true;
    t.doc.removePendingEdit(&edit);
    t.doc.undo();
    EXPECT_EQ(edit.finished, 0);
}

TEST(DocumentUndoLimit, TakesEffectWhenTheStackIsEmpty)
{
    TempRom file;
    TestDoc t;
    t.doc.setUndoLimit(3);
    ASSERT_TRUE(t.doc.open(file.path()));
    for (int i = 0; i < 5; ++i)
        flipItemNameBits(t.doc, i, 0);
    EXPECT_EQ(t.doc.undoStack()->count(), 3);

    // A new limit waits for the stack to be cleared.
    t.doc.setUndoLimit(10);
    EXPECT_EQ(t.doc.undoStack()->undoLimit(), 3);
    ASSERT_TRUE(t.doc.open(file.path()));
    EXPECT_EQ(t.doc.undoStack()->undoLimit(), 10);
    for (int i = 0; i < 12; ++i)
        flipItemNameBits(t.doc, i, 0);
    EXPECT_EQ(t.doc.undoStack()->count(), 10);
}
