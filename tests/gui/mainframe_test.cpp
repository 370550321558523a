#include "document/editcommands.h"
#include "shell/caboutbox.h"
#include "shell/chelpwindow.h"
#include "shell/helptext.h"
#include "tests/gui/guitestsupport.h"
#include "tests/testsupport.h"
#include "uikit/chyperlink.h"

#include "tesselversion.h"
#include "document/parts/itemspart.h"
#include "document/parts/shopspart.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QDir>
#include <QFile>
#include <QMimeData>
#include <QRegularExpression>
#include <QStatusBar>
#include <QTest>
#include <QTextBrowser>

#include <gtest/gtest.h>

using namespace tessel;

namespace {

using Choice = CMainFrame::SaveChoice;

QAction* action(CMainFrame& frame, const char* name)
{
    return frame.findChild<QAction*>(QString::fromLatin1(name));
}

QStringList menuTexts(QMenu* menu)
{
    QStringList texts;
    for (QAction* a : menu->actions())
        texts.append(a->isSeparator() ? QStringLiteral("-") : a->text());
    return texts;
}

// A loaded sample ROM with one edit not yet saved.
class SavePrompt : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(app.frame().openDocument(rom.path()));
        const quint8 first = app.doc().part<ItemsPart>().table().items[0].name[0];
        app.doc().undoStack()->push(
            makeSetByte(app.doc(), app.doc().part<ItemsPart>().bytes(RecordPart::Name, 0), 0, first ^ 1, QStringLiteral("Change Name")));
    }

    TempRom rom;
    TempRom other{sampleRomBytes(), QStringLiteral("other.smc")};
    AppUnderTest app;
};

}  // namespace

TEST(MainMenu, HasTheCommandsAndShortcuts)
{
    AppUnderTest app;
    const QList<QAction*> menus = app.frame().menuBar()->actions();
    ASSERT_EQ(menus.size(), 4);
    EXPECT_EQ(menus[0]->text(), QStringLiteral("&File"));
    EXPECT_EQ(menus[1]->text(), QStringLiteral("&View"));
    EXPECT_EQ(menus[2]->text(), QStringLiteral("&Options"));
    EXPECT_EQ(menus[3]->text(), QStringLiteral("&Help"));
    QStringList file = menuTexts(menus[0]->menu());
    file.removeAll(QStringLiteral("-"));
    EXPECT_EQ(file, (QStringList{"&Open...", "&Save", "Save &As...", "Compare &With...", "Create &Patch...", "Appl&y Patch...",
                                 "Export &Text...", "I&mport Text...", "Restore &Backup...",
                                 "&Run...", "E&xit"}));
    EXPECT_EQ(menuTexts(menus[1]->menu()), (QStringList{"&Toolbar", "Check With &Longest Names"}));
    EXPECT_EQ(menuTexts(menus[2]->menu()), (QStringList{"&Keep Backups on Save", "Fix ROM &Checksum on Save", "-",
                                                        "Emulator &Core...", "Emulator &Keys..."}));
    EXPECT_EQ(menuTexts(menus[3]->menu()), (QStringList{"&Contents", "-", "&About Tessel..."}));

    EXPECT_EQ(action(app.frame(), "actionOpen")->shortcut(), QKeySequence(QStringLiteral("Ctrl+O")));
    EXPECT_EQ(action(app.frame(), "actionSave")->shortcut(), QKeySequence(QStringLiteral("Ctrl+S")));
    EXPECT_EQ(action(app.frame(), "actionNew")->shortcut(), QKeySequence(QStringLiteral("Ctrl+N")));
    EXPECT_EQ(action(app.frame(), "actionRun")->shortcut(), QKeySequence(Qt::Key_F5));
    EXPECT_EQ(action(app.frame(), "actionContents")->shortcut(), QKeySequence(Qt::Key_F1));
}

