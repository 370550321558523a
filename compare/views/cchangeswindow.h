#pragma once

#include "compare/romchange.h"

#include <QDialog>

class QDialogButtonBox;
class QLabel;
class QLineEdit;
class QTreeWidget;
class QTreeWidgetItem;

namespace tessel {

// The "Changes" window: the differences between two ROM files as a tree
// grouped by area, each area with its count, and a filter box that keeps
// the changes whose texts hold every word typed. Double-clicking a change
// asks for its record, message, map cell or event address to be opened.
// To confirm what a patch does, it has a button that accepts (Apply,
// Create) beside Cancel; to browse, Close only.
class CChangesWindow : public QDialog {
    Q_OBJECT

public:
    // `acceptText` empty: a window to browse, with Close.
    CChangesWindow(RomChanges changes, const QString& heading, const QString& acceptText = QString(),
                   QWidget* parent = nullptr);

    const RomChanges& changes() const { return changes_; }
    QTreeWidget* tree() const { return tree_; }
    QLineEdit* filterBox() const { return filter_; }
    QDialogButtonBox* buttons() const { return buttons_; }

signals:
    void subjectRequested(const RecordRef& subject);

private:
    void fill();
    void applyFilter(const QString& text);
    void openChange(QTreeWidgetItem* item);

    RomChanges changes_;
    QLabel* heading_;
    QLineEdit* filter_;
    QTreeWidget* tree_;
    QDialogButtonBox* buttons_;
};

}  // namespace tessel
