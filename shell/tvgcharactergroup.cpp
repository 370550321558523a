#include "shell/tvgcharactergroup.h"

#include "records/views/ccharstatsview.h"

TVGCharacterGroup::TVGCharacterGroup()
{
    addEntry<CCharStatsView>(QStringLiteral("Character Packages"));
}

EditorDescriptor TVGCharacterGroup::editor()
{
    EditorDescriptor editor;
    editor.resourceId = kResourceId;
    editor.title = QStringLiteral("Character Statistics and Graphics");
    editor.treeTitle = QStringLiteral("Characters");
    editor.kinds = {RecordKind::Character};
    editor.makeGroup = [] { return std::make_unique<TVGCharacterGroup>(); };
    return editor;
}
