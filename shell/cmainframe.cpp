#include "shell/cmainframe.h"

#include "document/cff3doc.h"
#include "platform/gui/waitcursor.h"
#include "shell/caboutbox.h"
#include "shell/csettings.h"
#include "shell/ctabbedframe.h"
#include "shell/cworkspaceview.h"
#include "shell/documentviews.h"
#include "shell/recentfilelist.h"
#include "worldmap/views/cmapview.h"
#include "worldmap/views/mapviewsettings.h"

#include <QCloseEvent>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QScreen>
#include <QMenuBar>
#include <QMessageBox>
#include <QMimeData>
#include <QStatusBar>
#include <QStyle>
#include <QToolBar>

#include <algorithm>

namespace {

const QString kReady = QStringLiteral("Ready");
const QString kAppTitle = QStringLiteral("Tessel");

// The first local file among dropped URLs, or an empty string.
QString droppedFile(const QMimeData* data)
{
    if (!data || !data->hasUrls())
        return {};
    for (const QUrl& url : data->urls()) {
        if (url.isLocalFile() && QFileInfo(url.toLocalFile()).isFile())
            return url.toLocalFile();
    }
    return {};
}

CMainFrame::SaveChoice askSaveChanges(QWidget* parent, const QString& name)
{
    const auto answer = QMessageBox::question(parent, kAppTitle, QStringLiteral("Save changes to %1?").arg(name),
                                              QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel,
                                              QMessageBox::Save);
    if (answer == QMessageBox::Save)
        return CMainFrame::SaveChoice::Save;
    if (answer == QMessageBox::Discard)
        return CMainFrame::SaveChoice::Discard;
    return CMainFrame::SaveChoice::Cancel;
}

}  // namespace

CMainFrame::CMainFrame(CFF3Doc& doc, CSettings& settings, RecentFileList& recent,
                       platform::MessageService& messages)
    : doc_(doc), settings_(settings), recent_(recent), messages_(messages)
{
    setObjectName(QStringLiteral("CMainFrame"));
    views_ = new DocumentViews(doc_, this);
    mapSettings_ = new MapViewSettings(settings_.gridLines, settings_.mapZoom, this);
    workspace_ = new CWorkspaceView(doc_, *views_, this);
    setCentralWidget(workspace_);
    setAcceptDrops(true);
    savePrompt_ = [this](const QString& name) { return askSaveChanges(this, name); };

    buildMenus();
    // The message pane says "Ready" whenever no command prompt is shown.
    connect(statusBar(), &QStatusBar::messageChanged, this, [this](const QString& message) {
        if (message.isEmpty())
            statusBar()->showMessage(kReady);
    });
    statusBar()->showMessage(kReady);

    connect(views_, &DocumentViews::frameCreated, this, [this](CTabbedFrame* frame) {
        connect(frame, &CTabbedFrame::saveRequested, this, &CMainFrame::saveDocument);
        for (CEditorView* view : frame->views())
            if (auto* map = qobject_cast<CMapView*>(view))
                map->setSettings(mapSettings_);
    });
    connect(&doc_, &CFF3Doc::documentLoaded, this, &CMainFrame::updateTitle);
    connect(&doc_, &CFF3Doc::documentCleared, this, &CMainFrame::updateTitle);
    connect(&doc_, &CFF3Doc::documentSaved, this, &CMainFrame::updateTitle);
    connect(&doc_, &CFF3Doc::modifiedChanged, this, &CMainFrame::updateTitle);
    updateTitle();
    applyPlacement();
}

CMainFrame::~CMainFrame()
{
    views_->closeAllFrames();
}

