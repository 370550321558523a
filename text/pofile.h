#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <vector>

namespace tessel {

// One entry of a gettext PO file: its context, the source text, the
// translation and the comment for translators ("#." lines).
struct PoEntry {
    QString context;
    QString source;
    QString translation;
    QString comment;
    bool fuzzy = false;
    // The entry's first line in the file it was read from (from 1).
    int line = 0;
};

// PO files read and written by GNU gettext's own library, so that every
// tool of the gettext family reads what is written here and the other way
// round.
namespace pofile {

// A whole PO file in UTF-8 with a header and the entries in order, their
// translations as given. False, with the library's reason, on failure.
bool write(const std::vector<PoEntry>& entries, QByteArray* file, QString* error);

// The entries of a PO file, the header and obsolete ("#~") entries left
// out. On a file the library refuses, false with every fault in `errors`
// ("line 12: ...").
bool read(const QByteArray& file, std::vector<PoEntry>* entries, QStringList* errors);

}  // namespace pofile

}  // namespace tessel
