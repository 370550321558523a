#include "document/editcommands.h"
#include "tests/gui/guitestsupport.h"
#include "tests/gui/sampledoc.h"
#include "tests/parseddialogue.h"
#include "text/dialoguescript.h"
#include "text/editors/cdialogueview.h"
#include "text/editors/cfindreplacepage1.h"
#include "text/editors/cfindreplacepage2.h"
#include "text/editors/cfindreplacepage3.h"
#include "text/editors/cfindreplacesheet.h"
#include "text/editors/cpagestrip.h"
#include "text/editors/cscriptedit.h"
#include "text/editors/dialoguelistmodel.h"
#include "document/parts/dialoguepart.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QTest>
#include <QTabWidget>
#include <QUndoStack>

#include <gtest/gtest.h>

using namespace tessel;

namespace {

// The dialogue editor on the sample ROM with a few messages of known text.
struct DialogueEditor {
    DialogueEditor()
    {
        auto& messages = s.doc().part<DialoguePart>().dialogue().messages;
        messages[1].bytes = parsed(QStringLiteral("Hello there"));
        messages[2].bytes = parsed(QStringLiteral("Bye<P>\r\n"));
        messages[3].bytes = parsed(QStringLiteral("<C 1>: hello, Hello!"));
        view = std::make_unique<CDialogueView>(s.doc());
        view->resize(800, 600);
        view->show();
        QApplication::processEvents();
    }
    CFF3Doc& doc() { return s.doc(); }
    QByteArray bytes(int message) { return doc().part<DialoguePart>().dialogue().messages[std::size_t(message)].bytes; }
    // Types the script text over the edit box's text, a line break as Enter.
    void type(const QString& script)
    {
        view->scriptEdit()->selectAll();
        const QStringList lines = script.split(QStringLiteral("\r\n"));
        for (qsizetype i = 0; i < lines.size(); ++i) {
            if (i > 0)
                QTest::keyClick(view->scriptEdit(), Qt::Key_Return);
            typeText(view->scriptEdit(), lines[i]);
        }
        if (script.isEmpty())
            QTest::keyClick(view->scriptEdit(), Qt::Key_Delete);
    }
    QAction* action(const QString& name)
    {
        for (QAction* a : view->editActions())
            if (a->objectName() == name)
                return a;
        return nullptr;
    }

    SampleDoc s;
    std::unique_ptr<CDialogueView> view;
};

}  // namespace

TEST(DialogueView, ListsEveryMessageAndShowsTheFirst)
{
    DialogueEditor e;
    EXPECT_EQ(e.view->model()->rowCount(), int(e.doc().part<DialoguePart>().dialogue().messages.size()));
    EXPECT_EQ(e.view->currentMessage(), 0);
    EXPECT_EQ(e.view->scriptEdit()->scriptText(), dialoguescript::scriptText({e.bytes(0)}));
    EXPECT_EQ(e.view->scriptEdit()->textCursor().selectedText().size(), e.view->scriptEdit()->toPlainText().size());
    EXPECT_EQ(e.view->model()->data(e.view->model()->index(0x2A), Qt::DisplayRole).toString(), QStringLiteral("002A:"));
    EXPECT_TRUE(e.view->queryShows(RecordRef(RecordKind::Message)));
}

