#include "shell/cmainframe.h"

#include "document/cff3doc.h"
#include "events/views/ceventscriptview.h"
#include "platform/gui/waitcursor.h"
#include "platform/gui/windowplacement.h"
#include "platform/windowfit.h"
#include "shell/backuprestore.h"
#include "play/views/cemulatorcoredialog.h"
#include "play/views/cpadkeysdialog.h"
#include "play/views/crunwindow.h"
#include "records/views/crecordtablesview.h"
#include "records/views/crecordtableview.h"
#include "shell/caboutbox.h"
#include "shell/chelpwindow.h"
#include "shell/csettings.h"
#include "shell/ctabbedframe.h"
#include "shell/cworkspaceview.h"
#include "shell/documentviews.h"
#include "shell/headerlessoffer.h"
#include "shell/patchcommands.h"
#include "shell/recentfilelist.h"
#include "shell/tablecolumns.h"
#include "text/editors/cdialogueview.h"
#include "text/editors/textfiledialogs.h"
#include "document/parts/worldmappart.h"
#include "worldmap/views/cmapview.h"
#include "worldmap/views/mapviewsettings.h"

#include <QCloseEvent>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QMenuBar>
#include <QMessageBox>
#include <QMimeData>
#include <QStatusBar>
#include <QStyle>
#include <QToolBar>

