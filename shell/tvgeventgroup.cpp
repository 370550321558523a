#include "shell/tvgeventgroup.h"

#include "events/views/ceventscriptview.h"

#include <QCoreApplication>

namespace tessel {

TVGEventGroup::TVGEventGroup()
{
    addEntry<CEventScriptView>(QCoreApplication::translate("TVGEventGroup", "Event Scripts"));
}

EditorDescriptor TVGEventGroup::editor()
{
    EditorDescriptor editor;
    editor.resourceId = kResourceId;
    editor.title = QCoreApplication::translate("TVGEventGroup", "Event Scripts");
    editor.kinds = {RecordKind::Event};
    editor.makeGroup = [] { return std::make_unique<TVGEventGroup>(); };
    return editor;
}

}  // namespace tessel
