#include "document/parts/worldmappart.h"
#include "document/replacemessagecommand.h"
#include "events/views/ceventscriptview.h"
#include "events/views/coperandsdialog.h"
#include "events/views/eventscriptmodel.h"
#include "shell/ctabbedframe.h"
#include "text/editors/cdialogueview.h"
#include "text/dialoguescript.h"
#include "uikit/creferenceslist.h"
#include "tests/gui/guitestsupport.h"
#include "tests/testsupport.h"
#include "uikit/cnumberfield.h"
#include "worldmap/views/ceventtriggerpage.h"
#include "worldmap/views/cmapview.h"
#include "worldmap/views/ctriggerpropertiessheet.h"
#include "worldmap/views/ctriggerwindow.h"
#include "worldmap/views/maptoolwindows.h"
#include "worldmap/worldmap.h"

#include <QApplication>
#include <QColor>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDockWidget>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QScrollBar>
#include <QSpinBox>
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

TEST_F(EventScripts, F2EditsAnItemThroughItsPickerAndOneUndoRestoresIt)
{
    int entry = 0;
    while (entry < listing().size() && !(listing().kind(entry) == events::EntryKind::Command && listing().opcode(entry) == 0x80))
        ++entry;
    ASSERT_LT(entry, listing().size());
    const SnesAddress address = listing().address(entry);
    const QString before = listing().commandText(entry);
    const int other = listing().bytes(entry)[1] == 0x2A ? 0x2B : 0x2A;
    ASSERT_TRUE(view->goToAddressText(QString::number(address, 16)));

    QString picked;
    QString preview;
    onNextDialog([&](QDialog& dialog) {
        auto* operands = qobject_cast<COperandsDialog*>(&dialog);
        ASSERT_NE(operands, nullptr);
        auto* picker = qobject_cast<QComboBox*>(operands->editors().value(0));
        ASSERT_NE(picker, nullptr);
        picker->setCurrentIndex(picker->findData(other));
        picked = picker->currentText();
        preview = operands->preview()->text();
        QTest::mouseClick(dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok), Qt::LeftButton);
    });
    key(Qt::Key_F2);

    // The picker's entry is "$2A Name"; the listing names the item the same way.
    const QString hex = QString::number(other, 16).toUpper();
    ASSERT_TRUE(picked.startsWith(QLatin1Char('$') + hex + QLatin1Char(' '))) << picked.toStdString();
    EXPECT_EQ(preview, QStringLiteral("Add item $%1 (%2) to inventory").arg(hex, picked.mid(4)));
    EXPECT_EQ(listing().commandText(entry), preview);
    EXPECT_EQ(view->currentEntry(), entry);
    EXPECT_EQ(app.doc().undoStack()->count(), 1);

    app.doc().undoStack()->undo();
    EXPECT_EQ(listing().commandText(entry), before);
    EXPECT_EQ(listing().address(entry), address);
}

// "Go to" beside a message number closes the dialog and opens the dialogue
// editor at the number the field holds; changed fields are discarded only
// when the user agrees.
TEST_F(EventScripts, GoToBesideAMessageNumberOpensTheDialogueAfterAskingToDiscardChanges)
{
    int entry = 0;
    while (entry < listing().size() && !(listing().kind(entry) == events::EntryKind::Command && listing().opcode(entry) == 0x4B))
        ++entry;
    ASSERT_LT(entry, listing().size());
    ASSERT_TRUE(view->goToAddressText(QString::number(listing().address(entry), 16)));
    const QByteArray before = listing().byteArray(entry);

    int shown = -1;
    int askedTimes = 0;
    app.messages.answers = {false, true};
    onNextDialog([&](QDialog& dialog) {
        auto* operands = qobject_cast<COperandsDialog*>(&dialog);
        ASSERT_NE(operands, nullptr);
        auto* number = qobject_cast<QSpinBox*>(operands->editors().value(0));
        ASSERT_NE(number, nullptr);
        auto* goTo = dialog.findChild<QPushButton*>(QStringLiteral("goTo0"));
        ASSERT_NE(goTo, nullptr);
        shown = number->value() + 1;
        number->setValue(shown);
        QTest::mouseClick(goTo, Qt::LeftButton);  // No: the dialog stays
        askedTimes = int(app.messages.questions.size());
        EXPECT_TRUE(dialog.isVisible());
        QTest::mouseClick(goTo, Qt::LeftButton);  // Discard
    });
    key(Qt::Key_F2);

    EXPECT_EQ(askedTimes, 1);
    EXPECT_EQ(app.messages.questions.size(), 2);
    EXPECT_EQ(listing().byteArray(entry), before);
    EXPECT_EQ(app.doc().undoStack()->count(), 0);
    CDialogueView* dialogue = nullptr;
    for (CTabbedFrame* f : app.views().frames())
        if (auto* d = qobject_cast<CDialogueView*>(f->activeView()); d && f->isVisible())
            dialogue = d;
    ASSERT_NE(dialogue, nullptr);
    EXPECT_EQ(dialogue->currentMessage(), shown);
}

