#include "uikit/ceditorview.h"
#include "shell/ctabbedframe.h"
#include "shell/ctabbedviewgroup.h"
#include "records/views/cmagiceditview.h"
#include "records/views/cshopeditview.h"
#include "shell/editorregistry.h"
#include "text/editors/cdialogueview.h"
#include "worldmap/views/cmapview.h"
#include "shell/workspaceitem.h"
#include "tests/gui/guitestsupport.h"
#include "tests/testsupport.h"
#include "document/parts/worldmappart.h"

#include <QApplication>
#include <QScreen>
#include <QTabBar>
#include <QTest>

#include <gtest/gtest.h>

using namespace tessel;

namespace {

const QStringList kLoadedRoots = {QStringLiteral("World Maps"), QStringLiteral("Dialogue and Fonts"),
                                  QStringLiteral("Items and Magic"), QStringLiteral("Monsters"),
                                  QStringLiteral("Characters"), QStringLiteral("Event Scripts")};

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
    if (worldMapCount(app.doc()) == 0)
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
    doubleClick(app.tree(), findItem(app.tree(), QStringLiteral("World of Balance")));

    // Each frame is titled by its map.
    const auto frames = app.views().frames();
    ASSERT_EQ(frames.size(), 2);
    EXPECT_EQ(frames[0]->windowTitle(), QStringLiteral("World of Balance - test.smc"));
    EXPECT_EQ(frames[1]->windowTitle(), QStringLiteral("World of Ruin - test.smc"));
    auto* first = qobject_cast<CMapView*>(frames[0]->activeView());
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->map(), worldMapOf(app.doc(), 0));
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
        {"Items and Magic", "Items and Magic", "Items", "CItemEditView", 5},
        {"Monsters", "Monster Formations and Statistics", "Monster Formations", "CMonsterFormationView", 3},
        {"Characters", "Character Statistics and Graphics", "Character Packages", "CCharStatsView", 2},
        {"Event Scripts", "Event Scripts", "Event Scripts", "CEventScriptView", 1},
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

TEST(EditorMessages, ViewsAnswerForTheirKindOfRecordAndCharactersForNone)
{
    ASSERT_EQ(WM_QUERYSHOWS, 0x464u);
    ASSERT_EQ(WM_SETSUBJECT, 0x8400u);
    TestDoc t;
    const struct {
        RecordKind kind;
        QStringList answering;  // the views of its editor that show records of the kind
    } kinds[] = {
        {RecordKind::Message, {"CDialogueView"}},
        {RecordKind::DialogueGlyph, {"CVFontEditView"}},
        {RecordKind::MenuGlyph, {"CFFontEditView"}},
        {RecordKind::Item, {"CItemEditView"}},
        {RecordKind::Shop, {"CShopEditView"}},
        {RecordKind::Spell, {"CMagicEditView"}},
        {RecordKind::Esper, {"CEsperEditView"}},
        {RecordKind::Formation, {"CMonsterFormationView"}},
        {RecordKind::Monster, {"CMonsterEditView"}},
        // Character frames are opened anew each time, to compare characters.
        {RecordKind::Character, {}},
    };
    for (const auto& k : kinds) {
        SCOPED_TRACE(recordKindName(k.kind).toStdString());
        const EditorDescriptor* editor = EditorRegistry::standard().forKind(k.kind);
        ASSERT_NE(editor, nullptr);
        CTabbedFrame frame(t.doc, *editor);
        ASSERT_TRUE(frame.load());
        QStringList answering;
        for (CEditorView* view : frame.views()) {
            if (view->message(WM_QUERYSHOWS, RecordRef(k.kind)))
                answering.append(view->objectName());
            // Records of kinds no editor shows, and no record at all, are claimed by none.
            EXPECT_FALSE(view->message(WM_QUERYSHOWS, RecordRef::event(0xCA0000)));
            EXPECT_FALSE(view->message(WM_QUERYSHOWS, RecordRef()));
        }
        EXPECT_EQ(answering, k.answering);
    }
}

TEST(EditorMessages, MapViewShowsTheMapItWasGiven)
{
    TempRom rom;
    TestDoc t;
    ASSERT_TRUE(t.doc.open(rom.path()));
    CMapView view(t.doc);
    const RecordRef ruin(RecordKind::WorldMap, 1);
    EXPECT_FALSE(view.message(WM_QUERYSHOWS, ruin));
    view.message(WM_SETSUBJECT, ruin);
    EXPECT_TRUE(view.message(WM_QUERYSHOWS, ruin));
    EXPECT_TRUE(view.message(WM_QUERYSHOWS, RecordRef(RecordKind::MapTrigger, 1, 2)));
    EXPECT_FALSE(view.message(WM_QUERYSHOWS, RecordRef(RecordKind::WorldMap, 0)));
    // A map the document does not hold is no subject for it.
    view.message(WM_SETSUBJECT, RecordRef(RecordKind::WorldMap, 7));
    EXPECT_EQ(view.map(), worldMapOf(t.doc, 1));
    // A cell of its map is shown and framed.
    view.message(WM_SETSUBJECT, RecordRef(RecordKind::MapCell, 1, 20 * 256 + 30));
    EXPECT_EQ(view.locatedCell(), QPoint(30, 20));
}

