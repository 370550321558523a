#include "events/views/ceventscriptview.h"

#include "document/cff3doc.h"
#include "document/documentchange.h"
#include "document/parts/scriptpart.h"
#include "events/commandoperands.h"
#include "events/scriptsearch.h"
#include "events/views/coperandsdialog.h"
#include "events/views/eventscriptmodel.h"

#include <QAction>
#include <QDockWidget>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QInputDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollBar>
#include <QTableView>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace tessel {

namespace {

QString addressText(SnesAddress a)
{
    return QStringLiteral("%1/%2")
        .arg(a >> 16, 2, 16, QLatin1Char('0'))
        .arg(a & 0xFFFF, 4, 16, QLatin1Char('0'))
        .toUpper();
}

}  // namespace

CEventScriptView::CEventScriptView(CFF3Doc& doc, QWidget* parent)
    : CEditorView(doc, parent), model_(new EventScriptModel(this)), table_(new QTableView(this)),
      findBar_(new QWidget(this)), findEdit_(new QLineEdit(findBar_)), resultsDock_(new QDockWidget(tr("Find Results"), this)),
      results_(new QTreeWidget(resultsDock_))
{
    table_->setObjectName(QStringLiteral("listing"));
    table_->setModel(model_);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setShowGrid(false);
    table_->setWordWrap(false);
    table_->verticalHeader()->hide();
    // The widths and the row height below are measured in the listing's font.
    QFont mono(QStringLiteral("monospace"));
    mono.setStyleHint(QFont::TypeWriter);
    table_->setFont(mono);
    // Fixed row heights keep a listing of a hundred thousand rows fast.
    table_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    table_->verticalHeader()->setDefaultSectionSize(table_->fontMetrics().height() + 4);
    table_->horizontalHeader()->setStretchLastSection(true);
    table_->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    table_->setColumnWidth(EventScriptModel::AddressColumn, table_->fontMetrics().horizontalAdvance(QStringLiteral("CA/0000WW")));
    table_->setColumnWidth(EventScriptModel::BytesColumn, table_->fontMetrics().horizontalAdvance(QStringLiteral("00 00 00 00 00 00WW")));
    table_->viewport()->installEventFilter(this);
    table_->installEventFilter(this);
    connect(table_, &QTableView::doubleClicked, this, &CEventScriptView::activateRow);
    table_->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(table_, &QTableView::customContextMenuRequested, this, &CEventScriptView::showContextMenu);

    auto* barLayout = new QHBoxLayout(findBar_);
    barLayout->setContentsMargins(2, 2, 2, 2);
    findEdit_->setPlaceholderText(tr("Find"));
    findEdit_->setClearButtonEnabled(true);
    auto* previous = new QPushButton(tr("Previous"), findBar_);
    auto* next = new QPushButton(tr("Next"), findBar_);
    auto* all = new QPushButton(tr("Find All"), findBar_);
    auto* close = new QToolButton(findBar_);
    close->setText(QStringLiteral("×"));
    barLayout->addWidget(findEdit_, 1);
    barLayout->addWidget(previous);
    barLayout->addWidget(next);
    barLayout->addWidget(all);
    barLayout->addWidget(close);
    findBar_->hide();
    connect(findEdit_, &QLineEdit::returnPressed, this, &CEventScriptView::findNext);
    connect(previous, &QPushButton::clicked, this, &CEventScriptView::findPrevious);
    connect(next, &QPushButton::clicked, this, &CEventScriptView::findNext);
    connect(all, &QPushButton::clicked, this, &CEventScriptView::findAll);
    connect(close, &QToolButton::clicked, findBar_, &QWidget::hide);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(table_, 1);
    layout->addWidget(findBar_);

    findStatus_ = new QLabel(this);
    findStatus_->setObjectName(QStringLiteral("findStatus"));
    findStatus_->hide();
    resultsDock_->setObjectName(QStringLiteral("findResults"));
    resultsDock_->setProperty(kDockAreaProperty, int(Qt::BottomDockWidgetArea));
    // The results show once a Find All has some ("shownInFrame" is the
    // frame's record of whether a view's tool window is shown).
    resultsDock_->setProperty("shownInFrame", false);
    results_->setColumnCount(2);
    results_->setHeaderLabels({tr("Address"), tr("Line")});
    results_->setRootIsDecorated(false);
    results_->setUniformRowHeights(true);
    resultsDock_->setWidget(results_);
    connect(results_, &QTreeWidget::itemDoubleClicked, this, &CEventScriptView::openResult);

    auto makeAction = [this](const QString& text, const QList<QKeySequence>& keys, auto slot) {
        auto* action = new QAction(text, this);
        action->setShortcuts(keys);
        action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
        addAction(action);
        connect(action, &QAction::triggered, this, slot);
        return action;
    };
    findAction_ = makeAction(tr("&Find..."), {QKeySequence(Qt::CTRL | Qt::Key_F)}, [this] { showFindBar(); });
    findNextAction_ = makeAction(tr("Find &Next"), {QKeySequence(Qt::Key_F3)}, [this] { findNext(); });
    findPreviousAction_ =
        makeAction(tr("Find &Previous"), {QKeySequence(Qt::SHIFT | Qt::Key_F3)}, [this] { findPrevious(); });
    findAllAction_ = makeAction(tr("Find &All"), {}, [this] { findAll(); });
    goToAction_ = makeAction(tr("&Go to Address..."), {QKeySequence(Qt::CTRL | Qt::Key_G)}, [this] { goToAddress(); });
    followAction_ = makeAction(tr("F&ollow Link"), {}, [this] { followLink(); });
    backAction_ = makeAction(tr("&Back"), {QKeySequence(Qt::ALT | Qt::Key_Left)}, [this] { goBack(); });
    forwardAction_ = makeAction(tr("F&orward"), {QKeySequence(Qt::ALT | Qt::Key_Right)}, [this] { goForward(); });
    editOperandsAction_ = makeAction(tr("Edit &Operands..."), {QKeySequence(Qt::Key_F2)}, [this] { editOperands(); });

    connect(&doc, &CFF3Doc::changed, this, &CEventScriptView::onChanged);
    reload();
    updateHistoryActions();
}