TEST_F(EventScripts, AnEditThatChangesHowTheScriptReadsIsRefusedAndTheDialogStaysOpen)
{
    int entry = 0;
    while (entry < listing().size() &&
           !(listing().kind(entry) == events::EntryKind::QueueHeader && (listing().bytes(entry)[1] & 0x7F) > 0))
        ++entry;
    ASSERT_LT(entry, listing().size());
    const QByteArray before = listing().byteArray(entry);
    ASSERT_TRUE(view->goToAddressText(QString::number(listing().address(entry), 16)));
    app.messages.entries.clear();

    bool stayedOpen = false;
    onNextDialog([&](QDialog& dialog) {
        auto* operands = qobject_cast<COperandsDialog*>(&dialog);
        ASSERT_NE(operands, nullptr);
        auto* header = qobject_cast<QLineEdit*>(operands->editors().value(0));
        ASSERT_NE(header, nullptr);
        // An empty queue: its commands would be read as main commands.
        header->setText(QString::number(quint8(before[1]) & 0x80, 16));
        QTest::mouseClick(dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok), Qt::LeftButton);
        stayedOpen = dialog.isVisible();
        dialog.reject();
    });
    key(Qt::Key_F2);

    EXPECT_TRUE(stayedOpen);
    ASSERT_EQ(app.messages.entries.size(), 1);
    EXPECT_TRUE(app.messages.entries.first().text.contains(QStringLiteral("refused")));
    EXPECT_EQ(listing().byteArray(entry), before);
    EXPECT_EQ(app.doc().undoStack()->count(), 0);
}

TEST_F(EventScripts, MessageLinesFollowEditsOfTheDialogueWhereTheViewStands)
{
    EventScriptModel& model = *view->model();
    int entry = -1;
    int message = -1;
    for (int row = 0; row < model.rowCount() && message < 0; ++row) {
        if (!model.isMessageRow(row))
            continue;
        for (const RecordRef& ref : listing().references(model.entryOfRow(row)))
            if (ref.kind == RecordKind::Message && ref.index > 20) {
                entry = model.entryOfRow(row);
                message = ref.index;
            }
    }
    ASSERT_GE(message, 0);
    view->goToAddressText(QStringLiteral("%1").arg(listing().address(entry), 6, 16, QLatin1Char('0')));
    const int top = view->table()->verticalScrollBar()->value();
    const QString before = model.index(model.rowOfEntry(entry) + 1, EventScriptModel::TextColumn).data().toString();

    DialogueMessage edited;
    ASSERT_TRUE(ParseDialogue(edited, QStringLiteral("Kupo, the moogle.")));
    app.doc().undoStack()->push(new ReplaceMessageCommand(app.doc(), message, edited.bytes));
    app.doc().undoStack()->push(new ReplaceMessageCommand(app.doc(), message - 1, edited.bytes));
    QApplication::processEvents();
    EXPECT_EQ(model.index(model.rowOfEntry(entry) + 1, EventScriptModel::TextColumn).data().toString(),
              QStringLiteral("    Kupo, the moogle."));
    EXPECT_EQ(view->currentEntry(), entry);
    EXPECT_EQ(view->table()->verticalScrollBar()->value(), top);

    app.doc().undoStack()->undo();
    app.doc().undoStack()->undo();
    QApplication::processEvents();
    EXPECT_EQ(model.index(model.rowOfEntry(entry) + 1, EventScriptModel::TextColumn).data().toString(), before);
    EXPECT_EQ(view->currentEntry(), entry);
}

