#include "tests/gui/guitestsupport.h"
#include "tests/testsupport.h"

#include <QAction>
#include <QFile>
#include <QMenu>
#include <QMenuBar>

#include <gtest/gtest.h>

using namespace tessel;

namespace {

QAction* fileMenuAction(CMainFrame& frame, const QString& name)
{
    QMenu* file = frame.menuBar()->actions().first()->menu();
    for (QAction* action : file->actions())
        if (action->objectName() == name)
            return action;
    return nullptr;
}

}  // namespace

// A ROM marked read-only cannot be saved in place; Save As keeps the edits
// in a new file, and from then on the window, the recent files and Save
// work on that file while the read-only one stays as it was.
TEST(FileSaveAs, KeepsTheEditsOfAReadOnlyRomInANewFileAndGoesOnWithIt)
{
    TempRom rom;
    AppUnderTest app;
    ASSERT_TRUE(app.frame().openDocument(rom.path()));
    ASSERT_TRUE(QFile::setPermissions(rom.path(), QFile::ReadOwner));
    const quint8 before = app.doc().part<ItemsPart>().table().items[0].name[0];
    flipItemNameBits(app.doc(), 0, 0);
    EXPECT_FALSE(app.frame().saveDocument());
    ASSERT_EQ(app.messages.entries.size(), 1);

    QAction* saveAs = fileMenuAction(app.frame(), QStringLiteral("actionSaveAs"));
    ASSERT_NE(saveAs, nullptr);
    EXPECT_EQ(saveAs->text(), QStringLiteral("Save &As..."));
    EXPECT_EQ(saveAs->shortcut(), QKeySequence(QStringLiteral("Ctrl+Shift+S")));
    ASSERT_TRUE(saveAs->isEnabled());

    // Cancelling the dialog changes nothing.
    saveAs->trigger();
    EXPECT_TRUE(app.doc().isModified());
    EXPECT_EQ(app.doc().pathName(), rom.path());

    const QString copy = rom.dir() + QStringLiteral("/kept.smc");
    app.files.answers = {copy};
    saveAs->trigger();
    EXPECT_EQ(app.files.captions.last(), QStringLiteral("Save As"));
    EXPECT_EQ(app.files.suggestions.last(), rom.path());
    EXPECT_EQ(app.doc().pathName(), copy);
    EXPECT_FALSE(app.doc().isModified());
    EXPECT_EQ(app.frame().windowTitle(), QStringLiteral("kept.smc - Tessel"));
    EXPECT_EQ(app.app->recentFiles().files().first(), copy);
    EXPECT_EQ(rom.read(), sampleRomBytes());

    // Later saves go to the new file.
    const quint8 second = app.doc().part<ItemsPart>().table().items[1].name[0];
    flipItemNameBits(app.doc(), 1, 0);
    fileMenuAction(app.frame(), QStringLiteral("actionSave"))->trigger();
    EXPECT_FALSE(app.doc().isModified());
    EXPECT_EQ(app.messages.entries.size(), 1);
    EXPECT_EQ(rom.read(), sampleRomBytes());
    TestDoc kept;
    ASSERT_TRUE(kept.doc.open(copy));
    EXPECT_EQ(kept.doc.part<ItemsPart>().table().items[0].name[0], before ^ 1);
    EXPECT_EQ(kept.doc.part<ItemsPart>().table().items[1].name[0], second ^ 1);
    QFile::setPermissions(rom.path(), QFile::ReadOwner | QFile::WriteOwner);
}
