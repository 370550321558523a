#pragma once

#include "text/pofile.h"

#include <QString>
#include <QStringList>

#include <vector>

namespace tessel {

class CFF3Doc;

// The game text translators work on, as PO entries: every dialogue message
// ("dialogue 0005") and every name the editors edit ("item 3", "spell 7",
// "esper 2", "monster 10"), the text in the form the editors show it.
namespace textcatalog {

// Every non-empty message and name, translation empty, each with a
// comment giving its limit and the tags it uses.
std::vector<PoEntry> entries(const CFF3Doc& doc);

// The whole export: a PO file of entries(doc).
bool write(const CFF3Doc& doc, QByteArray* file, QString* error);

struct ImportSummary {
    int messages = 0;  // translated messages taken
    int names = 0;     // translated names taken
    int fuzzy = 0;     // fuzzy entries left out
    int changed = 0;   // of the messages and names taken, those that differ

    // "3 messages and 1 name applied, 1 fuzzy entry skipped."
    QString text() const;
};

// Applies every translated entry that is not fuzzy, found by its context.
// All or nothing: when any entry cannot be stored, returns false with each
// fault as "line 12: ..." and changes nothing. Otherwise the changes are
// one step of the undo stack ("Import Text"), or none when nothing differs.
bool apply(CFF3Doc& doc, const std::vector<PoEntry>& entries, ImportSummary* summary, QStringList* errors);

// Reads a PO file and applies it as above.
bool import(CFF3Doc& doc, const QByteArray& file, ImportSummary* summary, QStringList* errors);

}  // namespace textcatalog

}  // namespace tessel