TEST_F(EventScripts, LongCommandsShowAnEllipsisAndAllTheirBytesInTheTooltip)
{
    const EventScriptModel& model = *view->model();
    int six = -1;
    int longer = -1;
    for (int i = 0; i < listing().size() && (six < 0 || longer < 0); ++i) {
        if (listing().bytes(i).size() == 6 && six < 0)
            six = i;
        if (listing().bytes(i).size() >= 20 && longer < 0)
            longer = i;
    }
    ASSERT_GE(six, 0);
    ASSERT_GE(longer, 0);
    const QModelIndex whole = model.index(model.rowOfEntry(six), EventScriptModel::BytesColumn);
    EXPECT_EQ(whole.data().toString(), QString::fromLatin1(listing().byteArray(six).toHex(' ').toUpper()));
    EXPECT_FALSE(whole.data(Qt::ToolTipRole).isValid());
    // Six bytes fit the column as it opens.
    EXPECT_GE(view->table()->columnWidth(EventScriptModel::BytesColumn),
              view->table()->fontMetrics().horizontalAdvance(whole.data().toString()) + 6);

    const QModelIndex cut = model.index(model.rowOfEntry(longer), EventScriptModel::BytesColumn);
    const QByteArray hex = listing().byteArray(longer).toHex(' ').toUpper();
    EXPECT_EQ(cut.data().toString(), QString::fromLatin1(hex.left(14)) + QStringLiteral(" \u2026"));
    const QString tip = cut.data(Qt::ToolTipRole).toString();
    EXPECT_TRUE(tip.startsWith(QStringLiteral("%1 bytes:\n").arg(listing().bytes(longer).size()))) << tip.toStdString();
    // Sixteen bytes to a line of the tooltip.
    EXPECT_EQ(tip.section(QLatin1Char('\n'), 1, 1), QString::fromLatin1(hex.left(47)));
    EXPECT_EQ(tip.section(QLatin1Char('\n'), 1).replace(QLatin1Char('\n'), QLatin1Char(' ')), QString::fromLatin1(hex));
}

TEST_F(EventScripts, TheResultsDockShowsOnlyOnceAFindAllHasResults)
{
    QDockWidget* dock = view->findResultsDock();
    EXPECT_FALSE(dock->isVisible());
    view->findEdit()->setText(QStringLiteral("no such text anywhere"));
    EXPECT_EQ(view->findAll(), 0);
    EXPECT_FALSE(dock->isVisible());
    EXPECT_TRUE(view->findStatus()->isVisible());
    EXPECT_EQ(view->findStatus()->text(), QStringLiteral("No matches for \"no such text anywhere\"."));

    view->findEdit()->setText(QStringLiteral("fade screen"));
    const int found = view->findAll();
    EXPECT_GT(found, 0);
    EXPECT_TRUE(dock->isVisible());
    EXPECT_EQ(view->findStatus()->text(), QStringLiteral("%1 found").arg(found));
    // A find with none afterwards empties the open dock and says so in its title.
    view->findEdit()->setText(QStringLiteral("zzzz"));
    EXPECT_EQ(view->findAll(), 0);
    EXPECT_EQ(view->findResults()->topLevelItemCount(), 0);
    EXPECT_EQ(dock->windowTitle(), QStringLiteral("Find Results: No matches for \"zzzz\"."));
}

namespace {

// How "Go to Script" is reached from a world-map event trigger.
enum class ScriptRoute { TriggersButton, ContextMenu, PropertiesPage };

// The World of Balance window of the program, with the sample ROM open.
class GoToScript : public testing::TestWithParam<ScriptRoute> {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(app.started);
        ASSERT_TRUE(app.frame().openDocument(rom.path()));
        CTabbedFrame* frame = app.tree().openItem(findItem(app.tree(), QStringLiteral("World of Balance")));
        ASSERT_NE(frame, nullptr);
        mapView = qobject_cast<CMapView*>(frame->activeView());
        ASSERT_NE(mapView, nullptr);
        QApplication::processEvents();
    }

