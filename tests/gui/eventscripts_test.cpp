#include "events/views/ceventscriptview.h"
#include "events/views/eventscriptmodel.h"
#include "shell/ctabbedframe.h"
#include "text/editors/cdialogueview.h"
#include "uikit/creferenceslist.h"
#include "tests/gui/guitestsupport.h"
#include "tests/testsupport.h"

#include <QApplication>
#include <QColor>
#include <QInputDialog>
#include <QLineEdit>
#include <QMap>
#include <QTableView>
#include <QTest>
#include <QTreeWidget>

#include <gtest/gtest.h>

using namespace tessel;

namespace {

// The sample ROM open in the program, its Event Scripts frame opened from
// the workspace tree, shown and active.
class EventScripts : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(app.started);
        ASSERT_TRUE(app.frame().openDocument(rom.path()));
        doubleClick(app.tree(), findItem(app.tree(), QStringLiteral("Event Scripts")));
        for (CTabbedFrame* f : app.views().frames())
            if (f->windowTitle().startsWith(QStringLiteral("Event Scripts")))
                frame = f;
        ASSERT_NE(frame, nullptr);
        view = qobject_cast<CEventScriptView*>(frame->activeView());
        ASSERT_NE(view, nullptr);
        frame->show();
        frame->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(frame));
        view->table()->setFocus();
    }

    const events::ScriptListing& listing() const { return *view->model()->listing(); }

    // The entries whose lines hold `text` in any case, by a scan of their own.
    QList<int> entriesHolding(const QString& text) const
    {
        QList<int> found;
        for (int i = 0; i < listing().size(); ++i) {
            const std::string_view lines = listing().lines(i);
            if (QString::fromUtf8(lines.data(), qsizetype(lines.size())).contains(text, Qt::CaseInsensitive))
                found.append(i);
        }
        return found;
    }

    // The first command after `from` that jumps, branches or calls into the listing, and its target.
    std::pair<int, int> firstLinkAfter(int from) const
    {
        for (int i = from; i < listing().size(); ++i)
            for (const RecordRef& ref : listing().references(i))
                if (ref.kind == RecordKind::Event && listing().indexAt(SnesAddress(ref.index)) >= 0)
                    return {i, listing().indexAt(SnesAddress(ref.index))};
        return {-1, -1};
    }

    void key(int k, Qt::KeyboardModifiers modifiers = {})
    {
        QTest::keyClick(view->table(), Qt::Key(k), modifiers);
        QApplication::processEvents();
    }

    TempRom rom;
    AppUnderTest app;
    CTabbedFrame* frame = nullptr;
    CEventScriptView* view = nullptr;
};

}  // namespace

TEST_F(EventScripts, TheTreeOpensTheWholeListingAndOpeningAtAnAddressSelectsItsEntry)
{
    // Every entry has a row, and every dialogue command one more for its message.
    EXPECT_GT(view->model()->rowCount(), listing().size());
    EXPECT_GT(listing().size(), 1000);
    // An address inside an entry's bytes selects that entry, in the frame already open.
    int entry = 500;
    while (listing().bytes(entry).size() < 2)
        ++entry;
    EXPECT_EQ(app.views().openAt(RecordRef::event(listing().address(entry) + 1)), nullptr);
    EXPECT_EQ(view->currentEntry(), entry);
    EXPECT_EQ(view->currentAddress(), listing().address(entry));
    const QRect shown = view->table()->visualRect(view->table()->currentIndex());
    EXPECT_TRUE(view->table()->viewport()->rect().intersects(shown));
}

