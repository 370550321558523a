#include "shell/tvgmonstergroup.h"

#include "records/views/cmonsterformationview.h"
#include "records/views/cmonstereditview.h"

TVGMonsterGroup::TVGMonsterGroup()
{
    addEntry<CMonsterFormationView>(QStringLiteral("Monster Formations"));
    addEntry<CMonsterEditView>(QStringLiteral("Monster Statistics"));
}

EditorDescriptor TVGMonsterGroup::editor()
{
    EditorDescriptor editor;
    editor.resourceId = kResourceId;
    editor.title = QStringLiteral("Monster Formations and Statistics");
    editor.treeTitle = QStringLiteral("Monsters");
    editor.kinds = {RecordKind::Formation, RecordKind::Monster};
    editor.makeGroup = [] { return std::make_unique<TVGMonsterGroup>(); };
    return editor;
}
