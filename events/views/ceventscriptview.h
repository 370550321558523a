#pragma once

#include "events/positionhistory.h"
#include "rom/romaddress.h"
#include "uikit/ceditorview.h"

class QAction;
class QDockWidget;
class QLabel;
class QLineEdit;
class QTableView;
class QTreeWidget;
class QTreeWidgetItem;

namespace tessel {

class EventScriptModel;
struct DocumentChange;

// The whole event-script listing in one virtual table: find (Ctrl+F, F3,
// Shift+F3, Find All into a dock that shows once it has results), go to
// an address (Ctrl+G), follow a command's branch, call or jump (Enter or a
// click on its text) and walk back and forward (Alt+Left, Alt+Right, the
// mouse's side buttons). The message lines follow edits of the dialogue.
// Double-clicking a dialogue command's message asks for the dialogue
// editor at that message. "Edit Operands..." (F2 or the context menu)
// changes a command's operands in place.
class CEventScriptView : public CEditorView {
    Q_OBJECT

public:
    CEventScriptView(CFF3Doc& doc, QWidget* parent = nullptr);

    RecordKind subjectKind() const override { return RecordKind::Event; }
    // Selects and scrolls to the entry holding the subject's address.
    void setSubject(const RecordRef& subject) override;

    QList<QAction*> editActions() override;
    QList<QDockWidget*> dockWidgets() override;
    QList<QWidget*> statusWidgets() override;

    QTableView* table() const { return table_; }
    EventScriptModel* model() const { return model_; }
    QLineEdit* findEdit() const { return findEdit_; }
    QWidget* findBar() const { return findBar_; }
    QTreeWidget* findResults() const { return results_; }
    QDockWidget* findResultsDock() const { return resultsDock_; }
    // What the last Find All found, in the frame's status bar.
    QLabel* findStatus() const { return findStatus_; }
    // The entry of the current row (-1 for none) and its address.
    int currentEntry() const;
    SnesAddress currentAddress() const;

    // Goes to an address typed as text; a text that is no address or one
    // outside the script area is refused with a message.
    bool goToAddressText(const QString& text);
    // Asks for an address and goes there.
    void goToAddress();
    void showFindBar();
    bool findNext();
    bool findPrevious();
    // Lists every matching entry in the results dock.
    int findAll();
    // Goes to the first script address the current command refers to.
    bool followLink();
    bool goBack();
    bool goForward();
    // Opens the operands dialog for the current entry.
    void editOperands();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void reload();
    void onChanged(const DocumentChange& change);
    // Selects the entry; with `remember`, Back returns to where the view was.
    void goToEntry(int entry, bool remember);
    bool find(bool forward);
    void activateRow(const QModelIndex& index);
    void openResult(QTreeWidgetItem* item);
    void updateHistoryActions();
    void showContextMenu(const QPoint& at);

    EventScriptModel* model_;
    QTableView* table_;
    QWidget* findBar_;
    QLineEdit* findEdit_;
    QDockWidget* resultsDock_;
    QTreeWidget* results_;
    QLabel* findStatus_;
    QAction* findAction_;
    QAction* findNextAction_;
    QAction* findPreviousAction_;
    QAction* findAllAction_;
    QAction* goToAction_;
    QAction* backAction_;
    QAction* forwardAction_;
    QAction* followAction_;
    QAction* editOperandsAction_;
    events::PositionHistory<SnesAddress> history_;
    // Where the view was when a reload was asked for, kept while it waits.
    struct Place {
        SnesAddress address = 0;
        int top = 0;  // the scroll position
        int rows = 0;
    };
    void rememberPlace();
    Place place_;
    bool reloadPending_ = false;
};

}  // namespace tessel
