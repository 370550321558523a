#pragma once

#include "platform/gui/filechooser.h"
#include "rom/recordref.h"
#include "shell/crecoveryofferdialog.h"

#include <QMainWindow>

#include <functional>
#include <memory>

class QAction;
class QMenu;
class QToolBar;

namespace tessel {

class CFF3Doc;
class CRunWindow;
class CSettings;
class CWorkspaceView;
class DocumentViews;
class MapViewSettings;
class RecentFileList;
class RecoveryKeeper;

namespace textfiledialogs {
struct Context;
}

namespace platform {
class MessageService;
}

// The main window: the workspace tree, the File/View/Options/Help menus,
// the recent files, the status bar, and the questions around unsaved
// changes.
class CMainFrame : public QMainWindow {
    Q_OBJECT

public:
    enum class SaveChoice { Save, Discard, Cancel };
    using SavePrompt = std::function<SaveChoice(const QString& documentName)>;

    CMainFrame(CFF3Doc& doc, CSettings& settings, RecentFileList& recent, platform::MessageService& messages);
    ~CMainFrame() override;

    // Each asks about unsaved changes first; false when cancelled or failed.
    bool openDocument(const QString& path);
    // Opens the document's file again, dropping unsaved changes without a
    // question (the caller has asked).
    bool reopenDocument();
    bool newDocument();
    bool saveDocument();
    // File > Save As: asks for a file, writes the document there and goes
    // on with that file. False when cancelled or failed.
    bool saveDocumentAs();
    // Asks whether to save a modified document; true when the caller may
    // go on (saved, discarded, or nothing to save).
    bool saveModified();
    // Run: saves first when the document is modified (asking), then runs
    // the file as it lies on disk in the Run window. False when cancelled
    // or when the run could not start.
    bool runDocument();

    // Replace the Save/Discard/Cancel questions (tests): before opening
    // another file, and before a run (Discard: run the file as saved).
    void setSavePrompt(SavePrompt prompt) { savePrompt_ = std::move(prompt); }
    // Replaces the system's file dialogs (tests); not owned.
    void setFileChooser(platform::FileChooser* files) { files_ = files ? files : &systemFiles_; }

    platform::MessageService& messages() const { return messages_; }
    platform::FileChooser& fileChooser() const { return *files_; }
    void setRunPrompt(SavePrompt prompt) { runPrompt_ = std::move(prompt); }

    // Replaces the offer of a recovery copy (tests).
    using RecoveryPrompt = std::function<RecoveryChoice(const RecoveryCopy& copy)>;
    void setRecoveryPrompt(RecoveryPrompt prompt) { recoveryPrompt_ = std::move(prompt); }
    RecoveryKeeper& recoveryKeeper() const { return *recovery_; }
    // At a start without a file: offers each recovery copy, newest first,
    // until one is recovered or opened as saved, or the offer is cancelled.
    void offerRecoveryCopies();

    CWorkspaceView* workspace() const { return workspace_; }
    // The Run window, once a run has been started.
    CRunWindow* runWindow() const { return runWindow_.get(); }
    DocumentViews& editorViews() const { return *views_; }

    // Places the window from MainWindowSpecs / stores its normal rectangle
    // there. The rectangle is the outer one, frame and title bar included;
    // it is fitted into the screen's available area, and a first run (none
    // stored) centres the window on the main screen.
    void applyPlacement();
    void storePlacement();

protected:
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    bool openWithoutAsking(const QString& path);
    // Opens the file as saved, without asking about a recovery copy.
    bool openFile(const QString& path);
    // Opens the recovered image of the copy in place of the document and
    // the frames that were open; a damaged copy is refused and kept.
    bool recoverCopy(const RecoveryCopy& offered);
    void buildMenus();
    void buildOptionsMenu();
    void applySaveOptions();
    // What File > Export Text and Import Text work with.
    textfiledialogs::Context textFileContext();
    void updateTitle();
    // Says once, after an open, that the file holds other tools' data past
    // the image, which every save keeps.
    void noteForeignData();
    void updateRecentMenu();
    void chooseAndOpen();
    // Opens or activates the window of world map `map` and shows the cell there.
    void showWorldMapCell(int map, QPoint cell);
    // Opens the editor of the subject at it (in its open frame when there is one).
    void showSubject(const RecordRef& subject);
    void showAbout();
    void showHelp();
    void chooseEmulatorCore();
    void editEmulatorKeys();

    CFF3Doc& doc_;
    CSettings& settings_;
    RecentFileList& recent_;
    platform::MessageService& messages_;
    DocumentViews* views_;
    CWorkspaceView* workspace_;
    QMenu* fileMenu_ = nullptr;
    QAction* saveAction_ = nullptr;
    QAction* saveAsAction_ = nullptr;
    QAction* compareAction_ = nullptr;
    QAction* createPatchAction_ = nullptr;
    QAction* restoreBackupAction_ = nullptr;
    QAction* exportTextAction_ = nullptr;
    QAction* importTextAction_ = nullptr;
    QAction* runAction_ = nullptr;
    QAction* recentSeparator_ = nullptr;
    QAction* exitAction_ = nullptr;
    QList<QAction*> recentActions_;
    QToolBar* toolBar_ = nullptr;
    MapViewSettings* mapSettings_;
    SavePrompt savePrompt_;
    platform::FileChooser systemFiles_;
    platform::FileChooser* files_ = &systemFiles_;
    SavePrompt runPrompt_;
    RecoveryPrompt recoveryPrompt_;
    RecoveryKeeper* recovery_;
    std::unique_ptr<CRunWindow> runWindow_;
};

}  // namespace tessel