QList<QAction*> CEventScriptView::editActions()
{
    return {findAction_, findNextAction_, findPreviousAction_, findAllAction_, goToAction_,
            followAction_, backAction_, forwardAction_, editOperandsAction_};
}

QList<QDockWidget*> CEventScriptView::dockWidgets()
{
    return {resultsDock_};
}

QList<QWidget*> CEventScriptView::statusWidgets()
{
    return {findStatus_};
}

void CEventScriptView::reload()
{
    if (!reloadPending_)
        rememberPlace();
    reloadPending_ = false;
    const events::ScriptListing* listing = document().isLoaded() ? &document().part<ScriptPart>().listing() : nullptr;
    model_->setListing(listing);
    if (listing && place_.address != 0) {
        goToEntry(listing->indexAt(place_.address), false);
        // The same rows: the same lines stay in view.
        if (place_.rows == model_->rowCount())
            table_->verticalScrollBar()->setValue(place_.top);
    }
}

void CEventScriptView::onChanged(const DocumentChange& change)
{
    if (!change.ref.isValid() || change.ref.kind == RecordKind::Event) {
        reload();
    } else if (change.touches(RecordKind::Message) && !reloadPending_) {
        // The listing is read again for the new message texts once a run
        // of changes (a Replace All) is over; until then it shows nothing
        // of the listing it had.
        rememberPlace();
        reloadPending_ = true;
        model_->setListing(nullptr);
        QMetaObject::invokeMethod(this, [this] { if (reloadPending_) reload(); }, Qt::QueuedConnection);
    }
}

void CEventScriptView::rememberPlace()
{
    place_ = {currentAddress(), table_->verticalScrollBar()->value(), model_->rowCount()};
}