namespace tessel {

namespace {

const char* const kReady = QT_TRANSLATE_NOOP("CMainFrame", "Ready");
const QString kAppTitle = QStringLiteral("Tessel");
// The outer size of the main window on a first run (smaller screens: all of it).
constexpr QSize kFirstRunSize(640, 480);

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
    const auto answer = QMessageBox::question(parent, kAppTitle, CMainFrame::tr("Save changes to %1?").arg(name),
                                              QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel,
                                              QMessageBox::Save);
    if (answer == QMessageBox::Save)
        return CMainFrame::SaveChoice::Save;
    if (answer == QMessageBox::Discard)
        return CMainFrame::SaveChoice::Discard;
    return CMainFrame::SaveChoice::Cancel;
}

// Before a run: Yes saves, No runs the file as it was last saved.
CMainFrame::SaveChoice askSaveBeforeRun(QWidget* parent, const QString& name)
{
    const auto answer = QMessageBox::question(
        parent, kAppTitle,
        CMainFrame::tr("Save changes to %1 before running it?\n\nThe game runs from the file on disk.").arg(name),
        QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Yes);
    if (answer == QMessageBox::Yes)
        return CMainFrame::SaveChoice::Save;
    if (answer == QMessageBox::No)
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
    mapSettings_ = new MapViewSettings(settings_.gridLines, settings_.mapZoom, settings_.tileWindow,
                                       settings_.triggerWindow, settings_.tileDialog, this);
    workspace_ = new CWorkspaceView(doc_, *views_, this);
    setCentralWidget(workspace_);
    setAcceptDrops(true);
    savePrompt_ = [this](const QString& name) { return askSaveChanges(this, name); };
    runPrompt_ = [this](const QString& name) { return askSaveBeforeRun(this, name); };

    buildMenus();
    applySaveOptions();
    // The message pane says "Ready" whenever no command prompt is shown.
    connect(statusBar(), &QStatusBar::messageChanged, this, [this](const QString& message) {
        if (message.isEmpty())
            statusBar()->showMessage(tr(kReady));
    });
    statusBar()->showMessage(tr(kReady));

    connect(views_, &DocumentViews::frameCreated, this, [this](CTabbedFrame* frame) {
        connect(frame, &CTabbedFrame::saveRequested, this, &CMainFrame::saveDocument);
        connect(frame, &CTabbedFrame::runRequested, this, &CMainFrame::runDocument);
        for (CEditorView* view : frame->views()) {
            view->setFileChooser(files_);
            connect(view, &CEditorView::subjectRequested, this, &CMainFrame::showSubject);
            view->forwardGoToRequests();
            if (auto* dialogue = qobject_cast<CDialogueView*>(view))
                dialogue->setLongestNames(settings_.longestNames != 0);
            if (auto* map = qobject_cast<CMapView*>(view)) {
                map->setSettings(mapSettings_);
                connect(map, &CMapView::destinationRequested, this, &CMainFrame::showWorldMapCell);
            } else if (auto* tables = qobject_cast<CRecordTablesView*>(view)) {
                for (CRecordTableView* table : tables->tables())
                    table->setColumnPaths(tableColumns(settings_, recordKindName(table->kind())));
                connect(tables, &CRecordTablesView::columnsChosen, this, [this](RecordKind kind, const QStringList& paths) {
                    setTableColumns(settings_, recordKindName(kind), paths);
                });
                // The editors that show the record follow the row, in place.
                connect(tables, &CRecordTablesView::recordSelected, this, [this](const RecordRef& record) {
                    for (CEditorView* shown : views_->views())
                        if (shown->message(WM_QUERYSHOWS, record))
                            shown->message(WM_SETSUBJECT, record);
                });
            }
        }
    });
    connect(&doc_, &CFF3Doc::documentLoaded, this, &CMainFrame::updateTitle);
    connect(&doc_, &CFF3Doc::documentLoaded, this, &CMainFrame::noteForeignData);
    connect(&doc_, &CFF3Doc::documentCleared, this, &CMainFrame::noteForeignData);
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
    QMenu* file = menuBar()->addMenu(tr("&File"));
    fileMenu_ = file;
    QAction* open = file->addAction(style()->standardIcon(QStyle::SP_DialogOpenButton), tr("&Open..."));
    open->setObjectName(QStringLiteral("actionOpen"));
    open->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    open->setStatusTip(tr("Open an existing document"));
    connect(open, &QAction::triggered, this, &CMainFrame::chooseAndOpen);

    saveAction_ = file->addAction(style()->standardIcon(QStyle::SP_DialogSaveButton), tr("&Save"));
    saveAction_->setObjectName(QStringLiteral("actionSave"));
    saveAction_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    saveAction_->setStatusTip(tr("Save the active document"));
    connect(saveAction_, &QAction::triggered, this, &CMainFrame::saveDocument);
    saveAsAction_ = file->addAction(tr("Save &As..."));
    saveAsAction_->setObjectName(QStringLiteral("actionSaveAs"));
    saveAsAction_->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    saveAsAction_->setStatusTip(tr("Save the document to another file and go on with that file"));
    connect(saveAsAction_, &QAction::triggered, this, &CMainFrame::saveDocumentAs);

    file->addSeparator();
    createPatchAction_ = file->addAction(tr("Create &Patch..."));
    createPatchAction_->setObjectName(QStringLiteral("actionPatch"));
    createPatchAction_->setStatusTip(tr("Make an IPS or BPS patch from the original to the saved file"));
    connect(createPatchAction_, &QAction::triggered, this, [this] { PatchCommands(*this, doc_).createPatch(); });
    QAction* applyPatch = file->addAction(tr("Appl&y Patch..."));
    applyPatch->setObjectName(QStringLiteral("actionApplyPatch"));
    applyPatch->setStatusTip(tr("Apply an IPS or BPS patch to a ROM, writing a new file"));
    connect(applyPatch, &QAction::triggered, this, [this] { PatchCommands(*this, doc_).applyPatch(); });
    file->addSeparator();
    exportTextAction_ = file->addAction(tr("Export &Text..."));
    exportTextAction_->setObjectName(QStringLiteral("actionExportText"));
    exportTextAction_->setStatusTip(tr("Write every message and name as a PO file for translators"));
    connect(exportTextAction_, &QAction::triggered, this, [this] { textfiledialogs::exportText(textFileContext()); });
    importTextAction_ = file->addAction(tr("I&mport Text..."));
    importTextAction_->setObjectName(QStringLiteral("actionImportText"));
    importTextAction_->setStatusTip(tr("Apply the translations of a PO file as one undoable step"));
    connect(importTextAction_, &QAction::triggered, this, [this] { textfiledialogs::importText(textFileContext()); });
    file->addSeparator();
    restoreBackupAction_ = file->addAction(tr("Restore &Backup..."));
    restoreBackupAction_->setObjectName(QStringLiteral("actionRestoreBackup"));
    restoreBackupAction_->setStatusTip(tr("Replace the file with one of its backups"));
    connect(restoreBackupAction_, &QAction::triggered, this, [this] { BackupRestore(*this, doc_, settings_).run(); });
    runAction_ = file->addAction(tr("&Run..."));
    runAction_->setObjectName(QStringLiteral("actionRun"));
    runAction_->setShortcut(QKeySequence(Qt::Key_F5));
    runAction_->setStatusTip(tr("Save the ROM and run it"));
    connect(runAction_, &QAction::triggered, this, &CMainFrame::runDocument);

    recentSeparator_ = file->addSeparator();
    exitAction_ = file->addSeparator();
    QAction* exit = file->addAction(tr("E&xit"));
    exit->setObjectName(QStringLiteral("actionExit"));
    exit->setStatusTip(tr("Quit the application; prompts to save documents"));
    connect(exit, &QAction::triggered, this, &QWidget::close);

    toolBar_ = addToolBar(tr("Standard"));
    toolBar_->setObjectName(QStringLiteral("toolbar"));
    toolBar_->setMovable(false);
    toolBar_->addAction(open);
    toolBar_->addAction(saveAction_);

    QMenu* view = menuBar()->addMenu(tr("&View"));
    QAction* toolbar = view->addAction(tr("&Toolbar"));
    toolbar->setObjectName(QStringLiteral("actionToolbar"));
    toolbar->setCheckable(true);
    toolbar->setChecked(true);
    toolbar->setStatusTip(tr("Show or hide the toolbar"));
    connect(toolbar, &QAction::toggled, toolBar_, &QWidget::setVisible);
    QAction* longest = view->addAction(tr("Check With &Longest Names"));
    longest->setObjectName(QStringLiteral("actionLongestNames"));
    longest->setCheckable(true);
    longest->setChecked(settings_.longestNames != 0);
    longest->setStatusTip(tr("Mark the messages that overflow with the longest names a player can give"));
    connect(longest, &QAction::toggled, this, [this](bool on) {
        settings_.longestNames = on ? 1 : 0;
        for (CEditorView* shown : views_->views())
            if (auto* dialogue = qobject_cast<CDialogueView*>(shown))
                dialogue->setLongestNames(on);
    });

    buildOptionsMenu();

    QMenu* help = menuBar()->addMenu(tr("&Help"));
    QAction* contents = help->addAction(tr("&Contents"));
    contents->setObjectName(QStringLiteral("actionContents"));
    contents->setShortcut(QKeySequence::HelpContents);
    contents->setStatusTip(tr("Show how to use Tessel"));
    connect(contents, &QAction::triggered, this, &CMainFrame::showHelp);
    help->addSeparator();
    QAction* about = help->addAction(tr("&About Tessel..."));
    about->setObjectName(QStringLiteral("actionAbout"));
    about->setStatusTip(tr("Display program information, version number and copyright"));
    connect(about, &QAction::triggered, this, &CMainFrame::showAbout);
    toolBar_->addSeparator();
    toolBar_->addAction(style()->standardIcon(QStyle::SP_MessageBoxQuestion), tr("About"), this,
                        &CMainFrame::showAbout);

    // Keys without a menu item.
    QAction* newDoc = new QAction(tr("New"), this);
    newDoc->setObjectName(QStringLiteral("actionNew"));
    newDoc->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
    connect(newDoc, &QAction::triggered, this, &CMainFrame::newDocument);
    addAction(newDoc);

    updateRecentMenu();
}

void CMainFrame::buildOptionsMenu()
{
    QMenu* options = menuBar()->addMenu(tr("&Options"));
    // Each option is a checkable command bound to one setting.
    const auto addOption = [&](const QString& text, const QString& name, const QString& tip, int& setting) {
        QAction* option = options->addAction(text);
        option->setObjectName(name);
        option->setCheckable(true);
        option->setChecked(setting != 0);
        option->setStatusTip(tip);
        connect(option, &QAction::toggled, this, [this, &setting](bool on) {
            setting = on ? 1 : 0;
            applySaveOptions();
        });
    };
    addOption(tr("&Keep Backups on Save"), QStringLiteral("actionKeepBackups"),
              tr("Before each save, keep the file as it was in a folder beside it"), settings_.keepBackups);
    addOption(tr("Fix ROM &Checksum on Save"), QStringLiteral("actionFixChecksum"),
              tr("Write the internal header's checksum at each save"), settings_.fixChecksum);

    options->addSeparator();
    QAction* core = options->addAction(tr("Emulator &Core..."), this, &CMainFrame::chooseEmulatorCore);
    core->setObjectName(QStringLiteral("actionEmulatorCore"));
    core->setStatusTip(tr("Choose the libretro core that runs the ROM"));
    QAction* keys = options->addAction(tr("Emulator &Keys..."), this, &CMainFrame::editEmulatorKeys);
    keys->setObjectName(QStringLiteral("actionEmulatorKeys"));
    keys->setStatusTip(tr("Choose the keys that stand for the pad's buttons"));
}

textfiledialogs::Context CMainFrame::textFileContext()
{
    return {this, doc_, *files_,
            [this](const QString& text, const QString& caption, platform::MessageIcon icon) {
                messages_.showMessage(text, caption, icon);
            },
            [this] { return views_->commitPendingEdits(); }};
}

void CMainFrame::applySaveOptions()
{
    doc_.setSaveOptions(settings_.saveOptions());
}

void CMainFrame::updateTitle()
{
    setWindowTitle(QStringLiteral("%1 - %2").arg(doc_.title(), kAppTitle));
    saveAction_->setEnabled(doc_.isLoaded());
    saveAsAction_->setEnabled(doc_.isLoaded());
    createPatchAction_->setEnabled(doc_.isLoaded());
    restoreBackupAction_->setEnabled(doc_.isLoaded());
    exportTextAction_->setEnabled(doc_.isLoaded());
    importTextAction_->setEnabled(doc_.isLoaded());
    runAction_->setEnabled(doc_.isLoaded());
}

void CMainFrame::updateRecentMenu()
{
    qDeleteAll(recentActions_);
    recentActions_.clear();
    const QStringList& files = recent_.files();
    for (int i = 0; i < files.size(); ++i) {
        QString shown = fontMetrics().elidedText(QDir::toNativeSeparators(files[i]), Qt::ElideMiddle, 360);
        // An '&' of the name is shown as itself, not taken as a mnemonic.
        shown.replace(QLatin1Char('&'), QStringLiteral("&&"));
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
    // Text typed in an editor counts as a change.
    if (!views_->commitPendingEdits())
        return false;
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
    return saveModified() && openWithoutAsking(path);
}

bool CMainFrame::reopenDocument()
{
    return doc_.isLoaded() && openWithoutAsking(doc_.pathName());
}

bool CMainFrame::openWithoutAsking(const QString& path)
{
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
        return true;
    }
    // Most copies of the game today come without the copier header.
    const QString copy = HeaderlessOffer(this, messages_, *files_).run(path);
    return !copy.isEmpty() && openDocument(copy);
}

void CMainFrame::noteForeignData()
{
    const quint32 bytes = doc_.foreignBytesPastImage();
    if (bytes == 0) {
        statusBar()->clearMessage();  // a note about the previous file goes with it
        return;
    }
    const quint32 kilobytes = (bytes + 1023) / 1024;
    statusBar()->showMessage(tr("Data of other tools past the 3 MB image: %1 KB, kept").arg(kilobytes));
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
    if (!doc_.isLoaded() || !views_->commitPendingEdits())
        return false;
    platform::WaitCursor wait;
    return doc_.save(doc_.pathName());
}

bool CMainFrame::saveDocumentAs()
{
    if (!doc_.isLoaded() || !views_->commitPendingEdits())
        return false;
    const QString path = files_->saveFileName(this, tr("Save As"), doc_.pathName(),
                                              tr("SNES ROM images (*.smc *.sfc);;All Files (*)"));
    if (path.isEmpty())
        return false;
    bool saved = false;
    {
        platform::WaitCursor wait;
        saved = doc_.save(path);
    }
    if (saved) {
        recent_.add(path);
        updateRecentMenu();
    }
    return saved;
}

bool CMainFrame::runDocument()
{
    if (!doc_.isLoaded() || !views_->commitPendingEdits())
        return false;
    // What runs is the file on disk, as a player of the patch would get it.
    if (doc_.isModified()) {
        QString name = doc_.title();
        if (name.endsWith(QLatin1Char('*')))
            name.chop(1);
        switch (runPrompt_(name)) {
        case SaveChoice::Save:
            if (!saveDocument())
                return false;
            break;
        case SaveChoice::Discard: break;
        case SaveChoice::Cancel: return false;
        }
    }
    if (!runWindow_)
        runWindow_ = std::make_unique<CRunWindow>(settings_.play, messages_);
    runWindow_->setFileChooser(*files_);
    if (!runWindow_->start(doc_.pathName())) {
        runWindow_->close();
        return false;
    }
    runWindow_->show();
    runWindow_->raise();
    runWindow_->activateWindow();
    return true;
}

void CMainFrame::chooseEmulatorCore()
{
    CEmulatorCoreDialog dialog(settings_.play.corePath, this);
    if (dialog.exec() == QDialog::Accepted)
        settings_.play.corePath = dialog.corePath();
}

void CMainFrame::editEmulatorKeys()
{
    CPadKeysDialog dialog(settings_.play.keys, this);
    if (dialog.exec() == QDialog::Accepted)
        settings_.play.keys = dialog.keys();
}

void CMainFrame::showWorldMapCell(int map, QPoint cell)
{
    const WorldMap* record = worldMapOf(doc_, map);
    if (!record)
        return;
    const RecordRef subject(RecordKind::MapCell, map, cell.y() * record->width + cell.x());
    CTabbedFrame* opened = views_->openAt(subject);
    if (!opened)
        return;
    opened->initialUpdate();
    // A window just opened learns its size once it is laid out: the cell is centred again then.
    for (CEditorView* view : opened->views())
        QMetaObject::invokeMethod(view, [view, subject] { view->message(WM_SETSUBJECT, subject); }, Qt::QueuedConnection);
}

void CMainFrame::showSubject(const RecordRef& subject)
{
    if (CTabbedFrame* opened = views_->openAt(subject))
        opened->initialUpdate();
}

void CMainFrame::chooseAndOpen()
{
    const QString start = recent_.files().isEmpty() ? QString() : QFileInfo(recent_.files().first()).path();
    const QString path = files_->openFileName(this, tr("Open"), start, tr("All Files (*)"));
    if (!path.isEmpty())
        openDocument(path);
}

void CMainFrame::showHelp()
{
    auto* help = findChild<CHelpWindow*>();
    if (!help)
        help = new CHelpWindow(this);
    help->show();
    help->raise();
    help->activateWindow();
}

void CMainFrame::showAbout()
{
    CAboutBox box(this, &messages_);
    box.exec();
}

void CMainFrame::applyPlacement()
{
    const WindowSpec& placement = settings_.mainWindow;
    QRect outer;
    if (placement.hasPosition())
        outer = QRect(placement.left, placement.top, placement.right - placement.left, placement.bottom - placement.top);
    if (outer.isEmpty()) {
        // A first run: centred on the main screen.
        outer = windowfit::centredIn(kFirstRunSize, platform::availableAreaFor(QRect()));
    } else if (!platform::liesOnAScreen(outer)) {
        // Stored on a screen that is gone: centred on the main one.
        outer = windowfit::centredIn(outer.size(), platform::availableAreaFor(QRect()));
    }
    platform::placeFrame(*this, outer);
}

void CMainFrame::storePlacement()
{
    WindowSpec& placement = settings_.mainWindow;
    placement.setRect(platform::normalFrameGeometry(*this));
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
    if (runWindow_)
        runWindow_->close();
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

}  // namespace tessel
