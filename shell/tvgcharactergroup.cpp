#include "shell/tvgcharactergroup.h"

#include "records/views/ccharstatsview.h"
#include "records/views/crecordtablesview.h"

#include <QCoreApplication>

namespace tessel {

TVGCharacterGroup::TVGCharacterGroup()
{
    addEntry<CCharStatsView>(QCoreApplication::translate("TVGCharacterGroup", "Character Packages"));
    addEntry<CCharacterTablesView>(QCoreApplication::translate("TVGCharacterGroup", "Tables"));
}

EditorDescriptor TVGCharacterGroup::editor()
{
    EditorDescriptor editor;
    editor.resourceId = kResourceId;
    editor.title = QCoreApplication::translate("TVGCharacterGroup", "Character Statistics and Graphics");
    editor.treeTitle = QCoreApplication::translate("TVGCharacterGroup", "Characters");
    editor.kinds = {RecordKind::Character};
    editor.makeGroup = [] { return std::make_unique<TVGCharacterGroup>(); };
    return editor;
}

}  // namespace tessel
