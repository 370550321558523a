#include "text/editors/cdialogueview.h"

#include "document/cff3doc.h"
#include "document/editcommands.h"
#include "text/dialoguegoto.h"
#include "text/dialoguescript.h"
#include "text/dialoguespace.h"
#include "text/editors/cfindreplacesheet.h"
#include "text/editors/cpagestrip.h"
#include "text/editors/cscriptedit.h"
#include "uikit/creferenceslist.h"
#include "text/editors/dialoguelistmodel.h"
#include "text/editors/dialoguerowdelegate.h"
#include "document/parts/dialoguepart.h"
#include "document/parts/fontspart.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QHBoxLayout>
#include <QLabel>
#include <QListView>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTimer>
#include <QUndoStack>
#include <QVBoxLayout>

#include <algorithm>

namespace tessel {

const char* const CDialogueView::kMalformedText =
    QT_TRANSLATE_NOOP("CDialogueView",
                      "The string entered is malformed; there may\nbe mismatched brackets or the text can "
                      "\notherwise not be parsed correctly.  Please\ncorrect any errors and reapply.");

namespace {

QString messageNumber(int message)
{
    return QStringLiteral("%1").arg(message, 4, 16, QLatin1Char('0')).toUpper();
}

// The edit box's and the list's font: Courier New at 9 points.
QFont scriptFont()
{
    QFont font(QStringLiteral("Courier New"), 9, QFont::Normal);
    font.setStyleHint(QFont::TypeWriter);
    return font;
}

QString toBoxForm(QString text)
{
    return text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

QString toScriptForm(QString text)
{
    return text.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
}

}  // namespace

CDialogueView::CDialogueView(CFF3Doc& doc, QWidget* parent) : CEditorView(doc, parent)
{
    model_ = new DialogueListModel(doc, this);
    list_ = new QListView(this);
    list_->setObjectName(QStringLiteral("list%1").arg(int(kMessageListId)));
    list_->setFont(scriptFont());
    list_->setUniformItemSizes(true);
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    list_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    list_->setItemDelegate(new DialogueRowDelegate(doc.part<FontsPart>().fonts(), list_));
    list_->setModel(model_);

    strip_ = new CPageStrip(doc, this);
    stripArea_ = new QScrollArea(this);
    stripArea_->setObjectName(QStringLiteral("strip%1").arg(int(kPageStripId)));
    stripArea_->setWidget(strip_);
    stripArea_->setWidgetResizable(false);
    stripArea_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    stripArea_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    stripArea_->setFixedHeight(CPageStrip::kEntryHeight + stripArea_->horizontalScrollBar()->sizeHint().height()
                               + 2 * stripArea_->frameWidth());

    edit_ = new CScriptEdit(this);
    edit_->setFont(scriptFont());
    apply_ = new QPushButton(tr("&Apply Changes"), this);
    apply_->setObjectName(QStringLiteral("button%1").arg(int(kApplyId)));
    apply_->setAutoDefault(false);

    references_ = new CReferencesList(doc, this);
    connect(references_, &CReferencesList::subjectRequested, this, &CDialogueView::subjectRequested);

    meter_ = new QLabel(this);
    meter_->setObjectName(QStringLiteral("spaceMeter"));
    meter_->hide();
    pendingMark_ = new QLabel(this);
    pendingMark_->setObjectName(QStringLiteral("pendingMark"));
    pendingMark_->setStyleSheet(QStringLiteral("color: #c01010;"));
    pendingMark_->hide();

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(apply_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(list_, 3);
    layout->addWidget(stripArea_);
    layout->addWidget(edit_, 2);
    layout->addLayout(buttons);
    layout->addWidget(references_, 1);

    connect(list_->selectionModel(), &QItemSelectionModel::currentRowChanged, this, &CDialogueView::currentChanged);
    connect(model_, &QAbstractItemModel::modelReset, this, [this] {
        shown_ = -1;
        strip_->clear();
        if (model_->rowCount() > 0)
            selectMessage(0);
        else
            edit_->clear();
    });
    connect(apply_, &QPushButton::clicked, this, [this] { apply(0); });
    connect(edit_, &CScriptEdit::applyRequested, this, &CDialogueView::apply);
    connect(edit_, &QPlainTextEdit::textChanged, this, &CDialogueView::textEdited);
    connect(&doc, &CFF3Doc::changed, this, &CDialogueView::documentChanged);
    connect(&doc, &CFF3Doc::documentLoaded, this, &CDialogueView::updateSpaceMeter);
    buildActions();
    updateSpaceMeter();
    if (model_->rowCount() > 0)
        selectMessage(0);
}

CDialogueView::~CDialogueView() = default;

void CDialogueView::setSubject(const RecordRef& subject)
{
    if (subject.kind == RecordKind::Message && !subject.isWhole())
        selectMessage(subject.index);
}

int CDialogueView::currentMessage() const
{
    const QModelIndex current = list_->currentIndex();
    return current.isValid() ? current.row() : -1;
}

void CDialogueView::selectMessage(int message)
{
    if (message < 0 || message >= model_->rowCount())
        return;
    if (message == currentMessage()) {
        showSelected();
        return;
    }
    list_->setCurrentIndex(model_->index(message));
    list_->scrollTo(model_->index(message));
}

void CDialogueView::currentChanged(const QModelIndex& current, const QModelIndex&)
{
    if (restoringSelection_)
        return;
    // Typed text goes into its message before another one is shown.
    if (current.row() != shown_ && !commitPendingEdits()) {
        restoringSelection_ = true;
        list_->setCurrentIndex(model_->index(shown_));
        restoringSelection_ = false;
        // A click selects its row after this; the shown row is selected again.
        QTimer::singleShot(0, this, [this] {
            if (shown_ >= 0)
                list_->selectionModel()->select(model_->index(shown_), QItemSelectionModel::ClearAndSelect);
        });
        return;
    }
    showSelected();
}

void CDialogueView::showSelected()
{
    showMessageText(currentMessage());
}

void CDialogueView::showMessageText(int message)
{
    shown_ = message;
    references_->setSubject(RecordRef(RecordKind::Message, message));
    if (message < 0) {
        strip_->clear();
        edit_->clear();
        return;
    }
    const QByteArray& bytes = model_->bytes(message);
    strip_->showMessage(bytes, false);
    stripArea_->horizontalScrollBar()->setValue(0);
    shownText_ = toBoxForm(dialoguescript::scriptText({bytes}));
    showing_ = true;
    edit_->setPlainText(shownText_);
    showing_ = false;
    edit_->selectAll();
    edit_->ensureCursorVisible();
    edit_->setFocus();
    updatePendingMark();
}

bool CDialogueView::hasPendingEdit() const
{
    return shown_ >= 0 && edit_->toPlainText() != shownText_;
}

void CDialogueView::updatePendingMark()
{
    pendingMark_->setText(hasPendingEdit() ? tr("Message %1: typed text not applied").arg(messageNumber(shown_))
                                           : QString());
}

bool CDialogueView::commitPendingEdits()
{
    if (!hasPendingEdit())
        return true;
    const int message = shown_;
    DialogueMessage parsed;
    ScriptError error;
    if (ParseDialogue(parsed, edit_->scriptText(), &error)) {
        document().undoStack()->push(new ReplaceMessageCommand(document(), message, parsed.bytes));
        return true;
    }
    if (askDiscard(tr("The text typed for message %1 cannot be applied: %2\n\nDiscard it, or cancel and correct it?")
                       .arg(messageNumber(message), error.text()),
                   tr("Apply Changes"))) {
        showMessageText(message);
        return true;
    }
    placeCaret(error);
    return false;
}

void CDialogueView::showRefusal(int message, const ScriptError& error)
{
    showMessage(tr("Message %1, %2\n\n%3").arg(messageNumber(message), error.text(), tr(kMalformedText)), tr("Error"),
                platform::MessageIcon::Warning);
    placeCaret(error);
}

void CDialogueView::placeCaret(const ScriptError& error)
{
    // The box has LF where the script text has CR LF.
    const QString script = edit_->scriptText();
    const qsizetype at = error.offset - script.left(error.offset).count(QStringLiteral("\r\n"));
    QTextCursor cursor = edit_->textCursor();
    cursor.setPosition(int(std::clamp<qsizetype>(at, 0, edit_->toPlainText().size())));
    edit_->setTextCursor(cursor);
    edit_->ensureCursorVisible();
    edit_->setFocus();
}

void CDialogueView::textEdited()
{
    if (showing_ || shown_ < 0)
        return;
    // The pages of the text as typed, whenever it parses; nothing is written.
    DialogueMessage typed;
    if (ParseDialogue(typed, edit_->scriptText()))
        strip_->showMessage(typed.bytes, edit_->toPlainText() != shownText_);
    updatePendingMark();
}

bool CDialogueView::apply(int step)
{
    const int message = currentMessage();
    if (message < 0)
        return false;
    DialogueMessage parsed;
    ScriptError error;
    if (!ParseDialogue(parsed, edit_->scriptText(), &error)) {
        showRefusal(message, error);
        return false;
    }
    document().undoStack()->push(new ReplaceMessageCommand(document(), message, parsed.bytes));
    const int next = message + step;
    selectMessage(next >= 0 && next < model_->rowCount() ? next : message);
    return true;
}

void CDialogueView::documentChanged(const DocumentChange& change)
{
    if (!change.touches(RecordKind::Message))
        return;
    if (shown_ >= 0 && change.touches(RecordRef(RecordKind::Message, shown_)))
        showMessageText(shown_);
    // Coalesced: a Replace All changes many messages at once.
    if (!meterPending_) {
        meterPending_ = true;
        QTimer::singleShot(0, this, &CDialogueView::updateSpaceMeter);
    }
}

void CDialogueView::updateSpaceMeter()
{
    meterPending_ = false;
    const DialogueList& dialogue = document().part<DialoguePart>().dialogue();
    if (!dialogue.loaded) {
        meter_->setText(QString());
        return;
    }
    const DialogueSpace space = MeasureDialogueSpace(dialogue);
    QString text = tr("Dialogue text: %L1 of %L2 bytes").arg(space.bytes).arg(space.textAreaBytes);
    bool warn = false;
    if (!space.placeable) {
        text = tr("Dialogue text: %L1 bytes; it cannot be saved: %2").arg(space.bytes).arg(space.reason);
        warn = true;
    } else if (space.pastExpansion > 0) {
        text += tr("; %L1 bytes go past $F0:0000 on save").arg(space.pastExpansion);
        warn = true;
    }
    meter_->setText(text);
    meter_->setStyleSheet(warn ? QStringLiteral("color: #c01010;") : QString());
}

QList<QWidget*> CDialogueView::statusWidgets()
{
    return {pendingMark_, meter_};
}

void CDialogueView::report(const QString& text)
{
    showMessage(text, tr("Find/Replace"), platform::MessageIcon::Information);
}

QString CDialogueView::boxText(int message) const
{
    if (message == shown_)
        return edit_->toPlainText();
    return toBoxForm(dialoguescript::scriptText({model_->bytes(message)}));
}

QString CDialogueView::scriptTextOf(int message) const
{
    return toScriptForm(boxText(message));
}

CFindReplaceSheet* CDialogueView::findSheet()
{
    if (!sheet_) {
        sheet_ = new CFindReplaceSheet(this);
        sheet_->setWindowFlag(Qt::Tool);
        connect(sheet_, &CFindReplaceSheet::findNextRequested, this, &CDialogueView::findNext);
        connect(sheet_, &CFindReplaceSheet::replaceRequested, this, &CDialogueView::replace);
        connect(sheet_, &CFindReplaceSheet::replaceAllRequested, this, &CDialogueView::replaceAll);
        connect(sheet_, &CFindReplaceSheet::goToRequested, this, &CDialogueView::goTo);
    }
    return sheet_;
}

bool CDialogueView::findNext(const SearchOptions& options)
{
    const DialogueSearch search(options);
    const bool up = options.direction == SearchOptions::Direction::Up;
    const QTextCursor cursor = edit_->textCursor();
    int from = up ? cursor.selectionStart() : cursor.selectionEnd();
    // A message just shown has all its text selected: search all of it.
    const bool wholeText = cursor.selectionStart() == 0 && cursor.selectionEnd() == edit_->toPlainText().size();
    if (wholeText && !search.isMatch(cursor.selectedText()))
        from = up ? cursor.selectionEnd() : 0;
    const TextMatch match = search.findNext(model_->rowCount(), [this](int m) { return boxText(m); },
                                            std::max(currentMessage(), 0), from);
    if (!match.found()) {
        report(tr("Cannot find \"%1\".").arg(options.pattern));
        return false;
    }
    // Another message is shown first; in this one the typed text stays.
    if (match.message != currentMessage()) {
        selectMessage(match.message);
        if (match.message != currentMessage())
            return false;  // the text typed here is being corrected
    }
    QTextCursor found = edit_->textCursor();
    found.setPosition(match.position);
    found.setPosition(match.position + match.length, QTextCursor::KeepAnchor);
    edit_->setTextCursor(found);
    edit_->ensureCursorVisible();
    return true;
}

bool CDialogueView::replace(const SearchOptions& options, const QString& replacement)
{
    const DialogueSearch search(options);
    const int message = currentMessage();
    QTextCursor cursor = edit_->textCursor();
    if (message >= 0 && cursor.hasSelection() && search.isMatch(cursor.selectedText())) {
        const int start = cursor.selectionStart();
        QString text = edit_->toPlainText();
        text.replace(start, cursor.selectionEnd() - start, replacement);
        DialogueMessage parsed;
        if (ParseDialogue(parsed, toScriptForm(text))) {
            document().undoStack()->push(new ReplaceMessageCommand(document(), message, parsed.bytes));
            showMessageText(message);  // the box now holds the text as applied
            cursor = edit_->textCursor();
            cursor.setPosition(std::min(start + int(replacement.size()), int(edit_->toPlainText().size())));
        } else {
            report(tr("Replacing here would make message %1 malformed; it was left as it was.")
                       .arg(messageNumber(message)));
            // On past this match, whichever way the search runs.
            cursor.setPosition(options.direction == SearchOptions::Direction::Up ? start : cursor.selectionEnd());
        }
        edit_->setTextCursor(cursor);
    }
    return findNext(options);
}

int CDialogueView::replaceAll(const SearchOptions& options, const QString& replacement)
{
    if (replacement.isEmpty() && !options.pattern.isEmpty() &&
        !askYesNo(tr("\"Replace with:\" is empty: Replace All deletes every \"%1\" found.\n\nDelete them?")
                      .arg(options.pattern),
                  tr("Find/Replace")))
        return 0;
    const DialogueSearch search(options);
    const ReplaceAllResult result = ReplaceAllInDialogue(search, replacement, model_->rowCount(),
                                                         [this](int m) { return scriptTextOf(m); },
                                                         std::max(currentMessage(), 0));
    if (!result.changes.empty()) {
        QUndoStack* stack = document().undoStack();
        stack->beginMacro(tr("Replace All"));
        for (const ReplaceAllResult::Change& change : result.changes)
            stack->push(new ReplaceMessageCommand(document(), change.message, change.bytes));
        stack->endMacro();
    }
    QString text =
        result.changes.empty() && result.malformed.empty()
            ? tr("Cannot find \"%1\".").arg(options.pattern)
            : tr("Replaced %L1 occurrences in %L2 messages.").arg(result.replacements).arg(result.changes.size());
    if (!result.malformed.empty()) {
        QStringList numbers;
        for (const int message : result.malformed)
            numbers.append(messageNumber(message));
        text += tr("\n\nThese messages would have become malformed and were left as they were: %1")
                    .arg(numbers.join(QStringLiteral(", ")));
    }
    report(text);
    return result.replacements;
}

bool CDialogueView::goTo(const QString& target, bool backward)
{
    QString reason;
    const std::optional<int> message = GoToTarget(target, std::max(currentMessage(), 0), model_->rowCount(), backward, &reason);
    if (!message) {
        showMessage(reason, tr("Go To"), platform::MessageIcon::Warning);
        return false;
    }
    selectMessage(*message);
    return true;
}

void CDialogueView::setLongestNames(bool on)
{
    model_->setLongestNames(on);
    strip_->setLongestNames(on);
}

bool CDialogueView::longestNames() const
{
    return model_->longestNames();
}

bool CDialogueView::nextOverflowing()
{
    const int message = model_->nextOverflowing(currentMessage());
    if (message < 0) {
        QApplication::beep();
        return false;
    }
    selectMessage(message);
    return true;
}

void CDialogueView::buildActions()
{
    auto add = [this](const QString& text, const QKeySequence& key, auto slot) {
        auto* action = new QAction(text, this);
        action->setShortcut(key);
        connect(action, &QAction::triggered, this, slot);
        actions_.append(action);
        return action;
    };
    QAction* cut = add(tr("Cu&t"), QKeySequence::Cut, [this] { edit_->cut(); });
    QAction* copy = add(tr("&Copy"), QKeySequence::Copy, [this] { edit_->copy(); });
    QAction* paste = add(tr("&Paste"), QKeySequence::Paste, [this] { edit_->paste(); });
    cut->setEnabled(false);
    copy->setEnabled(false);
    connect(edit_, &QPlainTextEdit::copyAvailable, cut, &QAction::setEnabled);
    connect(edit_, &QPlainTextEdit::copyAvailable, copy, &QAction::setEnabled);
    auto updatePaste = [paste] { paste->setEnabled(!QApplication::clipboard()->text().isEmpty()); };
    connect(QApplication::clipboard(), &QClipboard::dataChanged, paste, updatePaste);
    updatePaste();
    auto* separator = new QAction(this);
    separator->setSeparator(true);
    actions_.append(separator);
    add(tr("&Find...\tCtrl+F"), QKeySequence(Qt::CTRL | Qt::Key_F),
        [this] { findSheet()->showPage(CFindReplaceSheet::FindPage); });
    add(tr("R&eplace...\tCtrl+H"), QKeySequence(Qt::CTRL | Qt::Key_H),
        [this] { findSheet()->showPage(CFindReplaceSheet::ReplacePage); });
    add(tr("&Go To...\tCtrl+G"), QKeySequence(Qt::CTRL | Qt::Key_G),
        [this] { findSheet()->showPage(CFindReplaceSheet::GoToPage); });
    add(tr("Next &Overflowing Message"), QKeySequence(Qt::Key_F8), [this] { nextOverflowing(); });
    for (QAction* action : std::as_const(actions_))
        action->setObjectName(action->text().remove(QLatin1Char('&')).section(QLatin1Char('\t'), 0, 0));
}

QList<QAction*> CDialogueView::editActions()
{
    return actions_;
}

}  // namespace tessel
