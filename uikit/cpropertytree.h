#pragma once

#include "records/property.h"
#include "uikit/gamenamesource.h"

#include <QSet>
#include <QTreeWidget>

namespace tessel {

class CFF3Doc;
class GameNamePicker;

// The property list of a record: its groups as rows that fold, each
// property a row with its label and value. A click on a value edits it in
// place: a number box, a list of choices, the game-name field (Enter or Tab
// commits, Escape cancels) or the name picker; a flag toggles. The tree
// never changes the record itself: it reports each committed edit, and the
// owner turns it into a command and shows the list again.
//
// Groups the user folded stay folded, by group id, when another list is
// shown; a list with the same rows only has its values replaced.
class CPropertyTree : public QTreeWidget {
    Q_OBJECT

public:
    enum Column { LabelColumn = 0, ValueColumn = 1 };
    // Column 0 data: the property id, or the group id for a group row.
    static constexpr int kIdRole = Qt::UserRole;
    static constexpr int kIsGroupRole = Qt::UserRole + 1;

    explicit CPropertyTree(QWidget* parent = nullptr);
    ~CPropertyTree() override;

    // Gives the menu font that names are drawn with.
    void setDocument(CFF3Doc* doc);
    CFF3Doc* document() const { return doc_; }

    void setProperties(PropertyList list);
    const PropertyList& properties() const { return list_; }
    const Property* property(int id) const { return list_.find(id); }
    QTreeWidgetItem* propertyItem(int id) const;
    QTreeWidgetItem* groupItem(int groupId) const;
    bool isGroupFolded(int groupId) const { return folded_.contains(groupId); }

    // Properties whose values differ from the file's are shown in bold.
    void setChangedProperties(const QSet<int>& ids);
    bool isMarkedChanged(int id) const { return changed_.contains(id); }
    // The property of the current row and its group (-1 for none); on a
    // group row, the group alone.
    int currentPropertyId() const;
    int currentGroupId() const;

    // Edits a property's value as a click on it does.
    void activate(int id);
    // The picker of name choices (null until one was opened).
    GameNamePicker* picker() const { return picker_; }
    // The record a name choice names, which its context menu offers to go
    // to; none for other properties, "none" values and names of no record.
    std::optional<RecordRef> goToTarget(int id) const;

signals:
    void valueCommitted(int id, quint32 value);
    void nameCommitted(int id, const QByteArray& bytes);
    // "Go to" on a name choice: open the editor at that record.
    void subjectRequested(const RecordRef& subject);

protected:
    using QTreeWidget::edit;
    // Only values are edited, never labels.
    bool edit(const QModelIndex& index, EditTrigger trigger, QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    friend class PropertyValueDelegate;
    // Editors report here; the signal follows once the editor has closed,
    // so that the owner may rebuild the rows.
    void commitValue(int id, quint32 value);
    void commitName(int id, const QByteArray& bytes);

    bool hasSameRows(const PropertyList& list) const;
    void rebuild();
    void refreshValues();
    void openPicker(const Property& p);
    int idOf(const QTreeWidgetItem* item) const;
    void markChanged();

    CFF3Doc* doc_ = nullptr;
    PropertyList list_;
    QSet<int> folded_;
    QSet<int> changed_;
    bool rebuilding_ = false;
    GameNameSource pickerSource_;
    GameNamePicker* picker_ = nullptr;
    int pickingId_ = -1;
};

}  // namespace tessel
