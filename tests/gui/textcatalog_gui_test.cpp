#include "document/editcommands.h"
#include "document/parts/dialoguepart.h"
#include "shell/ctabbedframe.h"
#include "tests/gui/guitestsupport.h"
#include "tests/testsupport.h"
#include "text/dialoguescript.h"
#include "text/editors/cdialogueview.h"
#include "text/editors/cpagestrip.h"
#include "text/editors/dialoguelistmodel.h"

#include <QAction>
#include <QApplication>
#include <QMenuBar>
#include <QUndoStack>

#include <gtest/gtest.h>

using namespace tessel;

namespace {

// The sample ROM in the main window with the dialogue editor open.
struct DialogueFrame {
    DialogueFrame()
    {
        EXPECT_TRUE(app.frame().openDocument(rom.path()));
        frame = app.tree().openItem(findItem(app.tree(), QStringLiteral("Dialogue and Fonts")));
        view = frame ? qobject_cast<CDialogueView*>(frame->activeView()) : nullptr;
    }
    QAction* mainAction(const char* name) { return app.frame().findChild<QAction*>(QString::fromLatin1(name)); }
    QAction* frameAction(const char* name) { return frame->findChild<QAction*>(QString::fromLatin1(name)); }
    QString script(int message)
    {
        return dialoguescript::scriptText(app.doc().part<DialoguePart>().dialogue().messages[std::size_t(message)]);
    }

    TempRom rom;
    AppUnderTest app;
    CTabbedFrame* frame = nullptr;
    CDialogueView* view = nullptr;
};

}  // namespace

TEST(LongestNamesCheck, TheViewMenuCommandDecidesTheMarksAndF8)
{
    DialogueFrame f;
    ASSERT_NE(f.view, nullptr);
    // Fits with the default names, runs to a fifth line with the longest.
    DialogueMessage message;
    ASSERT_TRUE(ParseDialogue(message, QStringLiteral("<C 1> <C 2> <C 3>\r\n<C 4> <C 5> <C 6>\r\n<C 7> <C 8> <C 9>\r\n"
                                                      "<C 10> <C 11> <C 12> <C 13> <C 14>")));
    f.app.doc().undoStack()->push(new ReplaceMessageCommand(f.app.doc(), 7, message.bytes));
    QAction* longest = f.mainAction("actionLongestNames");
    ASSERT_NE(longest, nullptr);
    EXPECT_EQ(longest->text(), QStringLiteral("Check With &Longest Names"));
    EXPECT_TRUE(longest->isChecked());
    EXPECT_TRUE(f.view->model()->overflows(7));
    f.view->selectMessage(2);
    EXPECT_TRUE(f.view->nextOverflowing());
    EXPECT_EQ(f.view->currentMessage(), 7);
    EXPECT_TRUE(f.view->pageStrip()->page(0).tooManyLines);

    longest->setChecked(false);
    EXPECT_FALSE(f.view->model()->overflows(7));
    EXPECT_FALSE(f.view->pageStrip()->page(0).overflows());
    EXPECT_FALSE(f.view->nextOverflowing());
    EXPECT_EQ(f.app.app->settings().longestNames, 0);
}

TEST(TextFileCommands, ExportAndImportFromTheDialogueFrameAsOneUndoStep)
{
    DialogueFrame f;
    ASSERT_NE(f.frame, nullptr);
    ASSERT_NE(f.frameAction("actionExportText"), nullptr);
    ASSERT_NE(f.mainAction("actionImportText"), nullptr);
    const QString po = f.rom.dir() + QStringLiteral("/text.po");
    f.app.files.answers = {po};
    f.frameAction("actionExportText")->trigger();
    QByteArray text = fileBytes(po);
    ASSERT_FALSE(text.isEmpty());
    for (const char* context : {"msgctxt \"dialogue 0002\"", "msgctxt \"dialogue 0003\""}) {
        const qsizetype at = text.indexOf(context);
        ASSERT_GE(at, 0);
        text.replace(text.indexOf("msgstr \"\"", at), 9, "msgstr \"Traduit\"");
    }
    writeFileBytes(po, text);
    const QString before = f.script(2);
    const int steps = f.app.doc().undoStack()->count();

    f.app.files.answers = {po};
    f.frameAction("actionImportText")->trigger();
    ASSERT_FALSE(f.app.messages.entries.isEmpty());
    EXPECT_EQ(f.app.messages.entries.last().text,
              QStringLiteral("2 messages and 0 names applied, 0 fuzzy entries skipped."));
    EXPECT_EQ(f.script(2), QStringLiteral("Traduit"));
    EXPECT_EQ(f.script(3), QStringLiteral("Traduit"));
    EXPECT_EQ(f.app.doc().undoStack()->count(), steps + 1);
    f.app.doc().undoStack()->undo();
    EXPECT_EQ(f.script(2), before);
}