void CMainFrame::buildMenus()
{
    QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
    fileMenu_ = file;
    QAction* open = file->addAction(style()->standardIcon(QStyle::SP_DialogOpenButton), QStringLiteral("&Open..."));
    open->setObjectName(QStringLiteral("actionOpen"));
    open->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    open->setStatusTip(QStringLiteral("Open an existing document"));
    connect(open, &QAction::triggered, this, &CMainFrame::chooseAndOpen);

    saveAction_ = file->addAction(style()->standardIcon(QStyle::SP_DialogSaveButton), QStringLiteral("&Save"));
    saveAction_->setObjectName(QStringLiteral("actionSave"));
    saveAction_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    saveAction_->setStatusTip(QStringLiteral("Save the active document"));
    connect(saveAction_, &QAction::triggered, this, &CMainFrame::saveDocument);

    file->addSeparator();
    // There is no patch format and no test-run interface: always disabled.
    QAction* patch = file->addAction(QStringLiteral("Create &Patch..."));
    patch->setObjectName(QStringLiteral("actionPatch"));
    patch->setEnabled(false);
    QAction* run = file->addAction(QStringLiteral("&Run...\tF5"));
    run->setObjectName(QStringLiteral("actionRun"));
    run->setEnabled(false);

    recentSeparator_ = file->addSeparator();
    exitAction_ = file->addSeparator();
    QAction* exit = file->addAction(QStringLiteral("E&xit"));
    exit->setObjectName(QStringLiteral("actionExit"));
    exit->setStatusTip(QStringLiteral("Quit the application; prompts to save documents"));
    connect(exit, &QAction::triggered, this, &QWidget::close);

    toolBar_ = addToolBar(QStringLiteral("Standard"));
    toolBar_->setObjectName(QStringLiteral("toolbar"));
    toolBar_->setMovable(false);
    toolBar_->addAction(open);
    toolBar_->addAction(saveAction_);

    QMenu* view = menuBar()->addMenu(QStringLiteral("&View"));
    QAction* toolbar = view->addAction(QStringLiteral("&Toolbar"));
    toolbar->setObjectName(QStringLiteral("actionToolbar"));
    toolbar->setCheckable(true);
    toolbar->setChecked(true);
    toolbar->setStatusTip(QStringLiteral("Show or hide the toolbar"));
    connect(toolbar, &QAction::toggled, toolBar_, &QWidget::setVisible);

    QMenu* help = menuBar()->addMenu(QStringLiteral("&Help"));
    QAction* contents = help->addAction(QStringLiteral("&Contents"));
    contents->setObjectName(QStringLiteral("actionContents"));
    contents->setEnabled(false);
    help->addSeparator();
    QAction* about = help->addAction(QStringLiteral("&About Tessel..."));
    about->setObjectName(QStringLiteral("actionAbout"));
    about->setStatusTip(QStringLiteral("Display program information, version number and copyright"));
    connect(about, &QAction::triggered, this, &CMainFrame::showAbout);
    toolBar_->addSeparator();
    toolBar_->addAction(style()->standardIcon(QStyle::SP_MessageBoxQuestion), QStringLiteral("About"), this,
                        &CMainFrame::showAbout);

    // Keys without a menu item.
    QAction* newDoc = new QAction(QStringLiteral("New"), this);
    newDoc->setObjectName(QStringLiteral("actionNew"));
    newDoc->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
    connect(newDoc, &QAction::triggered, this, &CMainFrame::newDocument);
    addAction(newDoc);

    updateRecentMenu();
}

void CMainFrame::updateTitle()
{
    setWindowTitle(QStringLiteral("%1 - %2").arg(doc_.title(), kAppTitle));
    saveAction_->setEnabled(doc_.isLoaded());
}

