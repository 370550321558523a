#include "document/propertytable.h"
#include "records/monsterproperties.h"
#include "records/views/citemeditview.h"
#include "records/views/cmonstereditview.h"
#include "records/views/cpropertybinder.h"
#include "records/views/recordcopyactions.h"
#include "tests/gui/viewonsample.h"

#include <QAction>
#include <QSpinBox>

#include <gtest/gtest.h>

using namespace tessel;

namespace {

constexpr int kItemType = 1002;

QByteArray recordOf(CFF3Doc& doc, RecordKind kind, int index)
{
    return PropertyTable(doc, kind).currentBytes(RecordPart::Record, index);
}

bool shownBold(CPropertyTree& tree, int id)
{
    return tree.propertyItem(id) && tree.propertyItem(id)->font(CPropertyTree::LabelColumn).bold();
}

}  // namespace

TEST(RecordCopyActions, CopyPasteAndRevertAnItemAreStepsAndMarkTheChangedFields)
{
    ViewOnSample<CItemEditView> v;
    RecordCopyActions& actions = *v.view->recordActions();
    EXPECT_TRUE(v.view->editActions().contains(actions.pasteAction()));
    const QByteArray shield = recordOf(v.t.doc, RecordKind::Item, 160);

    actions.copyAction()->trigger();
    v.view->selectRecord(160);
    settle();
    ASSERT_TRUE(actions.pasteAction()->isEnabled());
    EXPECT_FALSE(actions.revertRecordAction()->isEnabled());
    EXPECT_FALSE(shownBold(v.tree(), kItemType));

    // Cancel changes nothing; "All Fields" makes the shield a dirk.
    actions.pasteRecord();
    EXPECT_EQ(recordOf(v.t.doc, RecordKind::Item, 160), shield);
    v.t.messages.choiceAnswers = {0};
    actions.pasteRecord();
    settle();
    EXPECT_EQ(recordOf(v.t.doc, RecordKind::Item, 160), recordOf(v.t.doc, RecordKind::Item, 0));
    EXPECT_EQ(v.stack().count(), 1);
    EXPECT_TRUE(shownBold(v.tree(), kItemType));
    EXPECT_TRUE(actions.revertRecordAction()->isEnabled());

    actions.revertRecordAction()->trigger();
    settle();
    EXPECT_EQ(recordOf(v.t.doc, RecordKind::Item, 160), shield);
    EXPECT_FALSE(shownBold(v.tree(), kItemType));
    v.stack().undo();
    settle();
    EXPECT_EQ(recordOf(v.t.doc, RecordKind::Item, 160), recordOf(v.t.doc, RecordKind::Item, 0));
}

TEST(RecordCopyActions, RevertFieldInAFormTakesTheFocusedControlsField)
{
    ViewOnSample<CMonsterEditView> v;
    CPropertyBinder& binder = *v.view->binder();
    const int level = monsterprops::kFirstStat;
    QSpinBox* box = nullptr;
    for (QSpinBox* candidate : v.view->findChildren<QSpinBox*>())
        if (binder.propertyAt(candidate) == level)
            box = candidate;
    ASSERT_NE(box, nullptr);
    const quint32 inFile = binder.value(level);

    binder.commit(level, inFile + 1);
    settle();
    EXPECT_TRUE(box->font().bold());
    v.view->activateWindow();
    box->setFocus(Qt::OtherFocusReason);
    settle();
    RecordCopyActions& actions = *qobject_cast<RecordCopyActions*>(
        v.view->editActions().first()->parent());
    ASSERT_TRUE(actions.revertFieldAction()->isEnabled());
    actions.revertFieldAction()->trigger();
    settle();
    EXPECT_EQ(binder.value(level), inFile);
    EXPECT_FALSE(box->font().bold());
    EXPECT_EQ(v.stack().count(), 2);
}
