#pragma once

#include "rom/recordref.h"

#include <QList>
#include <QObject>

#include <functional>

class QAction;

namespace tessel {

class CEditorView;
class CPropertyBinder;

// The record commands a record editor adds to its Edit menu: Copy Record
// and Paste Record through the clipboard, and Revert Record and Revert
// Field back to the values the file holds. Each change is one step on the
// document's undo stack.
class RecordCopyActions : public QObject {
    Q_OBJECT

public:
    // Where the user is in the editor: the record shown, and the group and
    // field of the property in hand (-1 for none).
    struct Place {
        int record = -1;
        int group = -1;
        int field = -1;
    };

    RecordCopyActions(CEditorView& view, RecordKind kind, std::function<Place()> place);
    // For a form: the record is the binder's, the field the focused control's.
    static RecordCopyActions* forBinder(CEditorView& view, RecordKind kind, CPropertyBinder& binder);

    QList<QAction*> actions() const { return {copy_, paste_, revertRecord_, revertField_}; }
    QAction* copyAction() const { return copy_; }
    QAction* pasteAction() const { return paste_; }
    QAction* revertRecordAction() const { return revertRecord_; }
    QAction* revertFieldAction() const { return revertField_; }

    void copyRecord();
    // Asks whether to paste all fields or those of the current group.
    void pasteRecord();
    void revertRecord();
    void revertField();
    // Enables the commands for the place the user is at now; the editor
    // calls it when the record or the property in hand changes.
    void updateActions();

private:
    CEditorView& view_;
    RecordKind kind_;
    std::function<Place()> place_;
    QAction* copy_;
    QAction* paste_;
    QAction* revertRecord_;
    QAction* revertField_;
};

}  // namespace tessel
