#pragma once

#include "document/propertytable.h"

#include <QJsonValue>
#include <QStringList>

#include <vector>

namespace tessel {

// What the table files (JSON and CSV) share: how a property's value is
// written, and how the values a file gives for one record are checked and
// applied to copies of its bytes, then stored as one undo step.
namespace tablefields {

struct ImportResult {
    QStringList errors;     // one line per bad value; nothing is changed when any
    int changedRecords = 0;
};

// The most a table file may hold (the largest export is well under 1 MB);
// a larger file is refused before it is read whole.
inline constexpr qint64 kMaxFileSize = 16 * 1024 * 1024;
// How many error lines a report lists before it only counts the rest.
inline constexpr int kMaxReportedErrors = 20;

// Whether a file of `length` bytes may be a table file; the reason when not.
bool checkFileSize(qint64 length, QString* error);
// The lines of an error report: the first kMaxReportedErrors errors, then
// "and N more" for the rest.
QStringList reportLines(const QStringList& errors);

// A value as a table file writes it: a number, true/false, a choice's
// text, a name as plain text. A text that stands for more than one value
// is written as the number.
QJsonValue exportValue(const Property& p);
// The same as the text of a CSV cell.
QString exportText(const Property& p);
// A value in JSON's own spelling.
QByteArray jsonText(const QJsonValue& v);

// A value a file gives for a field of a record. `where` is how messages
// name the place ("Item 5, General / Name"). A cell's text (`isText`) is
// read the way its field reads text: a name, a choice's text or a number.
struct FieldValue {
    QString group;
    QString key;
    QJsonValue value;
    QString where;
    bool isText = false;
};

// One record's bytes as a file leaves them, starting from the document's.
class RecordEdit {
public:
    RecordEdit(const PropertyTable& table, int index);

    int index() const { return index_; }
    QByteArray name;
    QByteArray record;

    // Applies every value that differs from what the bytes show. A type
    // change can bring in fields the old type lacked: each pass takes the
    // list of the record as the passes before left it. Appends "where:
    // why" for each bad value; true when there was none.
    bool apply(std::vector<FieldValue> values, QStringList* errors);

private:
    void applyOne(const Property& p, const FieldValue& f, QStringList* errors);

    const PropertyTable& table_;
    int index_;
};

// The message for a file that holds another table than the one asked for.
QString otherTableMessage(CFF3Doc& doc, const PropertyTable& file, RecordKind asked);

// Stores the edits whose bytes differ from the document's as one macro
// ("Import Items"); returns how many records changed.
int commit(CFF3Doc& doc, const PropertyTable& table, const std::vector<RecordEdit>& edits);

}  // namespace tablefields

}  // namespace tessel