void CMainFrame::updateRecentMenu()
{
    qDeleteAll(recentActions_);
    recentActions_.clear();
    const QStringList& files = recent_.files();
    for (int i = 0; i < files.size(); ++i) {
        const QString shown = fontMetrics().elidedText(QDir::toNativeSeparators(files[i]), Qt::ElideMiddle, 360);
        auto* action = new QAction(QStringLiteral("&%1 %2").arg(i + 1).arg(shown), fileMenu_);
        action->setObjectName(QStringLiteral("actionRecent%1").arg(i + 1));
        const QString path = files[i];
        connect(action, &QAction::triggered, this, [this, path] {
            if (!openDocument(path) && !QFileInfo::exists(path)) {
                recent_.remove(path);
                updateRecentMenu();
            }
        });
        fileMenu_->insertAction(exitAction_, action);
        recentActions_.append(action);
    }
    recentSeparator_->setVisible(!files.isEmpty());
}

bool CMainFrame::saveModified()
{
    if (!doc_.isModified())
        return true;
    QString name = doc_.title();
    if (name.endsWith(QLatin1Char('*')))
        name.chop(1);
    switch (savePrompt_(name)) {
    case SaveChoice::Save: return saveDocument();
    case SaveChoice::Discard: return true;
    case SaveChoice::Cancel: return false;
    }
    return false;
}

bool CMainFrame::openDocument(const QString& path)
{
    if (!saveModified())
        return false;
    // Editors of the old document go before its tables are freed.
    views_->closeAllFrames();
    bool opened = false;
    {
        platform::WaitCursor wait;
        opened = doc_.open(path);
    }
    if (opened) {
        recent_.add(path);
        updateRecentMenu();
    }
    return opened;
}

bool CMainFrame::newDocument()
{
    if (!saveModified())
        return false;
    views_->closeAllFrames();
    return doc_.newDocument();
}

bool CMainFrame::saveDocument()
{
    if (!doc_.isLoaded())
        return false;
    platform::WaitCursor wait;
    return doc_.save(doc_.pathName());
}

void CMainFrame::chooseAndOpen()
{
    const QString start = recent_.files().isEmpty() ? QString() : QFileInfo(recent_.files().first()).path();
    const QString path = QFileDialog::getOpenFileName(this, QStringLiteral("Open"), start,
                                                      QStringLiteral("All Files (*)"));
    if (!path.isEmpty())
        openDocument(path);
}

void CMainFrame::showAbout()
{
    CAboutBox box(this, &messages_);
    box.exec();
}

void CMainFrame::applyPlacement()
{
    const WindowSpec& placement = settings_.mainWindow;
    const int width = placement.right - placement.left;
    const int height = placement.bottom - placement.top;
    if (width <= 0 || height <= 0)
        return;
    if (!placement.hasPosition()) {
        resize(width, height);
        return;
    }
    // A window stored on a screen that is gone comes back where a first run puts it.
    QRect placed(placement.left, placement.top, width, height);
    const QList<QScreen*> screens = QGuiApplication::screens();
    const bool onScreen = std::any_of(screens.begin(), screens.end(), [&](const QScreen* screen) {
        return screen->availableGeometry().intersects(placed);
    });
    if (!onScreen && !screens.isEmpty()) {
        const CSettings defaults;
        placed.moveTopLeft(QPoint(defaults.mainWindow.left, defaults.mainWindow.top));
    }
    setGeometry(placed);
}

void CMainFrame::storePlacement()
{
    const QRect normal = (isMaximized() || isFullScreen() || isMinimized()) && normalGeometry().isValid()
                             ? normalGeometry()
                             : geometry();
    WindowSpec& placement = settings_.mainWindow;
    placement.setRect(normal);
    placement.visible = 1;
    placement.flag1 = 0;
    placement.flag2 = 0;
}

void CMainFrame::closeEvent(QCloseEvent* event)
{
    if (!saveModified()) {
        event->ignore();
        return;
    }
    storePlacement();
    views_->closeAllFrames();
    event->accept();
}

void CMainFrame::dragEnterEvent(QDragEnterEvent* event)
{
    if (!droppedFile(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void CMainFrame::dropEvent(QDropEvent* event)
{
    const QString path = droppedFile(event->mimeData());
    if (path.isEmpty())
        return;
    event->acceptProposedAction();
    activateWindow();
    openDocument(path);
}
