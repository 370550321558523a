#include "uikit/ceditorview.h"
#include "shell/ctabbedframe.h"
#include "shell/ctabbedviewgroup.h"
#include "uikit/subjecttags.h"
#include "worldmap/views/cmapview.h"
#include "shell/workspaceitem.h"
#include "tests/gui/guitestsupport.h"
#include "tests/testsupport.h"

#include <QApplication>
#include <QTabBar>

#include <gtest/gtest.h>

namespace {

const QStringList kLoadedRoots = {QStringLiteral("World Maps"), QStringLiteral("Dialogue and Fonts"),
                                  QStringLiteral("Items and Magic"), QStringLiteral("Monsters"),
                                  QStringLiteral("Characters")};

QStringList rootTexts(const CWorkspaceView& tree)
{
    QStringList roots;
    for (int i = 0; i < tree.topLevelItemCount(); ++i)
        roots.append(tree.topLevelItem(i)->text(0));
    return roots;
}

class WorkspaceTree : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(app.started);
        ASSERT_TRUE(app.frame().openDocument(rom.path()));
    }

    int framesNamed(const QString& title) const
    {
        int n = 0;
        for (CTabbedFrame* frame : const_cast<AppUnderTest&>(app).views().frames())
            n += frame->windowTitle().startsWith(title + QStringLiteral(" - ")) ? 1 : 0;
        return n;
    }

    TempRom rom;
    AppUnderTest app;
};

}  // namespace

TEST(WorkspaceTreeEmpty, ShowsNoFileLoadedBeforeAnyOpen)
{
    AppUnderTest app;
    ASSERT_TRUE(app.started);
    EXPECT_EQ(treeTexts(app.tree()), QStringList{QStringLiteral("No file loaded")});
    // Nothing opens from it.
    doubleClick(app.tree(), app.tree().topLevelItem(0));
    EXPECT_TRUE(app.views().frames().isEmpty());
}

TEST_F(WorkspaceTree, ListsTheFiveAreasFullyExpanded)
{
    EXPECT_EQ(rootTexts(app.tree()), kLoadedRoots);
    for (int i = 0; i < app.tree().topLevelItemCount(); ++i) {
        QTreeWidgetItem* root = app.tree().topLevelItem(i);
        if (root->childCount() > 0) {
            EXPECT_TRUE(root->isExpanded()) << root->text(0).toStdString();
        }
        EXPECT_TRUE(root->icon(0).isNull());
    }
}

TEST_F(WorkspaceTree, ListsBothWorldMaps)
{
    if (app.doc().worldMaps.count() == 0)
        GTEST_SKIP() << "the document holds no world maps yet";
    QTreeWidgetItem* maps = findItem(app.tree(), QStringLiteral("World Maps"));
    ASSERT_NE(maps, nullptr);
    ASSERT_EQ(maps->childCount(), 2);
    EXPECT_EQ(maps->child(0)->text(0), QStringLiteral("World of Balance"));
    EXPECT_EQ(maps->child(1)->text(0), QStringLiteral("World of Ruin"));
    EXPECT_TRUE(maps->isExpanded());

    // One frame per map: each map opens its own, a second double-click
    // brings the open one back.
    doubleClick(app.tree(), maps->child(0));
    doubleClick(app.tree(), maps->child(1));
    EXPECT_EQ(framesNamed(QStringLiteral("World Map")), 2);
    doubleClick(app.tree(), findItem(app.tree(), QStringLiteral("World of Balance")));
    EXPECT_EQ(framesNamed(QStringLiteral("World Map")), 2);

    const auto frames = app.views().frames();
    ASSERT_EQ(frames.size(), 2);
    auto* first = qobject_cast<CMapView*>(frames[0]->activeView());
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->map(), app.doc().worldMaps.map(0));
}

