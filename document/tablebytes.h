#pragma once

#include "rom/recordref.h"

#include <QtGlobal>

#include <functional>
#include <span>

namespace tessel {

class DocumentPart;

// A run of bytes of one of the document's parts, as a command sees it: the
// record that views are told about, and a function that finds the bytes
// again each time the command runs, so that no command keeps a pointer into
// a table that may have been reallocated since.
struct TableBytes {
    using Locator = std::function<std::span<quint8>()>;

    const DocumentPart* part = nullptr;
    RecordRef ref;
    // Tells apart runs of one record (a name and a record, a glyph and its
    // width), so that edits of one never merge with edits of the other.
    int run = 0;
    // The field of the record the run shows, for change notices (-1: any).
    int field = -1;
    Locator locate = [] { return std::span<quint8>(); };
    // Another record that shows the same bytes (spell 54 + n's name is
    // esper n's): views of it are told of changes too.
    RecordRef alias;

    // count bytes from offset of `run`, or nothing when they do not all lie in it.
    static std::span<quint8> slice(std::span<quint8> run, qsizetype offset, qsizetype count);
};

}  // namespace tessel
