#pragma once

namespace tessel {

class CEditorView;

// File > "Export Table..." and "Import Table..." of the record editors: the
// table of the records the active view shows, as a CSV or JSON file.
namespace tablefiledialogs {

// Whether the view shows records of a table that has table files.
bool hasTable(const CEditorView& view);
// Asks for a file and writes the view's table to it whole (or not at all).
void exportTable(CEditorView& view);
// Asks for a file of the view's table and applies it as one undo step; bad
// files are refused with the reasons and change nothing.
void importTable(CEditorView& view);

}  // namespace tablefiledialogs

}  // namespace tessel
