#include "shell/ctabbedframe.h"

#include "shell/historydock.h"

#include "document/cff3doc.h"
#include "uikit/ceditorview.h"
#include "shell/ctabbedviewgroup.h"
#include "shell/editordescriptor.h"
#include "platform/gui/windowplacement.h"
#include "records/views/tablefiledialogs.h"
#include "text/editors/textfiledialogs.h"

#include <QCloseEvent>
#include <QDockWidget>
#include <QMenuBar>
#include <QStatusBar>
#include <QUndoStack>
#include <QStackedWidget>
#include <QStatusBar>
#include <QStyle>
#include <QTabBar>
#include <QTimer>
#include <QToolBar>
#include <QVBoxLayout>

namespace tessel {

namespace {
// Whether a view's tool window was shown when its tab was left.
constexpr char kDockShownProperty[] = "shownInFrame";
}  // namespace

CTabbedFrame::CTabbedFrame(CFF3Doc& doc, const EditorDescriptor& editor) : doc_(doc), editor_(editor)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setObjectName(QStringLiteral("CTabbedFrame"));
}

CTabbedFrame::~CTabbedFrame()
{
    // The views go after this part of the frame and may still edit (a map
    // view puts its floating block back): the frame no longer follows.
    doc_.disconnect(this);
    doc_.undoStack()->disconnect(this);
}

quint32 CTabbedFrame::resourceId() const
{
    return editor_.resourceId;
}

bool CTabbedFrame::load()
{
    frameTitle_ = editor_.title;
    group_ = editor_.makeGroup ? editor_.makeGroup() : nullptr;
    if (frameTitle_.isEmpty() || !group_ || group_->entries().isEmpty())
        return false;
    group_->setUp();

    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    tabs_ = new QTabBar(central);
    tabs_->setObjectName(QStringLiteral("tabs"));
    tabs_->setDrawBase(true);
    tabs_->setExpanding(false);
    stack_ = new QStackedWidget(central);
    layout->addWidget(tabs_);
    layout->addWidget(stack_, 1);
    setCentralWidget(central);

    for (CTabbedViewGroup::Entry& entry : group_->entries()) {
        CEditorView* view = entry.create(doc_, stack_);
        if (!view)
            return false;
        view->setObjectName(entry.viewClass);
        stack_->addWidget(view);
        entry.view = view;
        tabs_->addTab(entry.title);
    }
    buildMenus();
    selectTab(group_->initialTab());
    connect(tabs_, &QTabBar::currentChanged, this, &CTabbedFrame::selectTab);
    connect(&doc_, &CFF3Doc::modifiedChanged, this, &CTabbedFrame::updateTitle);
    connect(&doc_, &CFF3Doc::documentSaved, this, &CTabbedFrame::updateTitle);
    updateTitle();
    // Large enough for what the view brought (tool bars, tool windows).
    resize(QSize(640, 480).expandedTo(sizeHint()));
    return true;
}