TEST_F(WorkspaceTree, OpeningAtARecordShowsItsTabAndTheRecord)
{
    CTabbedFrame* frame = app.views().openAt(RecordRef(RecordKind::Shop, 12));
    ASSERT_NE(frame, nullptr);
    frame->initialUpdate();
    EXPECT_EQ(frame->activeView()->objectName(), QStringLiteral("CShopEditView"));
    EXPECT_EQ(qobject_cast<CShopEditView*>(frame->activeView())->currentShop(), 12);

    // The open frame is used again: another tab, another record.
    EXPECT_EQ(app.views().openAt(RecordRef(RecordKind::Spell, 70)), nullptr);
    EXPECT_EQ(app.views().frames().size(), 1);
    auto* magic = qobject_cast<CMagicEditView*>(frame->activeView());
    ASSERT_NE(magic, nullptr);
    EXPECT_EQ(magic->currentRecord(), 70);

    // The tree's item finds the same frame.
    doubleClick(app.tree(), findItem(app.tree(), QStringLiteral("Items and Magic")));
    EXPECT_EQ(app.views().frames().size(), 1);
    // A message opens the dialogue editor at it.
    CTabbedFrame* dialogue = app.views().openAt(RecordRef(RecordKind::Message, 5));
    ASSERT_NE(dialogue, nullptr);
    EXPECT_EQ(qobject_cast<CDialogueView*>(dialogue->activeView())->currentMessage(), 5);
}

TEST_F(WorkspaceTree, EditorFramesOpenInsideTheScreen)
{
    // The offscreen screen: 800 by 800 pixels, smaller than a map frame's wish.
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    ASSERT_EQ(screen, QRect(0, 0, 800, 800));
    for (const char* area : {"World of Balance", "Dialogue and Fonts", "Items and Magic", "Characters", "Monsters"}) {
        SCOPED_TRACE(area);
        doubleClick(app.tree(), findItem(app.tree(), QString::fromLatin1(area)));
        QApplication::processEvents();
        CTabbedFrame* frame = app.views().frames().last();
        const QRect outer = frame->frameGeometry();
        // The title bar and the status bar are on the screen.
        EXPECT_GE(outer.top(), screen.top());
        EXPECT_LE(outer.bottom(), screen.bottom());
        EXPECT_GE(outer.left(), screen.left());
        // All of the frame, unless its views need more width than there is.
        if (frame->minimumSizeHint().width() < screen.width())
            EXPECT_TRUE(screen.contains(outer)) << outer.x() << "," << outer.y() << " " << outer.width() << "x"
                                                << outer.height();
    }
}

TEST_F(WorkspaceTree, EnterOpensTheCurrentItem)
{
    QTreeWidgetItem* dialogue = findItem(app.tree(), QStringLiteral("Dialogue and Fonts"));
    app.tree().setCurrentItem(dialogue);
    QTest::keyClick(&app.tree(), Qt::Key_Return);
    EXPECT_EQ(framesNamed(QStringLiteral("Dialogue and Fonts")), 1);

    // Through the main window, as the window system delivers a key: the tree
    // has the focus, and the keypad's Enter does the same.
    app.views().closeAllFrames();
    app.frame().activateWindow();
    QApplication::processEvents();
    app.tree().setCurrentItem(findItem(app.tree(), QStringLiteral("World of Ruin")));
    QTest::keyClick(app.frame().windowHandle(), Qt::Key_Enter, Qt::KeypadModifier);
    ASSERT_EQ(app.views().frames().size(), 1);
    EXPECT_EQ(app.views().frames()[0]->windowTitle(), QStringLiteral("World of Ruin - test.smc"));
}

namespace {

// An editor the standard registry does not have: one placeholder view
// about the editor flags.
class FlagsView : public CEditorView {
public:
    FlagsView(CFF3Doc& doc, QWidget* parent) : CEditorView(doc, parent) {}
    RecordKind subjectKind() const override { return RecordKind::EditorFlags; }
};

class FlagsGroup : public CTabbedViewGroup {
public:
    FlagsGroup() { addEntry<FlagsView>(QStringLiteral("Flags")); }
};

}  // namespace

// A new editor is one descriptor and its view: the tree lists it and opens
// its frame once, as it does the others.
TEST_F(WorkspaceTree, AnEditorAddedToTheRegistryIsListedAndOpened)
{
    EditorRegistry registry;
    for (const EditorDescriptor& editor : EditorRegistry::standard().editors())
        registry.add(editor);
    EditorDescriptor flags;
    flags.resourceId = 999;
    flags.title = QStringLiteral("Editor Flags");
    flags.kinds = {RecordKind::EditorFlags};
    flags.makeGroup = [] { return std::make_unique<FlagsGroup>(); };
    registry.add(flags);
    app.views().setRegistry(registry);
    app.tree().refresh();

    EXPECT_EQ(rootTexts(app.tree()), kLoadedRoots + QStringList{QStringLiteral("Editor Flags")});
    doubleClick(app.tree(), findItem(app.tree(), QStringLiteral("Editor Flags")));
    doubleClick(app.tree(), findItem(app.tree(), QStringLiteral("Editor Flags")));
    EXPECT_EQ(framesNamed(QStringLiteral("Editor Flags")), 1);
    app.views().closeAllFrames();
    app.views().setRegistry(EditorRegistry::standard());
}

TEST(EditorFrames, AnEditorWithoutViewsBuildsNothing)
{
    TestDoc t;
    EditorDescriptor empty;
    empty.title = QStringLiteral("Nothing");
    CTabbedFrame frame(t.doc, empty);
    EXPECT_FALSE(frame.load());
}
