#pragma once

class QAction;
class QMainWindow;

namespace tessel {

class CFF3Doc;

// Edit > "History": a dock listing the document's undo stack, hidden until
// asked for; clicking an entry undoes or redoes to it through the
// document's own Undo and Redo, so open edits are finished first. Returns
// the menu's checkable action, which shows and hides the dock.
QAction* addHistoryDock(QMainWindow& frame, CFF3Doc& doc);

}  // namespace tessel