void CTabbedFrame::buildMenus()
{
    QMenu* file = menuBar()->addMenu(tr("&File"));
    saveAction_ = file->addAction(style()->standardIcon(QStyle::SP_DialogSaveButton), tr("&Save"));
    saveAction_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    saveAction_->setStatusTip(tr("Save the active document"));
    saveAction_->setEnabled(doc_.isLoaded());
    connect(saveAction_, &QAction::triggered, this, &CTabbedFrame::saveRequested);
    QAction* test = file->addAction(tr("&Test..."));
    test->setObjectName(QStringLiteral("actionTest"));
    test->setShortcut(QKeySequence(Qt::Key_F5));
    test->setStatusTip(tr("Save the ROM and run it"));
    test->setEnabled(doc_.isLoaded());
    connect(test, &QAction::triggered, this, &CTabbedFrame::runRequested);
    // The table of the records the active view shows, for record editors only.
    tableSeparator_ = file->addSeparator();
    exportTableAction_ = file->addAction(tr("&Export Table..."));
    exportTableAction_->setObjectName(QStringLiteral("actionExportTable"));
    exportTableAction_->setStatusTip(tr("Write the table as a CSV or JSON file"));
    connect(exportTableAction_, &QAction::triggered, this, [this] {
        if (activeView_)
            tablefiledialogs::exportTable(*activeView_);
    });
    importTableAction_ = file->addAction(tr("&Import Table..."));
    importTableAction_->setObjectName(QStringLiteral("actionImportTable"));
    importTableAction_->setStatusTip(tr("Apply a CSV or JSON table file as one undoable step"));
    connect(importTableAction_, &QAction::triggered, this, [this] {
        if (activeView_)
            tablefiledialogs::importTable(*activeView_);
    });
    // The game text for translators, in the frame of the dialogue editor.
    if (std::find(editor_.kinds.begin(), editor_.kinds.end(), RecordKind::Message) != editor_.kinds.end()) {
        file->addSeparator();
        const auto context = [this] {
            CEditorView* view = activeView_;
            return textfiledialogs::Context{
                this, doc_, view->fileChooser(),
                [view](const QString& text, const QString& caption, platform::MessageIcon icon) {
                    view->showMessage(text, caption, icon);
                },
                [this] {
                    for (CEditorView* shown : views())
                        if (!shown->commitPendingEdits())
                            return false;
                    return true;
                }};
        };
        QAction* exportText = file->addAction(tr("Export &Text..."));
        exportText->setObjectName(QStringLiteral("actionExportText"));
        exportText->setStatusTip(tr("Write every message and name as a PO file for translators"));
        connect(exportText, &QAction::triggered, this, [this, context] {
            if (activeView_)
                textfiledialogs::exportText(context());
        });
        QAction* importText = file->addAction(tr("I&mport Text..."));
        importText->setObjectName(QStringLiteral("actionImportText"));
        importText->setStatusTip(tr("Apply the translations of a PO file as one undoable step"));
        connect(importText, &QAction::triggered, this, [this, context] {
            if (activeView_)
                textfiledialogs::importText(context());
        });
    }
    file->addSeparator();
    QAction* close = file->addAction(style()->standardIcon(QStyle::SP_DialogCloseButton), tr("&Close"));
    connect(close, &QAction::triggered, this, &QWidget::close);

    editMenu_ = menuBar()->addMenu(tr("&Edit"));
    undoAction_ = editMenu_->addAction(tr("&Undo"));
    undoAction_->setObjectName(QStringLiteral("undo"));
    undoAction_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    connect(undoAction_, &QAction::triggered, this, &CTabbedFrame::undo);
    redoAction_ = editMenu_->addAction(tr("&Redo"));
    redoAction_->setObjectName(QStringLiteral("redo"));
    redoAction_->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    connect(redoAction_, &QAction::triggered, this, &CTabbedFrame::redo);
    QUndoStack* stack = doc_.undoStack();
    editMenu_->addAction(addHistoryDock(*this, doc_));
    connect(stack, &QUndoStack::indexChanged, this, &CTabbedFrame::updateUndoActions);
    connect(stack, &QUndoStack::cleanChanged, this, &CTabbedFrame::updateUndoActions);
    updateUndoActions();

    QToolBar* tools = addToolBar(tr("Standard"));
    tools->setObjectName(QStringLiteral("toolbar"));
    tools->setMovable(false);
    tools->addAction(saveAction_);
    tools->addAction(close);
    tools->addSeparator();
    undoAction_->setIcon(style()->standardIcon(QStyle::SP_ArrowBack));
    redoAction_->setIcon(style()->standardIcon(QStyle::SP_ArrowForward));
    tools->addAction(undoAction_);
    tools->addAction(redoAction_);

    for (QAction* action : {saveAction_, test}) {
        connect(&doc_, &CFF3Doc::documentLoaded, action, [action] { action->setEnabled(true); });
        connect(&doc_, &CFF3Doc::documentCleared, action, [this, action] { action->setEnabled(doc_.isLoaded()); });
    }
}

void CTabbedFrame::updateUndoActions()
{
    const QUndoStack* stack = doc_.undoStack();
    const bool canUndo = stack->canUndo();
    const bool canRedo = stack->canRedo();
    const QString undoText = stack->undoText();
    const QString redoText = stack->redoText();
    undoAction_->setEnabled(canUndo);
    redoAction_->setEnabled(canRedo);
    undoAction_->setText(canUndo && !undoText.isEmpty() ? tr("&Undo %1").arg(undoText) : tr("&Undo"));
    redoAction_->setText(canRedo && !redoText.isEmpty() ? tr("&Redo %1").arg(redoText) : tr("&Redo"));
}

void CTabbedFrame::undo()
{
    doc_.undo();
    updateUndoActions();
}

void CTabbedFrame::redo()
{
    doc_.redo();
    updateUndoActions();
}