TEST_F(EventScripts, MessagesAreMutedRowsAndQueueCommandsAreIndented)
{
    const EventScriptModel& model = *view->model();
    bool sawMessage = false;
    bool sawQueue = false;
    bool sawUnknown = false;
    for (int row = 0; row < model.rowCount() && !(sawMessage && sawQueue && sawUnknown); ++row) {
        const int entry = model.entryOfRow(row);
        const QModelIndex text = model.index(row, EventScriptModel::TextColumn);
        if (model.isMessageRow(row)) {
            sawMessage = true;
            ASSERT_EQ(model.entryOfRow(row - 1), entry);
            EXPECT_EQ(text.data().toString().trimmed(), listing().messageText(entry).trimmed());
            EXPECT_TRUE(model.index(row, EventScriptModel::AddressColumn).data().toString().isEmpty());
            EXPECT_TRUE(text.data(Qt::ForegroundRole).value<QColor>().isValid());
        } else if (listing().kind(entry) == events::EntryKind::QueueCommand && !sawQueue) {
            sawQueue = true;
            EXPECT_FALSE(text.data(Qt::ForegroundRole).isValid());
            EXPECT_TRUE(text.data().toString().startsWith(QStringLiteral("        "))) << row;
        } else if (listing().kind(entry) == events::EntryKind::Command && listing().commandText(entry).isEmpty()) {
            sawUnknown = true;
            EXPECT_TRUE(model.isUnknown(entry));
            EXPECT_TRUE(text.data(Qt::ForegroundRole).value<QColor>().isValid());
        }
    }
    EXPECT_TRUE(sawMessage && sawQueue && sawUnknown);
}

TEST_F(EventScripts, GoToAddressTakesBothFormsAndRefusesAddressesOutsideTheScripts)
{
    onNextDialog([](QDialog& dialog) {
        auto* input = qobject_cast<QInputDialog*>(&dialog);
        ASSERT_NE(input, nullptr);
        EXPECT_TRUE(input->labelText().contains(QStringLiteral("0xA1434")));
        input->setTextValue(QStringLiteral("$CA:0010"));
        input->accept();
    });
    key(Qt::Key_G, Qt::ControlModifier);
    EXPECT_EQ(view->currentEntry(), listing().indexAt(0xCA0010));

    // 0xA0400 is the file offset of $CA:0200 (the header counts).
    EXPECT_TRUE(view->goToAddressText(QStringLiteral("0xA0400")));
    EXPECT_EQ(view->currentEntry(), listing().indexAt(0xCA0200));

    const int before = view->currentEntry();
    for (const QString& bad : {QStringLiteral("C01234"), QStringLiteral("CF0000"), QStringLiteral("hello")}) {
        app.messages.entries.clear();
        EXPECT_FALSE(view->goToAddressText(bad)) << bad.toStdString();
        ASSERT_EQ(app.messages.entries.size(), 1) << bad.toStdString();
        EXPECT_EQ(view->currentEntry(), before);
    }
    EXPECT_TRUE(app.messages.entries.first().text.contains(QStringLiteral("not an address")));
}