TEST(MainMenu, FileCommandsOnTheOpenFileAreEnabledOnlyWhileARomIsLoaded)
{
    AppUnderTest app;
    const QList<QAction*> commands = {action(app.frame(), "actionSave"), action(app.frame(), "actionSaveAs"),
                                      action(app.frame(), "actionPatch"), action(app.frame(), "actionCompare"),
                                      action(app.frame(), "actionExportText"), action(app.frame(), "actionImportText"),
                                      action(app.frame(), "actionRestoreBackup"), action(app.frame(), "actionRun")};
    for (QAction* command : commands)
        EXPECT_FALSE(command->isEnabled()) << command->objectName().toStdString();
    EXPECT_TRUE(action(app.frame(), "actionApplyPatch")->isEnabled());
    TempRom rom;
    ASSERT_TRUE(app.frame().openDocument(rom.path()));
    for (QAction* command : commands)
        EXPECT_TRUE(command->isEnabled()) << command->objectName().toStdString();
    TempRom bad{QByteArray()};
    EXPECT_FALSE(app.frame().openDocument(bad.path()));
    for (QAction* command : commands)
        EXPECT_FALSE(command->isEnabled()) << command->objectName().toStdString();
}

TEST(MainMenu, ToolbarCommandShowsAndHidesTheToolbar)
{
    AppUnderTest app;
    auto* bar = app.frame().findChild<QWidget*>(QStringLiteral("toolbar"));
    ASSERT_NE(bar, nullptr);
    EXPECT_TRUE(bar->isVisible());
    action(app.frame(), "actionToolbar")->trigger();
    EXPECT_FALSE(bar->isVisible());
    action(app.frame(), "actionToolbar")->trigger();
    EXPECT_TRUE(bar->isVisible());
}

TEST(MainMenu, RecentFilesAreListedAndReopen)
{
    TempRom a(sampleRomBytes(), QStringLiteral("a.smc"));
    TempRom b(sampleRomBytes(), QStringLiteral("b.smc"));
    AppUnderTest app;
    ASSERT_TRUE(app.frame().openDocument(a.path()));
    ASSERT_TRUE(app.frame().openDocument(b.path()));
    QAction* first = action(app.frame(), "actionRecent1");
    QAction* second = action(app.frame(), "actionRecent2");
    ASSERT_NE(first, nullptr);
    ASSERT_NE(second, nullptr);
    EXPECT_TRUE(first->text().startsWith(QStringLiteral("&1 ")));
    EXPECT_TRUE(first->text().endsWith(QStringLiteral("b.smc")));
    second->trigger();
    EXPECT_EQ(app.doc().pathName(), a.path());
    EXPECT_EQ(app.app->recentFiles().files(), (QStringList{a.path(), b.path()}));
}

TEST(MainMenu, AnAmpersandInARecentFileNameShowsAsItself)
{
    platform::MemorySettingsStore stored;
    stored.recent = {QStringLiteral("/roms/R&D.smc"), QStringLiteral("/roms/a&&b.smc")};
    AppUnderTest app({}, stored);
    QAction* first = action(app.frame(), "actionRecent1");
    QAction* second = action(app.frame(), "actionRecent2");
    ASSERT_NE(first, nullptr);
    ASSERT_NE(second, nullptr);
    // What the menu shows: the text without its mnemonic marks.
    EXPECT_EQ(first->iconText(), QDir::toNativeSeparators(QStringLiteral("1 /roms/R&D.smc")));
    EXPECT_EQ(second->iconText(), QDir::toNativeSeparators(QStringLiteral("2 /roms/a&&b.smc")));
    EXPECT_EQ(QKeySequence::mnemonic(first->text()), QKeySequence(Qt::ALT | Qt::Key_1));
}

TEST(MainMenu, HelpContentsShowsTheUsersPartOfTheReadme)
{
    AppUnderTest app;
    QAction* contents = action(app.frame(), "actionContents");
    ASSERT_TRUE(contents->isEnabled());
    contents->trigger();
    contents->trigger();  // brings back the one window
    const QList<CHelpWindow*> windows = app.frame().findChildren<CHelpWindow*>();
    ASSERT_EQ(windows.size(), 1);
    EXPECT_TRUE(windows[0]->isVisible());
    EXPECT_EQ(windows[0]->windowTitle(), QStringLiteral("Tessel Help"));
    const QString text = windows[0]->browser()->toPlainText();
    for (const char* section : {"Opening a real ROM", "Backups and the checksum", "Running the ROM",
                                "Dialogue and fonts", "The world-map editor"})
        EXPECT_TRUE(text.contains(QString::fromLatin1(section))) << section;
    for (const char* section : {"Two commands", "Translation", "Tests, screenshots and golden files",
                                "Layout of the source"})
        EXPECT_FALSE(text.contains(QString::fromLatin1(section))) << section;
}

