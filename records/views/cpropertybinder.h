#pragma once

#include "document/cff3doc.h"
#include "document/propertytable.h"

#include <QObject>
#include <QSet>

#include <functional>
#include <vector>

class QAbstractButton;
class QComboBox;
class QListWidgetItem;
class QSpinBox;
class QTreeWidgetItem;
class QWidget;

namespace tessel {

class GameNameEdit;
class GameNameList;

// Ties the controls of a form to the properties of one record: shows the
// record's values in them, and turns each change the user makes into a
// command on the document's stack (typing into one field is one step).
// Showing a record never writes anything back. The form is shown again
// from the document whenever it changes, so undo, redo and other editors'
// edits appear at once.
class CPropertyBinder : public QObject {
    Q_OBJECT

public:
    CPropertyBinder(CFF3Doc& doc, RecordKind kind, QObject* parent = nullptr);

    // Shows record `index` (-1: none).
    void setRecord(int index);
    int record() const { return record_; }
    // The record's properties as last shown.
    const PropertyList& properties() const { return list_; }
    quint32 value(int id) const;

    // The controls a property is shown in. Number boxes take the field's
    // range; choice boxes are filled with the choice's rows.
    void bindNumber(int id, QSpinBox* box);
    void bindFlag(int id, QAbstractButton* box);
    void bindChoice(int id, QComboBox* box);
    void bindText(int id, GameNameEdit* field);
    // A slot row of a slot-mode name list (its names are the owner's to set).
    void bindNameRow(int id, GameNameList* list, int row);
    // A check mark of a list row, or of one column of a tree row.
    void bindCheck(int id, QListWidgetItem* item);
    void bindCheck(int id, QTreeWidgetItem* item, int column);

    // The property whose control holds `widget` (or is it); -1 for none.
    int propertyAt(const QWidget* widget) const;
    // The group property `id` belongs to; -1 for none.
    int groupOf(int id) const;
    // The properties whose values differ from the file's (shown in bold).
    const QSet<int>& changedProperties() const { return changed_; }

    // Stores a value as the user's edit of property `id`.
    void commit(int id, quint32 value);

signals:
    // The controls show the record as it is now.
    void shown();

private:
    void show();
    void commitEdit(int id, quint32 value, int mergeKey);
    void commitText(int id, const QByteArray& text);
    // Adds a control: `show` puts a property's value into it, `mark` shows
    // whether the value differs from the file's.
    void add(int id, std::function<void(const Property&)> show, QWidget* widget = nullptr,
             std::function<void(bool)> mark = {});

    struct Binding {
        int id;
        std::function<void(const Property&)> show;
        QWidget* widget;
        std::function<void(bool)> mark;
    };

    CFF3Doc& doc_;
    RecordKind kind_;
    int record_ = -1;
    PropertyList list_;
    QSet<int> changed_;
    std::vector<Binding> bindings_;
    bool showing_ = false;
};

}  // namespace tessel
