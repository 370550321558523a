#include "shell/tvgdialoguegroup.h"

#include "text/editors/cdialogueview.h"
#include "text/editors/cvfonteditview.h"
#include "text/editors/cffonteditview.h"

TVGDialogueGroup::TVGDialogueGroup()
{
    addEntry<CDialogueView>(QStringLiteral("Standard Dialogue"));
    addEntry<CVFontEditView>(QStringLiteral("Dialogue Font"));
    addEntry<CFFontEditView>(QStringLiteral("Menu Font"));
}

EditorDescriptor TVGDialogueGroup::editor()
{
    EditorDescriptor editor;
    editor.resourceId = kResourceId;
    editor.title = QStringLiteral("Dialogue and Fonts");
    editor.kinds = {RecordKind::Message, RecordKind::DialogueGlyph, RecordKind::MenuGlyph};
    editor.makeGroup = [] { return std::make_unique<TVGDialogueGroup>(); };
    return editor;
}