TEST(HelpText, KeepsTheMarkedSpansInOrder)
{
    const QString readme = QStringLiteral(
        "# Title\n<!-- help -->\nIntro\n<!-- /help -->\n## Build\nmake\n\n"
        "<!-- help -->\n## Use\nopen a file\n<!-- /help -->\n## Code\nlayers\n<!-- help -->\nunfinished");
    EXPECT_EQ(helpMarkdown(readme), QStringLiteral("Intro\n## Use\nopen a file\nunfinished"));
    EXPECT_EQ(helpMarkdown(QStringLiteral("# Only\ntext")), QString());
}

TEST(MainMenu, RecentFileThatIsGoneIsDroppedFromTheList)
{
    QString gonePath;
    AppUnderTest app;
    {
        TempRom gone(sampleRomBytes(), QStringLiteral("gone.smc"));
        gonePath = gone.path();
        ASSERT_TRUE(app.frame().openDocument(gonePath));
        ASSERT_TRUE(app.frame().newDocument());
    }
    action(app.frame(), "actionRecent1")->trigger();
    EXPECT_TRUE(app.app->recentFiles().files().isEmpty());
    EXPECT_EQ(action(app.frame(), "actionRecent1"), nullptr);
    ASSERT_EQ(app.messages.entries.size(), 1);
    EXPECT_TRUE(app.messages.entries[0].text.startsWith(QStringLiteral("Could not open ")));
}

TEST(MainTitle, ShowsTheFileNameAndAStarWhileModified)
{
    TempRom rom;
    AppUnderTest app({rom.path()});
    EXPECT_EQ(app.frame().windowTitle(), QStringLiteral("test.smc - Tessel"));
    app.doc().undoStack()->push(makeSetByte(app.doc(), app.doc().part<ShopsPart>().bytes(RecordPart::Record, 0), 0, 0x42, QStringLiteral("Change Title")));
    EXPECT_EQ(app.frame().windowTitle(), QStringLiteral("test.smc* - Tessel"));
    ASSERT_TRUE(app.frame().saveDocument());
    EXPECT_EQ(app.frame().windowTitle(), QStringLiteral("test.smc - Tessel"));
}

TEST_F(SavePrompt, CancelKeepsTheDocumentAndItsEdits)
{
    app.answers = {Choice::Cancel};
    EXPECT_FALSE(app.frame().openDocument(other.path()));
    EXPECT_EQ(app.questions, QStringList{QStringLiteral("test.smc")});
    EXPECT_EQ(app.doc().pathName(), rom.path());
    EXPECT_TRUE(app.doc().isModified());
    EXPECT_EQ(rom.read(), sampleRomBytes());
}

TEST_F(SavePrompt, DiscardOpensTheOtherFileAndLeavesTheFirstUntouched)
{
    app.answers = {Choice::Discard};
    EXPECT_TRUE(app.frame().openDocument(other.path()));
    EXPECT_EQ(app.doc().pathName(), other.path());
    EXPECT_FALSE(app.doc().isModified());
    EXPECT_EQ(rom.read(), sampleRomBytes());
}

TEST_F(SavePrompt, SaveWritesTheEditBeforeGoingOn)
{
    app.answers = {Choice::Save};
    EXPECT_TRUE(app.frame().newDocument());
    EXPECT_FALSE(app.doc().isLoaded());
    TestDoc original;
    ASSERT_TRUE(original.doc.open(other.path()));
    TestDoc reread;
    ASSERT_TRUE(reread.doc.open(rom.path()));
    EXPECT_EQ(reread.doc.part<ItemsPart>().table().items[0].name[0], original.doc.part<ItemsPart>().table().items[0].name[0] ^ 1);
    EXPECT_EQ(reread.doc.part<ItemsPart>().table().items[1].name, original.doc.part<ItemsPart>().table().items[1].name);
}

TEST_F(SavePrompt, ClosingTheMainWindowAsksAndCancelKeepsItOpen)
{
    app.answers = {Choice::Cancel, Choice::Discard};
    EXPECT_FALSE(app.frame().close());
    EXPECT_TRUE(app.frame().isVisible());
    EXPECT_TRUE(app.frame().close());
    EXPECT_EQ(app.questions.size(), 2);
}

