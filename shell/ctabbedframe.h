#pragma once

#include "rom/recordref.h"

#include <QList>
#include <QMainWindow>
#include <QPointer>

#include <memory>

class QAction;
class QDockWidget;
class QStackedWidget;
class QTabBar;
class QToolBar;

namespace tessel {

class CEditorView;
class CFF3Doc;
class CTabbedViewGroup;
struct EditorDescriptor;

// A top-level editor window of one editor: one view per tab of its group,
// one shown at a time, with its own File menu (Save, Test, Close) and tool bar.
class CTabbedFrame : public QMainWindow {
    Q_OBJECT

public:
    CTabbedFrame(CFF3Doc& doc, const EditorDescriptor& editor);
    ~CTabbedFrame() override;

    // Builds the frame's views and menus; false when the editor has no
    // views (the frame is then unusable).
    bool load();

    const EditorDescriptor& editor() const { return editor_; }
    // The title before " - " and the document's name; the editor's title by default.
    void setFrameTitle(const QString& title);
    quint32 resourceId() const;
    // The subject the frame was opened at, which opens it again.
    const RecordRef& openedAt() const { return openedAt_; }
    void setOpenedAt(const RecordRef& subject) { openedAt_ = subject; }
    const CTabbedViewGroup& group() const { return *group_; }
    QList<CEditorView*> views() const;
    CEditorView* activeView() const { return activeView_; }
    QTabBar* tabBar() const { return tabs_; }

    void selectTab(int index);
    // Selects the first tab whose view shows the subject and has the view
    // show it; false when no view does.
    bool showSubject(const RecordRef& subject);
    // Shows and activates the frame once its views know their subject.
    void initialUpdate();

    QAction* undoAction() const { return undoAction_; }
    QAction* redoAction() const { return redoAction_; }

signals:
    void saveRequested();
    void runRequested();

protected:
    // Text typed in a view goes into the document before the frame closes.
    void closeEvent(QCloseEvent* event) override;

private:
    void buildMenus();
    void updateTitle();
    // Undo and Redo are the document's, named after its stack's steps.
    void updateUndoActions();
    void undo();
    void redo();
    // The Edit menu's lower part, the menus after it, the tool bars after the
    // frame's own, the docked tool windows and the status-bar widgets
    // belong to the active view.
    void showViewMenus();
    void hideViewParts();

    CFF3Doc& doc_;
    const EditorDescriptor& editor_;
    QString frameTitle_;
    RecordRef openedAt_;
    std::unique_ptr<CTabbedViewGroup> group_;
    QTabBar* tabs_ = nullptr;
    QStackedWidget* stack_ = nullptr;
    CEditorView* activeView_ = nullptr;
    QAction* saveAction_ = nullptr;
    QAction* tableSeparator_ = nullptr;
    QAction* exportTableAction_ = nullptr;
    QAction* importTableAction_ = nullptr;
    QMenu* editMenu_ = nullptr;
    QAction* undoAction_ = nullptr;
    QAction* redoAction_ = nullptr;
    QList<QAction*> viewMenuActions_;
    QList<QPointer<QToolBar>> viewToolBars_;
    QList<QPointer<QDockWidget>> viewDocks_;
    QList<QPointer<QWidget>> viewStatusWidgets_;
};

}  // namespace tessel
