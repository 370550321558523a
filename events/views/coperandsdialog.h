#pragma once

#include "events/commandoperands.h"
#include "rom/recordref.h"

#include <QDialog>

#include <optional>

class QLabel;

namespace tessel {

class CFF3Doc;

// Edits the operands of one entry of the script listing in place: a row per
// field (spin box, check box, name picker or hexadecimal byte) and the
// command's new listing text as a preview. OK stores the new bytes as one
// step on the document's undo stack, or says why the script part refuses
// them and stays open.
class COperandsDialog : public QDialog {
    Q_OBJECT

public:
    COperandsDialog(CFF3Doc& doc, int entry, QWidget* parent = nullptr);

    // The entry's bytes as the fields now give them; none, with the reason,
    // when a field does not hold a value in its range.
    std::optional<QByteArray> newBytes(QString* error) const;
    QLabel* preview() const { return preview_; }
    // The editor of each field, in the order of the fields.
    QList<QWidget*> editors() const;

    void accept() override;

    // The record a field names, as its "Go to" button would open it: items,
    // espers, shops and messages; none for other fields.
    std::optional<RecordRef> goToTarget(int field) const;
    // After the dialog closed through a "Go to" button: the record to show.
    std::optional<RecordRef> goToSubject() const { return goTo_; }

private:
    struct Row {
        events::OperandField field;
        QWidget* editor;
    };

    QWidget* makeEditor(const events::OperandField& field);
    QWidget* withGoToButton(int field, QWidget* editor);
    void goTo(int field);
    std::optional<int> valueOf(const Row& row, QString* error) const;
    void updatePreview();
    void showMessage(const QString& text) const;

    CFF3Doc& doc_;
    events::EntryKind kind_;
    SnesAddress address_;
    QByteArray bytes_;
    QList<Row> rows_;
    QLabel* preview_;
    std::optional<RecordRef> goTo_;
};

}  // namespace tessel