TEST_F(SavePrompt, AFailedSaveStopsTheOperation)
{
    QFile::remove(rom.path());
    app.answers = {Choice::Save};
    EXPECT_FALSE(app.frame().openDocument(other.path()));
    EXPECT_EQ(app.doc().pathName(), rom.path());
    EXPECT_TRUE(app.doc().isModified());
    ASSERT_FALSE(app.messages.entries.isEmpty());
    EXPECT_TRUE(app.messages.entries.last().text.startsWith(QStringLiteral("Could not save ")));
}

TEST(SavePromptUnmodified, NoQuestionWithoutEdits)
{
    TempRom rom;
    TempRom other(sampleRomBytes(), QStringLiteral("other.smc"));
    AppUnderTest app({rom.path()});
    EXPECT_TRUE(app.frame().openDocument(other.path()));
    EXPECT_TRUE(app.questions.isEmpty());
}

TEST(AboutBox, ShowsVersionLineAndLink)
{
    CAboutBox box;
    EXPECT_EQ(CAboutBox::versionLine(),
              QStringLiteral("Tessel v%1 (%2)").arg(tessel::kVersion, tessel::kBuildDate));
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^Tessel v\\d+\\.\\d+ \\(\\d\\d/\\d\\d/20\\d\\d\\)$"))
                    .match(CAboutBox::versionLine())
                    .hasMatch());
    EXPECT_EQ(box.link()->url(), QUrl(QString::fromLatin1(tessel::kHomePage)));
    QStringList texts;
    for (QLabel* label : box.findChildren<QLabel*>())
        texts.append(label->text());
    EXPECT_TRUE(texts.contains(QStringLiteral("Updates and bug fixes can be found at")));
    EXPECT_TRUE(texts.contains(QStringLiteral(".")));
}

TEST(AboutBox, LinkThatCannotBeOpenedIsReported)
{
    platform::RecordingMessageService messages;
    CAboutBox box(nullptr, &messages);
    QUrl opened;
    box.link()->setOpener([&](const QUrl& url) {
        opened = url;
        return false;
    });
    EXPECT_FALSE(box.link()->follow());
    EXPECT_EQ(opened, box.link()->url());
    ASSERT_EQ(messages.entries.size(), 1);
    EXPECT_EQ(messages.entries[0].text,
              QStringLiteral("Unable to open hyperlink:\n\nThere is no application associated\nwith the given "
                             "filename extension."));
    EXPECT_EQ(messages.entries[0].icon, platform::MessageIcon::Warning);
}

TEST(DragAndDrop, DroppingARomFileOpensIt)
{
    TempRom rom;
    AppUnderTest app;
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(rom.path())});
    const QPoint at = app.frame().rect().center();
    QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&app.frame(), &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(at), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&app.frame(), &drop);
    EXPECT_TRUE(app.doc().isLoaded());
    EXPECT_EQ(app.doc().pathName(), rom.path());

    QMimeData text;
    text.setText(QStringLiteral("not a file"));
    QDragEnterEvent refused(at, Qt::CopyAction, &text, Qt::LeftButton, Qt::NoModifier);
    refused.setAccepted(false);
    QApplication::sendEvent(&app.frame(), &refused);
    EXPECT_FALSE(refused.isAccepted());
}

TEST(StatusBar, OpenSaysOnceThatOtherToolsDataPastTheImageIsKept)
{
    // 1,025 bytes of another tool's data: rounded up to 2 KB.
    TempRom foreign(sampleRomBytes() + QByteArray(0x1000, '\0') + QByteArray(1025, 'x'));
    TempRom plain(sampleRomBytes(), QStringLiteral("plain.smc"));
    AppUnderTest app;
    ASSERT_TRUE(app.frame().openDocument(foreign.path()));
    EXPECT_EQ(app.frame().statusBar()->currentMessage(),
              QStringLiteral("Data of other tools past the 3 MB image: 2 KB, kept"));
    ASSERT_TRUE(app.frame().openDocument(plain.path()));
    EXPECT_EQ(app.frame().statusBar()->currentMessage(), QStringLiteral("Ready"));
}