int CEventScriptView::currentEntry() const
{
    return model_->entryOfRow(table_->currentIndex().row());
}

SnesAddress CEventScriptView::currentAddress() const
{
    const int entry = currentEntry();
    return entry >= 0 && model_->listing() ? model_->listing()->address(entry) : 0;
}

void CEventScriptView::setSubject(const RecordRef& subject)
{
    if (subject.kind != RecordKind::Event || subject.isWhole() || !model_->listing())
        return;
    goToEntry(model_->listing()->indexAt(SnesAddress(subject.index)), true);
}

void CEventScriptView::goToEntry(int entry, bool remember)
{
    const int row = model_->rowOfEntry(entry);
    if (row < 0)
        return;
    if (remember && currentEntry() >= 0 && currentEntry() != entry)
        history_.visit(currentAddress());
    const QModelIndex index = model_->index(row, EventScriptModel::TextColumn);
    table_->setCurrentIndex(index);
    table_->scrollTo(index, QAbstractItemView::PositionAtCenter);
    updateHistoryActions();
}

bool CEventScriptView::goToAddressText(const QString& text)
{
    const std::optional<SnesAddress> address = events::parseScriptAddress(text);
    if (!address) {
        showMessage(tr("\"%1\" is not an address. Type an SNES address such as CA1234 or $CA:1234, "
                       "or a file offset with 0x before it such as 0xA1434.")
                        .arg(text),
                    tr("Go to Address"), platform::MessageIcon::Warning);
        return false;
    }
    const int entry = model_->listing() ? model_->listing()->indexAt(*address) : -1;
    if (entry < 0) {
        showMessage(tr("$%1 is outside the event scripts, which run from $CA:0000 to $CC:E5FF.")
                        .arg(addressText(*address)),
                    tr("Go to Address"), platform::MessageIcon::Warning);
        return false;
    }
    goToEntry(entry, true);
    return true;
}

void CEventScriptView::goToAddress()
{
    bool ok = false;
    const QString text = QInputDialog::getText(
        this, tr("Go to Address"),
        tr("SNES address (CA1234 or $CA:1234) or file offset (0xA1434, header included):"), QLineEdit::Normal,
        QString(), &ok);
    if (ok && !text.trimmed().isEmpty())
        goToAddressText(text);
}

void CEventScriptView::showFindBar()
{
    findBar_->show();
    findEdit_->setFocus();
    findEdit_->selectAll();
}

bool CEventScriptView::find(bool forward)
{
    if (!model_->listing())
        return false;
    const events::ScriptSearch search(*model_->listing(), findEdit_->text());
    if (search.isEmpty()) {
        showFindBar();
        return false;
    }
    const int from = currentEntry() < 0 ? (forward ? -1 : 0) : currentEntry();
    const int found = forward ? search.next(from) : search.previous(from);
    if (found < 0) {
        showMessage(tr("Cannot find \"%1\".").arg(findEdit_->text()), tr("Find"), platform::MessageIcon::Information);
        return false;
    }
    goToEntry(found, false);
    return true;
}

bool CEventScriptView::findNext()
{
    return find(true);
}

bool CEventScriptView::findPrevious()
{
    return find(false);
}

int CEventScriptView::findAll()
{
    results_->clear();
    if (!model_->listing())
        return 0;
    const events::ScriptSearch search(*model_->listing(), findEdit_->text());
    if (search.isEmpty())
        return 0;
    const events::ScriptListing& listing = *model_->listing();
    const QList<int> found = search.all();
    if (found.isEmpty()) {
        // An empty dock is not brought up: the status bar (and the dock's
        // title, where it is open) says there was nothing.
        const QString none = tr("No matches for \"%1\".").arg(findEdit_->text());
        resultsDock_->setWindowTitle(tr("Find Results: %1").arg(none));
        findStatus_->setText(none);
        return 0;
    }
    QList<QTreeWidgetItem*> items;
    for (int entry : found) {
        auto* item = new QTreeWidgetItem({addressText(listing.address(entry)),
                                          listing.commandText(entry).replace(QLatin1Char('\n'), QLatin1Char(' '))});
        item->setData(0, Qt::UserRole, entry);
        items.append(item);
    }
    results_->addTopLevelItems(items);
    resultsDock_->setWindowTitle(tr("Find Results: %n found", nullptr, int(items.size())));
    findStatus_->setText(tr("%n found", nullptr, int(items.size())));
    resultsDock_->show();
    resultsDock_->raise();
    return int(items.size());
}