    CTriggerWindow& window() { return *mapView->toolWindows().triggers(); }
    const WorldMap& map() { return *worldMapOf(app.doc(), 0); }
    int firstTrigger(int kind, int after = -1)
    {
        for (int i = after + 1; i < map().triggers.size(); ++i)
            if (map().triggers[i].kind == kind)
                return i;
        return -1;
    }
    CEventScriptView* eventScripts()
    {
        for (CTabbedFrame* f : app.views().frames())
            if (auto* v = qobject_cast<CEventScriptView*>(f->activeView()))
                return v;
        return nullptr;
    }
    // Asks for the selected trigger's script the way the test case names.
    void goToScript(std::optional<quint32> typed = std::nullopt)
    {
        switch (GetParam()) {
        case ScriptRoute::TriggersButton: window().button(CTriggerWindow::GoToScript)->click(); break;
        case ScriptRoute::ContextMenu:
            window().contextMenu()->findChild<QAction*>(QString::number(CTriggerWindow::GoToScript))->trigger();
            break;
        case ScriptRoute::PropertiesPage:
            onNextDialog([typed](QDialog& dialog) {
                if (typed)
                    dialog.findChild<CNumberField*>(QStringLiteral("1100"))->setValue(*typed);
                dialog.findChild<QPushButton*>(QString::number(CEventTriggerPage::kGoToScriptId))->click();
            });
            window().button(CTriggerWindow::Edit)->click();
            break;
        }
        QApplication::processEvents();
    }

    TempRom rom;
    AppUnderTest app;
    CMapView* mapView = nullptr;
};

}  // namespace

TEST_P(GoToScript, OpensTheListingAtTheEventTriggersScript)
{
    const int entrance = firstTrigger(MapTrigger::Entrance);
    const int first = firstTrigger(MapTrigger::Event);
    const int second = firstTrigger(MapTrigger::Event, first);
    ASSERT_GE(entrance, 0);
    ASSERT_GE(second, 0);
    window().selectTrigger(entrance);
    EXPECT_FALSE(window().button(CTriggerWindow::GoToScript)->isEnabled());
    EXPECT_FALSE(window().contextMenu()->findChild<QAction*>(QString::number(CTriggerWindow::GoToScript))->isEnabled());

    // The trigger's address counts from $CA:0000.
    for (int trigger : {first, second}) {
        window().selectTrigger(trigger);
        const SnesAddress script = 0xCA0000 + map().triggers[trigger].data;
        goToScript();
        CEventScriptView* view = eventScripts();
        ASSERT_NE(view, nullptr);
        const events::ScriptListing& listing = *view->model()->listing();
        const int entry = listing.indexAt(script);
        ASSERT_GE(entry, 0);
        EXPECT_EQ(view->currentEntry(), entry);
        EXPECT_LT(script - listing.address(entry), listing.bytes(entry).size());
        EXPECT_TRUE(view->window()->isVisible());
        if (GetParam() != ScriptRoute::PropertiesPage) {
            EXPECT_TRUE(QTest::qWaitForWindowActive(view->window()));
        }
    }
    EXPECT_TRUE(app.messages.entries.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Routes, GoToScript,
                         testing::Values(ScriptRoute::TriggersButton, ScriptRoute::ContextMenu,
                                         ScriptRoute::PropertiesPage));

using GoToTypedScript = GoToScript;

TEST_P(GoToTypedScript, ThePageGoesToTheAddressTypedAndRefusesOneOutsideTheScripts)
{
    const int trigger = firstTrigger(MapTrigger::Event);
    ASSERT_GE(trigger, 0);
    const MapTrigger before = map().triggers[trigger];
    window().selectTrigger(trigger);
    goToScript(0x000010);
    CEventScriptView* view = eventScripts();
    ASSERT_NE(view, nullptr);
    const events::ScriptListing& listing = *view->model()->listing();
    EXPECT_EQ(view->currentEntry(), listing.indexAt(0xCA0010));
    EXPECT_EQ(listing.address(view->currentEntry()), 0xCA000Du);  // the command holding $CA:0010
    // Typed, not applied: the sheet was cancelled.
    EXPECT_EQ(map().triggers[trigger].data, before.data);

    // $CA:0000 + $02E600 is where the scripts end.
    goToScript(0x02E600);
    ASSERT_EQ(app.messages.entries.size(), 1);
    EXPECT_TRUE(app.messages.entries.first().text.contains(QStringLiteral("$02E600 counts from $CA:0000")))
        << app.messages.entries.first().text.toStdString();
    EXPECT_EQ(view->currentAddress(), 0xCA000Du);
    goToScript(0x02E5FF);
    EXPECT_EQ(view->currentAddress(), 0xCCE5FFu);
    EXPECT_EQ(app.messages.entries.size(), 1);
}

INSTANTIATE_TEST_SUITE_P(Page, GoToTypedScript, testing::Values(ScriptRoute::PropertiesPage));
