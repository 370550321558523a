#include "shell/tvgdialoguegroup.h"

#include "text/editors/cdialogueview.h"
#include "text/editors/cvfonteditview.h"
#include "text/editors/cffonteditview.h"

#include <QCoreApplication>

namespace tessel {

TVGDialogueGroup::TVGDialogueGroup()
{
    addEntry<CDialogueView>(QCoreApplication::translate("TVGDialogueGroup", "Standard Dialogue"));
    addEntry<CVFontEditView>(QCoreApplication::translate("TVGDialogueGroup", "Dialogue Font"));
    addEntry<CFFontEditView>(QCoreApplication::translate("TVGDialogueGroup", "Menu Font"));
}

EditorDescriptor TVGDialogueGroup::editor()
{
    EditorDescriptor editor;
    editor.resourceId = kResourceId;
    editor.title = QCoreApplication::translate("TVGDialogueGroup", "Dialogue and Fonts");
    editor.kinds = {RecordKind::Message, RecordKind::DialogueGlyph, RecordKind::MenuGlyph};
    editor.makeGroup = [] { return std::make_unique<TVGDialogueGroup>(); };
    return editor;
}

}  // namespace tessel
