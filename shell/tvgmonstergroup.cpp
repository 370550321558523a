#include "shell/tvgmonstergroup.h"

#include "records/views/cmonsterformationview.h"
#include "records/views/cmonstereditview.h"
#include "records/views/crecordtablesview.h"

#include <QCoreApplication>

namespace tessel {

TVGMonsterGroup::TVGMonsterGroup()
{
    addEntry<CMonsterFormationView>(QCoreApplication::translate("TVGMonsterGroup", "Monster Formations"));
    addEntry<CMonsterEditView>(QCoreApplication::translate("TVGMonsterGroup", "Monster Statistics"));
    addEntry<CMonsterTablesView>(QCoreApplication::translate("TVGMonsterGroup", "Tables"));
}

EditorDescriptor TVGMonsterGroup::editor()
{
    EditorDescriptor editor;
    editor.resourceId = kResourceId;
    editor.title = QCoreApplication::translate("TVGMonsterGroup", "Monster Formations and Statistics");
    editor.treeTitle = QCoreApplication::translate("TVGMonsterGroup", "Monsters");
    editor.kinds = {RecordKind::Formation, RecordKind::Monster};
    editor.makeGroup = [] { return std::make_unique<TVGMonsterGroup>(); };
    return editor;
}

}  // namespace tessel
