#include "shell/editorregistry.h"

#include "shell/tvgcharactergroup.h"
#include "shell/tvgdialoguegroup.h"
#include "shell/tvgeventgroup.h"
#include "shell/tvgitemgroup.h"
#include "shell/tvgmonstergroup.h"
#include "shell/tvgworldmapgroup.h"

namespace tessel {

const EditorRegistry& EditorRegistry::standard()
{
    static const EditorRegistry registry = [] {
        EditorRegistry r;
        r.add(TVGWorldMapGroup::editor());
        r.add(TVGDialogueGroup::editor());
        r.add(TVGItemGroup::editor());
        r.add(TVGMonsterGroup::editor());
        r.add(TVGCharacterGroup::editor());
        r.add(TVGEventGroup::editor());
        return r;
    }();
    return registry;
}

const EditorDescriptor* EditorRegistry::forKind(RecordKind kind) const
{
    for (const EditorDescriptor& editor : editors_)
        if (editor.shows(kind))
            return &editor;
    return nullptr;
}

const EditorDescriptor* EditorRegistry::forResource(quint32 resourceId) const
{
    for (const EditorDescriptor& editor : editors_)
        if (editor.resourceId == resourceId)
            return &editor;
    return nullptr;
}

}  // namespace tessel
