#pragma once

#include <QMainWindow>

#include <functional>

class CFF3Doc;
class CSettings;
class CWorkspaceView;
class DocumentViews;
class MapViewSettings;
class RecentFileList;
class QAction;
class QMenu;
class QToolBar;

namespace platform {
class MessageService;
}

// The main window: the workspace tree, the File/View/Help menus, the
// recent files, the status bar, and the questions around unsaved changes.
class CMainFrame : public QMainWindow {
    Q_OBJECT

public:
    enum class SaveChoice { Save, Discard, Cancel };
    using SavePrompt = std::function<SaveChoice(const QString& documentName)>;

    CMainFrame(CFF3Doc& doc, CSettings& settings, RecentFileList& recent, platform::MessageService& messages);
    ~CMainFrame() override;

    // Each asks about unsaved changes first; false when cancelled or failed.
    bool openDocument(const QString& path);
    bool newDocument();
    bool saveDocument();
    // Asks whether to save a modified document; true when the caller may
    // go on (saved, discarded, or nothing to save).
    bool saveModified();

    // Replaces the Save/Discard/Cancel question (tests).
    void setSavePrompt(SavePrompt prompt) { savePrompt_ = std::move(prompt); }

    CWorkspaceView* workspace() const { return workspace_; }
    DocumentViews& editorViews() const { return *views_; }

    // Places the window from MainWindowSpecs / stores its normal rectangle
    // there. The rectangle is the geometry Qt restores exactly (without the
    // window system's frame), so a position round-trips on every desktop.
    void applyPlacement();
    void storePlacement();

protected:
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void buildMenus();
    void updateTitle();
    void updateRecentMenu();
    void chooseAndOpen();
    void showAbout();

    CFF3Doc& doc_;
    CSettings& settings_;
    RecentFileList& recent_;
    platform::MessageService& messages_;
    DocumentViews* views_;
    CWorkspaceView* workspace_;
    QMenu* fileMenu_ = nullptr;
    QAction* saveAction_ = nullptr;
    QAction* recentSeparator_ = nullptr;
    QAction* exitAction_ = nullptr;
    QList<QAction*> recentActions_;
    QToolBar* toolBar_ = nullptr;
    MapViewSettings* mapSettings_;
    SavePrompt savePrompt_;
};