TEST(DialogueView, ApplyWritesTheMessageAsOneUndoableStepAndTabMovesOn)
{
    DialogueEditor e;
    e.view->selectMessage(1);
    e.type(QStringLiteral("Good<P>\r\nnight"));
    QTest::mouseClick(e.view->applyButton(), Qt::LeftButton);
    const QByteArray applied = parsed(QStringLiteral("Good<P>\r\nnight"));
    EXPECT_EQ(e.bytes(1), applied);
    EXPECT_TRUE(e.doc().isModified());
    EXPECT_EQ(e.view->currentMessage(), 1);
    EXPECT_EQ(e.view->pageStrip()->pageCount(), 2);

    e.doc().undoStack()->undo();
    EXPECT_EQ(e.bytes(1), parsed(QStringLiteral("Hello there")));
    EXPECT_EQ(e.view->scriptEdit()->scriptText(), QStringLiteral("Hello there"));  // the view follows
    e.doc().undoStack()->redo();
    EXPECT_EQ(e.bytes(1), applied);

    // Tab applies and goes on; Shift+Tab applies and goes back.
    e.type(QStringLiteral("One"));
    QTest::keyClick(e.view->scriptEdit(), Qt::Key_Tab);
    EXPECT_EQ(e.bytes(1), parsed(QStringLiteral("One")));
    EXPECT_EQ(e.view->currentMessage(), 2);
    e.type(QStringLiteral("Two"));
    QTest::keyClick(e.view->scriptEdit(), Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(e.bytes(2), parsed(QStringLiteral("Two")));
    EXPECT_EQ(e.view->currentMessage(), 1);

    // On the last row Tab applies and stays.
    const int last = e.view->model()->rowCount() - 1;
    e.view->selectMessage(last);
    e.type(QStringLiteral("The end"));
    QTest::keyClick(e.view->scriptEdit(), Qt::Key_Tab);
    EXPECT_EQ(e.bytes(last), parsed(QStringLiteral("The end")));
    EXPECT_EQ(e.view->currentMessage(), last);
}

TEST(DialogueView, MalformedTextIsReportedAndChangesNothing)
{
    DialogueEditor e;
    e.view->selectMessage(3);
    e.type(QStringLiteral("Bad <Q> tag"));
    QTest::mouseClick(e.view->applyButton(), Qt::LeftButton);
    const QString malformed = QStringLiteral("The string entered is malformed; there may\nbe mismatched brackets or "
                                             "the text can \notherwise not be parsed correctly.  Please\ncorrect "
                                             "any errors and reapply.");
    ASSERT_EQ(e.s.messages().size(), 1);
    EXPECT_EQ(e.s.messages()[0].text,
              QStringLiteral("Message 0003, line 1, column 5: the tag <Q> is unknown.\n\n") + malformed);
    EXPECT_EQ(e.s.messages()[0].caption, QStringLiteral("Error"));
    EXPECT_EQ(e.bytes(3), parsed(QStringLiteral("<C 1>: hello, Hello!")));
    EXPECT_EQ(e.view->scriptEdit()->scriptText(), QStringLiteral("Bad <Q> tag"));
    EXPECT_FALSE(e.doc().isModified());

    // A character the game lacks and a number past the slots are refused
    // where they stand, never dropped or wrapped; the caret goes there.
    e.type(QStringLiteral("Hi <C 2>\r\nna\u00EFve"));
    QTest::mouseClick(e.view->applyButton(), Qt::LeftButton);
    EXPECT_EQ(e.s.messages().last().text,
              QStringLiteral("Message 0003, line 2, column 3: the game has no character \"\u00EF\" (U+00EF).\n\n") +
                  malformed);
    EXPECT_EQ(e.view->scriptEdit()->textCursor().position(), 11);
    e.type(QStringLiteral("Hi <C 15>"));
    QTest::keyClick(e.view->scriptEdit(), Qt::Key_Tab);
    EXPECT_TRUE(e.s.messages().last().text.startsWith(QStringLiteral("Message 0003, line 1, column 4: <C 15> names no")));
    EXPECT_EQ(e.view->currentMessage(), 3);
    EXPECT_EQ(e.bytes(3), parsed(QStringLiteral("<C 1>: hello, Hello!")));
    EXPECT_FALSE(e.doc().isModified());

    // With no row selected there is nothing to apply to (the refused text
    // is discarded when asked).
    e.s.t.messages.answers = {true};
    e.view->messageList()->setCurrentIndex(QModelIndex());
    EXPECT_FALSE(e.view->apply(0));
    EXPECT_EQ(e.doc().undoStack()->count(), 0);
}

TEST(DialogueView, PagesFollowTheTextAsTypedBeforeItIsApplied)
{
    DialogueEditor e;
    e.view->selectMessage(2);
    CPageStrip* strip = e.view->pageStrip();
    // A final page break leaves an empty second page.
    ASSERT_EQ(strip->pageCount(), 2);
    EXPECT_TRUE(strip->page(1).glyphs.empty());
    EXPECT_EQ(strip->pageLabel(0), QStringLiteral("Page 1"));

    e.type(QStringLiteral("a<P>\r\nb<P>\r\nc"));
    EXPECT_EQ(strip->pageCount(), 3);
    EXPECT_TRUE(strip->isPreview());
    EXPECT_EQ(strip->pageLabel(2), QStringLiteral("Page 3 (not applied)"));
    EXPECT_EQ(e.bytes(2), parsed(QStringLiteral("Bye<P>\r\n")));  // nothing written
    // Text that does not parse leaves the last pages that did.
    QTest::keyClicks(e.view->scriptEdit(), QStringLiteral("<"));
    EXPECT_EQ(strip->pageCount(), 3);
}

TEST(DialogueView, OverflowingPagesAndMessagesAreMarked)
{
    DialogueEditor e;
    const QString fiveLines = QStringLiteral("a\r\nb\r\nc\r\nd\r\ne");
    e.view->selectMessage(5);
    e.type(QStringLiteral("fits<P>\r\n") + fiveLines);
    CPageStrip* strip = e.view->pageStrip();
    ASSERT_EQ(strip->pageCount(), 2);
    EXPECT_FALSE(strip->page(0).overflows());
    EXPECT_TRUE(strip->page(1).tooManyLines);
    EXPECT_EQ(strip->pageLabel(1), QStringLiteral("Page 2 - Too long (not applied)"));
    ASSERT_TRUE(e.view->apply(0));
    EXPECT_TRUE(e.view->model()->data(e.view->model()->index(5), DialogueListModel::OverflowRole).toBool());

    // F8 goes to the next overflowing message, round past the end.
    e.view->selectMessage(7);
    e.type(QString(60, QLatin1Char('w')));
    ASSERT_TRUE(e.view->apply(0));
    e.view->selectMessage(6);
    QAction* next = e.action(QStringLiteral("Next Overflowing Message"));
    ASSERT_NE(next, nullptr);
    EXPECT_EQ(next->shortcut(), QKeySequence(Qt::Key_F8));
    next->trigger();
    EXPECT_EQ(e.view->currentMessage(), 7);
    next->trigger();
    EXPECT_GE(e.view->currentMessage(), 0);
    EXPECT_NE(e.view->currentMessage(), 7);
    EXPECT_TRUE(e.view->model()->overflows(e.view->currentMessage()));
}

TEST(DialogueView, FindReplaceAndGoToThroughTheSheet)
{
    DialogueEditor e;
    e.view->selectMessage(0);
    QAction* find = e.action(QStringLiteral("Find..."));
    ASSERT_NE(find, nullptr);
    EXPECT_EQ(find->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_F));
    find->trigger();
    CFindReplaceSheet* sheet = e.view->findSheet();
    ASSERT_TRUE(sheet->isVisible());
    EXPECT_EQ(sheet->windowTitle(), QStringLiteral("Find/Replace"));
    EXPECT_EQ(sheet->tabs()->currentIndex(), int(CFindReplaceSheet::FindPage));

    // Find Next: "hello" as a whole word, any case, from message 0 on.
    CFindReplacePage1* page = sheet->findPage();
    page->findWhat()->setCurrentText(QStringLiteral("hello"));
    page->wholeWords()->setChecked(true);
    QTest::mouseClick(page->findNextButton(), Qt::LeftButton);
    EXPECT_EQ(e.view->currentMessage(), 1);
    EXPECT_EQ(e.view->scriptEdit()->textCursor().selectedText(), QStringLiteral("Hello"));
    QTest::mouseClick(page->findNextButton(), Qt::LeftButton);
    EXPECT_EQ(e.view->currentMessage(), 3);
    EXPECT_EQ(e.view->scriptEdit()->textCursor().selectionStart(), 7);
    page->matchCase()->setChecked(true);
    page->searchDirection()->setCurrentIndex(int(SearchOptions::Direction::Down));
    page->findWhat()->setCurrentText(QStringLiteral("no such words"));
    QTest::mouseClick(page->findNextButton(), Qt::LeftButton);
    ASSERT_FALSE(e.s.messages().isEmpty());
    EXPECT_EQ(e.s.messages().last().text, QStringLiteral("Cannot find \"no such words\"."));

    // Replace All is one step; a replacement that breaks a message is skipped and named.
    e.action(QStringLiteral("Replace..."))->trigger();
    CFindReplacePage2* replace = sheet->replacePage();
    EXPECT_EQ(sheet->tabs()->currentIndex(), int(CFindReplaceSheet::ReplacePage));
    replace->findWhat()->setCurrentText(QStringLiteral("Hello"));
    replace->matchCase()->setChecked(true);
    replace->wholeWords()->setChecked(false);
    replace->searchDirection()->setCurrentIndex(int(SearchOptions::Direction::All));
    replace->replaceWith()->setCurrentText(QStringLiteral("<Howdy"));
    const int steps = e.doc().undoStack()->count();
    QTest::mouseClick(replace->replaceAllButton(), Qt::LeftButton);
    EXPECT_EQ(e.doc().undoStack()->count(), steps);  // every replacement here breaks its message
    EXPECT_TRUE(e.s.messages().last().text.contains(QStringLiteral("0001, 0003"))) << e.s.messages().last().text.toStdString();
    replace->replaceWith()->setCurrentText(QStringLiteral("Howdy"));
    QTest::mouseClick(replace->replaceAllButton(), Qt::LeftButton);
    EXPECT_EQ(e.bytes(1), parsed(QStringLiteral("Howdy there")));
    EXPECT_EQ(e.bytes(3), parsed(QStringLiteral("<C 1>: hello, Howdy!")));
    EXPECT_EQ(e.doc().undoStack()->count(), steps + 1);
    e.doc().undoStack()->undo();
    EXPECT_EQ(e.bytes(1), parsed(QStringLiteral("Hello there")));
    EXPECT_EQ(e.bytes(3), parsed(QStringLiteral("<C 1>: hello, Hello!")));

    // Replace changes the match found, then finds the next one.
    e.view->selectMessage(1);
    replace->findWhat()->setCurrentText(QStringLiteral("there"));
    replace->replaceWith()->setCurrentText(QStringLiteral("you"));
    QTest::mouseClick(replace->findNextButton(), Qt::LeftButton);
    EXPECT_EQ(e.view->scriptEdit()->textCursor().selectedText(), QStringLiteral("there"));
    QTest::mouseClick(replace->replaceButton(), Qt::LeftButton);
    EXPECT_EQ(e.bytes(1), parsed(QStringLiteral("Hello you")));

    // Go To: a number as the list shows it, or a move from where the list is.
    e.action(QStringLiteral("Go To..."))->trigger();
    EXPECT_EQ(sheet->tabs()->currentIndex(), int(CFindReplaceSheet::GoToPage));
    CFindReplacePage3* goTo = sheet->goToPage();
    goTo->number()->setText(QStringLiteral("1a"));
    QTest::mouseClick(goTo->nextButton(), Qt::LeftButton);
    EXPECT_EQ(e.view->currentMessage(), 0x1A);
    goTo->number()->setText(QStringLiteral("-4"));
    QTest::mouseClick(goTo->nextButton(), Qt::LeftButton);
    EXPECT_EQ(e.view->currentMessage(), 0x16);
    goTo->number()->clear();
    QTest::mouseClick(goTo->previousButton(), Qt::LeftButton);
    EXPECT_EQ(e.view->currentMessage(), 0x15);
    goTo->number()->setText(QStringLiteral("FFFF"));
    QTest::mouseClick(goTo->nextButton(), Qt::LeftButton);
    EXPECT_EQ(e.view->currentMessage(), 0x15);
    EXPECT_TRUE(e.s.messages().last().text.startsWith(QStringLiteral("There is no message FFFF")));
}

