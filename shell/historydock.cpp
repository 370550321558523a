#include "shell/historydock.h"

#include "document/cff3doc.h"

#include <QAction>
#include <QCoreApplication>
#include <QDockWidget>
#include <QMainWindow>
#include <QMouseEvent>
#include <QUndoStack>
#include <QUndoView>

namespace tessel {

namespace {

// Turns a click on an entry into steps of the document's Undo or Redo
// (the view alone would move the stack past any open edit).
class HistoryClicks : public QObject {
public:
    HistoryClicks(QUndoView* view, CFF3Doc& doc) : QObject(view), view_(view), doc_(doc) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::MouseButtonPress && event->type() != QEvent::MouseButtonDblClick)
            return QObject::eventFilter(watched, event);
        const QModelIndex at = view_->indexAt(static_cast<QMouseEvent*>(event)->position().toPoint());
        if (at.isValid())
            goTo(at.row());
        return true;
    }

private:
    void goTo(int target)
    {
        QUndoStack* stack = doc_.undoStack();
        // An undo that only puts a floating block back moves no index: a
        // bounded number of tries, not a test for progress.
        for (int tries = stack->count() + 2; tries > 0 && stack->index() > target && stack->canUndo(); --tries)
            doc_.undo();
        for (int tries = stack->count() + 2; tries > 0 && stack->index() < target && stack->canRedo(); --tries)
            doc_.redo();
    }

    QUndoView* view_;
    CFF3Doc& doc_;
};

}  // namespace

QAction* addHistoryDock(QMainWindow& frame, CFF3Doc& doc)
{
    auto* dock = new QDockWidget(QCoreApplication::translate("HistoryDock", "History"), &frame);
    dock->setObjectName(QStringLiteral("historyDock"));
    auto* view = new QUndoView(doc.undoStack(), dock);
    view->setObjectName(QStringLiteral("history"));
    view->setEmptyLabel(QCoreApplication::translate("HistoryDock", "<opened>"));
    view->setFocusPolicy(Qt::NoFocus);
    view->viewport()->installEventFilter(new HistoryClicks(view, doc));
    dock->setWidget(view);
    frame.addDockWidget(Qt::RightDockWidgetArea, dock);
    dock->hide();
    QAction* toggle = dock->toggleViewAction();
    toggle->setText(QCoreApplication::translate("HistoryDock", "History"));
    toggle->setObjectName(QStringLiteral("actionHistory"));
    toggle->setStatusTip(QCoreApplication::translate("HistoryDock", "Show every step of the undo list; click one to go there"));
    return toggle;
}

}  // namespace tessel