TEST_F(EventScripts, FindNextPreviousAndFindAllWithTheKeys)
{
    const QList<int> expected = entriesHolding(QStringLiteral("fade screen"));
    ASSERT_GE(expected.size(), 3);

    key(Qt::Key_F, Qt::ControlModifier);
    ASSERT_TRUE(view->findBar()->isVisible());
    QTest::keyClicks(view->findEdit(), QStringLiteral("FADE Screen"));
    view->table()->setFocus();
    key(Qt::Key_F3);
    EXPECT_EQ(view->currentEntry(), expected[0]);
    key(Qt::Key_F3);
    EXPECT_EQ(view->currentEntry(), expected[1]);
    key(Qt::Key_F3);
    EXPECT_EQ(view->currentEntry(), expected[2]);
    key(Qt::Key_F3, Qt::ShiftModifier);
    EXPECT_EQ(view->currentEntry(), expected[1]);

    EXPECT_EQ(view->findAll(), int(expected.size()));
    QTreeWidget* results = view->findResults();
    ASSERT_EQ(results->topLevelItemCount(), int(expected.size()));
    QTreeWidgetItem* last = results->topLevelItem(results->topLevelItemCount() - 1);
    EXPECT_EQ(last->text(0).remove(QLatin1Char('/')).toUInt(nullptr, 16), listing().address(expected.last()));
    results->scrollToItem(last);
    const QPoint at = results->visualItemRect(last).center();
    QTest::mouseClick(results->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(results->viewport(), Qt::LeftButton, {}, at);
    EXPECT_EQ(view->currentEntry(), expected.last());
}

TEST_F(EventScripts, EnterFollowsAJumpAndBackAndForwardWalkTheHistory)
{
    const auto [source, target] = firstLinkAfter(0);
    ASSERT_GE(source, 0);
    ASSERT_NE(source, target);
    view->goToAddressText(QStringLiteral("%1").arg(listing().address(source), 6, 16, QLatin1Char('0')));
    ASSERT_EQ(view->currentEntry(), source);

    key(Qt::Key_Return);
    EXPECT_EQ(view->currentEntry(), target);
    key(Qt::Key_Left, Qt::AltModifier);
    EXPECT_EQ(view->currentEntry(), source);
    key(Qt::Key_Right, Qt::AltModifier);
    EXPECT_EQ(view->currentEntry(), target);
    // The mouse's back button too.
    QTest::mouseClick(view->table()->viewport(), Qt::BackButton, {}, QPoint(5, 5));
    EXPECT_EQ(view->currentEntry(), source);
    // A command without links stays where it is.
    int plain = 0;
    while (!listing().references(plain).isEmpty())
        ++plain;
    view->goToAddressText(QStringLiteral("%1").arg(listing().address(plain), 6, 16, QLatin1Char('0')));
    EXPECT_FALSE(view->followLink());
    EXPECT_EQ(view->currentEntry(), plain);
}

TEST_F(EventScripts, DoubleClickingAMessageLineOpensTheDialogueEditorAtIt)
{
    EventScriptModel& model = *view->model();
    int row = 0;
    int message = -1;
    for (; row < model.rowCount() && message < 0; ++row) {
        if (!model.isMessageRow(row))
            continue;
        for (const RecordRef& ref : listing().references(model.entryOfRow(row)))
            if (ref.kind == RecordKind::Message && ref.index > 10)
                message = ref.index;
    }
    ASSERT_GE(message, 0);
    --row;
    const QModelIndex index = model.index(row, EventScriptModel::TextColumn);
    view->table()->scrollTo(index);
    const QPoint at = view->table()->visualRect(index).center();
    QTest::mouseClick(view->table()->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(view->table()->viewport(), Qt::LeftButton, {}, at);
    QApplication::processEvents();

    CDialogueView* dialogue = nullptr;
    for (CTabbedFrame* f : app.views().frames())
        if (auto* d = qobject_cast<CDialogueView*>(f->activeView()))
            dialogue = d;
    ASSERT_NE(dialogue, nullptr);
    EXPECT_EQ(dialogue->currentMessage(), message);
}

TEST_F(EventScripts, TheDialogueEditorListsTheCommandsThatShowAMessageAndOpensThem)
{
    // A message shown by more than one command, by a scan of every entry's references.
    QMap<int, QList<int>> shownBy;
    for (int i = 0; i < listing().size(); ++i)
        for (const RecordRef& ref : listing().references(i))
            if (ref.kind == RecordKind::Message && !ref.isWhole())
                shownBy[ref.index].append(i);
    int message = -1;
    for (auto it = shownBy.cbegin(); it != shownBy.cend() && message < 0; ++it)
        if (it.value().size() >= 2 && it.key() > 0)
            message = it.key();
    ASSERT_GE(message, 0);

    CTabbedFrame* dialogueFrame = app.views().openAt(RecordRef(RecordKind::Message, message));
    ASSERT_NE(dialogueFrame, nullptr);
    dialogueFrame->initialUpdate();
    auto* dialogue = qobject_cast<CDialogueView*>(dialogueFrame->activeView());
    ASSERT_NE(dialogue, nullptr);
    QApplication::processEvents();
    CReferencesList* used = dialogue->references();
    ASSERT_TRUE(used->isVisible());
    ASSERT_EQ(used->topLevelItemCount(), shownBy[message].size());
    QTreeWidgetItem* last = used->topLevelItem(used->topLevelItemCount() - 1);
    EXPECT_EQ(used->userAt(used->topLevelItemCount() - 1), RecordRef::event(listing().address(shownBy[message].last())));

    used->scrollToItem(last);
    const QPoint at = used->visualItemRect(last).center();
    QTest::mouseClick(used->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(used->viewport(), Qt::LeftButton, {}, at);
    QApplication::processEvents();
    EXPECT_EQ(view->currentEntry(), shownBy[message].last());
}
