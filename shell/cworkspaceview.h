#pragma once

#include "rom/recordref.h"

#include <QTreeWidget>

namespace tessel {

class CFF3Doc;
class CTabbedFrame;
class DocumentViews;
class EditorRegistry;

// The main window's view: the editable areas of the loaded ROM as a tree,
// one item per editor (one per world map) as the editor registry lists
// them. A double-click or Enter opens the item's editor frame or brings it
// to the front.
class CWorkspaceView : public QTreeWidget {
    Q_OBJECT

public:
    CWorkspaceView(CFF3Doc& doc, DocumentViews& views, QWidget* parent = nullptr);

    // Rebuilds the tree from the document (after open, new and refused open).
    void refresh();

    // Opens or activates the editor of item; returns the new frame, or
    // nullptr when an open frame was activated or nothing opened.
    CTabbedFrame* openItem(QTreeWidgetItem* item);
    // The item that opens the editor of a subject, or nullptr.
    QTreeWidgetItem* itemFor(const RecordRef& subject) const;

    static constexpr int kItemRole = Qt::UserRole;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    QTreeWidgetItem* addRoot(const QString& title);

    CFF3Doc& doc_;
    DocumentViews& views_;
};

}  // namespace tessel