TEST_F(WorkspaceTree, RefusedOpenLeavesOnlyNoFileLoaded)
{
    TempRom foreign(QByteArray(0x300200, '\0'));
    EXPECT_FALSE(app.frame().openDocument(foreign.path()));
    EXPECT_EQ(treeTexts(app.tree()), QStringList{QStringLiteral("No file loaded")});
    ASSERT_EQ(app.messages.entries.size(), 1);
    EXPECT_EQ(app.messages.entries[0].text,
              QStringLiteral("The ROM you are attempting to load\nis not the American FF3 ROM."));
}

TEST_F(WorkspaceTree, ItemsGroupOpensOnceAndComesToTheFront)
{
    QTreeWidgetItem* items = findItem(app.tree(), QStringLiteral("Items and Magic"));
    doubleClick(app.tree(), items);
    ASSERT_EQ(app.views().frames().size(), 1);
    CTabbedFrame* frame = app.views().frames().first();
    EXPECT_TRUE(frame->isVisible());
    frame->showMinimized();

    doubleClick(app.tree(), items);
    EXPECT_EQ(app.views().frames().size(), 1);
    EXPECT_FALSE(frame->isMinimized());
}

TEST_F(WorkspaceTree, DialogueAndMonstersOpenOnceEach)
{
    for (const char* area : {"Dialogue and Fonts", "Monsters"}) {
        doubleClick(app.tree(), findItem(app.tree(), QString::fromLatin1(area)));
        doubleClick(app.tree(), findItem(app.tree(), QString::fromLatin1(area)));
    }
    EXPECT_EQ(framesNamed(QStringLiteral("Dialogue and Fonts")), 1);
    EXPECT_EQ(framesNamed(QStringLiteral("Monster Formations and Statistics")), 1);
    EXPECT_EQ(app.views().frames().size(), 2);
}

TEST_F(WorkspaceTree, EveryDoubleClickOnCharactersOpensAnotherFrame)
{
    QTreeWidgetItem* characters = findItem(app.tree(), QStringLiteral("Characters"));
    doubleClick(app.tree(), characters);
    doubleClick(app.tree(), characters);
    EXPECT_EQ(framesNamed(QStringLiteral("Character Statistics and Graphics")), 2);
}

TEST_F(WorkspaceTree, WorldMapsRootOpensNothing)
{
    doubleClick(app.tree(), findItem(app.tree(), QStringLiteral("World Maps")));
    EXPECT_TRUE(app.views().frames().isEmpty());
}

TEST_F(WorkspaceTree, NewGroupFramesShowTheirFirstTab)
{
    const struct {
        const char* area;
        const char* frameTitle;
        const char* firstTab;
        const char* viewClass;
        int tabs;
    } groups[] = {
        {"Dialogue and Fonts", "Dialogue and Fonts", "Standard Dialogue", "CDialogueView", 3},
        {"Items and Magic", "Items and Magic", "Items", "CItemEditView", 4},
        {"Monsters", "Monster Formations and Statistics", "Monster Formations", "CMonsterFormationView", 2},
        {"Characters", "Character Statistics and Graphics", "Character Packages", "CCharStatsView", 1},
    };
    for (const auto& group : groups) {
        SCOPED_TRACE(group.area);
        CTabbedFrame* frame = app.tree().openItem(findItem(app.tree(), QString::fromLatin1(group.area)));
        ASSERT_NE(frame, nullptr);
        EXPECT_EQ(frame->windowTitle(), QString::fromLatin1(group.frameTitle) + QStringLiteral(" - test.smc"));
        EXPECT_EQ(frame->tabBar()->count(), group.tabs);
        EXPECT_EQ(frame->tabBar()->currentIndex(), 0);
        EXPECT_EQ(frame->tabBar()->tabText(0), QString::fromLatin1(group.firstTab));
        ASSERT_NE(frame->activeView(), nullptr);
        EXPECT_EQ(frame->activeView()->objectName(), QString::fromLatin1(group.viewClass));
        EXPECT_TRUE(frame->activeView()->isVisible());
    }
}