void CEventScriptView::openResult(QTreeWidgetItem* item)
{
    if (item)
        goToEntry(item->data(0, Qt::UserRole).toInt(), true);
}

bool CEventScriptView::followLink()
{
    const events::ScriptListing* listing = model_->listing();
    const int entry = currentEntry();
    if (!listing || entry < 0)
        return false;
    for (const RecordRef& ref : listing->references(entry)) {
        if (ref.kind != RecordKind::Event || ref.isWhole())
            continue;
        const int target = listing->indexAt(SnesAddress(ref.index));
        if (target < 0)
            continue;
        goToEntry(target, true);
        return true;
    }
    return false;
}

void CEventScriptView::activateRow(const QModelIndex& index)
{
    if (!index.isValid() || !model_->listing())
        return;
    const int entry = model_->entryOfRow(index.row());
    if (model_->isMessageRow(index.row())) {
        for (const RecordRef& ref : model_->listing()->references(entry))
            if (ref.kind == RecordKind::Message && !ref.isWhole()) {
                emit subjectRequested(ref);
                return;
            }
        return;
    }
    followLink();
}

void CEventScriptView::editOperands()
{
    const events::ScriptListing* listing = model_->listing();
    const int entry = currentEntry();
    if (!listing || entry < 0)
        return;
    if (events::operandFields(listing->kind(entry), listing->bytes(entry)).isEmpty()) {
        showMessage(tr("The command at %1 has no operands to edit.").arg(addressText(listing->address(entry))),
                    tr("Edit Operands"), platform::MessageIcon::Information);
        return;
    }
    COperandsDialog dialog(document(), entry, this);
    dialog.exec();
    if (const std::optional<RecordRef> subject = dialog.goToSubject())
        emit subjectRequested(*subject);
}

void CEventScriptView::showContextMenu(const QPoint& at)
{
    const QModelIndex index = table_->indexAt(at);
    if (!index.isValid())
        return;
    table_->setCurrentIndex(index);
    QMenu menu(this);
    menu.addAction(editOperandsAction_);
    menu.addAction(followAction_);
    menu.exec(table_->viewport()->mapToGlobal(at));
}

bool CEventScriptView::goBack()
{
    const std::optional<SnesAddress> to = history_.back(currentAddress());
    if (to && model_->listing())
        goToEntry(model_->listing()->indexAt(*to), false);
    updateHistoryActions();
    return to.has_value();
}

bool CEventScriptView::goForward()
{
    const std::optional<SnesAddress> to = history_.forward(currentAddress());
    if (to && model_->listing())
        goToEntry(model_->listing()->indexAt(*to), false);
    updateHistoryActions();
    return to.has_value();
}

void CEventScriptView::updateHistoryActions()
{
    backAction_->setEnabled(history_.canGoBack());
    forwardAction_->setEnabled(history_.canGoForward());
}

bool CEventScriptView::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == table_->viewport() && event->type() == QEvent::MouseButtonPress) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::BackButton)
            return goBack(), true;
        if (mouse->button() == Qt::ForwardButton)
            return goForward(), true;
    }
    if (watched == table_ && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) && key->modifiers() == Qt::NoModifier) {
            activateRow(table_->currentIndex());
            return true;
        }
    }
    return CEditorView::eventFilter(watched, event);
}

}  // namespace tessel
