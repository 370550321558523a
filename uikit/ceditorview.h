#pragma once

#include "platform/messageservice.h"
#include "rom/recordref.h"

#include <QList>
#include <QWidget>

class QAction;
class QDockWidget;
class QMenu;
class QToolBar;

namespace tessel {

class CFF3Doc;

namespace platform {
class FileChooser;
}

// The two private messages between frames and editor views. Views answer
// them through queryShows() and setSubject(); message() dispatches by id.
inline constexpr quint32 WM_QUERYSHOWS = 0x464;
inline constexpr quint32 WM_SETSUBJECT = 0x8400;

// Base of every editor view: a widget on the document that can tell whether
// it shows a subject, so an area opens only once, and that shows a subject
// when asked to: a new frame's views learn their subject so, and "open the
// editor at this record" selects the record in the view that shows it.
class CEditorView : public QWidget {
    Q_OBJECT

public:
    CEditorView(CFF3Doc& doc, QWidget* parent = nullptr);

    CFF3Doc& document() const { return doc_; }

    // The kind of record the view shows (None when it shows none).
    virtual RecordKind subjectKind() const { return RecordKind::None; }
    // Whether the view shows the subject; by default any record of its kind.
    virtual bool queryShows(const RecordRef& subject) const;
    // Shows the subject (selects the record); subjects of other kinds are ignored.
    virtual void setSubject(const RecordRef& subject);

    // WM_QUERYSHOWS answers whether the view shows the subject;
    // WM_SETSUBJECT shows it; unknown messages answer false.
    bool message(quint32 id, const RecordRef& subject);

    // Writes what the user typed but did not apply yet into the document,
    // before the selection moves on or a save, run or patch starts. False
    // when the user chose to stay and correct it: the caller then stops.
    virtual bool commitPendingEdits() { return true; }

    // What the view adds to its frame while it is the active tab: actions
    // below Undo and Redo in the Edit menu, and menus of its own after Edit
    // (Tools, View). The view owns them.
    virtual QList<QAction*> editActions() { return {}; }
    virtual QList<QMenu*> menus() { return {}; }
    // Tool bars after the frame's own, tool windows docked in the frame and
    // widgets at the right of its status bar, shown while the view is the
    // active tab. The view owns them too. A tool window goes to the dock
    // area its property kDockAreaProperty names (a Qt::DockWidgetArea; the
    // right one when it has none).
    static constexpr char kDockAreaProperty[] = "dockArea";
    virtual QList<QToolBar*> toolBars() { return {}; }
    virtual QList<QDockWidget*> dockWidgets() { return {}; }
    virtual QList<QWidget*> statusWidgets() { return {}; }

    // A message box through the document's message service (recorded in
    // tests), or a plain one when the document has none. Tool windows of
    // the view show theirs through it too.
    void showMessage(const QString& text, const QString& caption, platform::MessageIcon icon) const;
    // Questions the same way: Yes / No, and Discard / Cancel.
    bool askYesNo(const QString& text, const QString& caption) const;
    bool askDiscard(const QString& text, const QString& caption) const;
    // One of several answers (button texts); -1 for Cancel.
    int askChoice(const QString& text, const QString& caption, const QStringList& choices) const;

    // The file dialogs the view asks through (not owned; the system's until
    // set, answered from a list in tests).
    virtual void setFileChooser(platform::FileChooser* files) { files_ = files; }
    platform::FileChooser& fileChooser() const;

    // Passes on the "Go to" requests of the view's name pickers (property
    // lists and name slots) as its own subjectRequested.
    void forwardGoToRequests();

signals:
    // Another editor should show this (the user of a record in its
    // References list, the message of a dialogue command...).
    void subjectRequested(const RecordRef& subject);

private:
    CFF3Doc& doc_;
    platform::FileChooser* files_ = nullptr;
};

}  // namespace tessel
