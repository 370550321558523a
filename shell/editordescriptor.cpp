#include "shell/editordescriptor.h"

#include <algorithm>

namespace tessel {

bool EditorDescriptor::shows(RecordKind kind) const
{
    return std::find(kinds.begin(), kinds.end(), kind) != kinds.end();
}

std::vector<TreeEntry> EditorDescriptor::entries(const CFF3Doc& doc) const
{
    if (treeEntries)
        return treeEntries(doc);
    return {{treeTitle.isEmpty() ? title : treeTitle, RecordRef(kinds.empty() ? RecordKind::None : kinds.front())}};
}

}  // namespace tessel
