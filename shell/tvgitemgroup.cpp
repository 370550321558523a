#include "shell/tvgitemgroup.h"

#include "records/views/citemeditview.h"
#include "records/views/cshopeditview.h"
#include "records/views/cmagiceditview.h"
#include "records/views/cespereditview.h"

TVGItemGroup::TVGItemGroup()
{
    addEntry<CItemEditView>(QStringLiteral("Items"));
    addEntry<CShopEditView>(QStringLiteral("Shops"));
    addEntry<CMagicEditView>(QStringLiteral("Magic"));
    addEntry<CEsperEditView>(QStringLiteral("Espers"));
}

EditorDescriptor TVGItemGroup::editor()
{
    EditorDescriptor editor;
    editor.resourceId = kResourceId;
    editor.title = QStringLiteral("Items and Magic");
    editor.kinds = {RecordKind::Item, RecordKind::Shop, RecordKind::Spell, RecordKind::Esper};
    editor.makeGroup = [] { return std::make_unique<TVGItemGroup>(); };
    return editor;
}
