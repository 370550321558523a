// Text typed in the dialogue editor and not applied yet is never lost: it
// goes into its message when another one is selected or a save, run or
// close starts, and Ctrl+Z after Apply undoes the applied change.
#include "document/parts/dialoguepart.h"
#include "shell/ctabbedframe.h"
#include "tests/gui/guitestsupport.h"
#include "tests/parseddialogue.h"
#include "tests/testsupport.h"
#include "text/dialoguescript.h"
#include "text/editors/cdialogueview.h"
#include "text/editors/cscriptedit.h"
#include "text/editors/dialoguelistmodel.h"

#include <QApplication>
#include <QLabel>
#include <QListView>
#include <QPushButton>
#include <QStatusBar>
#include <QTest>
#include <QUndoStack>

#include <gtest/gtest.h>

using namespace tessel;

namespace {

// The "Dialogue and Fonts" frame of the application on the sample ROM.
class DialoguePending : public testing::Test {
protected:
    DialoguePending() : rom(sampleRomBytes(), QStringLiteral("sample.smc")), app({rom.path()})
    {
        frame = app.tree().openItem(findItem(app.tree(), QStringLiteral("Dialogue and Fonts")));
        if (!frame)
            return;
        frame->selectTab(0);
        view = qobject_cast<CDialogueView*>(frame->activeView());
        QApplication::setActiveWindow(frame);
        QApplication::processEvents();
    }
    void SetUp() override { ASSERT_NE(view, nullptr); }

    QByteArray bytes(int message) const
    {
        return app.app->document().part<DialoguePart>().dialogue().messages[std::size_t(message)].bytes;
    }
    QByteArray savedBytes(int message)
    {
        TestDoc saved;
        EXPECT_TRUE(saved.doc.open(rom.path()));
        return saved.doc.part<DialoguePart>().dialogue().messages[std::size_t(message)].bytes;
    }
    void type(const QString& text)
    {
        view->scriptEdit()->setFocus();
        view->scriptEdit()->selectAll();
        typeText(view->scriptEdit(), text);
    }
    // Selects a message as the user does: a click on its row.
    void clickRow(int message)
    {
        QListView* list = view->messageList();
        list->scrollTo(view->model()->index(message));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(view->model()->index(message)).center());
    }
    QString mark() const { return view->pendingMark()->text(); }

    TempRom rom;
    AppUnderTest app;
    CTabbedFrame* frame = nullptr;
    CDialogueView* view = nullptr;
};

}  // namespace

TEST_F(DialoguePending, SelectingAnotherMessageAppliesTheTypedText)
{
    clickRow(1);
    type(QStringLiteral("Typed, not applied"));
    EXPECT_EQ(mark(), QStringLiteral("Message 0001: typed text not applied"));
    EXPECT_TRUE(frame->statusBar()->isAncestorOf(view->pendingMark()));
    EXPECT_TRUE(view->pendingMark()->isVisible());

    clickRow(2);
    EXPECT_EQ(view->currentMessage(), 2);
    EXPECT_EQ(bytes(1), parsed(QStringLiteral("Typed, not applied")));
    EXPECT_EQ(mark(), QString());
    EXPECT_TRUE(app.messages.questions.isEmpty());
}

TEST_F(DialoguePending, RefusedTextAsksAndCancelKeepsItWhereItIs)
{
    clickRow(2);
    const QByteArray before = bytes(2);
    type(QStringLiteral("Caf\u00E9 <C 15>"));
    clickRow(3);  // no answer given: Cancel
    QApplication::processEvents();
    EXPECT_EQ(view->currentMessage(), 2);
    EXPECT_EQ(view->messageList()->selectionModel()->selectedIndexes(), QModelIndexList{view->model()->index(2)});
    EXPECT_EQ(view->scriptEdit()->toPlainText(), QStringLiteral("Caf\u00E9 <C 15>"));
    EXPECT_EQ(view->scriptEdit()->textCursor().position(), 3);  // at the refused character
    ASSERT_EQ(app.messages.questions.size(), 1);
    EXPECT_TRUE(app.messages.questions[0].startsWith(QStringLiteral(
        "The text typed for message 0002 cannot be applied: line 1, column 4: the game has no character")))
        << app.messages.questions[0].toStdString();
    EXPECT_EQ(bytes(2), before);

    // Save stops there too; nothing is written.
    EXPECT_FALSE(app.frame().saveDocument());
    EXPECT_EQ(rom.read(), sampleRomBytes());

    // Discard drops the text and lets the selection move on.
    app.messages.answers = {true};
    clickRow(3);
    EXPECT_EQ(view->currentMessage(), 3);
    EXPECT_EQ(bytes(2), before);
    EXPECT_FALSE(app.doc().isModified());
}

TEST_F(DialoguePending, SaveAndRunApplyTheTypedTextFirst)
{
    clickRow(4);
    type(QStringLiteral("Saved with the file"));
    QTest::keySequence(frame, QKeySequence(Qt::CTRL | Qt::Key_S));
    EXPECT_EQ(savedBytes(4), parsed(QStringLiteral("Saved with the file")));
    EXPECT_FALSE(app.doc().isModified());

    // Run asks to save first when the document is modified: the typed text
    // has made it so (the question is answered Cancel).
    type(QStringLiteral("Run with it"));
    EXPECT_FALSE(app.frame().runDocument());
    EXPECT_EQ(app.questions.size(), 1);
    EXPECT_EQ(bytes(4), parsed(QStringLiteral("Run with it")));

    // Closing the frame keeps the text too.
    type(QStringLiteral("Closed"));
    EXPECT_TRUE(frame->close());
    EXPECT_EQ(bytes(4), parsed(QStringLiteral("Closed")));
}

TEST_F(DialoguePending, CtrlZAfterApplyUndoesTheAppliedChange)
{
    clickRow(5);
    const QByteArray before = bytes(5);
    type(QStringLiteral("Applied"));
    QTest::mouseClick(view->applyButton(), Qt::LeftButton);
    ASSERT_EQ(bytes(5), parsed(QStringLiteral("Applied")));

    view->scriptEdit()->setFocus();
    QTest::keyClick(view->scriptEdit(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(bytes(5), before);
    EXPECT_EQ(view->scriptEdit()->scriptText(), dialoguescript::scriptText({before}));
    QTest::keyClick(view->scriptEdit(), Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(bytes(5), parsed(QStringLiteral("Applied")));

    // While the box has typing of its own, Ctrl+Z takes that back first.
    QTest::keyClicks(view->scriptEdit(), QStringLiteral("xy"));
    QTest::keyClick(view->scriptEdit(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(bytes(5), parsed(QStringLiteral("Applied")));
    EXPECT_EQ(view->scriptEdit()->toPlainText(), QStringLiteral("Applied"));
}

TEST_F(DialoguePending, SaveAsWritesTheTypedTextIntoTheNewFile)
{
    clickRow(4);
    type(QStringLiteral("Kept in the copy"));
    const QString copy = rom.dir() + QStringLiteral("/copy.smc");
    app.files.answers = {copy};
    ASSERT_TRUE(app.frame().saveDocumentAs());
    EXPECT_EQ(mark(), QString());
    TestDoc saved;
    ASSERT_TRUE(saved.doc.open(copy));
    EXPECT_EQ(saved.doc.part<DialoguePart>().dialogue().messages[4].bytes, parsed(QStringLiteral("Kept in the copy")));
}