void CTabbedFrame::hideViewParts()
{
    for (QAction* action : std::as_const(viewMenuActions_)) {
        editMenu_->removeAction(action);
        menuBar()->removeAction(action);
    }
    viewMenuActions_.clear();
    for (const QPointer<QToolBar>& bar : std::as_const(viewToolBars_))
        if (bar)
            removeToolBar(bar);
    viewToolBars_.clear();
    for (const QPointer<QDockWidget>& dock : std::as_const(viewDocks_))
        if (dock) {
            dock->setProperty(kDockShownProperty, dock->isVisibleTo(this));
            removeDockWidget(dock);
        }
    viewDocks_.clear();
    for (const QPointer<QWidget>& widget : std::as_const(viewStatusWidgets_))
        if (widget)
            statusBar()->removeWidget(widget);
    viewStatusWidgets_.clear();
}

void CTabbedFrame::showViewMenus()
{
    hideViewParts();
    const bool hasTable = activeView_ && tablefiledialogs::hasTable(*activeView_);
    for (QAction* action : {tableSeparator_, exportTableAction_, importTableAction_})
        action->setVisible(hasTable);
    if (!activeView_)
        return;
    const QList<QAction*> edits = activeView_->editActions();
    if (!edits.isEmpty()) {
        viewMenuActions_.append(editMenu_->addSeparator());
        for (QAction* action : edits) {
            editMenu_->addAction(action);
            viewMenuActions_.append(action);
        }
    }
    for (QMenu* menu : activeView_->menus())
        viewMenuActions_.append(menuBar()->addMenu(menu));
    for (QToolBar* bar : activeView_->toolBars()) {
        addToolBar(bar);
        bar->show();
        viewToolBars_.append(bar);
    }
    for (QDockWidget* dock : activeView_->dockWidgets()) {
        const QVariant area = dock->property(CEditorView::kDockAreaProperty);
        addDockWidget(area.isValid() ? Qt::DockWidgetArea(area.toInt()) : Qt::RightDockWidgetArea, dock);
        const QVariant shown = dock->property(kDockShownProperty);
        dock->setVisible(!shown.isValid() || shown.toBool());
        viewDocks_.append(dock);
    }
    for (QWidget* widget : activeView_->statusWidgets()) {
        statusBar()->addPermanentWidget(widget);
        widget->show();
        viewStatusWidgets_.append(widget);
    }
}

void CTabbedFrame::setFrameTitle(const QString& title)
{
    if (title.isEmpty())
        return;
    frameTitle_ = title;
    updateTitle();
}

void CTabbedFrame::updateTitle()
{
    setWindowTitle(QStringLiteral("%1 - %2").arg(frameTitle_, doc_.title()));
}

QList<CEditorView*> CTabbedFrame::views() const
{
    QList<CEditorView*> list;
    if (group_) {
        for (const CTabbedViewGroup::Entry& entry : group_->entries())
            list.append(entry.view);
    }
    return list;
}

void CTabbedFrame::selectTab(int index)
{
    const QList<CTabbedViewGroup::Entry>& entries = group_->entries();
    if (index < 0 || index >= entries.size())
        return;
    activeView_ = entries[index].view;
    stack_->setCurrentWidget(activeView_);
    showViewMenus();
    if (tabs_->currentIndex() != index)
        tabs_->setCurrentIndex(index);
}

bool CTabbedFrame::showSubject(const RecordRef& subject)
{
    const QList<CTabbedViewGroup::Entry>& entries = group_->entries();
    for (int tab = 0; tab < entries.size(); ++tab) {
        CEditorView* view = entries[tab].view;
        if (!view->message(WM_QUERYSHOWS, subject))
            continue;
        selectTab(tab);
        view->message(WM_SETSUBJECT, subject);
        return true;
    }
    return false;
}

void CTabbedFrame::closeEvent(QCloseEvent* event)
{
    for (CEditorView* view : views())
        if (view && !view->commitPendingEdits()) {
            event->ignore();
            return;
        }
    QMainWindow::closeEvent(event);
}

void CTabbedFrame::initialUpdate()
{
    // Large views (a map with its tool windows) still fit the screen; the
    // window system may place the frame only once shown.
    platform::keepInsideScreen(*this);
    QTimer::singleShot(0, this, [this] { platform::keepInsideScreen(*this); });
    show();
    raise();
    activateWindow();
}

}  // namespace tessel
