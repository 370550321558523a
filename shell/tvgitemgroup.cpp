#include "shell/tvgitemgroup.h"

#include "records/views/citemeditview.h"
#include "records/views/cshopeditview.h"
#include "records/views/cmagiceditview.h"
#include "records/views/cespereditview.h"
#include "records/views/crecordtablesview.h"

#include <QCoreApplication>

namespace tessel {

TVGItemGroup::TVGItemGroup()
{
    addEntry<CItemEditView>(QCoreApplication::translate("TVGItemGroup", "Items"));
    addEntry<CShopEditView>(QCoreApplication::translate("TVGItemGroup", "Shops"));
    addEntry<CMagicEditView>(QCoreApplication::translate("TVGItemGroup", "Magic"));
    addEntry<CEsperEditView>(QCoreApplication::translate("TVGItemGroup", "Espers"));
    addEntry<CItemTablesView>(QCoreApplication::translate("TVGItemGroup", "Tables"));
}

EditorDescriptor TVGItemGroup::editor()
{
    EditorDescriptor editor;
    editor.resourceId = kResourceId;
    editor.title = QCoreApplication::translate("TVGItemGroup", "Items and Magic");
    editor.kinds = {RecordKind::Item, RecordKind::Shop, RecordKind::Spell, RecordKind::Esper};
    editor.makeGroup = [] { return std::make_unique<TVGItemGroup>(); };
    return editor;
}

}  // namespace tessel
