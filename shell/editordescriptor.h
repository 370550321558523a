#pragma once

#include "rom/recordref.h"

#include <QString>

#include <functional>
#include <memory>
#include <vector>

namespace tessel {

class CFF3Doc;
class CTabbedViewGroup;

// One item of the workspace tree: its text and the subject its editor
// opens at.
struct TreeEntry {
    QString title;
    RecordRef subject;
};

// Everything the shell knows of one editor: where it sits in the workspace
// tree, the frame it opens in (resource id, title), the tabs of that frame
// and the kinds of record it shows. The tree, the frames and "open the
// editor at this record" all read the descriptors; a new editor is one
// descriptor and its views.
struct EditorDescriptor {
    // The frame's resource: its menu, tool bar and title.
    quint32 resourceId = 0;
    // The frame's title.
    QString title;
    // The title of a frame opened at a subject, when it is not `title` (a
    // world map's frame is named after its map); empty: `title`.
    std::function<QString(const CFF3Doc&, const RecordRef&)> subjectTitle;
    // The tree item's text, when it is not the title.
    QString treeTitle;
    // The folder of the tree that holds the items ("World Maps"); empty for the top level.
    QString treeFolder;
    // The kinds of record the frame shows; the first is what the tree item opens.
    std::vector<RecordKind> kinds;
    // The frame's views, one per tab.
    std::function<std::unique_ptr<CTabbedViewGroup>()> makeGroup;
    // The tree items when there are several (one per world map); none: one
    // item about the first kind.
    std::function<std::vector<TreeEntry>(const CFF3Doc&)> treeEntries;

    bool shows(RecordKind kind) const;
    std::vector<TreeEntry> entries(const CFF3Doc& doc) const;
};

}  // namespace tessel