TEST_F(WorkspaceTree, OpeningAnotherFileClosesTheEditorsOfTheOldOne)
{
    app.tree().openItem(findItem(app.tree(), QStringLiteral("Items and Magic")));
    app.tree().openItem(findItem(app.tree(), QStringLiteral("Characters")));
    ASSERT_EQ(app.views().frames().size(), 2);
    TempRom other(sampleRomBytes(), QStringLiteral("other.smc"));
    ASSERT_TRUE(app.frame().openDocument(other.path()));
    EXPECT_TRUE(app.views().frames().isEmpty());
    EXPECT_TRUE(app.views().views().isEmpty());
    EXPECT_EQ(rootTexts(app.tree()), kLoadedRoots);

    app.tree().openItem(findItem(app.tree(), QStringLiteral("Monsters")));
    ASSERT_TRUE(app.frame().newDocument());
    EXPECT_TRUE(app.views().frames().isEmpty());
    EXPECT_EQ(treeTexts(app.tree()), QStringList{QStringLiteral("No file loaded")});
}

TEST(EditorMessages, OnlyTheFirstViewsOfFourGroupsAnswerTheQuery)
{
    TestDoc t;
    const struct {
        const char* group;
        quint32 resource;
        quint32 tag;
        bool answers;
    } groups[] = {
        {"TVGDialogueGroup", 137, kDialogueTag, true},
        {"TVGItemGroup", 180, kItemsTag, true},
        {"TVGMonsterGroup", 181, kMonstersTag, true},
        {"TVGCharacterGroup", 182, kCharactersTag, false},
    };
    for (const auto& group : groups) {
        SCOPED_TRACE(group.group);
        CTabbedFrame frame(t.doc, group.resource);
        ASSERT_TRUE(frame.load(QString::fromLatin1(group.group)));
        const QList<CEditorView*> views = frame.views();
        EXPECT_EQ(views[0]->message(WM_QUERYSHOWS, group.tag), group.answers ? 1u : 0u);
        for (int i = 1; i < views.size(); ++i)
            EXPECT_EQ(views[i]->message(WM_QUERYSHOWS, group.tag), 0u) << i;
        // Tags of other groups are never claimed.
        EXPECT_EQ(views[0]->message(WM_QUERYSHOWS, group.tag ^ 1), 0u);
    }
}

TEST(EditorMessages, MapViewShowsTheRecordItWasGiven)
{
    ASSERT_EQ(WM_QUERYSHOWS, 0x464u);
    ASSERT_EQ(WM_SETSUBJECT, 0x8400u);
    TempRom rom;
    TestDoc t;
    ASSERT_TRUE(t.doc.open(rom.path()));
    CMapView view(t.doc);
    const auto subject = reinterpret_cast<quintptr>(t.doc.worldMaps.map(1));
    EXPECT_EQ(view.message(WM_QUERYSHOWS, subject), 0u);
    view.message(WM_SETSUBJECT, subject);
    EXPECT_EQ(view.message(WM_QUERYSHOWS, subject), 1u);
    EXPECT_EQ(view.message(WM_QUERYSHOWS, reinterpret_cast<quintptr>(t.doc.worldMaps.map(0))), 0u);
    EXPECT_EQ(view.message(WM_QUERYSHOWS, 0), 0u);
    // Anything but one of the document's maps is no subject for it.
    int record = 0;
    view.message(WM_SETSUBJECT, reinterpret_cast<quintptr>(&record));
    EXPECT_EQ(view.message(WM_QUERYSHOWS, reinterpret_cast<quintptr>(&record)), 0u);
    EXPECT_EQ(view.map(), t.doc.worldMaps.map(1));
}

TEST(EditorFrames, UnknownGroupOrResourceBuildsNothing)
{
    TestDoc t;
    CTabbedFrame unknownGroup(t.doc, 180);
    EXPECT_FALSE(unknownGroup.load(QStringLiteral("TVGNoSuchGroup")));
    CTabbedFrame unknownResource(t.doc, 999);
    EXPECT_FALSE(unknownResource.load(QStringLiteral("TVGItemGroup")));
    EXPECT_EQ(CTabbedViewGroup::create(QStringLiteral("CTabbedViewGroup")), nullptr);
}
