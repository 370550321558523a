#pragma once

#include "rom/recordref.h"

#include <QByteArray>
#include <QString>

#include <optional>
#include <vector>

namespace tessel {

// The names a "name choice" offers, by index: fixed-width fields of game
// text, copied from the document when a property list is built.
class NameTable {
public:
    // `kind` is the kind of record the names name, for "Go to"; None for
    // names that no editor shows as a record.
    NameTable(int width, std::vector<QByteArray> names, RecordKind kind = RecordKind::None);

    int width() const { return width_; }
    RecordKind kind() const { return kind_; }
    int count() const { return int(names_.size()); }
    bool contains(int index) const { return index >= 0 && index < count(); }
    // The name's bytes; an index out of the table has none.
    QByteArray bytes(int index) const { return contains(index) ? names_[std::size_t(index)] : QByteArray(); }
    // The name as plain text (menutext::PlainName).
    QString text(int index) const { return contains(index) ? texts_[std::size_t(index)] : QString(); }
    // The index of the only name with this plain text; none when no name
    // or several have it.
    std::optional<int> uniqueIndexOf(const QString& text) const;

private:
    int width_;
    RecordKind kind_;
    std::vector<QByteArray> names_;
    std::vector<QString> texts_;
};

}  // namespace tessel
