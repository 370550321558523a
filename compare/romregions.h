#pragma once

#include <QByteArray>
#include <QString>

#include <vector>

namespace tessel {

class CFF3Doc;

// Where things lie in a ROM file, in file offsets (copier header counted),
// for the comparison of bytes: the areas a part of the document decodes,
// whose differences are told by meaning, and names for the rest.
namespace romregions {

struct FileRange {
    qint64 start = 0;
    qint64 end = 0;  // first offset past the range
};

// The byte ranges the document's parts decode in `file` (the file the
// document was opened from): record tables, dialogue and its pointers,
// fonts, world maps and their blocks wherever they lie, triggers, the
// event scripts, Tessel's own data past the image. Sorted and merged.
std::vector<FileRange> decodedRanges(const CFF3Doc& doc, const QByteArray& file);

// Sorts the ranges and joins those that overlap or touch.
void merge(std::vector<FileRange>& ranges);

// The region an undecoded byte lies in: "header", "editor flags",
// "internal header", "expansion area" or "unknown"; and the first offset
// past `offset` where the region may change.
QString regionAt(qint64 offset, qint64* regionEnd);

}  // namespace romregions

}  // namespace tessel