TEST(DialogueView, SpaceMeterCountsTheBytesASaveWouldPlace)
{
    DialogueEditor e;
    QLabel* meter = e.view->spaceMeter();
    qint64 total = 0;
    for (const DialogueMessage& message : e.doc().part<DialoguePart>().dialogue().messages)
        total += message.length();
    EXPECT_TRUE(meter->text().startsWith(QStringLiteral("Dialogue text: %L1 of %L2 bytes").arg(total).arg(0x1F000)))
        << meter->text().toStdString();
    EXPECT_FALSE(meter->text().contains(QStringLiteral("$F0:0000")));

    // Grow the text past the game's area: the meter says how much goes past $F0:0000.
    QUndoStack* stack = e.doc().undoStack();
    stack->beginMacro(QStringLiteral("Grow"));
    const QByteArray longMessage = parsed(QString(1000, QLatin1Char('z')));
    for (int m = 10; m < 100; ++m)
        stack->push(new ReplaceMessageCommand(e.doc(), m, longMessage));
    stack->endMacro();
    QApplication::processEvents();
    EXPECT_TRUE(meter->text().contains(QStringLiteral("bytes go past $F0:0000 on save"))) << meter->text().toStdString();
}

TEST(DialogueView, FindSheetTabsFromFieldToFieldAndAsksBeforeReplacingWithNothing)
{
    DialogueEditor e;
    CFindReplaceSheet* sheet = e.view->findSheet();
    e.action(QStringLiteral("Replace..."))->trigger();
    QApplication::setActiveWindow(sheet);
    CFindReplacePage2* replace = sheet->replacePage();
    auto tabFrom = [](QWidget* widget) {
        widget->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        return QApplication::focusWidget();
    };
    auto within = [](QWidget* focus, QWidget* field) { return focus == field || field->isAncestorOf(focus); };
    EXPECT_TRUE(within(tabFrom(replace->findWhat()), replace->replaceWith()));
    EXPECT_TRUE(within(tabFrom(replace->replaceWith()), replace->searchDirection()));
    EXPECT_TRUE(within(tabFrom(replace->replaceAllButton()), replace->cancelButton()));
    e.action(QStringLiteral("Go To..."))->trigger();
    EXPECT_TRUE(within(tabFrom(sheet->goToPage()->number()), sheet->goToPage()->previousButton()));

    // Replace All with an empty "Replace with:" deletes: it asks first.
    e.action(QStringLiteral("Replace..."))->trigger();
    replace->findWhat()->setCurrentText(QStringLiteral("Hello"));
    replace->matchCase()->setChecked(true);
    replace->searchDirection()->setCurrentIndex(int(SearchOptions::Direction::All));
    replace->replaceWith()->setCurrentText(QString());
    QTest::mouseClick(replace->replaceAllButton(), Qt::LeftButton);  // answered No
    ASSERT_EQ(e.s.t.messages.questions.size(), 1);
    EXPECT_TRUE(e.s.t.messages.questions[0].contains(QStringLiteral("\"Hello\""))) << e.s.t.messages.questions[0].toStdString();
    EXPECT_EQ(e.bytes(1), parsed(QStringLiteral("Hello there")));
    EXPECT_EQ(e.doc().undoStack()->count(), 0);
    e.s.t.messages.answers = {true};
    QTest::mouseClick(replace->replaceAllButton(), Qt::LeftButton);
    EXPECT_EQ(e.bytes(1), parsed(QStringLiteral(" there")));
    EXPECT_EQ(e.bytes(3), parsed(QStringLiteral("<C 1>: hello, !")));
}
