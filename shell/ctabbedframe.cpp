#include "shell/ctabbedframe.h"

#include "document/cff3doc.h"
#include "uikit/ceditorview.h"
#include "shell/ctabbedviewgroup.h"
#include "shell/editorviewfactory.h"
#include "shell/frameresources.h"

#include <QMenuBar>
#include <QStackedWidget>
#include <QStyle>
#include <QTabBar>
#include <QToolBar>
#include <QVBoxLayout>

CTabbedFrame::CTabbedFrame(CFF3Doc& doc, quint32 resourceId) : doc_(doc), resourceId_(resourceId)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setObjectName(QStringLiteral("CTabbedFrame"));
}

CTabbedFrame::~CTabbedFrame() = default;

bool CTabbedFrame::load(const QString& groupClass)
{
    frameTitle_ = editorFrameTitle(resourceId_);
    group_ = CTabbedViewGroup::create(groupClass);
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
        CEditorView* view = createEditorView(entry.viewClass, doc_, stack_);
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
    resize(640, 480);
    return true;
}

void CTabbedFrame::buildMenus()
{
    QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
    saveAction_ = file->addAction(style()->standardIcon(QStyle::SP_DialogSaveButton), QStringLiteral("&Save"));
    saveAction_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    saveAction_->setStatusTip(QStringLiteral("Save the active document"));
    saveAction_->setEnabled(doc_.isLoaded());
    connect(saveAction_, &QAction::triggered, this, &CTabbedFrame::saveRequested);
    QAction* test = file->addAction(QStringLiteral("&Test..."));
    test->setObjectName(QStringLiteral("actionTest"));
    test->setShortcut(QKeySequence(Qt::Key_F5));
    test->setStatusTip(QStringLiteral("Save the ROM and run it"));
    test->setEnabled(doc_.isLoaded());
    connect(test, &QAction::triggered, this, &CTabbedFrame::runRequested);
    file->addSeparator();
    QAction* close = file->addAction(QStringLiteral("&Close"));
    connect(close, &QAction::triggered, this, &QWidget::close);

    QToolBar* tools = addToolBar(QStringLiteral("Standard"));
    tools->setObjectName(QStringLiteral("toolbar"));
    tools->setMovable(false);
    tools->addAction(saveAction_);

    for (QAction* action : {saveAction_, test}) {
        connect(&doc_, &CFF3Doc::documentLoaded, action, [action] { action->setEnabled(true); });
        connect(&doc_, &CFF3Doc::documentCleared, action, [this, action] { action->setEnabled(doc_.isLoaded()); });
    }
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
    if (tabs_->currentIndex() != index)
        tabs_->setCurrentIndex(index);
}

void CTabbedFrame::initialUpdate()
{
    show();
    raise();
    activateWindow();
}
