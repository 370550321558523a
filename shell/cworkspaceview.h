#pragma once

#include <QTreeWidget>

class CFF3Doc;
class CTabbedFrame;
class DocumentViews;

// The main window's view: the editable areas of the loaded ROM as a tree.
// A double-click opens the area's editor frame or brings it to the front.
class CWorkspaceView : public QTreeWidget {
    Q_OBJECT

public:
    CWorkspaceView(CFF3Doc& doc, DocumentViews& views, QWidget* parent = nullptr);

    // Rebuilds the tree from the document (after open, new and refused open).
    void refresh();

    // Opens or activates the editor of item; returns the new frame, or
    // nullptr when an open frame was activated or nothing opened.
    CTabbedFrame* openItem(QTreeWidgetItem* item);
    // The item that opens the editor of a subject (a world map record), or nullptr.
    QTreeWidgetItem* itemFor(quintptr subject) const;

    static constexpr int kItemRole = Qt::UserRole;

private:
    QTreeWidgetItem* addRoot(const QString& title);

    CFF3Doc& doc_;
    DocumentViews& views_;
};
